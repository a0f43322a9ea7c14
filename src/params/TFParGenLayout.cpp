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

constexpr int kFollowingRow = 28; // a row placed below another
constexpr int kEditAboveLabel = 3;
constexpr int kGroupBottomMargin = 12;

void setTop(QWidget* widget, int top)
{
    widget->move(widget->x(), top);
}

// Puts a label at `top` and its edit 3 pixels above it.
void placeRow(QLabel* label, QWidget* edit, int top)
{
    setTop(label, top);
    setTop(edit, top - kEditAboveLabel);
}

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
    RePosition_Object_RS232();
    RePosition_Object_RS485_1();
    RePosition_Object_RS485_2();
}

void TFParGen::RePosition_Objects_Birch()
{
    RePosition_Object_Modbus_Slave();
    RePosition_Object_RS232();
    RePosition_Object_RS485_1();
    RePosition_Object_RS485_2();
    RePosition_Object_Ethernet();
}

void TFParGen::RePosition_Objects_Cedar()
{
    RePosition_Object_Modbus_TCP_Slave();
    RePosition_Object_RS232();
    RePosition_Object_RS485_1();
    RePosition_Object_RS485_2();
}

void TFParGen::RePosition_Objects_Damson()
{
    RePosition_Object_MQTT();
    RePosition_Object_RS232();
    RePosition_Object_TLS();
    RePosition_Object_NTP();
    RePosition_Object_Ethernet();
}

void TFParGen::RePosition_Objects_Elm()
{
    RePosition_Object_Ethernet_Connection();
    RePosition_Object_EtherCAT_Slave();
    RePosition_Object_Ethernet();
    RePosition_Object_RS232();
}

// The group ends 12 pixels below its last visible control, header included.
void TFParGen::Fit_Group(CollapsibleGroup* group, const QWidget* last)
{
    group->setExpandedHeight(last->y() + last->height() + CollapsibleGroup::kHeaderHeight + kGroupBottomMargin);
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
    Fit_Group(CP_Ethernet_Connection, E_EthConn_Sec_DNS_IP[3]);
}

void TFParGen::RePosition_Object_Modbus_Slave()
{
    Fit_Group(CP_Modbus_Slave, CB_ModbusSlave_ReadInput);
}

// The enable box leaves the port's lists enabled.
void TFParGen::RePosition_Serial(const SerialGroup& serial)
{
    Fit_Group(serial.group, serial.stop);
}

void TFParGen::RePosition_Object_RS232()
{
    RePosition_Serial(RS232);
}

void TFParGen::RePosition_Object_RS485_1()
{
    RePosition_Serial(RS485_1);
}

void TFParGen::RePosition_Object_RS485_2()
{
    RePosition_Serial(RS485_2);
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
    Fit_Group(CP_Ethernet, E_Ethernet_GAT[3]);
}

void TFParGen::RePosition_Object_PROFINET()
{
    QList<QWidget*> address(E_PROFINET_IP.begin(), E_PROFINET_IP.end());
    address.append(QList<QWidget*>(E_PROFINET_SM.begin(), E_PROFINET_SM.end()));
    address.append(CB_PROFINET_EN_GAT);
    address.append(QList<QWidget*>(E_PROFINET_GAT.begin(), E_PROFINET_GAT.end()));
    Apply_Cable_DHCP(address);
    Fit_Group(CP_PROFINET, E_PROFINET_Num_Byte);
}

void TFParGen::RePosition_Object_Modbus_TCP_Slave()
{
    QList<QWidget*> address(E_ModbusTCPSlave_IP.begin(), E_ModbusTCPSlave_IP.end());
    address.append(QList<QWidget*>(E_ModbusTCPSlave_SM.begin(), E_ModbusTCPSlave_SM.end()));
    address.append(CB_ModbusTCPSlave_En_GAT);
    address.append(QList<QWidget*>(E_ModbusTCPSlave_GAT.begin(), E_ModbusTCPSlave_GAT.end()));
    Apply_Cable_DHCP(address);
    Fit_Group(CP_Modbus_TCP_Slave, E_ModbusTCPSlave_Port);
}

void TFParGen::RePosition_Object_MQTT()
{
    const bool will = CB_MQTT_WillFlag->isChecked();
    showAll({L_MQTT_Will_TopicName, E_MQTT_Will_TopicName, L_MQTT_Will_Message, E_MQTT_Will_Message,
             CB_MQTT_Will_Retained, L_MQTT_Will_QoS, CB_MQTT_Will_QoS},
            will);
    const int userTop = will ? L_MQTT_Will_QoS->y() + kFollowingRow : L_MQTT_Will_TopicName->y();
    placeRow(L_MQTT_Username, E_MQTT_Username, userTop);
    placeRow(L_MQTT_Password, E_MQTT_Password, userTop + kFollowingRow);
    showAll({L_MQTT_ASync_Send_Time, E_MQTT_ASync_Send_Time}, false);
    Fit_Group(CP_MQTT, E_MQTT_Password);
}

void TFParGen::RePosition_Object_TLS()
{
    const QList<QWidget*> client = {L_TLS_Client_Cert,     E_TLS_Client_Cert,          L_TLS_Client_Cert_Key,
                                    E_TLS_Client_Cert_Key, L_TLS_Client_Cert_Key_Pass, E_TLS_Client_Cert_Key_Pass};
    if (!CB_TLS_Enable->isChecked()) {
        showAll({CB_TLS_En_Server_Auth, L_TLS_Server_Cert, E_TLS_Server_Cert, CB_TLS_En_Client_Auth}, false);
        showAll(client, false);
        Fit_Group(CP_TLS, CB_TLS_Enable);
        return;
    }
    CB_TLS_En_Server_Auth->setVisible(true);
    const bool serverCert = CB_TLS_En_Server_Auth->isChecked();
    showAll({L_TLS_Server_Cert, E_TLS_Server_Cert}, serverCert);
    CB_TLS_En_Client_Auth->setVisible(true);
    setTop(CB_TLS_En_Client_Auth, (serverCert ? E_TLS_Server_Cert->y() : CB_TLS_En_Server_Auth->y()) + kFollowingRow);
    if (!CB_TLS_En_Client_Auth->isChecked()) {
        showAll(client, false);
        Fit_Group(CP_TLS, CB_TLS_En_Client_Auth);
        return;
    }
    showAll(client, true);
    const int clientTop = CB_TLS_En_Client_Auth->y();
    placeRow(L_TLS_Client_Cert, E_TLS_Client_Cert, clientTop + kFollowingRow);
    placeRow(L_TLS_Client_Cert_Key, E_TLS_Client_Cert_Key, clientTop + 2 * kFollowingRow);
    placeRow(L_TLS_Client_Cert_Key_Pass, E_TLS_Client_Cert_Key_Pass, clientTop + 3 * kFollowingRow);
    Fit_Group(CP_TLS, E_TLS_Client_Cert_Key_Pass);
}

void TFParGen::RePosition_Object_NTP()
{
    Fit_Group(CP_NTP, E_NTP_Poll_Time);
}

void TFParGen::RePosition_Object_EtherCAT_Slave()
{
    Fit_Group(CP_EtherCAT_Slave, E_EtherCAT_Slave_Node_Address);
}

} // namespace birch
