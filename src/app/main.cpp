#include "app/TFMosaicFirmWare.h"
#include "app/TFNew_Project.h"
#include "app/TFOpenConf.h"
#include "core/AppState.h"
#include "core/BuildConstants.h"
#include "image/TFBoot.h"
#include "nmea/TFNMEA_0183_Set_Access2.h"
#include "options/MakerAddresses.h"
#include "options/TFAbout.h"
#include "options/TFSoftOptions.h"
#include "options/VersionCheck.h"
#include "params/TFParGen.h"
#include "platform/ChildReaper.h"
#include "platform/ComPortLister.h"
#include "platform/CurlGlobal.h"
#include "platform/CurlHttpClient.h"
#include "platform/EchoTransport.h"
#include "platform/ExecutableDir.h"
#include "platform/ProgramLauncher.h"
#include "widgets/EventLoopClock.h"
#include "widgets/ModalRunner.h"
#include "widgets/Prompter.h"
#include "widgets/UrlOpener.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Before any thread can make a request.
    const birch::CurlGlobal curlGlobal;
    QApplication application(argc, argv);

    birch::AppState state;
    birch::QtPrompter prompter;
    birch::DesktopUrlOpener urlOpener;
    birch::ExecModalRunner modalRunner;
    birch::AtomicFileWriter fileWriter;
    birch::UiContext context{state, prompter, urlOpener, modalRunner, fileWriter};
    // Outlives every window: programs still running when waiting stopped are collected here.
    birch::ChildReaper reaper;
    birch::SystemProgramLauncher launcher(reaper);

    const birch::CurlHttpClient http;
    const birch::VersionChecker versionChecker(
        http, birch::Version_Query_Url(birch::Maker_Addresses().versionService, birch::SoftwareCode));
    const auto newerVersionAvailable = [&versionChecker] { return versionChecker.Check_Version(); };

    // The main window comes first: its start-up loads the texts every later window reads.
    birch::MainWindowServices services(launcher);
    services.newerVersionAvailable = newerVersionAvailable;
    birch::TFMosaicFirmWare mainWindow(context, services);
    mainWindow.FormCreate(birch::executableDir());

    // The other windows, in the order the product creates them; each registers for language
    // changes in that same order.
    birch::TFNew_Project newProject(context, &mainWindow);
    birch::TFOpenConf openConf(context, &mainWindow);
    birch::TFSoftOptions options(
        context, [&mainWindow] { mainWindow.Change_Language(); }, newerVersionAvailable, &mainWindow);
    birch::TFAbout about(context, &mainWindow);
    birch::TFParGen parGen(context, &mainWindow);
    const auto echoTransport = birch::makeSystemEchoTransport();
    birch::EventLoopClock echoClock;
    birch::SystemComPortLister comPorts;
    // The main window starts the updater, so its busy flag and its wait apply.
    birch::TFBoot boot(context, birch::EchoService{*echoTransport, echoClock}, comPorts, mainWindow, &mainWindow);
    birch::TFNMEA_0183_Set_Access2 nmeaAccess2(context, &mainWindow);

    birch::StepWindows windows;
    windows.newProject = &newProject;
    windows.openConf = &openConf;
    windows.options = &options;
    windows.about = &about;
    windows.parGen = &parGen;
    windows.update = &boot;
    windows.nmeaAccess2 = &nmeaAccess2;
    mainWindow.setStepWindows(windows);
    mainWindow.registerLanguageAware(newProject);
    mainWindow.registerLanguageAware(openConf);
    mainWindow.registerLanguageAware(options);
    mainWindow.registerLanguageAware(parGen);
    mainWindow.registerLanguageAware(boot);
    mainWindow.registerLanguageAware(nmeaAccess2);

    mainWindow.show();
    return application.exec();
}
