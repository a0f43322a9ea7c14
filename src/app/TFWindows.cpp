#include "app/TFWindows.h"

#include "app/TFNew_Project.h"
#include "app/TFOpenConf.h"
#include "image/TFBoot.h"
#include "nmea/TFNMEA_0183_Set_Access.h"
#include "nmea/TFNMEA_0183_Set_Access2.h"
#include "options/TFAbout.h"
#include "options/TFSoftOptions.h"
#include "params/TFParGen.h"
#include "profiles/TFEtherCATSlave.h"
#include "profiles/TFMQTT_Set_Topic.h"
#include "profiles/TFProfinetFileName.h"
#include "profiles/TFTopicTemplate.h"

#include <QEvent>
#include <QMetaObject>
#include <QObject>

#include <functional>

namespace birch {

namespace {

// Calls `then` once, after the watched widget's first paint has been handled: queued, so that the
// paint reaches the screen first.
class FirstPaintWatch final : public QObject {
public:
    explicit FirstPaintWatch(std::function<void()> then) : then_(std::move(then)) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !queued_) {
            queued_ = true;
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(this, then_, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> then_;
    bool queued_ = false;
};

} // namespace

TFWindows::TFWindows(UiContext& context, WindowServices services, const StartFolders& folders, StepWindowCreation when)
    : context_(context), services_(std::move(services))
{
    FMosaicFirmWare = std::make_unique<TFMosaicFirmWare>(context_, services_.main);
    FMosaicFirmWare->FormCreate(folders);
    if (when == StepWindowCreation::Now) {
        createStepWindows();
        return;
    }
    firstPaintWatch_ = std::make_unique<FirstPaintWatch>([this] { createStepWindows(); });
    FMosaicFirmWare->installEventFilter(firstPaintWatch_.get());
}

void TFWindows::createStepWindows()
{
    UiContext& context = context_;
    WindowServices& services = services_;
    TFMosaicFirmWare* main = FMosaicFirmWare.get();
    FNew_Project = std::make_unique<TFNew_Project>(context, main);
    FOpenConf = std::make_unique<TFOpenConf>(context, main);
    FSoftOptions = std::make_unique<TFSoftOptions>(
        context, [main] { main->Change_Language(); }, services.main.newerVersionAvailable, main);
    FAbout = std::make_unique<TFAbout>(context, main);
    FParGen = std::make_unique<TFParGen>(context, main);
    FNMEA_0183_Set_Access = std::make_unique<TFNMEA_0183_Set_Access>(context, main);
    FProfinetFileName = std::make_unique<TFProfinetFileName>(context, services.startDate, main);
    // The main window starts the updater, so its busy flag and its wait apply.
    FBoot = std::make_unique<TFBoot>(context, services.echo, services.comPorts, *main, main);
    FNMEA_0183_Set_Access2 = std::make_unique<TFNMEA_0183_Set_Access2>(context, main);
    FMQTT_Set_Topic = std::make_unique<TFMQTT_Set_Topic>(context, main);
    FTopicTemplate = std::make_unique<TFTopicTemplate>(context, main);
    FMQTT_Set_Topic->setTemplateWindow(*FTopicTemplate);
    FEtherCATSlave = std::make_unique<TFEtherCATSlave>(context, main);

    StepWindows steps;
    steps.newProject = FNew_Project.get();
    steps.openConf = FOpenConf.get();
    steps.options = FSoftOptions.get();
    steps.about = FAbout.get();
    steps.parGen = FParGen.get();
    steps.update = FBoot.get();
    steps.nmeaAccess2 = FNMEA_0183_Set_Access2.get();
    steps.profinetFileName = FProfinetFileName.get();
    steps.mqttSetTopic = FMQTT_Set_Topic.get();
    steps.etherCatSlave = FEtherCATSlave.get();
    main->setStepWindows(steps);

    // Every window with texts but the About box, whose texts are fixed.
    for (LanguageAware* window : std::initializer_list<LanguageAware*>{
             FNew_Project.get(),
             FOpenConf.get(),
             FSoftOptions.get(),
             FParGen.get(),
             FNMEA_0183_Set_Access.get(),
             FProfinetFileName.get(),
             FBoot.get(),
             FNMEA_0183_Set_Access2.get(),
             FMQTT_Set_Topic.get(),
             FTopicTemplate.get(),
             FEtherCATSlave.get(),
         })
        main->registerLanguageAware(*window);
}

TFWindows::~TFWindows() = default;

} // namespace birch
