#include "app/ProgramArguments.h"
#include "app/TFWindows.h"
#include "core/AppState.h"
#include "core/BuildConstants.h"
#include "options/MakerAddresses.h"
#include "options/VersionCheck.h"
#include "platform/ChildReaper.h"
#include "platform/ComPortLister.h"
#include "platform/CurlGlobal.h"
#include "platform/CurlHttpClient.h"
#include "platform/EchoTransport.h"
#include "platform/ExecutableDir.h"
#include "platform/LocalDate.h"
#include "platform/ProgramLauncher.h"
#include "widgets/EventLoopClock.h"
#include "widgets/ModalRunner.h"
#include "widgets/Prompter.h"
#include "widgets/UrlOpener.h"

#include <QApplication>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    // Before any window: a wrong option ends the run with a message, even without a display.
    const birch::ProgramArguments arguments =
        birch::parseProgramArguments(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    if (!arguments.error.empty()) {
        std::cerr << "birchcfg: " << arguments.error << "\n" << birch::programUsage();
        return 2;
    }
    if (arguments.help) {
        std::cout << birch::programUsage();
        return 0;
    }

    // Before any thread can make a request.
    const birch::CurlGlobal curlGlobal;
    QApplication application(argc, argv);

    birch::AppState state;
    state.Profile = arguments.profile;
    birch::QtPrompter prompter(state.Extra);
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
    const auto echoTransport = birch::makeSystemEchoTransport();
    birch::EventLoopClock echoClock;
    birch::SystemComPortLister comPorts;

    birch::MainWindowServices mainServices(launcher);
    mainServices.newerVersionAvailable = [&versionChecker] { return versionChecker.Check_Version(); };
    birch::TFWindows windows(
        context, birch::WindowServices{mainServices, {*echoTransport, echoClock}, comPorts, birch::localToday()},
        birch::executableDir());

    windows.mainWindow().show();
    return application.exec();
}
