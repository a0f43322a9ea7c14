#include "params/TFParGen.h"

#include "params/ParGenLists.h"
#include "params/ProfinetDefaults.h"
#include "widgets/ByteAddressEdits.h"
#include "widgets/CollapsibleGroup.h"
#include "widgets/CollapsibleGroupStack.h"
#include "widgets/DropDownList.h"
#include "widgets/PlainText.h"
#include "widgets/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace birch {

namespace {

// Each group is a grid: a label in the first column, its control in the second, a check box
// across the whole row. Extra width goes to the third, empty column, so the controls keep their
// width.
constexpr int kControlColumn = 1;
constexpr int kControlWidth = 198;
constexpr int kAllColumns = 3;

QString name(const char* text)
{
    return QString::fromLatin1(text);
}

CollapsibleGroup* makeGroup(const char* objectName)
{
    auto* group = new CollapsibleGroup;
    group->setObjectName(name(objectName));
    QGridLayout& grid = group->grid();
    grid.setColumnMinimumWidth(TFParGen::kLabelColumn, TFParGen::kLabelWidth);
    grid.setColumnMinimumWidth(kControlColumn, kControlWidth);
    grid.setColumnStretch(kControlColumn + 1, 1);
    return group;
}

QLabel* addLabel(CollapsibleGroup* group, const char* objectName, int row)
{
    auto* label = plainLabel(new QLabel);
    label->setObjectName(name(objectName));
    group->addControl(label, row, TFParGen::kLabelColumn);
    return label;
}

QLineEdit* addEdit(CollapsibleGroup* group, const char* objectName, int row, const QString& initial = {})
{
    auto* edit = new QLineEdit(initial);
    edit->setObjectName(name(objectName));
    group->addControl(edit, row, kControlColumn);
    return edit;
}

template <std::size_t N>
QComboBox* addList(CollapsibleGroup* group, const char* objectName, int row,
                   const std::array<std::string_view, N>& items)
{
    auto* list = new QComboBox;
    list->setObjectName(name(objectName));
    list->setEditable(false);
    limitDropDownRows(*list);
    for (const std::string_view item : items)
        list->addItem(qs(item));
    group->addControl(list, row, kControlColumn);
    return list;
}

// A check box across its row, or at the label's place of a row (`across` false).
QCheckBox* addCheck(CollapsibleGroup* group, const char* objectName, int row, bool across = true)
{
    auto* box = new QCheckBox;
    box->setObjectName(name(objectName));
    group->addControl(box, row, TFParGen::kLabelColumn, across ? kAllColumns : 1);
    return box;
}

std::array<QLineEdit*, 4> addAddress(CollapsibleGroup* group, const char* namePrefix, int row)
{
    return addByteAddressEdits(*group, name(namePrefix), row, kControlColumn);
}

void digitsOnly(QLineEdit* edit)
{
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
}

constexpr std::array<std::string_view, 3> kQoSList = {"0", "1", "2"};

} // namespace

void TFParGen::Create_Button_Panel()
{
    P_Buttons = new QWidget(this);
    P_Buttons->setObjectName(QStringLiteral("P_Buttons"));
    Btn_OK = new QPushButton(P_Buttons);
    Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
    Btn_Cancel = new QPushButton(P_Buttons);
    Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    auto* layout = new QHBoxLayout(P_Buttons);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->addStretch(1);
    layout->addWidget(Btn_OK);
    layout->addWidget(Btn_Cancel);
}

void TFParGen::Create_Ethernet_Connection()
{
    auto* g = CP_Ethernet_Connection = makeGroup("CP_Ethernet_Connection");
    L_EthConn_Device_Name = addLabel(g, "L_EthConn_Device_Name", 0);
    E_EthConn_Device_Name = addEdit(g, "E_EthConn_Device_Name", 0);
    E_EthConn_Device_Name->setMaxLength(kDeviceNameLength);
    CB_EthConn_En_DHCP_Cable = addCheck(g, "CB_EthConn_En_DHCP_Cable", 1);
    CB_EthConn_En_DHCP_WiFi = addCheck(g, "CB_EthConn_En_DHCP_WiFi", 2);
    CB_EthConn_Enable_DNS = addCheck(g, "CB_EthConn_Enable_DNS", 3);
    L_EthConn_Primary_DNS = addLabel(g, "L_EthConn_Primary_DNS", 4);
    E_EthConn_Pri_DNS_IP = addAddress(g, "E_EthConn_Pri_DNS_IP", 4);
    L_EthConn_Secondary_DNS = addLabel(g, "L_EthConn_Secondary_DNS", 5);
    E_EthConn_Sec_DNS_IP = addAddress(g, "E_EthConn_Sec_DNS_IP", 5);
    allGroups_.append(g);
    CPG->addGroup(g);
}

void TFParGen::Create_Modbus_Slave()
{
    auto* g = CP_Modbus_Slave = makeGroup("CP_Modbus_Slave");
    L_ModbusSlave_Serial = addLabel(g, "L_ModbusSlave_Serial", 0);
    CB_ModbusSlave_Serial = addList(g, "CB_ModbusSlave_Serial", 0, SerialPortList);
    L_ModbusSlave_Baudrate = addLabel(g, "L_ModbusSlave_Baudrate", 1);
    CB_ModbusSlave_Baudrate = addList(g, "CB_ModbusSlave_Baudrate", 1, BaudList);
    L_ModbusSlave_Parity = addLabel(g, "L_ModbusSlave_Parity", 2);
    CB_ModbusSlave_Parity = addList(g, "CB_ModbusSlave_Parity", 2, ParityList);
    L_ModbusSlave_StopBits = addLabel(g, "L_ModbusSlave_StopBits", 3);
    CB_ModbusSlave_StopBits = addList(g, "CB_ModbusSlave_StopBits", 3, StopBitsList);
    L_ModbusSlave_IDDevice = addLabel(g, "L_ModbusSlave_IDDevice", 4);
    E_ModbusSlave_IDDevice = addEdit(g, "E_ModbusSlave_IDDevice", 4);
    CB_ModbusSlave_ReadInput = addCheck(g, "CB_ModbusSlave_ReadInput", 5);
    allGroups_.append(g);
    CPG->addGroup(g);
}

TFParGen::SerialGroup TFParGen::Build_Serial_Group(const QString& port)
{
    // Every name of a serial group is a prefix, the port's name and a suffix.
    const auto id = [&port](const char* prefix, const char* suffix) {
        return (name(prefix) + port + name(suffix)).toLatin1();
    };
    SerialGroup serial;
    auto* g = serial.group = makeGroup(id("CP_", "").constData());
    serial.enable = addCheck(g, id("CB_", "_Enable").constData(), 0);
    serial.baudLabel = addLabel(g, id("L_", "_Baud").constData(), 1);
    serial.baud = addList(g, id("CB_", "_Baud").constData(), 1, BaudList);
    serial.parityLabel = addLabel(g, id("L_", "_Parity").constData(), 2);
    serial.parity = addList(g, id("CB_", "_Parity").constData(), 2, ParityList);
    serial.stopLabel = addLabel(g, id("L_", "_Stop_Bits").constData(), 3);
    serial.stop = addList(g, id("CB_", "_Stop_Bits").constData(), 3, StopBitsList);
    allGroups_.append(g);
    CPG->addGroup(g);
    return serial;
}

void TFParGen::Create_Serial_Groups()
{
    RS232 = Build_Serial_Group(QStringLiteral("RS232"));
    RS485_1 = Build_Serial_Group(QStringLiteral("RS485_1"));
    RS485_2 = Build_Serial_Group(QStringLiteral("RS485_2"));
    CP_RS232 = RS232.group;
    CP_RS485_1 = RS485_1.group;
    CP_RS485_2 = RS485_2.group;
}

void TFParGen::Create_Ethernet()
{
    auto* g = CP_Ethernet = makeGroup("CP_Ethernet");
    L_Ethernet_IP = addLabel(g, "L_Ethernet_IP", 0);
    E_Ethernet_IP = addAddress(g, "E_Ethernet_IP", 0);
    L_Ethernet_SM = addLabel(g, "L_Ethernet_SM", 1);
    E_Ethernet_SM = addAddress(g, "E_Ethernet_SM", 1);
    CB_Ethernet_En_GAT = addCheck(g, "CB_Ethernet_En_GAT", 2, false);
    E_Ethernet_GAT = addAddress(g, "E_Ethernet_GAT", 2);
    L_Ethernet_TCP_Port = addLabel(g, "L_Ethernet_TCP_Port", 3);
    E_Ethernet_TCP_Port = addEdit(g, "E_Ethernet_TCP_Port", 3);
    L_Ethernet_UDP_Port = addLabel(g, "L_Ethernet_UDP_Port", 4);
    E_Ethernet_UDP_Port = addEdit(g, "E_Ethernet_UDP_Port", 4);
    allGroups_.append(g);
    CPG->addGroup(g);
}

void TFParGen::Create_PROFINET()
{
    auto* g = CP_PROFINET = makeGroup("CP_PROFINET");
    L_PROFINET_IP = addLabel(g, "L_PROFINET_IP", 0);
    E_PROFINET_IP = addAddress(g, "E_PROFINET_IP", 0);
    L_PROFINET_SM = addLabel(g, "L_PROFINET_SM", 1);
    E_PROFINET_SM = addAddress(g, "E_PROFINET_SM", 1);
    CB_PROFINET_EN_GAT = addCheck(g, "CB_PROFINET_EN_GAT", 2, false);
    E_PROFINET_GAT = addAddress(g, "E_PROFINET_GAT", 2);
    L_PROFINET_Name_Station = addLabel(g, "L_PROFINET_Name_Station", 3);
    E_PROFINET_Name_Station = addEdit(g, "E_PROFINET_Name_Station", 3, qs(kProfinetStationName));
    E_PROFINET_Name_Station->setMaxLength(15);
    L_PROFINET_Num_Byte = addLabel(g, "L_PROFINET_Num_Byte", 4);
    E_PROFINET_Num_Byte = addEdit(g, "E_PROFINET_Num_Byte", 4, QString::number(kProfinetInputBytes));
    allGroups_.append(g);
    CPG->addGroup(g);
}

void TFParGen::Create_Modbus_TCP_Slave()
{
    auto* g = CP_Modbus_TCP_Slave = makeGroup("CP_Modbus_TCP_Slave");
    L_ModbusTCPSlave_IP = addLabel(g, "L_ModbusTCPSlave_IP", 0);
    E_ModbusTCPSlave_IP = addAddress(g, "E_ModbusTCPSlave_IP", 0);
    L_ModbusTCPSlave_SM = addLabel(g, "L_ModbusTCPSlave_SM", 1);
    E_ModbusTCPSlave_SM = addAddress(g, "E_ModbusTCPSlave_SM", 1);
    CB_ModbusTCPSlave_En_GAT = addCheck(g, "CB_ModbusTCPSlave_En_GAT", 2, false);
    E_ModbusTCPSlave_GAT = addAddress(g, "E_ModbusTCPSlave_GAT", 2);
    L_ModbusTCPSlave_Port = addLabel(g, "L_ModbusTCPSlave_Port", 3);
    E_ModbusTCPSlave_Port = addEdit(g, "E_ModbusTCPSlave_Port", 3, QStringLiteral("502"));
    allGroups_.append(g);
    CPG->addGroup(g);
}

void TFParGen::Create_MQTT()
{
    auto* g = CP_MQTT = makeGroup("CP_MQTT");
    L_MQTT_Server = addLabel(g, "L_MQTT_Server", 0);
    E_MQTT_Server = addEdit(g, "E_MQTT_Server", 0);
    L_MQTT_Server_Port = addLabel(g, "L_MQTT_Server_Port", 1);
    E_MQTT_Server_Port = addEdit(g, "E_MQTT_Server_Port", 1, QStringLiteral("1883"));
    L_MQTT_Client_ID = addLabel(g, "L_MQTT_Client_ID", 2);
    E_MQTT_Client_ID = addEdit(g, "E_MQTT_Client_ID", 2);
    L_MQTT_Keep_Alive = addLabel(g, "L_MQTT_Keep_Alive", 3);
    E_MQTT_Keep_Alive = addEdit(g, "E_MQTT_Keep_Alive", 3);
    CB_MQTT_Clean_Session = addCheck(g, "CB_MQTT_Clean_Session", 4);
    CB_MQTT_WillFlag = addCheck(g, "CB_MQTT_WillFlag", 5);
    L_MQTT_Will_TopicName = addLabel(g, "L_MQTT_Will_TopicName", 6);
    E_MQTT_Will_TopicName = addEdit(g, "E_MQTT_Will_TopicName", 6);
    L_MQTT_Will_Message = addLabel(g, "L_MQTT_Will_Message", 7);
    E_MQTT_Will_Message = addEdit(g, "E_MQTT_Will_Message", 7);
    CB_MQTT_Will_Retained = addCheck(g, "CB_MQTT_Will_Retained", 8);
    L_MQTT_Will_QoS = addLabel(g, "L_MQTT_Will_QoS", 9);
    CB_MQTT_Will_QoS = addList(g, "CB_MQTT_Will_QoS", 9, kQoSList);
    L_MQTT_Username = addLabel(g, "L_MQTT_Username", 10);
    E_MQTT_Username = addEdit(g, "E_MQTT_Username", 10);
    L_MQTT_Password = addLabel(g, "L_MQTT_Password", 11);
    E_MQTT_Password = addEdit(g, "E_MQTT_Password", 11);
    E_MQTT_Password->setEchoMode(QLineEdit::Password);
    L_MQTT_ASync_Send_Time = addLabel(g, "L_MQTT_ASync_Send_Time", 12);
    E_MQTT_ASync_Send_Time = addEdit(g, "E_MQTT_ASync_Send_Time", 12);
    allGroups_.append(g);
    CPG->addGroup(g);
}

void TFParGen::Create_TLS()
{
    auto* g = CP_TLS = makeGroup("CP_TLS");
    CB_TLS_Enable = addCheck(g, "CB_TLS_Enable", 0);
    CB_TLS_En_Server_Auth = addCheck(g, "CB_TLS_En_Server_Auth", 1);
    L_TLS_Server_Cert = addLabel(g, "L_TLS_Server_Cert", 2);
    E_TLS_Server_Cert = addEdit(g, "E_TLS_Server_Cert", 2);
    CB_TLS_En_Client_Auth = addCheck(g, "CB_TLS_En_Client_Auth", 3);
    L_TLS_Client_Cert = addLabel(g, "L_TLS_Client_Cert", 4);
    E_TLS_Client_Cert = addEdit(g, "E_TLS_Client_Cert", 4);
    L_TLS_Client_Cert_Key = addLabel(g, "L_TLS_Client_Cert_Key", 5);
    E_TLS_Client_Cert_Key = addEdit(g, "E_TLS_Client_Cert_Key", 5);
    L_TLS_Client_Cert_Key_Pass = addLabel(g, "L_TLS_Client_Cert_Key_Pass", 6);
    E_TLS_Client_Cert_Key_Pass = addEdit(g, "E_TLS_Client_Cert_Key_Pass", 6);
    E_TLS_Client_Cert_Key_Pass->setEchoMode(QLineEdit::Password);
    allGroups_.append(g);
    CPG->addGroup(g);
}

void TFParGen::Create_NTP()
{
    auto* g = CP_NTP = makeGroup("CP_NTP");
    L_NTP_Server_URL = addLabel(g, "L_NTP_Server_URL", 0);
    E_NTP_Server_URL = addEdit(g, "E_NTP_Server_URL", 0);
    L_NTP_Poll_Time = addLabel(g, "L_NTP_Poll_Time", 1);
    E_NTP_Poll_Time = addEdit(g, "E_NTP_Poll_Time", 1);
    allGroups_.append(g);
    CPG->addGroup(g);
}

void TFParGen::Create_EtherCAT_Slave()
{
    auto* g = CP_EtherCAT_Slave = makeGroup("CP_EtherCAT_Slave");
    L_EtherCAT_Slave_Revision_Number = addLabel(g, "L_EtherCAT_Slave_Revision_Number", 0);
    E_EtherCAT_Slave_Revision_Number = addEdit(g, "E_EtherCAT_Slave_Revision_Number", 0, QStringLiteral("0"));
    digitsOnly(E_EtherCAT_Slave_Revision_Number);
    L_EtherCAT_Slave_Name = addLabel(g, "L_EtherCAT_Slave_Name", 1);
    E_EtherCAT_Slave_Name = addEdit(g, "E_EtherCAT_Slave_Name", 1);
    E_EtherCAT_Slave_Name->setMaxLength(15);
    L_EtherCAT_Slave_Node_Address = addLabel(g, "L_EtherCAT_Slave_Node_Address", 2);
    E_EtherCAT_Slave_Node_Address = addEdit(g, "E_EtherCAT_Slave_Node_Address", 2, QStringLiteral("0"));
    digitsOnly(E_EtherCAT_Slave_Node_Address);
    allGroups_.append(g);
    CPG->addGroup(g);
}

} // namespace birch
