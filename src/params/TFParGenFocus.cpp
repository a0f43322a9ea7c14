#include "params/TFParGen.h"

#include "widgets/CollapsibleGroup.h"
#include "widgets/CollapsibleGroupStack.h"

#include <QComboBox>
#include <QLayout>
#include <QLineEdit>

#include <utility>

namespace birch {

QWidget* TFParGen::Control_Of_Key(std::string_view key) const
{
    const std::pair<std::string_view, QWidget*> single[] = {{"MODBUS_SLAVE_STOPBITS", CB_ModbusSlave_StopBits},
                                                            {"MODBUS_SLAVE_IDDEVICE", E_ModbusSlave_IDDevice}};
    for (const auto& [name, control] : single)
        if (key == name)
            return control;

    // Address keys are the address's name followed by the byte's number, 1 to 4.
    const std::pair<std::string_view, const std::array<QLineEdit*, 4>*> addresses[] = {
        {"Eth_Conn_Primary_DNS", &E_EthConn_Pri_DNS_IP},
        {"Eth_Conn_Secondary_DNS", &E_EthConn_Sec_DNS_IP},
        {"Ethernet_IP", &E_Ethernet_IP},
        {"Ethernet_SM", &E_Ethernet_SM},
        {"Ethernet_GAT", &E_Ethernet_GAT}};
    for (const auto& [name, bytes] : addresses)
        if (key.size() == name.size() + 1 && key.starts_with(name) && key.back() >= '1' && key.back() <= '4')
            return (*bytes)[static_cast<std::size_t>(key.back() - '1')];
    return nullptr;
}

// A control of a group the profile does not show, or one greyed out (the Ethernet address
// while the cable takes it by DHCP), cannot take the focus: then nothing moves.
void TFParGen::Focus_Refused_Control(std::string_view key)
{
    QWidget* control = Control_Of_Key(key);
    if (control == nullptr || !control->isEnabled())
        return;
    for (CollapsibleGroup* group : allGroups_) {
        if (!group->controls().contains(control))
            continue;
        if (group->isHidden())
            return;
        group->setCollapsed(false);
        break;
    }
    // The stack must place the opened group before it can scroll to the control.
    CPG->widget()->layout()->activate();
    CPG->ensureWidgetVisible(control);
    control->setFocus(Qt::OtherFocusReason);
}

} // namespace birch
