#include "app/TFMosaicFirmWare.h"
#include "lang/ExtraTextNumbers.h"
#include "platform/ChildReaper.h"
#include "platform/ProgramLauncher.h"

#include "UiFixture.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

using namespace birch;
using namespace birch::test;
using namespace std::chrono_literals;

namespace {

std::filesystem::path writeScript(const std::filesystem::path& file, const std::string& body)
{
    writeFixture(file, "#!/bin/sh\n" + body);
    std::filesystem::permissions(file, std::filesystem::perms::owner_all);
    return file;
}

// The one-letter state of /proc/<pid>/stat, or 0 when the process is gone.
char processState(int pid)
{
    const std::string stat = readAll(std::filesystem::path("/proc") / std::to_string(pid) / "stat");
    const auto close = stat.rfind(')');
    return close == std::string::npos || close + 2 >= stat.size() ? 0 : stat[close + 2];
}

int pidFrom(const std::filesystem::path& file)
{
    const std::string text = readAll(file);
    return text.empty() ? 0 : std::stoi(text);
}

// What the window looked like while the program ran.
struct DuringTheWait {
    bool busy = false;
    QString modal;
    bool stillShownAfterEscape = false;
};

} // namespace

class StartProgramTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<UiFixture> fixture;
    std::unique_ptr<ChildReaper> reaper;
    std::unique_ptr<SystemProgramLauncher> launcher;
    std::unique_ptr<MainWindowServices> services;
    std::unique_ptr<TFMosaicFirmWare> window;

    void create(std::chrono::milliseconds limit)
    {
        services->programWaitLimit = limit;
        window = std::make_unique<TFMosaicFirmWare>(fixture->context, *services);
        window->FormCreate({fixture->dir.path(), {}});
        window->show();
    }

    // Looks at the window from inside the wait's own event loop.
    void observeDuringTheWait(DuringTheWait& seen)
    {
        QTimer::singleShot(0, window.get(), [this, &seen] {
            seen.busy = window->isBusy();
            if (QWidget* modal = QApplication::activeModalWidget()) {
                seen.modal = modal->objectName();
                // The user cannot end the wait.
                QTest::keyClick(modal, Qt::Key_Escape);
                seen.stillShownAfterEscape = modal->isVisible();
            }
        });
    }

private Q_SLOTS:
    void init()
    {
        fixture = std::make_unique<UiFixture>();
        reaper = std::make_unique<ChildReaper>();
        launcher = std::make_unique<SystemProgramLauncher>(*reaper);
        services = std::make_unique<MainWindowServices>(*launcher);
    }

    void cleanup()
    {
        window.reset();
        const QStringList problems = fixture->problems();
        reaper.reset();
        fixture.reset();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void shortProgramIsWaitedForBehindAModalDialog()
    {
        create(150s);
        const auto out = fixture->dir / "ran.txt";
        const auto script =
            writeScript(fixture->dir / "Ethernet_Update.exe",
                        "sleep 0.1; echo $$ > \"" + out.string() + "\"; echo \"$@\" >> \"" + out.string() + "\"\n");
        DuringTheWait seen;
        observeDuringTheWait(seen);

        const auto result = window->Start_Program(script, "-ip \"192.168.2.205 x\"", false);

        QVERIFY(!result.notStarted);
        QCOMPARE(result.waited.outcome, ProgramWaitOutcome::Ended);
        QVERIFY(result.waited.exit.succeeded());
        QVERIFY(seen.busy);
        QCOMPARE(seen.modal, QStringLiteral("ModalWaitDialog"));
        QVERIFY(seen.stillShownAfterEscape);
        QVERIFY(!window->isBusy());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(readAll(out).find("-ip 192.168.2.205 x") != std::string::npos);
        const int pid = pidFrom(out);
        QVERIFY(pid > 0);
        QCOMPARE(processState(pid), '\0'); // ended and collected: no zombie
        QVERIFY(!launcher->abandonedStillRunning());
    }

    void programOutlivingTheLimitKeepsRunningAndIsCollectedLater()
    {
        create(300ms);
        const auto release = fixture->dir / "release";
        const auto pidFile = fixture->dir / "pid";
        const auto script =
            writeScript(fixture->dir / "long.sh", "echo $$ > \"" + pidFile.string() + "\"\nwhile [ ! -e \"" +
                                                      release.string() + "\" ]; do sleep 0.02; done\n");

        // However this test ends, the script is told to finish, so no reaper waits forever.
        const std::unique_ptr<const std::filesystem::path, void (*)(const std::filesystem::path*)> releaseAtEnd(
            &release, [](const std::filesystem::path* file) { writeFixture(*file, ""); });

        const ProgramRun run = window->Start_Program(script, "", true);
        QVERIFY(!run.notStarted);
        QCOMPARE(run.waited.outcome, ProgramWaitOutcome::LeftRunning);
        QVERIFY(!window->isBusy());
        QTRY_VERIFY(pidFrom(pidFile) > 0);
        const int pid = pidFrom(pidFile);
        // Alive: any state but gone or a zombie (a loaded machine may show it in disk sleep).
        const char state = processState(pid);
        QVERIFY2(state != '\0' && state != 'Z', qPrintable(QStringLiteral("process state %1").arg(QLatin1Char(state))));

        // A second program is refused while the first is alive.
        const auto refused = window->Start_Program(script, "", true);
        QCOMPARE(refused.notStarted, std::optional<std::string>(fixture->state.Extra[ext::kProgramStillRunning]));

        writeFixture(release, "");
        QTRY_VERIFY_WITH_TIMEOUT(!launcher->abandonedStillRunning(), 20000);
        QCOMPARE(processState(pid), '\0');
    }

    void cancelLeavesTheProgramRunningAndCollectedLater()
    {
        create(150s);
        const auto release = fixture->dir / "release";
        const auto pidFile = fixture->dir / "pid";
        const auto script =
            writeScript(fixture->dir / "long.sh", "echo $$ > \"" + pidFile.string() + "\"\nwhile [ ! -e \"" +
                                                      release.string() + "\" ]; do sleep 0.02; done\n");
        const std::unique_ptr<const std::filesystem::path, void (*)(const std::filesystem::path*)> releaseAtEnd(
            &release, [](const std::filesystem::path* file) { writeFixture(*file, ""); });
        // The user clicks Cancel once the program has started.
        std::function<void()> cancelWhenStarted;
        cancelWhenStarted = [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (pidFrom(pidFile) <= 0 || modal == nullptr) {
                QTimer::singleShot(10, window.get(), cancelWhenStarted);
                return;
            }
            QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("Btn_Cancel")), Qt::LeftButton);
        };
        QTimer::singleShot(0, window.get(), cancelWhenStarted);

        const ProgramRun run = window->Start_Program(script, "", false);

        QVERIFY(!run.notStarted);
        QCOMPARE(run.waited.outcome, ProgramWaitOutcome::Cancelled);
        QVERIFY(!window->isBusy());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        const int pid = pidFrom(pidFile);
        const char state = processState(pid);
        QVERIFY2(state != '\0' && state != 'Z', qPrintable(QStringLiteral("process state %1").arg(QLatin1Char(state))));
        QCOMPARE(window->Start_Program(script, "", true).notStarted,
                 std::optional<std::string>(fixture->state.Extra[ext::kProgramStillRunning]));

        writeFixture(release, "");
        QTRY_VERIFY_WITH_TIMEOUT(!launcher->abandonedStillRunning(), 20000);
        QCOMPARE(processState(pid), '\0');
    }

    void startFailureReturnsTheReasonAtOnce()
    {
        create(150s);
        const auto result = window->Start_Program(fixture->dir / "Ethernet_Update.exe", "", false);
        QCOMPARE(result.notStarted, std::optional<std::string>(std::generic_category().message(ENOENT)));
        QVERIFY(!window->isBusy());
    }

    void versionCheckIsSkippedWhileBusy()
    {
        std::atomic<int> calls{0};
        services->newerVersionAvailable = [&] {
            ++calls;
            return true;
        };
        writeFixture(fixture->dir / "Mosaic.xml",
                     "<Conf_Settings><lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update>"
                     "</lastinternet></Conf_Settings>");
        create(150s);
        const auto script = writeScript(fixture->dir / "short.sh", "sleep 0.2\n");
        bool activeAfterSkip = false;
        QTimer::singleShot(0, window.get(), [&] {
            window->Timer_UpdateTimer();
            activeAfterSkip = window->Timer_Update().isActive();
        });

        QVERIFY(!window->Start_Program(script, "", false).notStarted);

        QVERIFY(activeAfterSkip);
        QCOMPARE(calls.load(), 0);
        QCOMPARE(window->Timer_Update().interval(), 60000);
    }
};

QTEST_MAIN(StartProgramTest)
#include "start_program_test.moc"
