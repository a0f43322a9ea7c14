#include "app/AppState.h"
#include "app/TFMosaicFirmWare.h"
#include "platform/ExecutableDir.h"
#include "widgets/ModalRunner.h"
#include "widgets/Prompter.h"
#include "widgets/UrlOpener.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);

    birch::AppState state;
    state.AppDir = birch::executableDir();
    birch::QtPrompter prompter;
    birch::DesktopUrlOpener urlOpener;
    birch::ExecModalRunner modalRunner;
    birch::AtomicFileWriter fileWriter;
    birch::UiContext context{state, prompter, urlOpener, modalRunner, fileWriter};

    birch::TFMosaicFirmWare mainWindow(context);
    mainWindow.show();
    return application.exec();
}
