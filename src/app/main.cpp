#include "app/AppState.h"
#include "app/TFMosaicFirmWare.h"
#include "app/TFNew_Project.h"
#include "app/TFOpenConf.h"
#include "platform/ChildReaper.h"
#include "platform/ExecutableDir.h"
#include "platform/ProgramLauncher.h"
#include "widgets/ModalRunner.h"
#include "widgets/Prompter.h"
#include "widgets/UrlOpener.h"

#include <QApplication>

int main(int argc, char* argv[])
{
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

    // The main window comes first: its start-up loads the texts every later window reads.
    birch::MainWindowServices services(launcher);
    birch::TFMosaicFirmWare mainWindow(context, services);
    mainWindow.FormCreate(birch::executableDir());

    birch::TFNew_Project newProject(context, &mainWindow);
    birch::TFOpenConf openConf(context, &mainWindow);

    birch::StepWindows windows;
    windows.newProject = &newProject;
    windows.openConf = &openConf;
    mainWindow.setStepWindows(windows);
    mainWindow.registerLanguageAware(newProject);
    mainWindow.registerLanguageAware(openConf);

    mainWindow.show();
    return application.exec();
}
