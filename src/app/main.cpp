#include "app/ProgramArguments.h"
#include "app/TFWindows.h"
#include "app/Workspace.h"
#include "core/AppState.h"
#include "core/BuildConstants.h"
#include "options/MakerAddresses.h"
#include "options/VersionCheck.h"
#include "platform/ChildReaper.h"
#include "platform/ComPortLister.h"
#include "platform/CurlHttpClient.h"
#include "platform/EchoTransport.h"
#include "platform/ExecutableDir.h"
#include "platform/LocalDate.h"
#include "platform/ProgramLauncher.h"
#include "platform/WritableFolder.h"
#include "widgets/EventLoopClock.h"
#include "widgets/ModalRunner.h"
#include "widgets/Prompter.h"
#include "widgets/UrlOpener.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

std::optional<std::string> environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    // Before any window: a wrong option ends the run with a message, even without a display.
    const birch::ProgramArguments arguments =
        birch::parseProgramArguments(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    if (!arguments.error.empty()) {
        std::cerr << "birchcfg: " << arguments.error << "\n" << birch::programUsage();
        return 2;
    }
    // The one place the GUI's workspace is decided; every window receives the folders.
    const std::filesystem::path programFolder = birch::executableDir();
    const birch::WorkspaceChoice workspace =
        birch::chooseWorkspace({arguments.workspace, programFolder, birch::isWritableFolder(programFolder),
                                environment("XDG_DATA_HOME"), environment("HOME")});
    if (arguments.help) {
        std::cout << birch::programUsage() << "Workspace of this run: "
                  << (workspace.error.empty() ? workspace.folder.string() : "none (" + workspace.error + ")") << "\n";
        return 0;
    }
    if (!workspace.error.empty()) {
        std::cerr << "birchcfg: " << workspace.error << "\n";
        return 2;
    }

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
        birch::StartFolders{workspace.folder, birch::shippedLanguageFolder(programFolder)},
        birch::StepWindowCreation::AfterFirstPaint);

    windows.mainWindow().show();
    return application.exec();
}
