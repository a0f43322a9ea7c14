#include "params/TFParGen.h"

#include "widgets/CollapsibleGroup.h"
#include "widgets/CollapsibleGroupStack.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace birch {

namespace {

void showAll(const QList<QWidget*>& widgets, bool shown)
{
    for (QWidget* widget : widgets)
        widget->setVisible(shown);
}

} // namespace

void TFParGen::Order_TAB_Panels()
{
    Order_TAB_Panels(context_.state.Profile);
}

void TFParGen::Order_TAB_Panels(DeviceProfile profile)
{
    switch (profile) {
    case DeviceProfile::Alder:
        Order_TAB_Panels_Alder();
        break;
    case DeviceProfile::Birch:
        Order_TAB_Panels_Birch();
        break;
    case DeviceProfile::Cedar:
        Order_TAB_Panels_Cedar();
        break;
    case DeviceProfile::Damson:
        Order_TAB_Panels_Damson();
        break;
    case DeviceProfile::Elm:
        Order_TAB_Panels_Elm();
        break;
    }
}

void TFParGen::Show_Groups(const QList<std::pair<CollapsibleGroup*, int>>& groups)
{
    QList<CollapsibleGroup*> order;
    for (const auto& [group, titleText] : groups) {
        order.append(group);
        group->setTitle(QString::number(order.size()) + QStringLiteral(". ") + text(titleText));
    }
    for (CollapsibleGroup* group : allGroups_)
        group->setHidden(!order.contains(group));
    CPG->arrange(order, {Btn_OK, Btn_Cancel});
}

void TFParGen::Order_TAB_Panels_Alder()
{
    Show_Groups(
        {{CP_Ethernet_Connection, 1121}, {CP_PROFINET, 406}, {CP_RS232, 427}, {CP_RS485_1, 436}, {CP_RS485_2, 445}});
}

// The serial port the Modbus slave uses has no NMEA 0183 group.
void TFParGen::Order_TAB_Panels_Birch()
{
    const int p = CB_ModbusSlave_Serial->currentIndex();
    QList<std::pair<CollapsibleGroup*, int>> groups = {{CP_Ethernet_Connection, 1121}, {CP_Modbus_Slave, 502}};
    if (p != 0)
        groups.append({CP_RS232, 427});
    if (p != 1)
        groups.append({CP_RS485_1, 436});
    if (p != 2)
        groups.append({CP_RS485_2, 445});
    groups.append({CP_Ethernet, 517});
    Show_Groups(groups);
}

void TFParGen::Order_TAB_Panels_Cedar()
{
    Show_Groups({{CP_Ethernet_Connection, 1121},
                 {CP_Modbus_TCP_Slave, 470},
                 {CP_RS232, 427},
                 {CP_RS485_1, 436},
                 {CP_RS485_2, 445}});
}

void TFParGen::Order_TAB_Panels_Damson()
{
    Show_Groups({{CP_Ethernet_Connection, 1121},
                 {CP_MQTT, 562},
                 {CP_RS232, 589},
                 {CP_TLS, 1100},
                 {CP_NTP, 1115},
                 {CP_Ethernet, 517}});
}

void TFParGen::Order_TAB_Panels_Elm()
{
    Show_Groups({{CP_Ethernet_Connection, 1121}, {CP_EtherCAT_Slave, 1140}, {CP_Ethernet, 517}, {CP_RS232, 589}});
}

void TFParGen::Move_GroupBoxs()
{
    Move_GroupBoxs(context_.state.Profile);
}

void TFParGen::Move_GroupBoxs(DeviceProfile profile)
{
    switch (profile) {
    case DeviceProfile::Alder:
        RePosition_Objects_Alder();
        break;
    case DeviceProfile::Birch:
        RePosition_Objects_Birch();
        break;
    case DeviceProfile::Cedar:
        RePosition_Objects_Cedar();
        break;
    case DeviceProfile::Damson:
        RePosition_Objects_Damson();
        break;
    case DeviceProfile::Elm:
        RePosition_Objects_Elm();
        break;
    }
}

void TFParGen::RePosition_Objects_Alder()
{
    RePosition_Object_PROFINET();
}

void TFParGen::RePosition_Objects_Birch()
{
    RePosition_Object_Ethernet();
}

void TFParGen::RePosition_Objects_Cedar()
{
    RePosition_Object_Modbus_TCP_Slave();
}

void TFParGen::RePosition_Objects_Damson()
{
    RePosition_Object_MQTT();
    RePosition_Object_TLS();
    RePosition_Object_Ethernet();
}

void TFParGen::RePosition_Objects_Elm()
{
    RePosition_Object_Ethernet_Connection();
    RePosition_Object_Ethernet();
}

// While the cable connection takes its address by DHCP the fixed address is greyed out; the
// values stay and are still validated and saved.
void TFParGen::Apply_Cable_DHCP(const QList<QWidget*>& controls)
{
    const bool fixedAddress = !CB_EthConn_En_DHCP_Cable->isChecked();
    for (QWidget* control : controls)
        control->setEnabled(fixedAddress);
}

void TFParGen::RePosition_Object_Ethernet_Connection()
{
    CB_EthConn_En_DHCP_WiFi->setEnabled(false);
}

void TFParGen::RePosition_Object_Ethernet()
{
    showAll({L_Ethernet_TCP_Port, E_Ethernet_TCP_Port, L_Ethernet_UDP_Port, E_Ethernet_UDP_Port}, false);
    // The gateway bytes follow the DHCP box only, not the gateway box.
    QList<QWidget*> address(E_Ethernet_IP.begin(), E_Ethernet_IP.end());
    address.append(QList<QWidget*>(E_Ethernet_SM.begin(), E_Ethernet_SM.end()));
    address.append(CB_Ethernet_En_GAT);
    address.append(QList<QWidget*>(E_Ethernet_GAT.begin(), E_Ethernet_GAT.end()));
    Apply_Cable_DHCP(address);
}

void TFParGen::RePosition_Object_PROFINET()
{
    QList<QWidget*> address(E_PROFINET_IP.begin(), E_PROFINET_IP.end());
    address.append(QList<QWidget*>(E_PROFINET_SM.begin(), E_PROFINET_SM.end()));
    address.append(CB_PROFINET_EN_GAT);
    address.append(QList<QWidget*>(E_PROFINET_GAT.begin(), E_PROFINET_GAT.end()));
    Apply_Cable_DHCP(address);
}

void TFParGen::RePosition_Object_Modbus_TCP_Slave()
{
    QList<QWidget*> address(E_ModbusTCPSlave_IP.begin(), E_ModbusTCPSlave_IP.end());
    address.append(QList<QWidget*>(E_ModbusTCPSlave_SM.begin(), E_ModbusTCPSlave_SM.end()));
    address.append(CB_ModbusTCPSlave_En_GAT);
    address.append(QList<QWidget*>(E_ModbusTCPSlave_GAT.begin(), E_ModbusTCPSlave_GAT.end()));
    Apply_Cable_DHCP(address);
}

// The will's rows show only with the will flag; the rows below close up, as hidden rows take no room.
void TFParGen::RePosition_Object_MQTT()
{
    showAll({L_MQTT_Will_TopicName, E_MQTT_Will_TopicName, L_MQTT_Will_Message, E_MQTT_Will_Message,
             CB_MQTT_Will_Retained, L_MQTT_Will_QoS, CB_MQTT_Will_QoS},
            CB_MQTT_WillFlag->isChecked());
    showAll({L_MQTT_ASync_Send_Time, E_MQTT_ASync_Send_Time}, false);
}

// Each box shows the rows it enables; the rows below close up.
void TFParGen::RePosition_Object_TLS()
{
    const bool enabled = CB_TLS_Enable->isChecked();
    showAll({CB_TLS_En_Server_Auth, CB_TLS_En_Client_Auth}, enabled);
    showAll({L_TLS_Server_Cert, E_TLS_Server_Cert}, enabled && CB_TLS_En_Server_Auth->isChecked());
    showAll({L_TLS_Client_Cert, E_TLS_Client_Cert, L_TLS_Client_Cert_Key, E_TLS_Client_Cert_Key,
             L_TLS_Client_Cert_Key_Pass, E_TLS_Client_Cert_Key_Pass},
            enabled && CB_TLS_En_Client_Auth->isChecked());
}

} // namespace birch
