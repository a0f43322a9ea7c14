#pragma once

#include "core/DeviceProfile.h"
#include "params/ParGen.h"
#include "params/ParGenFile.h"
#include "widgets/LanguageAware.h"
#include "widgets/UiContext.h"

#include <QDialog>
#include <QHash>
#include <QList>

#include <array>
#include <string_view>

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QWheelEvent;

namespace birch {

class CollapsibleGroup;
class CollapsibleGroupStack;
class HeadingPanel;

// Step 2, "Set Communication": the communication parameters as a stack of numbered,
// collapsible groups whose choice and order depend on the device profile. Loads ParGen.xml
// each time it is shown and writes it on OK once the values pass validation.
class TFParGen : public QDialog, public LanguageAware {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 460;
    static constexpr int kClientHeight = 700;
    // The groups' label column, as wide as the widest label in any group, and never narrower.
    static constexpr int kLabelColumn = 0;
    static constexpr int kLabelWidth = 186;
    // Longest device name the user may type.
    static constexpr int kDeviceNameLength = 31;

    explicit TFParGen(UiContext& context, QWidget* parent = nullptr);

    void Set_Lang() override;

    // Which groups show, their order, numbers, titles and tab order.
    void Order_TAB_Panels();
    void Order_TAB_Panels(DeviceProfile profile);
    void Order_TAB_Panels_Alder();
    void Order_TAB_Panels_Birch();
    void Order_TAB_Panels_Cedar();
    void Order_TAB_Panels_Damson();
    void Order_TAB_Panels_Elm();

    // Rows shown and controls enabled.
    void Move_GroupBoxs();
    void Move_GroupBoxs(DeviceProfile profile);
    void RePosition_Objects_Alder();
    void RePosition_Objects_Birch();
    void RePosition_Objects_Cedar();
    void RePosition_Objects_Damson();
    void RePosition_Objects_Elm();

    bool isChanged() const { return Is_Change; }

    // Asks before discarding edits (text 469); Cancel, Escape and the close box come here.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Creation, one operation per group.
    void Create_Button_Panel();
    void Create_Ethernet_Connection();
    void Create_Modbus_Slave();
    void Create_Serial_Groups();
    void Create_Ethernet();
    void Create_PROFINET();
    void Create_Modbus_TCP_Slave();
    void Create_MQTT();
    void Create_TLS();
    void Create_NTP();
    void Create_EtherCAT_Slave();
    void Connect_Controls();
    void Chain_Address_Bytes();

    void FormShow();
    void FormResize();
    void FormActivate();
    bool FormMouseWheel(QWheelEvent* event);
    bool KeyPress(QLineEdit* edit, QKeyEvent* event);
    void On_Change(QWidget* control);
    void On_Click(QCheckBox* box);
    void Btn_OKClick();

    // The control that edits the value of `key` (a ParGen.xml key), if validation can refuse it.
    QWidget* Control_Of_Key(std::string_view key) const;
    // Opens the group of that control, scrolls it into view and gives it the focus.
    void Focus_Refused_Control(std::string_view key);

    void Put_ParGen(const TParGen& record);
    TParGen Get_ParGen() const;
    void Tell_File_Problem(int extraText, const std::filesystem::path& file, const std::string& reason,
                           TextPosition at = {});
    bool Keep_Damaged_File();

    // Shows `groups` numbered from 1 in that order and hides every other group.
    void Show_Groups(const QList<std::pair<CollapsibleGroup*, int>>& groups);
    void Apply_Cable_DHCP(const QList<QWidget*>& controls);

    void RePosition_Object_Ethernet_Connection();
    void RePosition_Object_Ethernet();
    void RePosition_Object_PROFINET();
    void RePosition_Object_Modbus_TCP_Slave();
    void RePosition_Object_MQTT();
    void RePosition_Object_TLS();

    QString text(int number) const;

    UiContext& context_;
    bool Is_Change = false;
    bool filling_ = false;                   // controls being filled by the window itself
    bool keepDamagedFile_ = false;           // the loaded file could not be used: back it up before saving
    int wheelRemainder_ = 0;                 // wheel angle not yet turned into lines
    QHash<QLineEdit*, QLineEdit*> nextByte_; // where a dot moves to; nullptr drops it

    HeadingPanel* P_Title = nullptr;
    CollapsibleGroupStack* CPG = nullptr;
    QWidget* P_Buttons = nullptr;
    QPushButton* Btn_OK = nullptr;
    QPushButton* Btn_Cancel = nullptr;

    CollapsibleGroup* CP_Ethernet_Connection = nullptr;
    QLabel* L_EthConn_Device_Name = nullptr;
    QLineEdit* E_EthConn_Device_Name = nullptr;
    QCheckBox* CB_EthConn_En_DHCP_Cable = nullptr;
    QCheckBox* CB_EthConn_En_DHCP_WiFi = nullptr;
    QCheckBox* CB_EthConn_Enable_DNS = nullptr;
    QLabel* L_EthConn_Primary_DNS = nullptr;
    std::array<QLineEdit*, 4> E_EthConn_Pri_DNS_IP{};
    QLabel* L_EthConn_Secondary_DNS = nullptr;
    std::array<QLineEdit*, 4> E_EthConn_Sec_DNS_IP{};

    CollapsibleGroup* CP_Modbus_Slave = nullptr;
    QLabel* L_ModbusSlave_Serial = nullptr;
    QComboBox* CB_ModbusSlave_Serial = nullptr;
    QLabel* L_ModbusSlave_Baudrate = nullptr;
    QComboBox* CB_ModbusSlave_Baudrate = nullptr;
    QLabel* L_ModbusSlave_Parity = nullptr;
    QComboBox* CB_ModbusSlave_Parity = nullptr;
    QLabel* L_ModbusSlave_StopBits = nullptr;
    QComboBox* CB_ModbusSlave_StopBits = nullptr;
    QLabel* L_ModbusSlave_IDDevice = nullptr;
    QLineEdit* E_ModbusSlave_IDDevice = nullptr;
    QCheckBox* CB_ModbusSlave_ReadInput = nullptr;

    // One NMEA 0183 serial port group; the three share their layout and text pattern.
    struct SerialGroup {
        CollapsibleGroup* group = nullptr;
        QCheckBox* enable = nullptr;
        QLabel* baudLabel = nullptr;
        QComboBox* baud = nullptr;
        QLabel* parityLabel = nullptr;
        QComboBox* parity = nullptr;
        QLabel* stopLabel = nullptr;
        QComboBox* stop = nullptr;
    };
    SerialGroup Build_Serial_Group(const QString& port);
    void Set_Serial_Texts(const SerialGroup& serial, int firstText);
    SerialGroup RS232;
    SerialGroup RS485_1;
    SerialGroup RS485_2;
    CollapsibleGroup* CP_RS232 = nullptr;
    CollapsibleGroup* CP_RS485_1 = nullptr;
    CollapsibleGroup* CP_RS485_2 = nullptr;

    CollapsibleGroup* CP_Ethernet = nullptr;
    QLabel* L_Ethernet_IP = nullptr;
    std::array<QLineEdit*, 4> E_Ethernet_IP{};
    QLabel* L_Ethernet_SM = nullptr;
    std::array<QLineEdit*, 4> E_Ethernet_SM{};
    QCheckBox* CB_Ethernet_En_GAT = nullptr;
    std::array<QLineEdit*, 4> E_Ethernet_GAT{};
    QLabel* L_Ethernet_TCP_Port = nullptr;
    QLineEdit* E_Ethernet_TCP_Port = nullptr;
    QLabel* L_Ethernet_UDP_Port = nullptr;
    QLineEdit* E_Ethernet_UDP_Port = nullptr;

    CollapsibleGroup* CP_PROFINET = nullptr;
    QLabel* L_PROFINET_IP = nullptr;
    std::array<QLineEdit*, 4> E_PROFINET_IP{};
    QLabel* L_PROFINET_SM = nullptr;
    std::array<QLineEdit*, 4> E_PROFINET_SM{};
    QCheckBox* CB_PROFINET_EN_GAT = nullptr;
    std::array<QLineEdit*, 4> E_PROFINET_GAT{};
    QLabel* L_PROFINET_Name_Station = nullptr;
    QLineEdit* E_PROFINET_Name_Station = nullptr;
    QLabel* L_PROFINET_Num_Byte = nullptr;
    QLineEdit* E_PROFINET_Num_Byte = nullptr;

    CollapsibleGroup* CP_Modbus_TCP_Slave = nullptr;
    QLabel* L_ModbusTCPSlave_IP = nullptr;
    std::array<QLineEdit*, 4> E_ModbusTCPSlave_IP{};
    QLabel* L_ModbusTCPSlave_SM = nullptr;
    std::array<QLineEdit*, 4> E_ModbusTCPSlave_SM{};
    QCheckBox* CB_ModbusTCPSlave_En_GAT = nullptr;
    std::array<QLineEdit*, 4> E_ModbusTCPSlave_GAT{};
    QLabel* L_ModbusTCPSlave_Port = nullptr;
    QLineEdit* E_ModbusTCPSlave_Port = nullptr;

    CollapsibleGroup* CP_MQTT = nullptr;
    QLabel* L_MQTT_Server = nullptr;
    QLineEdit* E_MQTT_Server = nullptr;
    QLabel* L_MQTT_Server_Port = nullptr;
    QLineEdit* E_MQTT_Server_Port = nullptr;
    QLabel* L_MQTT_Client_ID = nullptr;
    QLineEdit* E_MQTT_Client_ID = nullptr;
    QLabel* L_MQTT_Keep_Alive = nullptr;
    QLineEdit* E_MQTT_Keep_Alive = nullptr;
    QCheckBox* CB_MQTT_Clean_Session = nullptr;
    QCheckBox* CB_MQTT_WillFlag = nullptr;
    QLabel* L_MQTT_Will_TopicName = nullptr;
    QLineEdit* E_MQTT_Will_TopicName = nullptr;
    QLabel* L_MQTT_Will_Message = nullptr;
    QLineEdit* E_MQTT_Will_Message = nullptr;
    QCheckBox* CB_MQTT_Will_Retained = nullptr;
    QLabel* L_MQTT_Will_QoS = nullptr;
    QComboBox* CB_MQTT_Will_QoS = nullptr;
    QLabel* L_MQTT_Username = nullptr;
    QLineEdit* E_MQTT_Username = nullptr;
    QLabel* L_MQTT_Password = nullptr;
    QLineEdit* E_MQTT_Password = nullptr;
    QLabel* L_MQTT_ASync_Send_Time = nullptr;
    QLineEdit* E_MQTT_ASync_Send_Time = nullptr;

    CollapsibleGroup* CP_TLS = nullptr;
    QCheckBox* CB_TLS_Enable = nullptr;
    QCheckBox* CB_TLS_En_Server_Auth = nullptr;
    QLabel* L_TLS_Server_Cert = nullptr;
    QLineEdit* E_TLS_Server_Cert = nullptr;
    QCheckBox* CB_TLS_En_Client_Auth = nullptr;
    QLabel* L_TLS_Client_Cert = nullptr;
    QLineEdit* E_TLS_Client_Cert = nullptr;
    QLabel* L_TLS_Client_Cert_Key = nullptr;
    QLineEdit* E_TLS_Client_Cert_Key = nullptr;
    QLabel* L_TLS_Client_Cert_Key_Pass = nullptr;
    QLineEdit* E_TLS_Client_Cert_Key_Pass = nullptr;

    CollapsibleGroup* CP_NTP = nullptr;
    QLabel* L_NTP_Server_URL = nullptr;
    QLineEdit* E_NTP_Server_URL = nullptr;
    QLabel* L_NTP_Poll_Time = nullptr;
    QLineEdit* E_NTP_Poll_Time = nullptr;

    CollapsibleGroup* CP_EtherCAT_Slave = nullptr;
    QLabel* L_EtherCAT_Slave_Revision_Number = nullptr;
    QLineEdit* E_EtherCAT_Slave_Revision_Number = nullptr;
    QLabel* L_EtherCAT_Slave_Name = nullptr;
    QLineEdit* E_EtherCAT_Slave_Name = nullptr;
    QLabel* L_EtherCAT_Slave_Node_Address = nullptr;
    QLineEdit* E_EtherCAT_Slave_Node_Address = nullptr;

    QList<CollapsibleGroup*> allGroups_;
};

} // namespace birch
