#include "app/TFWindows.h"
#include "app/Workspace.h"
#include "platform/ChildReaper.h"
#include "platform/ProgramLauncher.h"

#include "FakeComPortLister.h"
#include "FakeEcho.h"
#include "UiFixture.h"

#include <QTest>

#include <memory>

using namespace birch;
using namespace birch::test;

// An installed program: its folder cannot be written, so the workspace goes to the user's data
// folder, and the language files installed beside the program are copied there. The start-up is
// the real one, as the program entry runs it with the folders it chose.
class WorkspaceStartTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<UiFixture> fixture;
    std::unique_ptr<TempDir> root;
    std::unique_ptr<ChildReaper> reaper;
    std::unique_ptr<SystemProgramLauncher> launcher;
    VirtualClock echoClock;
    FakeEchoTransport echoTransport{echoClock};
    FakeComPortLister comPorts;

    std::filesystem::path bin() const { return *root / "usr" / "bin"; }
    std::filesystem::path userData() const { return *root / "home" / ".local" / "share"; }

    // What main decides for a program in usr/bin that this user cannot write to.
    StartFolders chosenFolders() const
    {
        const WorkspaceChoice choice =
            chooseWorkspace({std::nullopt, bin(), false, std::nullopt, (*root / "home").string()});
        return {choice.folder, shippedLanguageFolder(bin())};
    }

    std::unique_ptr<TFWindows> start()
    {
        MainWindowServices mainServices(*launcher);
        return std::make_unique<TFWindows>(
            fixture->context, WindowServices{mainServices, {echoTransport, echoClock}, comPorts, {2026, 3, 5}},
            chosenFolders());
    }

private Q_SLOTS:
    void init()
    {
        fixture = std::make_unique<UiFixture>();
        root = std::make_unique<TempDir>();
        reaper = std::make_unique<ChildReaper>();
        launcher = std::make_unique<SystemProgramLauncher>(*reaper);
        const std::filesystem::path shipped = *root / "usr" / "share" / "birchcfg" / "languages";
        writeFixture(shipped / "English.lng", "\xEF\xBB\xBFSTR13 = Options\n");
        writeFixture(shipped / "Deutsch.lng", "\xEF\xBB\xBFSTR13 = Optionen\n");
        writeFixture(shipped / "Deutsch.bmp", "BM flag");
        std::filesystem::create_directories(bin());
        std::filesystem::permissions(bin(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    }

    void cleanup()
    {
        const QStringList problems = fixture->problems();
        fixture.reset();
        root.reset();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void firstStartFillsTheUserFolderAndLeavesTheProgramFolderAlone()
    {
        const std::filesystem::path workspace = userData() / "birchcfg";
        {
            const auto windows = start();
            QVERIFY(fixture->state.AppDir == workspace);
            for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"})
                QVERIFY2(std::filesystem::is_directory(workspace / folder), folder);
            QCOMPARE(readAll(workspace / "LANGUAGE" / "Deutsch.lng"), std::string("\xEF\xBB\xBFSTR13 = Optionen\n"));
            QCOMPARE(readAll(workspace / "LANGUAGE" / "Deutsch.bmp"), std::string("BM flag"));
            QVERIFY(windows->mainWindow().close());
        }
        QVERIFY(std::filesystem::is_regular_file(workspace / "Mosaic.xml"));
        QVERIFY(std::filesystem::is_empty(bin()));
    }

    void laterStartsKeepTheUsersEditsAndLanguage()
    {
        const std::filesystem::path language = userData() / "birchcfg" / "LANGUAGE";
        {
            const auto windows = start();
            // As the options dialog's OK leaves it.
            fixture->state.LanguageName = "Deutsch";
            QVERIFY(windows->mainWindow().close());
        }
        writeFixture(language / "Deutsch.lng", "\xEF\xBB\xBFSTR13 = Einstellungen\n");

        fixture->state = AppState();
        const auto windows = start();
        QCOMPARE(fixture->state.LanguageName, std::string("Deutsch"));
        QCOMPARE(fixture->state.TextTable[13], std::string("Einstellungen"));
        QCOMPARE(readAll(language / "Deutsch.lng"), std::string("\xEF\xBB\xBFSTR13 = Einstellungen\n"));
    }
};

QTEST_MAIN(WorkspaceStartTest)
#include "workspace_start_test.moc"
