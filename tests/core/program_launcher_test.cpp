#include "platform/ChildReaper.h"
#include "platform/ProgramLauncher.h"
#include "platform/ProgramWait.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace birch {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Stand-in programs are `#!` scripts; reports go to files the test reads back.
fs::path writeScript(const fs::path& file, const std::string& body)
{
    test::writeFixture(file, "#!/bin/sh\n" + body);
    fs::permissions(file, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
    return file;
}

void sleepingPause(std::chrono::milliseconds step)
{
    std::this_thread::sleep_for(step);
}

// The one-letter state of /proc/<pid>/stat, or 0 when the process is gone.
char processState(int pid)
{
    const std::string stat = test::readAll(fs::path("/proc") / std::to_string(pid) / "stat");
    const auto close = stat.rfind(')');
    if (close == std::string::npos || close + 2 >= stat.size())
        return 0;
    return stat[close + 2];
}

// Waits (bounded) for the reaper to have collected everything it adopted.
bool reaperEmptiesWithin(ChildReaper& reaper, std::chrono::seconds bound)
{
    const auto until = std::chrono::steady_clock::now() + bound;
    while (reaper.holdsRunning()) {
        if (std::chrono::steady_clock::now() > until)
            return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

unsigned long long signalField(const std::string& report, const std::string& name)
{
    std::istringstream lines(report);
    std::string line;
    while (std::getline(lines, line))
        if (line.rfind(name + ":", 0) == 0)
            return std::stoull(line.substr(name.size() + 1), nullptr, 16);
    ADD_FAILURE() << name << " missing in " << report;
    return ~0ULL;
}

unsigned long long bitOf(int signal)
{
    return 1ULL << (signal - 1);
}

class ProgramLauncherTest : public testing::Test {
protected:
    test::TempDir dir;
    ChildReaper reaper;
    SystemProgramLauncher launcher{reaper};
};

TEST_F(ProgramLauncherTest, ShortProgramEndsAndIsCollected)
{
    const fs::path out = dir / "args.txt";
    const fs::path script = writeScript(dir / "args.sh", "for a in \"$@\"; do echo \"[$a]\"; done > \"$1\"\n");

    const LaunchResult started = launcher.launch(script, {out.string(), "two words", "$(touch pwned)", "*"});
    ASSERT_TRUE(started.ok()) << started.error;
    EXPECT_EQ(waitForProgram(launcher, started.pid, 20s, sleepingPause).outcome, ProgramWaitOutcome::Ended);

    EXPECT_EQ(test::readAll(out), "[" + out.string() + "]\n[two words]\n[$(touch pwned)]\n[*]\n");
    EXPECT_FALSE(fs::exists(fs::current_path() / "pwned"));
    EXPECT_EQ(processState(started.pid), 0) << "left as a zombie";
    EXPECT_FALSE(launcher.abandonedStillRunning());
}

TEST_F(ProgramLauncherTest, ProgramStartsCleanInTheCurrentFolder)
{
    const fs::path out = dir / "report.txt";
    // The shell keeps the signal state it was started with; grep, exec'd in its place, reports it.
    // (Reading the shell's own status while it waits for a child would catch its own blocking.)
    const fs::path script =
        writeScript(dir / "report.sh", "pwd > \"$1\"\n"
                                       "[ -e /proc/$$/fd/45 ] && echo fd45-open >> \"$1\"\n"
                                       "exec grep -E '^Sig(Blk|Ign):' /proc/self/status >> \"$1\"\n");
    // Our own signal state and an inheritable descriptor the program must not see.
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGUSR1);
    sigset_t previous;
    ASSERT_EQ(pthread_sigmask(SIG_BLOCK, &blocked, &previous), 0);
    const auto previousUsr2 = std::signal(SIGUSR2, SIG_IGN);
    const int devNull = ::open("/dev/null", O_RDONLY);
    ASSERT_GE(devNull, 0);
    ASSERT_EQ(::dup2(devNull, 45), 45);
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());

    const LaunchResult started = launcher.launch(script, {out.string()});
    const ProgramWaitOutcome outcome = started.ok() ? waitForProgram(launcher, started.pid, 20s, sleepingPause).outcome
                                                    : ProgramWaitOutcome::LeftRunning;

    fs::current_path(before);
    ::close(45);
    ::close(devNull);
    std::signal(SIGUSR2, previousUsr2);
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    ASSERT_TRUE(started.ok()) << started.error;
    ASSERT_EQ(outcome, ProgramWaitOutcome::Ended);

    const std::string report = test::readAll(out);
    EXPECT_EQ(report.substr(0, report.find('\n')), fs::canonical(dir.path()).string());
    EXPECT_EQ(signalField(report, "SigBlk") & bitOf(SIGUSR1), 0U);
    EXPECT_EQ(signalField(report, "SigIgn") & bitOf(SIGUSR2), 0U);
    EXPECT_EQ(report.find("fd45-open"), std::string::npos);
}

TEST_F(ProgramLauncherTest, ProgramOutlivingTheLimitKeepsRunningAndIsReapedLater)
{
    const fs::path release = dir / "release";
    const fs::path script = writeScript(dir / "long.sh", "while [ ! -e \"$1\" ]; do sleep 0.02; done\n");

    const LaunchResult started = launcher.launch(script, {release.string()});
    ASSERT_TRUE(started.ok()) << started.error;
    EXPECT_EQ(waitForProgram(launcher, started.pid, 50ms, sleepingPause).outcome, ProgramWaitOutcome::LeftRunning);

    const char running = processState(started.pid);
    // Alive: any state but gone or a zombie (a loaded machine may show it in disk sleep).
    EXPECT_TRUE(running != 0 && running != 'Z') << "state " << running;
    EXPECT_TRUE(launcher.abandonedStillRunning());

    test::writeFixture(release, "");
    ASSERT_TRUE(reaperEmptiesWithin(reaper, 20s));
    EXPECT_EQ(processState(started.pid), 0) << "left as a zombie";
}

TEST_F(ProgramLauncherTest, HowTheProgramEndedIsKnown)
{
    struct Case {
        const char* body;
        ProgramExit::How how;
        int value;
    };
    for (const Case& c : {Case{"exit 0\n", ProgramExit::How::Exited, 0}, Case{"exit 3\n", ProgramExit::How::Exited, 3},
                          Case{"kill -KILL $$\n", ProgramExit::How::Signalled, SIGKILL},
                          Case{"kill -TERM $$\n", ProgramExit::How::Signalled, SIGTERM}}) {
        SCOPED_TRACE(c.body);
        const LaunchResult started = launcher.launch(writeScript(dir / "ends.sh", c.body), {});
        ASSERT_TRUE(started.ok()) << started.error;
        const ProgramWaitResult result = waitForProgram(launcher, started.pid, 20s, sleepingPause);
        ASSERT_EQ(result.outcome, ProgramWaitOutcome::Ended);
        EXPECT_EQ(result.exit.how, c.how);
        EXPECT_EQ(result.exit.value, c.value);
        EXPECT_EQ(processState(started.pid), 0) << "left as a zombie";
    }
    EXPECT_EQ(signalName(SIGKILL), "SIGKILL");
}

TEST_F(ProgramLauncherTest, CancelledWaitLeavesTheProgramRunningForTheReaper)
{
    const fs::path release = dir / "release";
    const fs::path script = writeScript(dir / "long.sh", "while [ ! -e \"$1\" ]; do sleep 0.02; done\n");
    const LaunchResult started = launcher.launch(script, {release.string()});
    ASSERT_TRUE(started.ok()) << started.error;

    int polls = 0;
    const ProgramWaitResult result =
        waitForProgram(launcher, started.pid, 150s, sleepingPause, [&] { return ++polls == 3; });

    EXPECT_EQ(result.outcome, ProgramWaitOutcome::Cancelled);
    const char running = processState(started.pid);
    EXPECT_TRUE(running != 0 && running != 'Z') << "state " << running;
    EXPECT_TRUE(launcher.abandonedStillRunning());
    test::writeFixture(release, "");
    ASSERT_TRUE(reaperEmptiesWithin(reaper, 20s));
    EXPECT_EQ(processState(started.pid), 0) << "left as a zombie";
}

TEST_F(ProgramLauncherTest, StartFailureGivesTheReasonAtOnce)
{
    const LaunchResult missing = launcher.launch(dir / "Ethernet_Update.exe", {});
    EXPECT_FALSE(missing.ok());
    EXPECT_EQ(missing.error, std::generic_category().message(ENOENT));

    test::writeFixture(dir / "plain.sh", "#!/bin/sh\n");
    const LaunchResult notExecutable = launcher.launch(dir / "plain.sh", {});
    EXPECT_FALSE(notExecutable.ok());
    EXPECT_EQ(notExecutable.error, std::generic_category().message(EACCES));
}

// Counts polls; the program "ends" after a given number of them.
class CountingLauncher final : public ProgramLauncher {
public:
    explicit CountingLauncher(int endsAfter) : endsAfter_(endsAfter) {}
    LaunchResult launch(const fs::path&, const std::vector<std::string>&) override { return {7, {}}; }
    std::optional<ProgramExit> ended(int) override
    {
        if (++polls > endsAfter_)
            return ProgramExit{ProgramExit::How::Exited, 0};
        return std::nullopt;
    }
    void abandon(int pid) override { abandoned.push_back(pid); }
    bool abandonedStillRunning() override { return !abandoned.empty(); }

    int polls = 0;
    std::vector<int> abandoned;

private:
    int endsAfter_;
};

TEST(WaitForProgram, PollsEveryTenMillisecondsUntilTheEnd)
{
    CountingLauncher launcher(3);
    std::vector<std::chrono::milliseconds> pauses;
    const auto outcome =
        waitForProgram(launcher, 7, 150s, [&](std::chrono::milliseconds step) { pauses.push_back(step); });

    EXPECT_EQ(outcome.outcome, ProgramWaitOutcome::Ended);
    EXPECT_EQ(pauses, std::vector<std::chrono::milliseconds>(3, 10ms));
    EXPECT_TRUE(launcher.abandoned.empty());
}

TEST(WaitForProgram, HandsTheProgramOverAtTheLimit)
{
    CountingLauncher launcher(1000000);
    const auto outcome = waitForProgram(launcher, 7, 0ms, [](std::chrono::milliseconds) { FAIL() << "no pause"; });

    EXPECT_EQ(outcome.outcome, ProgramWaitOutcome::LeftRunning);
    EXPECT_EQ(launcher.abandoned, std::vector<int>{7});
}

TEST(ChildReaperTest, IgnoresPidsThatAreNotItsChildren)
{
    ChildReaper reaper;
    reaper.adopt(1); // init: never our child, so nothing to wait for
    EXPECT_FALSE(reaper.holdsRunning());
}

} // namespace
} // namespace birch
