#include "params/TFParGen.h"

#include "common/Backup.h"
#include "core/BuildConstants.h"
#include "lang/ExtraTextNumbers.h"
#include "lang/FileNoticeText.h"
#include "params/Controllo_Dati.h"
#include "widgets/CollapsibleGroup.h"
#include "widgets/CollapsibleGroupStack.h"
#include "widgets/HeadingPanel.h"
#include "widgets/NoDefaultButton.h"
#include "widgets/QtText.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

namespace birch {

namespace {

// Selects `position`, or `fallback` when the list has no such position.
void selectPosition(QComboBox* list, int position, int fallback)
{
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : fallback);
}

void putBytes(const std::array<QLineEdit*, 4>& edits, const std::array<const std::string*, 4>& values)
{
    for (std::size_t i = 0; i < 4; ++i)
        edits[i]->setText(qs(*values[i]));
}

void getBytes(const std::array<QLineEdit*, 4>& edits, const std::array<std::string*, 4>& values)
{
    for (std::size_t i = 0; i < 4; ++i)
        *values[i] = ss(edits[i]->text());
}

// An angle of 120 is one notch of a standard mouse wheel.
constexpr int kWheelNotch = 120;

} // namespace

TFParGen::TFParGen(UiContext& context, QWidget* parent) : QDialog(parent), context_(context)
{
    setObjectName(QStringLiteral("TFParGen"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    P_Title = new HeadingPanel(qs(SoftwareCode), this);
    CPG = new CollapsibleGroupStack(this);
    CPG->setObjectName(QStringLiteral("CPG"));
    Create_Ethernet_Connection();
    Create_Modbus_Slave();
    Create_Serial_Groups();
    Create_Ethernet();
    Create_PROFINET();
    Create_Modbus_TCP_Slave();
    Create_MQTT();
    Create_TLS();
    Create_NTP();
    Create_EtherCAT_Slave();
    Create_Button_Panel();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(P_Title);
    layout->addWidget(CPG, 1);
    layout->addWidget(P_Buttons);

    resize(kClientWidth, kClientHeight);
    for (CollapsibleGroup* group : allGroups_)
        group->hide();
    Chain_Address_Bytes();
    Connect_Controls();
    // Enter in a field must not validate, save and close: only the OK button does.
    noDefaultButton(*this);

    Order_TAB_Panels();
    Move_GroupBoxs();
    Set_Lang();
}

void TFParGen::Connect_Controls()
{
    for (CollapsibleGroup* group : allGroups_)
        for (QWidget* control : group->controls()) {
            if (auto* edit = qobject_cast<QLineEdit*>(control))
                connect(edit, &QLineEdit::textChanged, this, [this, edit] { On_Change(edit); });
            else if (auto* list = qobject_cast<QComboBox*>(control))
                connect(list, &QComboBox::currentIndexChanged, this, [this, list] { On_Change(list); });
            else if (auto* box = qobject_cast<QCheckBox*>(control))
                connect(box, &QCheckBox::clicked, this, [this, box] { On_Click(box); });
        }
    connect(Btn_OK, &QPushButton::clicked, this, &TFParGen::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &TFParGen::reject);

    // The wheel scrolls the stack wherever it turns over it, also above its lists and edits;
    // byte edits also get their dot handling here.
    CPG->viewport()->installEventFilter(this);
    CPG->widget()->installEventFilter(this);
    for (QWidget* widget : CPG->widget()->findChildren<QWidget*>())
        widget->installEventFilter(this);
}

void TFParGen::Chain_Address_Bytes()
{
    const auto chain = [this](const QList<QLineEdit*>& edits) {
        for (qsizetype i = 0; i < edits.size(); ++i)
            nextByte_.insert(edits[i], i + 1 < edits.size() ? edits[i + 1] : nullptr);
    };
    const auto list = [](std::initializer_list<std::array<QLineEdit*, 4>> addresses) {
        QList<QLineEdit*> edits;
        for (const auto& address : addresses)
            edits.append(QList<QLineEdit*>(address.begin(), address.end()));
        return edits;
    };
    chain(list({E_EthConn_Pri_DNS_IP, E_EthConn_Sec_DNS_IP}));
    chain(list({E_Ethernet_IP, E_Ethernet_SM, E_Ethernet_GAT}));
    for (QLineEdit* edit : list({E_PROFINET_IP, E_PROFINET_SM, E_PROFINET_GAT, E_ModbusTCPSlave_IP, E_ModbusTCPSlave_SM,
                                 E_ModbusTCPSlave_GAT}))
        nextByte_.insert(edit, nullptr);
}

QString TFParGen::text(int number) const
{
    return qs(context_.state.TextTable[number]);
}

void TFParGen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFParGen::FormShow()
{
    const ParGenLoad loaded = LoadParGen(context_.state.ParGenFile);
    filling_ = true;
    Put_ParGen(loaded.record);
    filling_ = false;
    Is_Change = false;
    keepDamagedFile_ = loaded.damaged();
    Move_GroupBoxs();
    Order_TAB_Panels();
    CPG->verticalScrollBar()->setValue(0);
    if (loaded.damaged())
        Tell_File_Problem(ext::kParGenNotLoaded, context_.state.ParGenFile, loaded.reason, loaded.at);
}

// The message, the file's name and, on a line of its own, the system's or the parser's reason.
void TFParGen::Tell_File_Problem(int extraText, const std::filesystem::path& file, const std::string& reason,
                                 TextPosition at)
{
    context_.prompter.error(this, qs(describe(context_.state, FileNotice{extraText, file, reason, false, at})));
}

void TFParGen::Put_ParGen(const TParGen& p)
{
    // The limit is for typing: a longer name already in the file is shown and saved whole.
    const QString deviceName = qs(p.Eth_Conn_Device_Name);
    E_EthConn_Device_Name->setMaxLength(std::max(kDeviceNameLength, static_cast<int>(deviceName.size())));
    E_EthConn_Device_Name->setText(deviceName);
    CB_EthConn_En_DHCP_Cable->setChecked(p.Eth_Conn_DHCP_Cable);
    CB_EthConn_En_DHCP_WiFi->setChecked(p.Eth_Conn_DHCP_WiFi);
    CB_EthConn_Enable_DNS->setChecked(p.Eth_Conn_Enable_DNS);
    putBytes(E_EthConn_Pri_DNS_IP,
             {&p.Eth_Conn_Primary_DNS1, &p.Eth_Conn_Primary_DNS2, &p.Eth_Conn_Primary_DNS3, &p.Eth_Conn_Primary_DNS4});
    putBytes(E_EthConn_Sec_DNS_IP, {&p.Eth_Conn_Secondary_DNS1, &p.Eth_Conn_Secondary_DNS2, &p.Eth_Conn_Secondary_DNS3,
                                    &p.Eth_Conn_Secondary_DNS4});

    const auto putSerial = [](const SerialGroup& serial, bool enable, int baud, int parity, int stop) {
        serial.enable->setChecked(enable);
        selectPosition(serial.baud, baud, 2);
        selectPosition(serial.parity, parity, 0);
        selectPosition(serial.stop, stop, 0);
    };
    putSerial(RS232, p.RS232_ENABLE, p.RS232_BAUDRATE, p.RS232_PARITY, p.RS232_STOP_BITS);
    putSerial(RS485_1, p.RS485_1_ENABLE, p.RS485_1_BAUDRATE, p.RS485_1_PARITY, p.RS485_1_STOP_BITS);
    putSerial(RS485_2, p.RS485_2_ENABLE, p.RS485_2_BAUDRATE, p.RS485_2_PARITY, p.RS485_2_STOP_BITS);

    // A stored port outside the list shows as RS232, so that a save never writes a port the
    // device does not have.
    selectPosition(CB_ModbusSlave_Serial, p.MODBUS_SLAVE_SERIAL, 0);
    selectPosition(CB_ModbusSlave_Baudrate, p.MODBUS_SLAVE_BAUDRATE, 2);
    selectPosition(CB_ModbusSlave_Parity, p.MODBUS_SLAVE_PARITY, 0);
    selectPosition(CB_ModbusSlave_StopBits, p.MODBUS_SLAVE_STOPBITS, 0);
    E_ModbusSlave_IDDevice->setText(qs(p.MODBUS_SLAVE_IDDEVICE));
    CB_ModbusSlave_ReadInput->setChecked(p.MODBUS_SLAVE_READ_INPUT_REGISTER);

    putBytes(E_Ethernet_IP, {&p.Ethernet_IP1, &p.Ethernet_IP2, &p.Ethernet_IP3, &p.Ethernet_IP4});
    putBytes(E_Ethernet_SM, {&p.Ethernet_SM1, &p.Ethernet_SM2, &p.Ethernet_SM3, &p.Ethernet_SM4});
    putBytes(E_Ethernet_GAT, {&p.Ethernet_GAT1, &p.Ethernet_GAT2, &p.Ethernet_GAT3, &p.Ethernet_GAT4});
    CB_Ethernet_En_GAT->setChecked(p.Ethernet_EN_GAT);
}

TParGen TFParGen::Get_ParGen() const
{
    TParGen p;
    p.Eth_Conn_Device_Name = ss(E_EthConn_Device_Name->text());
    p.Eth_Conn_DHCP_Cable = CB_EthConn_En_DHCP_Cable->isChecked();
    p.Eth_Conn_DHCP_WiFi = CB_EthConn_En_DHCP_WiFi->isChecked();
    p.Eth_Conn_Enable_DNS = CB_EthConn_Enable_DNS->isChecked();
    getBytes(E_EthConn_Pri_DNS_IP,
             {&p.Eth_Conn_Primary_DNS1, &p.Eth_Conn_Primary_DNS2, &p.Eth_Conn_Primary_DNS3, &p.Eth_Conn_Primary_DNS4});
    getBytes(E_EthConn_Sec_DNS_IP, {&p.Eth_Conn_Secondary_DNS1, &p.Eth_Conn_Secondary_DNS2, &p.Eth_Conn_Secondary_DNS3,
                                    &p.Eth_Conn_Secondary_DNS4});

    p.RS232_ENABLE = RS232.enable->isChecked();
    p.RS232_BAUDRATE = RS232.baud->currentIndex();
    p.RS232_PARITY = RS232.parity->currentIndex();
    p.RS232_STOP_BITS = RS232.stop->currentIndex();
    p.RS485_1_ENABLE = RS485_1.enable->isChecked();
    p.RS485_1_BAUDRATE = RS485_1.baud->currentIndex();
    p.RS485_1_PARITY = RS485_1.parity->currentIndex();
    p.RS485_1_STOP_BITS = RS485_1.stop->currentIndex();
    p.RS485_2_ENABLE = RS485_2.enable->isChecked();
    p.RS485_2_BAUDRATE = RS485_2.baud->currentIndex();
    p.RS485_2_PARITY = RS485_2.parity->currentIndex();
    p.RS485_2_STOP_BITS = RS485_2.stop->currentIndex();

    p.MODBUS_SLAVE_SERIAL = CB_ModbusSlave_Serial->currentIndex();
    p.MODBUS_SLAVE_BAUDRATE = CB_ModbusSlave_Baudrate->currentIndex();
    p.MODBUS_SLAVE_PARITY = CB_ModbusSlave_Parity->currentIndex();
    p.MODBUS_SLAVE_STOPBITS = CB_ModbusSlave_StopBits->currentIndex();
    p.MODBUS_SLAVE_IDDEVICE = ss(E_ModbusSlave_IDDevice->text());
    p.MODBUS_SLAVE_READ_INPUT_REGISTER = CB_ModbusSlave_ReadInput->isChecked();

    getBytes(E_Ethernet_IP, {&p.Ethernet_IP1, &p.Ethernet_IP2, &p.Ethernet_IP3, &p.Ethernet_IP4});
    getBytes(E_Ethernet_SM, {&p.Ethernet_SM1, &p.Ethernet_SM2, &p.Ethernet_SM3, &p.Ethernet_SM4});
    getBytes(E_Ethernet_GAT, {&p.Ethernet_GAT1, &p.Ethernet_GAT2, &p.Ethernet_GAT3, &p.Ethernet_GAT4});
    p.Ethernet_EN_GAT = CB_Ethernet_En_GAT->isChecked();
    return p;
}

void TFParGen::Btn_OKClick()
{
    const TParGen record = Get_ParGen();
    if (const auto failure = Controllo_Dati(record)) {
        Focus_Refused_Control(failure->key);
        context_.prompter.error(this, text(failure->message));
        return;
    }
    if (!Keep_Damaged_File())
        return;
    if (const auto error = SaveParGen(context_.state.ParGenFile, record, context_.fileWriter)) {
        Tell_File_Problem(ext::kFileCannotBeWritten, error->file, error->reason);
        return;
    }
    accept();
}

bool TFParGen::Keep_Damaged_File()
{
    if (!keepDamagedFile_)
        return true;
    const BackupResult backup = keepBackup(context_.state.ParGenFile);
    if (!backup.ok()) {
        Tell_File_Problem(ext::kParGenBackupFailed, context_.state.ParGenFile, backup.error);
        return false;
    }
    keepDamagedFile_ = false;
    return true;
}

void TFParGen::reject()
{
    if (Is_Change && context_.prompter.destructiveQuestion(this, text(469)) != Prompter::Answer::Yes)
        return;
    QDialog::reject();
}

void TFParGen::On_Change(QWidget* control)
{
    if (filling_)
        return;
    Is_Change = true;
    if (control == CB_ModbusSlave_Serial) {
        Order_TAB_Panels();
        Move_GroupBoxs();
    }
}

void TFParGen::On_Click(QCheckBox* box)
{
    Is_Change = true;
    const QList<QCheckBox*> reshaping = {
        RS232.enable,          RS485_1.enable,        RS485_2.enable,           CB_MQTT_WillFlag,       CB_TLS_Enable,
        CB_TLS_En_Server_Auth, CB_TLS_En_Client_Auth, CB_EthConn_En_DHCP_Cable, CB_EthConn_En_DHCP_WiFi};
    if (reshaping.contains(box))
        Move_GroupBoxs();
}

bool TFParGen::KeyPress(QLineEdit* edit, QKeyEvent* event)
{
    if (event->text() != QStringLiteral("."))
        return false;
    QLineEdit* next = nextByte_.value(edit);
    if (next != nullptr && next->isEnabled() && next->isVisible()) {
        next->setFocus(Qt::TabFocusReason);
        next->selectAll();
    }
    return true;
}

bool TFParGen::FormMouseWheel(QWheelEvent* event)
{
    const QPoint over = CPG->viewport()->mapFromGlobal(event->globalPosition().toPoint());
    if (!CPG->viewport()->rect().contains(over) || event->angleDelta().y() == 0)
        return false;
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ %= kWheelNotch;
    // Away from the user (a positive angle) scrolls up.
    CPG->scrollLines(-notches * QApplication::wheelScrollLines());
    return true;
}

bool TFParGen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel)
        return FormMouseWheel(static_cast<QWheelEvent*>(event));
    if (event->type() == QEvent::KeyPress)
        if (auto* edit = qobject_cast<QLineEdit*>(watched); edit != nullptr && nextByte_.contains(edit))
            return KeyPress(edit, static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

void TFParGen::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    FormResize();
}

// The width stays the product's, or what the texts need; only the height follows the user.
void TFParGen::FormResize()
{
    const int fitting = std::max(kClientWidth, minimumWidth());
    if (width() != fitting)
        resize(fitting, height());
}

bool TFParGen::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void TFParGen::FormActivate()
{
    const int screenTop = screen() != nullptr ? screen()->availableGeometry().top() : 0;
    if (frameGeometry().top() < screenTop)
        move(x(), screenTop);
}

} // namespace birch
