#include "image/TFBoot.h"

#include "common/IpAddress.h"
#include "core/BuildConstants.h"
#include "image/UpdateDescription.h"
#include "image/UpdaterMessage.h"
#include "lang/ExtraTextNumbers.h"
#include "widgets/DropDownList.h"
#include "widgets/HeadingPanel.h"
#include "widgets/ModalWaitDialog.h"
#include "widgets/NoDefaultButton.h"
#include "widgets/PlainText.h"
#include "widgets/QtText.h"
#include "widgets/WindowSize.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace birch {

namespace {

QFrame* panel(QWidget* parent, const char* name)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    return frame;
}

} // namespace

TFBoot::TFBoot(UiContext& context, EchoService echo, const ComPortLister& comPorts, ProgramStarter& starter,
               QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), context_(context),
      echoService_(echo), comPorts_(comPorts), starter_(starter)
{
    setObjectName(QStringLiteral("TFBoot"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    P_Title = new HeadingPanel(qs(SoftwareCode), this);
    buildAddressPanel();
    buildSerialPanel();
    buildOptionsPanel();
    buildButtonPanel();
    layout->addWidget(P_Title);
    for (QFrame* frame : {P_IP_Address, P_Serial, P_Options, P_Button})
        layout->addWidget(frame);
    P_IP_Address->hide();
    P_Serial->hide();
    P_Options->hide();
    Set_Lang();
}

void TFBoot::buildAddressPanel()
{
    P_IP_Address = panel(this, "P_IP_Address");
    L_IP_Address = plainLabel(new QLabel(P_IP_Address));
    L_IP_Address->setObjectName(QStringLiteral("L_IP_Address"));
    auto* boxes = new QHBoxLayout;
    boxes->setSpacing(4);
    for (std::size_t i = 0; i < E_IP.size(); ++i) {
        QLineEdit* box = new QLineEdit(QStringLiteral("0"), P_IP_Address);
        box->setObjectName(QStringLiteral("E_IP%1").arg(i + 1));
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
        box->installEventFilter(this);
        E_IP[i] = box;
        if (i > 0)
            boxes->addWidget(new QLabel(QStringLiteral("."), P_IP_Address));
        boxes->addWidget(box);
    }
    boxes->addStretch();
    auto* layout = new QVBoxLayout(P_IP_Address);
    layout->setContentsMargins(12, 10, 12, 4);
    layout->addWidget(L_IP_Address);
    layout->addLayout(boxes);
}

void TFBoot::buildSerialPanel()
{
    P_Serial = panel(this, "P_Serial");
    L_COM_Port = plainLabel(new QLabel(P_Serial));
    L_COM_Port->setObjectName(QStringLiteral("L_COM_Port"));
    CB_COM_Port = new QComboBox(P_Serial);
    CB_COM_Port->setObjectName(QStringLiteral("CB_COM_Port"));
    CB_COM_Port->setMinimumContentsLength(12);
    limitDropDownRows(*CB_COM_Port);
    Btn_COM_List = new QToolButton(P_Serial);
    Btn_COM_List->setObjectName(QStringLiteral("Btn_COM_List"));
    Btn_COM_List->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    connect(Btn_COM_List, &QToolButton::clicked, this, &TFBoot::update_ComPort);
    auto* row = new QHBoxLayout;
    row->addWidget(CB_COM_Port);
    row->addWidget(Btn_COM_List);
    row->addStretch();
    auto* layout = new QVBoxLayout(P_Serial);
    layout->setContentsMargins(12, 10, 12, 4);
    layout->addWidget(L_COM_Port);
    layout->addLayout(row);
}

void TFBoot::buildOptionsPanel()
{
    P_Options = panel(this, "P_Options");
    L_Update_Option = plainLabel(new QLabel(P_Options));
    L_Update_Option->setObjectName(QStringLiteral("L_Update_Option"));
    CB_Update_Options = new QComboBox(P_Options);
    CB_Update_Options->setObjectName(QStringLiteral("CB_Update_Options"));
    limitDropDownRows(*CB_Update_Options);
    CB_Update_Option_Read_Back = new QCheckBox(P_Options);
    CB_Update_Option_Read_Back->setObjectName(QStringLiteral("CB_Update_Option_Read_Back"));
    auto* row = new QHBoxLayout;
    row->addWidget(CB_Update_Options, 1);
    row->addSpacing(12);
    row->addWidget(CB_Update_Option_Read_Back);
    auto* layout = new QVBoxLayout(P_Options);
    layout->setContentsMargins(12, 10, 12, 4);
    layout->addWidget(L_Update_Option);
    layout->addLayout(row);
}

void TFBoot::buildButtonPanel()
{
    P_Button = panel(this, "P_Button");
    Btn_Cancel = new QPushButton(P_Button);
    Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
    Btn_Update = new QPushButton(P_Button);
    Btn_Update->setObjectName(QStringLiteral("Btn_Update"));
    // Enter in an address box must not start an update.
    noDefaultButton(*this);
    connect(Btn_Cancel, &QPushButton::clicked, this, &TFBoot::reject);
    connect(Btn_Update, &QPushButton::clicked, this, &TFBoot::Btn_UpdateClick);
    auto* layout = new QHBoxLayout(P_Button);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addStretch();
    layout->addWidget(Btn_Cancel);
    layout->addWidget(Btn_Update);
}

void TFBoot::Set_Lang()
{
    const TextList& text = context_.state.TextTable;
    switch (Form_Type) {
    case 0:
        setWindowTitle(qs(text[800]));
        P_Title->setDescription(qs(text[801]));
        break;
    case 1:
        setWindowTitle(qs(text[802]));
        P_Title->setDescription(qs(text[803]));
        break;
    case 2:
        setWindowTitle(qs(text[804]));
        P_Title->setDescription(qs(text[805]));
        break;
    default:
        break;
    }
    L_IP_Address->setText(qs(text[806]));
    L_COM_Port->setText(qs(text[807]));
    L_Update_Option->setText(qs(text[814]));
    CB_Update_Options->clear();
    CB_Update_Options->addItems({qs(text[815]), qs(text[816]), qs(text[817])});
    CB_Update_Options->setCurrentIndex(0);
    CB_Update_Option_Read_Back->setText(qs(text[818]));
    Btn_Cancel->setText(qs(text[819]));
    Btn_Update->setText(qs(text[820]));
    for (std::size_t i = 0; i < E_IP.size(); ++i)
        E_IP[i]->setToolTip(plainToolTip(qs(text[821 + static_cast<int>(i)])));
    CB_COM_Port->setToolTip(plainToolTip(qs(text[825])));
    Btn_COM_List->setToolTip(plainToolTip(qs(text[827])));
    CB_Update_Options->setToolTip(plainToolTip(qs(text[832])));
    CB_Update_Option_Read_Back->setToolTip(plainToolTip(qs(text[833])));
    Btn_Cancel->setToolTip(plainToolTip(qs(text[834])));
    Btn_Update->setToolTip(plainToolTip(qs(text[835])));
}

void TFBoot::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFBoot::FormShow()
{
    Set_Lang();
    P_IP_Address->hide();
    P_Serial->hide();
    P_Options->hide();

    AppState& state = context_.state;
    if (Form_Type == 0 || Form_Type == 1) {
        QFrame* first = Form_Type == 1 ? P_IP_Address : P_Serial;
        first->show();
        P_Options->show();

        if (Form_Type == 1 && !state.LastIpAddress.empty()) {
            const IpAddressParts address = Valid_IP_Address(state.LastIpAddress);
            if (address.valid)
                for (std::size_t i = 0; i < E_IP.size(); ++i)
                    E_IP[i]->setText(qs(address.parts[i]));
        }
        CB_Update_Options->setCurrentIndex(state.UpdateOptionIndex);
        CB_Update_Option_Read_Back->setChecked(state.ReadBackOption);

        QList<QWidget*> order;
        if (Form_Type == 1)
            order = {E_IP[0], E_IP[1], E_IP[2], E_IP[3]};
        else
            order = {CB_COM_Port, Btn_COM_List};
        order << CB_Update_Options << CB_Update_Option_Read_Back << Btn_Cancel << Btn_Update;
        for (qsizetype i = 1; i < order.size(); ++i)
            setTabOrder(order[i - 1], order[i]);

        if (Form_Type == 0)
            update_ComPort();
        order.front()->setFocus(Qt::TabFocusReason);
    }
    // The panels shown, each as tall as it needs; as wide as the product's design or its texts.
    fixSizeToContents(*this, QSize(kClientWidth, 0));
}

bool TFBoot::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->text() == QStringLiteral(".")) {
        for (std::size_t i = 0; i + 1 < E_IP.size(); ++i) {
            QLineEdit* next = E_IP[i + 1];
            if (watched == E_IP[i] && next->isEnabled() && next->isVisible() && (next->focusPolicy() & Qt::TabFocus))
                next->setFocus(Qt::TabFocusReason);
        }
        // The dot separates the boxes; it is never typed into one.
        return watched == E_IP[0] || watched == E_IP[1] || watched == E_IP[2] || watched == E_IP[3];
    }
    return QDialog::eventFilter(watched, event);
}

std::string TFBoot::addressText() const
{
    return ss(E_IP[0]->text()) + "." + ss(E_IP[1]->text()) + "." + ss(E_IP[2]->text()) + "." + ss(E_IP[3]->text());
}

void TFBoot::update_ComPort()
{
    CB_COM_Port->clear();
    for (const std::string& number : comPorts_.List_Com_Ports())
        CB_COM_Port->addItem(QStringLiteral("COM") + qs(number));
    CB_COM_Port->setCurrentIndex(CB_COM_Port->count() > 0 ? 0 : -1);
}

bool TFBoot::Send_Ping()
{
    const ExtraTexts& extra = context_.state.Extra;
    const ModalWaitDialog wait(this, qs(extra[ext::kCheckingDevice]), qs(extra[ext::kCaptionCancel]));
    return echo_.Send_Ping(
        addressText(), echoService_, [] { QCoreApplication::processEvents(); }, [&wait] { return wait.cancelled(); });
}

void TFBoot::Btn_UpdateClick()
{
    AppState& state = context_.state;
    if (Form_Type == 0) {
        state.UpdateOptionIndex = CB_Update_Options->currentIndex();
        state.ReadBackOption = CB_Update_Option_Read_Back->isChecked();
    } else if (Form_Type == 1 && !busy_) {
        busy_ = true;
        updateEthernet();
        busy_ = false;
    }
}

void TFBoot::updateEthernet()
{
    if (!Send_Ping()) {
        // The user stopped the check on purpose: nothing to tell.
        if (!echo_.cancelled)
            showEchoFailure();
        return;
    }
    AppState& state = context_.state;
    state.LastIpAddress = addressText();
    state.UpdateOptionIndex = CB_Update_Options->currentIndex();
    state.ReadBackOption = CB_Update_Option_Read_Back->isChecked();

    UpdateRequest request;
    request.address = state.LastIpAddress;
    request.option = state.UpdateOptionIndex;
    request.readBack = state.ReadBackOption;
    request.masterDir = state.MasterDir;
    request.projectDir = state.ProjectDir;
    if (const auto error =
            saveUpdateDescription(updateDescriptionFile(state.AppDir), state.Profile, request, context_.fileWriter)) {
        context_.prompter.error(
            this, qs(state.Extra[ext::kDescriptionNotWritten] + error->file.string() + ": " + error->reason));
        return;
    }
    startUpdater();
}

void TFBoot::showEchoFailure()
{
    const AppState& state = context_.state;
    if (echo_.outsideReach)
        context_.prompter.error(this, qs(state.Extra[ext::kEchoOutsideReach] + addressText()));
    else if (echo_.cannotSend)
        context_.prompter.error(this, qs(state.Extra[ext::kEchoUnavailable] + *echo_.cannotSend));
    else if (echo_.ping_res == 2)
        context_.prompter.warning(this, qs(state.TextTable[836]));
    else
        context_.prompter.error(this, qs(state.TextTable[837]));
}

void TFBoot::startUpdater()
{
    const AppState& state = context_.state;
    const std::filesystem::path program = updaterProgram(state.AppDir);
    // A failed, killed or unfinished update must never pass for a successful one; when the
    // updater did not start, the description file stays for a manual run.
    const UpdaterMessage told = updaterMessage(state.Extra, program, starter_.Start_Program(program, {}, false));
    const Prompter::Kind kind = told.kind == UpdaterMessage::Kind::Information ? Prompter::Kind::Information
                                : told.kind == UpdaterMessage::Kind::Warning   ? Prompter::Kind::Warning
                                                                               : Prompter::Kind::Error;
    context_.prompter.tell(this, kind, qs(told.text));
}

} // namespace birch
