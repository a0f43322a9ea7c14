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
#include "widgets/WindowSize.h"

#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>

namespace birch {

namespace {

// The window's size at the default font with the first four steps; it grows with its texts and
// with a profile's own steps.
constexpr int kClientWidth = 694;
constexpr int kClientHeight = 396;
constexpr int kStepPitch = 44;
constexpr int kButtonWidth = 170;
constexpr int kButtonHeight = 36;
constexpr int kPictureButtonSize = 50;
constexpr int kSpacing = 8;
constexpr int kLabelColumnWidth = 56; // the step labels' column, left of the buttons
constexpr int kNameBoxWidth = 428;

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
    layOut();
    Timer_Update_.setInterval(kFirstCheckInterval);
    connect(&Timer_Update_, &QTimer::timeout, this, &TFMosaicFirmWare::Timer_UpdateTimer);
}

TFMosaicFirmWare::~TFMosaicFirmWare()
{
    if (versionCheck_)
        versionCheck_->wait();
}

QPushButton* TFMosaicFirmWare::makeButton(const char* name)
{
    auto* button = new QPushButton(this);
    button->setObjectName(QLatin1String(name));
    connect(button, &QPushButton::clicked, this, [this, button] { Btn_Click(button); });
    return button;
}

QLabel* TFMosaicFirmWare::makeLabel(const char* name)
{
    auto* label = plainLabel(new QLabel(this));
    label->setObjectName(QLatin1String(name));
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

// The product's arrangement: the heading and the picture buttons on top, the project's box, one
// row per step with its label at the left and its buttons in one column, then the line and the
// update link. Layouts let every part grow with its text, and the window with them.
void TFMosaicFirmWare::layOut()
{
    L_SW_Code = makeLabel("L_SW_Code");
    makeGrey(L_SW_Code, 2.0, true);
    L_SW_Desc = makeLabel("L_SW_Desc");
    makeGrey(L_SW_Desc, 1.0, true);

    Btn_Info = makeButton("Btn_Info");
    Btn_Opz = makeButton("Btn_Opz");
    Btn_Close = makeButton("Btn_Close");
    Btn_Info->setIcon(pictureIcon(QStringLiteral("info")));
    Btn_Opz->setIcon(pictureIcon(QStringLiteral("options")));
    Btn_Close->setIcon(pictureIcon(QStringLiteral("close")));
    for (QPushButton* picture : {Btn_Info, Btn_Opz, Btn_Close}) {
        picture->setFixedSize(kPictureButtonSize, kPictureButtonSize);
        picture->setIconSize(QSize(36, 36));
    }

    L_Begin = makeLabel("L_Begin");
    Shape2 = new QFrame(this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setFrameShape(QFrame::Box);
    makeLineGrey(Shape2);
    Shape2->setMinimumSize(kNameBoxWidth, kButtonHeight);
    L_Name_Conf = makeLabel("L_Name_Conf");
    L_Name_Conf_L2 = makeLabel("L_Name_Conf_L2");
    auto* nameLines = new QVBoxLayout(Shape2);
    nameLines->setContentsMargins(7, 3, 7, 3);
    nameLines->setSpacing(0);
    for (QLabel* line : {L_Name_Conf, L_Name_Conf_L2}) {
        QFont font = line->font();
        font.setPixelSize(12);
        line->setFont(font);
        // The box's grey is for its frame; its lines keep the window's text colour.
        QPalette ink = line->palette();
        ink.setColor(QPalette::WindowText, palette().color(QPalette::WindowText));
        line->setPalette(ink);
        nameLines->addWidget(line);
    }

    // Steps 5 to 8 are the profile's own steps; rows without one stay hidden.
    for (int step = 0; step < 8; ++step) {
        const std::string name = "L_Step_" + std::to_string(step + 1);
        QLabel* label = L_Step[static_cast<std::size_t>(step)] = makeLabel(name.c_str());
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    L_Begin->setFont(L_Step[0]->font());

    Btn_New = makeButton("Btn_New");
    Btn_Open = makeButton("Btn_Open");
    Btn_Prm_Gen = makeButton("Btn_Prm_Gen");
    Btn_NMEA0183_Access = makeButton("Btn_NMEA0183_Access");
    Btn_CreateBin = makeButton("Btn_CreateBin");
    Btn_PROFINET_XML = makeButton("Btn_PROFINET_XML");
    Btn_PROFINET_Map = makeButton("Btn_PROFINET_Map");
    Btn_MQTT_Set_Topic = makeButton("Btn_MQTT_Set_Topic");
    Btn_EtherCAT_Set_Access = makeButton("Btn_EtherCAT_Set_Access");
    Btn_EtherCAT_ESI_File = makeButton("Btn_EtherCAT_ESI_File");
    for (QPushButton* sibling :
         {Btn_PROFINET_XML, Btn_PROFINET_Map, Btn_MQTT_Set_Topic, Btn_EtherCAT_Set_Access, Btn_EtherCAT_ESI_File})
        sibling->hide();

    L_Velmora = makeLabel("L_Velmora");
    L_Velmora->setText(qs(Web_Address_Caption(Maker_Addresses().homePage)));
    QFont webFont = L_Velmora->font();
    webFont.setPixelSize(11);
    webFont.setUnderline(true);
    L_Velmora->setFont(webFont);
    QPalette webPalette = L_Velmora->palette();
    webPalette.setColor(QPalette::WindowText, webPalette.color(QPalette::Link));
    L_Velmora->setPalette(webPalette);
    L_Velmora->setCursor(Qt::PointingHandCursor);
    L_Velmora->installEventFilter(this);

    // The first four steps, then the profile's own steps after Update Device, one row each.
    std::vector<std::vector<QPushButton*>> rows = {
        {Btn_New, Btn_Open}, {Btn_Prm_Gen}, {Btn_NMEA0183_Access}, {Btn_CreateBin}};
    for (QPushButton* step : profileStepButtons(context_.state.Profile)) {
        rows.push_back({step});
        step->show();
    }
    auto* steps = new QGridLayout;
    steps->setSpacing(kSpacing);
    steps->setColumnMinimumWidth(0, kLabelColumnWidth);
    steps->setColumnStretch(2, 1);
    steps->addWidget(L_Begin, 0, 0);
    steps->addWidget(Shape2, 0, 1, Qt::AlignLeft);
    for (std::size_t i = 0; i < L_Step.size(); ++i) {
        L_Step[i]->setVisible(i < rows.size());
        if (i >= rows.size())
            continue;
        const int row = static_cast<int>(i) + 1;
        auto* buttons = new QHBoxLayout;
        buttons->setSpacing(kSpacing);
        for (QPushButton* button : rows[i])
            buttons->addWidget(button);
        buttons->addStretch(1);
        steps->addWidget(L_Step[i], row, 0);
        steps->addLayout(buttons, row, 1);
    }
    steps->addWidget(L_Velmora, 4, 2, Qt::AlignRight | Qt::AlignBottom);

    LL_Update = makeLabel("LL_Update");
    LL_Update->setTextFormat(Qt::RichText);
    LL_Update->setOpenExternalLinks(false);
    LL_Update->hide();
    connect(LL_Update, &QLabel::linkActivated, this, &TFMosaicFirmWare::LL_UpdateLinkClick);

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::HLine);
    Shape1->setFrameShadow(QFrame::Plain);
    makeLineGrey(Shape1);
    Shape1->setFixedHeight(1);

    auto* heading = new QVBoxLayout;
    heading->setSpacing(0);
    heading->addWidget(L_SW_Code);
    heading->addWidget(L_SW_Desc);
    heading->addStretch(1);
    auto* top = new QHBoxLayout;
    top->setSpacing(kSpacing);
    top->addLayout(heading, 1);
    for (QPushButton* picture : {Btn_Info, Btn_Opz, Btn_Close})
        top->addWidget(picture, 0, Qt::AlignTop);

    // The update link starts where the step buttons do.
    auto* link = new QHBoxLayout;
    link->addSpacing(kLabelColumnWidth + kSpacing);
    link->addWidget(LL_Update, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 8, 12, 8);
    layout->setSpacing(kSpacing);
    layout->addLayout(top);
    layout->addSpacing(2);
    layout->addLayout(steps);
    layout->addSpacing(kSpacing);
    layout->addWidget(Shape1);
    layout->addLayout(link);
    layout->addStretch(1);

    defaultSize_ = QSize(kClientWidth, kClientHeight + kStepPitch * static_cast<int>(rows.size() - 4));
    fitToContents();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

// The step buttons share the widest caption's width; the window keeps its default size unless its
// texts need more, and does not take a size of its own from the user.
void TFMosaicFirmWare::fitToContents()
{
    const std::array<QPushButton*, 10> stepButtons = {
        Btn_New,          Btn_Open,         Btn_Prm_Gen,        Btn_NMEA0183_Access,     Btn_CreateBin,
        Btn_PROFINET_XML, Btn_PROFINET_Map, Btn_MQTT_Set_Topic, Btn_EtherCAT_Set_Access, Btn_EtherCAT_ESI_File};
    // Another profile's steps stay hidden and do not count.
    QSize shared(kButtonWidth, kButtonHeight);
    for (const QPushButton* button : stepButtons)
        if (!button->isHidden())
            shared = shared.expandedTo(button->sizeHint());
    for (QPushButton* button : stepButtons)
        button->setFixedSize(shared);
    fixSizeToContents(*this, defaultSize_);
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
    fitToContents();
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
    fitToContents();
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
