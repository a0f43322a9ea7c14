#pragma once

#include "app/TFMosaicFirmWare.h"
#include "image/Send_Ping.h"
#include "platform/ComPortLister.h"
#include "platform/LocalDate.h"
#include "widgets/UiContext.h"

#include <filesystem>
#include <memory>
#include <vector>

class QDialog;
class QObject;

namespace birch {

class TFAbout;
class TFEtherCATSlave;
class TFMQTT_Set_Topic;
class TFTopicTemplate;
class TFBoot;
class TFNMEA_0183_Set_Access;
class TFNMEA_0183_Set_Access2;
class TFNew_Project;
class TFOpenConf;
class TFParGen;
class TFProfinetFileName;
class TFSoftOptions;

// What the windows need beyond the common seams; each service goes only to the window that uses it.
struct WindowServices {
    MainWindowServices main;
    EchoService echo;
    const ComPortLister& comPorts;
    // The day the program started: the GSDML file name carries it for the whole run.
    CalendarDate startDate;
};

// When the twelve windows after the main one are created.
enum class StepWindowCreation {
    Now,
    // Once the main window has painted for the first time: the start of a run shows its window
    // without waiting for twelve windows no one sees yet. The program entry uses this.
    AfterFirstPaint,
};

// Every window of a run, created once in the product's order, the main window first (its
// start-up loads the texts every later window reads), and kept until the run ends. The windows
// with texts follow a language change in that same order.
class TFWindows {
public:
    TFWindows(UiContext& context, WindowServices services, const StartFolders& folders,
              StepWindowCreation when = StepWindowCreation::Now);
    ~TFWindows();

    TFMosaicFirmWare& mainWindow() { return *FMosaicFirmWare; }
    // True once the twelve windows after the main one exist.
    bool stepWindowsCreated() const { return FNew_Project != nullptr; }

private:
    void createStepWindows();

    UiContext& context_;
    WindowServices services_;
    // Watches the main window for its first paint while the other windows wait for it.
    std::unique_ptr<QObject> firstPaintWatch_;

    // In creation order: members are destroyed in reverse, so the main window, parent of all the
    // others, goes last.
    std::unique_ptr<TFMosaicFirmWare> FMosaicFirmWare;
    std::unique_ptr<TFNew_Project> FNew_Project;
    std::unique_ptr<TFOpenConf> FOpenConf;
    std::unique_ptr<TFSoftOptions> FSoftOptions;
    std::unique_ptr<TFAbout> FAbout;
    std::unique_ptr<TFParGen> FParGen;
    // The first-generation list: created and re-texted with the others, opened by no step.
    std::unique_ptr<TFNMEA_0183_Set_Access> FNMEA_0183_Set_Access;
    std::unique_ptr<TFProfinetFileName> FProfinetFileName;
    std::unique_ptr<TFBoot> FBoot;
    std::unique_ptr<TFNMEA_0183_Set_Access2> FNMEA_0183_Set_Access2;
    std::unique_ptr<TFMQTT_Set_Topic> FMQTT_Set_Topic;
    std::unique_ptr<TFTopicTemplate> FTopicTemplate;
    std::unique_ptr<TFEtherCATSlave> FEtherCATSlave;
};

} // namespace birch
