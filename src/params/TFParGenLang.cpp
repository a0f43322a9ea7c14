#include "params/TFParGen.h"

#include "widgets/CollapsibleGroupStack.h"
#include "widgets/HeadingPanel.h"
#include "widgets/PlainText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

namespace birch {

namespace {

void hintBytes(const std::array<QLineEdit*, 4>& bytes, const std::function<QString(int)>& text, int firstText)
{
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<std::size_t>(i)]->setToolTip(plainToolTip(text(firstText + i)));
}

} // namespace

void TFParGen::Set_Serial_Texts(const SerialGroup& serial, int firstText)
{
    serial.enable->setText(text(firstText));
    serial.baudLabel->setText(text(firstText + 1));
    serial.parityLabel->setText(text(firstText + 2));
    serial.stopLabel->setText(text(firstText + 3));
    serial.enable->setToolTip(plainToolTip(text(firstText + 4)));
    serial.baud->setToolTip(plainToolTip(text(firstText + 5)));
    serial.parity->setToolTip(plainToolTip(text(firstText + 6)));
    serial.stop->setToolTip(plainToolTip(text(firstText + 7)));
}

void TFParGen::Set_Lang()
{
    const auto t = [this](int number) { return text(number); };
    const auto caption = [&t](auto* captioned, QWidget* hinted, int first) {
        captioned->setText(t(first));
        hinted->setToolTip(plainToolTip(t(first + 1)));
    };

    setWindowTitle(t(400));
    P_Title->setDescription(t(401));
    Btn_OK->setText(t(402));
    Btn_OK->setToolTip(plainToolTip(t(404)));
    Btn_Cancel->setText(t(403));
    Btn_Cancel->setToolTip(plainToolTip(t(405)));

    caption(L_EthConn_Device_Name, E_EthConn_Device_Name, 1122);
    caption(CB_EthConn_En_DHCP_Cable, CB_EthConn_En_DHCP_Cable, 1124);
    caption(CB_EthConn_En_DHCP_WiFi, CB_EthConn_En_DHCP_WiFi, 1126);
    caption(CB_EthConn_Enable_DNS, CB_EthConn_Enable_DNS, 1128);
    L_EthConn_Primary_DNS->setText(t(1130));
    hintBytes(E_EthConn_Pri_DNS_IP, t, 1131);
    L_EthConn_Secondary_DNS->setText(t(1135));
    hintBytes(E_EthConn_Sec_DNS_IP, t, 1136);

    caption(L_ModbusSlave_Serial, CB_ModbusSlave_Serial, 503);
    caption(L_ModbusSlave_Baudrate, CB_ModbusSlave_Baudrate, 505);
    caption(L_ModbusSlave_Parity, CB_ModbusSlave_Parity, 507);
    caption(L_ModbusSlave_StopBits, CB_ModbusSlave_StopBits, 509);
    caption(L_ModbusSlave_IDDevice, E_ModbusSlave_IDDevice, 511);
    caption(CB_ModbusSlave_ReadInput, CB_ModbusSlave_ReadInput, 513);

    Set_Serial_Texts(RS232, 428);
    Set_Serial_Texts(RS485_1, 437);
    Set_Serial_Texts(RS485_2, 446);

    L_Ethernet_IP->setText(t(518));
    hintBytes(E_Ethernet_IP, t, 519);
    L_Ethernet_SM->setText(t(523));
    hintBytes(E_Ethernet_SM, t, 524);
    caption(CB_Ethernet_En_GAT, CB_Ethernet_En_GAT, 528);
    hintBytes(E_Ethernet_GAT, t, 530);
    caption(L_Ethernet_TCP_Port, E_Ethernet_TCP_Port, 540);
    caption(L_Ethernet_UDP_Port, E_Ethernet_UDP_Port, 542);

    L_PROFINET_IP->setText(t(407));
    L_PROFINET_SM->setText(t(408));
    CB_PROFINET_EN_GAT->setText(t(409));
    L_PROFINET_Name_Station->setText(t(410));
    L_PROFINET_Num_Byte->setText(t(411));
    hintBytes(E_PROFINET_IP, t, 412);
    hintBytes(E_PROFINET_SM, t, 416);
    hintBytes(E_PROFINET_GAT, t, 420);
    CB_PROFINET_EN_GAT->setToolTip(plainToolTip(t(424)));
    E_PROFINET_Name_Station->setToolTip(plainToolTip(t(425)));
    E_PROFINET_Num_Byte->setToolTip(plainToolTip(t(426)));

    L_ModbusTCPSlave_IP->setText(t(471));
    hintBytes(E_ModbusTCPSlave_IP, t, 472);
    L_ModbusTCPSlave_SM->setText(t(476));
    hintBytes(E_ModbusTCPSlave_SM, t, 477);
    caption(CB_ModbusTCPSlave_En_GAT, CB_ModbusTCPSlave_En_GAT, 481);
    hintBytes(E_ModbusTCPSlave_GAT, t, 483);
    caption(L_ModbusTCPSlave_Port, E_ModbusTCPSlave_Port, 487);

    caption(L_MQTT_Server, E_MQTT_Server, 563);
    caption(L_MQTT_Server_Port, E_MQTT_Server_Port, 565);
    caption(L_MQTT_Client_ID, E_MQTT_Client_ID, 567);
    caption(L_MQTT_Keep_Alive, E_MQTT_Keep_Alive, 569);
    caption(CB_MQTT_Clean_Session, CB_MQTT_Clean_Session, 571);
    caption(CB_MQTT_WillFlag, CB_MQTT_WillFlag, 573);
    caption(L_MQTT_Will_TopicName, E_MQTT_Will_TopicName, 575);
    caption(L_MQTT_Will_Message, E_MQTT_Will_Message, 577);
    caption(CB_MQTT_Will_Retained, CB_MQTT_Will_Retained, 579);
    caption(L_MQTT_Will_QoS, CB_MQTT_Will_QoS, 581);
    caption(L_MQTT_Username, E_MQTT_Username, 583);
    caption(L_MQTT_Password, E_MQTT_Password, 585);
    caption(L_MQTT_ASync_Send_Time, E_MQTT_ASync_Send_Time, 587);

    caption(CB_TLS_Enable, CB_TLS_Enable, 1101);
    caption(CB_TLS_En_Server_Auth, CB_TLS_En_Server_Auth, 1103);
    caption(L_TLS_Server_Cert, E_TLS_Server_Cert, 1105);
    caption(CB_TLS_En_Client_Auth, CB_TLS_En_Client_Auth, 1107);
    caption(L_TLS_Client_Cert, E_TLS_Client_Cert, 1109);
    caption(L_TLS_Client_Cert_Key, E_TLS_Client_Cert_Key, 1111);
    caption(L_TLS_Client_Cert_Key_Pass, E_TLS_Client_Cert_Key_Pass, 1113);

    caption(L_NTP_Server_URL, E_NTP_Server_URL, 1116);
    caption(L_NTP_Poll_Time, E_NTP_Poll_Time, 1118);

    caption(L_EtherCAT_Slave_Revision_Number, E_EtherCAT_Slave_Revision_Number, 1141);
    caption(L_EtherCAT_Slave_Name, E_EtherCAT_Slave_Name, 1143);
    caption(L_EtherCAT_Slave_Node_Address, E_EtherCAT_Slave_Node_Address, 1145);
    CPG->alignColumn(kLabelColumn, kLabelWidth);
}

} // namespace birch
