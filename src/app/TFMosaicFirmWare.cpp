#include "app/TFMosaicFirmWare.h"

#include "app/Projects.h"
#include "app/StartUp.h"
#include "app/TFNew_Project.h"
#include "app/TFOpenConf.h"
#include "common/CommandLine.h"
#include "core/BuildConstants.h"
#include "image/TFBoot.h"
#include "image/TFUpdateDevice.h"
#include "lang/ExtraTextNumbers.h"
#include "lang/FileNoticeText.h"
#include "nmea/TFObjectsMapStep.h"
#include "options/MakerAddresses.h"
#include "profiles/TFEsiStep.h"
#include "profiles/TFGsdmlStep.h"
#include "profiles/TFProfinetFileName.h"
#include "widgets/ModalWaitDialog.h"
#include "widgets/OpenAddress.h"
#include "widgets/PlainText.h"
#include "widgets/QtText.h"
#include "widgets/Resources.h"

#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QThread>

namespace birch {

namespace {

constexpr int kClientWidth = 694;
constexpr int kButtonWidth = 170;
constexpr int kButtonHeight = 36;
constexpr int kPictureButtonSize = 50;
constexpr int kLabelLeft = 16;
constexpr int kCreateBinTop = 244;
constexpr int kStepOneLabelTop = 128;
constexpr int kStepPitch = 44;

void makeGrey(QLabel* label, double scale, bool bold)
{
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::gray);
    label->setPalette(palette);
}

void makeLineGrey(QFrame* frame)
{
    QPalette palette = frame->palette();
    palette.setColor(QPalette::WindowText, Qt::darkGray);
    frame->setPalette(palette);
}

} // namespace

TFMosaicFirmWare::TFMosaicFirmWare(UiContext& context, MainWindowServices services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      context_(context), services_(std::move(services))
{
    setObjectName(QStringLiteral("TFMosaicFirmWare"));
    Init_Resources();
    layOut();
    Timer_Update_.setInterval(kFirstCheckInterval);
    connect(&Timer_Update_, &QTimer::timeout, this, &TFMosaicFirmWare::Timer_UpdateTimer);
}

TFMosaicFirmWare::~TFMosaicFirmWare()
{
    if (versionCheck_)
        versionCheck_->wait();
}

QPushButton* TFMosaicFirmWare::makeButton(const char* name, int left, int top, int width, int height)
{
    auto* button = new QPushButton(this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, top, width, height);
    connect(button, &QPushButton::clicked, this, [this, button] { Btn_Click(button); });
    return button;
}

QLabel* TFMosaicFirmWare::makeLabel(const char* name, int left, int top)
{
    auto* label = plainLabel(new QLabel(this));
    label->setObjectName(QLatin1String(name));
    label->move(left, top);
    return label;
}

std::vector<QPushButton*> TFMosaicFirmWare::profileStepButtons(DeviceProfile profile) const
{
    switch (profile) {
    case DeviceProfile::Alder:
        return {Btn_PROFINET_XML, Btn_PROFINET_Map};
    case DeviceProfile::Damson:
        return {Btn_MQTT_Set_Topic};
    case DeviceProfile::Elm:
        return {Btn_EtherCAT_Set_Access, Btn_EtherCAT_ESI_File};
    case DeviceProfile::Birch:
    case DeviceProfile::Cedar:
        break;
    }
    return {};
}

// The layout of the first four steps is fixed by the product's design; a profile's own steps
// continue it.
void TFMosaicFirmWare::layOut()
{
    L_SW_Code = makeLabel("L_SW_Code", kLabelLeft, 8);
    makeGrey(L_SW_Code, 2.0, true);
    L_SW_Code->resize(480, 34);
    L_SW_Desc = makeLabel("L_SW_Desc", kLabelLeft, 42);
    makeGrey(L_SW_Desc, 1.0, true);
    L_SW_Desc->resize(480, 20);

    Btn_Info = makeButton("Btn_Info", 516, 8, kPictureButtonSize, kPictureButtonSize);
    Btn_Opz = makeButton("Btn_Opz", 574, 8, kPictureButtonSize, kPictureButtonSize);
    Btn_Close = makeButton("Btn_Close", 632, 8, kPictureButtonSize, kPictureButtonSize);
    Btn_Info->setIcon(QIcon(QStringLiteral(":/birch/info.png")));
    Btn_Opz->setIcon(QIcon(QStringLiteral(":/birch/options.png")));
    Btn_Close->setIcon(QIcon(QStringLiteral(":/birch/close.png")));
    for (QPushButton* picture : {Btn_Info, Btn_Opz, Btn_Close})
        picture->setIconSize(QSize(36, 36));

    L_Begin = makeLabel("L_Begin", kLabelLeft, 84);
    Shape2 = new QFrame(this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setFrameShape(QFrame::Box);
    makeLineGrey(Shape2);
    Shape2->setGeometry(80, 70, 428, 36);
    L_Name_Conf = makeLabel("L_Name_Conf", 87, 75);
    L_Name_Conf_L2 = makeLabel("L_Name_Conf_L2", 87, 88);
    for (QLabel* line : {L_Name_Conf, L_Name_Conf_L2}) {
        QFont font = line->font();
        font.setPixelSize(12);
        line->setFont(font);
        line->resize(414, 14);
    }

    // Steps 5 to 8 are the profile's own steps; rows without one stay hidden.
    for (int step = 0; step < 8; ++step) {
        const std::string name = "L_Step_" + std::to_string(step + 1);
        L_Step[static_cast<std::size_t>(step)] =
            makeLabel(name.c_str(), kLabelLeft, kStepOneLabelTop + kStepPitch * step);
        QLabel* label = L_Step[static_cast<std::size_t>(step)];
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        label->resize(60, 18);
    }
    L_Begin->setFont(L_Step[0]->font());
    L_Begin->resize(60, 18);

    Btn_New = makeButton("Btn_New", 80, 112, kButtonWidth, kButtonHeight);
    Btn_Open = makeButton("Btn_Open", 258, 112, kButtonWidth, kButtonHeight);
    Btn_Prm_Gen = makeButton("Btn_Prm_Gen", 80, 156, kButtonWidth, kButtonHeight);
    Btn_NMEA0183_Access = makeButton("Btn_NMEA0183_Access", 80, 200, kButtonWidth, kButtonHeight);
    Btn_CreateBin = makeButton("Btn_CreateBin", 80, kCreateBinTop, kButtonWidth, kButtonHeight);

    Btn_PROFINET_XML = makeButton("Btn_PROFINET_XML", 80, 0, kButtonWidth, kButtonHeight);
    Btn_PROFINET_Map = makeButton("Btn_PROFINET_Map", 80, 0, kButtonWidth, kButtonHeight);
    Btn_MQTT_Set_Topic = makeButton("Btn_MQTT_Set_Topic", 80, 0, kButtonWidth, kButtonHeight);
    Btn_EtherCAT_Set_Access = makeButton("Btn_EtherCAT_Set_Access", 80, 0, kButtonWidth, kButtonHeight);
    Btn_EtherCAT_ESI_File = makeButton("Btn_EtherCAT_ESI_File", 80, 0, kButtonWidth, kButtonHeight);
    for (QPushButton* sibling :
         {Btn_PROFINET_XML, Btn_PROFINET_Map, Btn_MQTT_Set_Topic, Btn_EtherCAT_Set_Access, Btn_EtherCAT_ESI_File})
        sibling->hide();
    // The profile's own steps follow Update Device, one row each, laid out as the first four.
    const std::vector<QPushButton*> ownSteps = profileStepButtons(context_.state.Profile);
    int lastStepTop = kCreateBinTop;
    for (std::size_t i = 0; i < L_Step.size(); ++i)
        L_Step[i]->setVisible(i < 4 + ownSteps.size());
    for (QPushButton* step : ownSteps) {
        lastStepTop += kStepPitch;
        step->move(80, lastStepTop);
        step->show();
    }

    L_Velmora = makeLabel("L_Velmora", 565, 260);
    L_Velmora->setText(qs(Web_Address_Caption(Maker_Addresses().homePage)));
    QFont webFont = L_Velmora->font();
    webFont.setPixelSize(11);
    webFont.setUnderline(true);
    L_Velmora->setFont(webFont);
    QPalette webPalette = L_Velmora->palette();
    webPalette.setColor(QPalette::WindowText, webPalette.color(QPalette::Link));
    L_Velmora->setPalette(webPalette);
    L_Velmora->resize(kClientWidth - 565 - 4, 16);
    L_Velmora->setCursor(Qt::PointingHandCursor);
    L_Velmora->installEventFilter(this);

    LL_Update = makeLabel("LL_Update", 80, lastStepTop + 66);
    LL_Update->resize(604, 20);
    LL_Update->setTextFormat(Qt::RichText);
    LL_Update->setOpenExternalLinks(false);
    LL_Update->hide();
    connect(LL_Update, &QLabel::linkActivated, this, &TFMosaicFirmWare::LL_UpdateLinkClick);

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::HLine);
    Shape1->setFrameShadow(QFrame::Plain);
    makeLineGrey(Shape1);
    Shape1->setGeometry(10, lastStepTop + 51, 674, 1);

    setFixedSize(kClientWidth, lastStepTop + 152);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TFMosaicFirmWare::FormCreate(const StartFolders& folders)
{
    const std::vector<FileNotice> notices = Start_Up(context_.state, folders, context_.fileWriter);
    qtTexts_.follow(context_.state.TextsLanguage);
    Apply_Timer_Rule();
    setWindowTitle(qs(Main_Window_Title(context_.state.Profile)));
    L_SW_Code->setText(qs(SoftwareCode));
    L_SW_Desc->setText(qs(SoftwareDescription));
    Set_Lang();
    context_.state.NMEA0183 = Catalog::Init_NMEA0183_Map();
    for (const FileNotice& notice : notices)
        context_.prompter.error(this, qs(describe(context_.state, notice)));
}

QString TFMosaicFirmWare::text(int number) const
{
    return qs(context_.state.TextTable[number]);
}

void TFMosaicFirmWare::Set_Lang()
{
    L_Begin->setText(text(0));
    for (int step = 0; step < 8; ++step)
        L_Step[static_cast<std::size_t>(step)]->setText(text(step + 1));
    Btn_Info->setToolTip(plainToolTip(text(12)));
    Btn_Opz->setToolTip(plainToolTip(text(13)));
    Btn_Close->setToolTip(plainToolTip(text(14)));
    const struct {
        QPushButton* button;
        int caption;
        int hint;
    } captions[] = {{Btn_New, 15, 22},
                    {Btn_Open, 16, 23},
                    {Btn_CreateBin, 17, 26},
                    {Btn_Prm_Gen, 20, 24},
                    {Btn_NMEA0183_Access, 21, 25},
                    {Btn_PROFINET_XML, 27, 28},
                    {Btn_PROFINET_Map, 29, 30},
                    {Btn_MQTT_Set_Topic, 32, 33},
                    {Btn_EtherCAT_Set_Access, 34, 35},
                    {Btn_EtherCAT_ESI_File, 36, 37}};
    for (const auto& entry : captions) {
        entry.button->setText(text(entry.caption));
        entry.button->setToolTip(plainToolTip(text(entry.hint)));
    }
    Show_Configuration();
    // A link already shown follows the language too.
    if (!LL_Update->isHidden())
        Show_Update_Link(true);
}

void TFMosaicFirmWare::Change_Language()
{
    qtTexts_.follow(context_.state.TextsLanguage);
    Set_Lang();
    for (LanguageAware* window : languageAware_)
        window->Set_Lang();
}

void TFMosaicFirmWare::Show_Configuration()
{
    const bool active = context_.state.projectActive();
    L_Name_Conf->setText(text(active ? 11 : 9));
    L_Name_Conf_L2->setText(active ? qs(context_.state.ProjectName) : text(10));
    // The project's name stands out; the hint of how to get one does not.
    QFont font = L_Name_Conf_L2->font();
    font.setBold(active);
    L_Name_Conf_L2->setFont(font);
}

void TFMosaicFirmWare::Btn_Click(QPushButton* button)
{
    if (button == Btn_New) {
        Create_New_Project();
    } else if (button == Btn_Open) {
        Open_Project();
    } else if (button == Btn_Close) {
        close();
    } else if (button == Btn_Info) {
        runStepWindow(windows_.about);
    } else if (button == Btn_Opz) {
        if (windows_.options != nullptr && context_.modalRunner.run(*windows_.options) == QDialog::Accepted) {
            tellSaveProblem();
            Apply_Timer_Rule();
        }
    } else if (!context_.state.projectActive()) {
        context_.prompter.error(this, text(18));
    } else if (button == Btn_Prm_Gen) {
        runStepWindow(windows_.parGen);
    } else if (button == Btn_NMEA0183_Access) {
        runStepWindow(windows_.nmeaAccess2);
    } else if (button == Btn_PROFINET_XML) {
        PROFINET_XML();
    } else if (button == Btn_PROFINET_Map) {
        PROFINET_Map();
    } else if (button == Btn_MQTT_Set_Topic) {
        runStepWindow(windows_.mqttSetTopic);
    } else if (button == Btn_EtherCAT_Set_Access) {
        runStepWindow(windows_.etherCatSlave);
    } else if (button == Btn_EtherCAT_ESI_File) {
        EtherCAT_ESI_File(context_, this);
    } else if (button == Btn_CreateBin) {
        Update_Device();
    }
}

void TFMosaicFirmWare::runStepWindow(QDialog* dialog)
{
    if (dialog != nullptr)
        context_.modalRunner.run(*dialog);
}

void TFMosaicFirmWare::Create_New_Project()
{
    if (windows_.newProject != nullptr && context_.modalRunner.run(*windows_.newProject) == QDialog::Accepted)
        Show_Configuration();
}

void TFMosaicFirmWare::Open_Project()
{
    if (windows_.openConf == nullptr || context_.modalRunner.run(*windows_.openConf) != QDialog::Accepted)
        return;
    Open_Chosen_Project(context_.state, windows_.openConf->Name_Conf());
    Show_Configuration();
}

void TFMosaicFirmWare::Update_Device()
{
    if (windows_.update != nullptr)
        birch::Update_Device(context_, *windows_.update, this);
}

void TFMosaicFirmWare::PROFINET_XML()
{
    TFProfinetFileName* nameDialog = windows_.profinetFileName;
    if (nameDialog != nullptr && context_.modalRunner.run(*nameDialog) == QDialog::Accepted)
        Create_GSDML_File(context_, this, nameDialog->Name_File_XML());
}

void TFMosaicFirmWare::PROFINET_Map()
{
    birch::PROFINET_Map(context_, this);
}

void TFMosaicFirmWare::Apply_Timer_Rule()
{
    if (!(context_.state.EnableInternet && context_.state.EnableUpdateCheck)) {
        Timer_Update_.stop();
        return;
    }
    // A check in flight re-arms the timer when its answer arrives.
    if (!Timer_Update_.isActive() && !versionCheck_)
        Timer_Update_.start();
}

void TFMosaicFirmWare::Timer_UpdateTimer()
{
    Timer_Update_.stop();
    if (busy_ || versionCheck_) {
        Timer_Update_.start();
        return;
    }
    if (!services_.newerVersionAvailable) {
        newerVersion_ = false;
        Version_Check_Done();
        return;
    }
    // The query blocks on the network, so it runs beside the window; the answer comes back
    // through the thread's finished signal, delivered on this window's thread.
    versionCheck_.reset(QThread::create([this, query = services_.newerVersionAvailable] {
        try {
            newerVersion_ = query();
        } catch (...) {
            // A failed check counts as no newer version, without a message.
            newerVersion_ = false;
        }
    }));
    connect(versionCheck_.get(), &QThread::finished, this, &TFMosaicFirmWare::Version_Check_Done);
    versionCheck_->start();
}

void TFMosaicFirmWare::Version_Check_Done()
{
    if (versionCheck_) {
        versionCheck_->wait();
        versionCheck_.reset();
    }
    Show_Update_Link(newerVersion_);
    Timer_Update_.setInterval(kCheckInterval);
    Apply_Timer_Rule();
}

void TFMosaicFirmWare::Show_Update_Link(bool newer)
{
    if (!newer) {
        LL_Update->hide();
        return;
    }
    LL_Update->setText(
        QStringLiteral("<a href=\"%1\">%2</a>")
            .arg(qs(Download_Page_Url(Maker_Addresses().downloadPage)).toHtmlEscaped(), text(19).toHtmlEscaped()));
    LL_Update->show();
}

void TFMosaicFirmWare::LL_UpdateLinkClick(const QString& link)
{
    Open_Address(context_, this, ss(link));
}

void TFMosaicFirmWare::L_VelmoraClick()
{
    Open_Address(context_, this, Home_Page_Url(Maker_Addresses().homePage, SoftwareCode));
}

bool TFMosaicFirmWare::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == L_Velmora && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        L_VelmoraClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

ProgramRun TFMosaicFirmWare::Start_Program(const std::filesystem::path& NomeSW, const std::string& Parameter, bool tipo)
{
    // Programs started directly have no window state to choose; `tipo` has nothing to select.
    static_cast<void>(tipo);
    const ExtraTexts& extra = context_.state.Extra;
    if (busy_ || services_.launcher.abandonedStillRunning())
        return {extra[ext::kProgramStillRunning], {}};
    const LaunchResult launched = services_.launcher.launch(NomeSW, splitCommandLine(Parameter));
    if (!launched.ok())
        return {launched.error, {}};

    busy_ = true;
    ProgramRun run;
    {
        const ModalWaitDialog wait(this, qs(extra[ext::kWaitingForProgram] + NomeSW.filename().string()),
                                   qs(extra[ext::kCaptionCancel]));
        run.waited = waitForProgram(services_.launcher, launched.pid, services_.programWaitLimit,
                                    &ModalWaitDialog::processEventsFor, [&wait] { return wait.cancelled(); });
    }
    busy_ = false;
    return run;
}

void TFMosaicFirmWare::closeEvent(QCloseEvent* event)
{
    Timer_Update_.stop();
    // A check still in flight must not re-arm the timer of a closed window.
    if (versionCheck_)
        versionCheck_->disconnect(this);
    tellSaveProblem();
    // The window closes even when the settings could not be written.
    event->accept();
}

void TFMosaicFirmWare::tellSaveProblem()
{
    if (const auto notice = Save_Setting(context_.state, context_.fileWriter))
        context_.prompter.error(this, qs(describe(context_.state, *notice)));
}

} // namespace birch
