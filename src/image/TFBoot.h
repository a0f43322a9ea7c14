#pragma once

#include "image/Send_Ping.h"
#include "platform/ComPortLister.h"
#include "widgets/LanguageAware.h"
#include "widgets/ProgramStarter.h"
#include "widgets/UiContext.h"

#include <QDialog>

#include <array>
#include <string>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace birch {

class HeadingPanel;

// The device update dialog: asks for the device's address and what to send, checks that the
// device answers, writes the updater's description file and starts the updater.
class TFBoot : public QDialog, public LanguageAware {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 449;

    TFBoot(UiContext& context, EchoService echo, const ComPortLister& comPorts, ProgramStarter& starter,
           QWidget* parent = nullptr);

    // 0 update by serial port, 1 by Ethernet (UDP), 2 by USB.
    int Form_Type = 0;

    void Set_Lang() override;
    bool Send_Ping();
    void Btn_UpdateClick();
    void update_ComPort();
    int ping_res() const { return echo_.ping_res; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void buildAddressPanel();
    void buildSerialPanel();
    void buildOptionsPanel();
    void buildButtonPanel();
    std::string addressText() const;
    void updateEthernet();
    void showEchoFailure();
    void startUpdater();

    UiContext& context_;
    EchoService echoService_;
    const ComPortLister& comPorts_;
    ProgramStarter& starter_;
    EchoCheck echo_;
    bool busy_ = false;

    HeadingPanel* P_Title;
    QFrame* P_IP_Address;
    QLabel* L_IP_Address;
    std::array<QLineEdit*, 4> E_IP;
    QFrame* P_Serial;
    QLabel* L_COM_Port;
    QComboBox* CB_COM_Port;
    QToolButton* Btn_COM_List;
    QFrame* P_Options;
    QLabel* L_Update_Option;
    QComboBox* CB_Update_Options;
    QCheckBox* CB_Update_Option_Read_Back;
    QFrame* P_Button;
    QPushButton* Btn_Cancel;
    QPushButton* Btn_Update;
};

} // namespace birch
