#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace birch {

class ChildReaper;

// How a program ended: its exit status, the signal that ended it, or neither when the system no
// longer knew (it was collected elsewhere).
struct ProgramExit {
    enum class How { Exited, Signalled, Unknown };
    How how = How::Unknown;
    int value = 0; // the exit status or the signal's number

    bool succeeded() const { return how == How::Exited && value == 0; }
};

// The short name of a signal ("SIGKILL"), or its number when the system has no name for it.
std::string signalName(int signal);

// A started program, or why it could not be started.
struct LaunchResult {
    int pid = -1;
    std::string error;
    bool ok() const { return pid > 0; }
};

// Starts external programs directly (never through a shell) and keeps track of them until they
// are collected, so that none is left as a zombie.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // Runs `program` with `arguments` (not including the program itself) in the current folder.
    virtual LaunchResult launch(const std::filesystem::path& program, const std::vector<std::string>& arguments) = 0;
    // How the program ended, once it has; it has then been collected. Nothing while it runs.
    virtual std::optional<ProgramExit> ended(int pid) = 0;
    // Stops waiting for the program: it keeps running and is collected whenever it ends.
    virtual void abandon(int pid) = 0;
    // True while a program given up on is still running.
    virtual bool abandonedStillRunning() = 0;
};

// The system's own launcher: posix_spawn with an argument vector, an empty signal mask, default
// signal dispositions and no descriptor beyond 0-2 inherited. Programs given up on go to `reaper`.
class SystemProgramLauncher final : public ProgramLauncher {
public:
    explicit SystemProgramLauncher(ChildReaper& reaper) : reaper_(reaper) {}
    LaunchResult launch(const std::filesystem::path& program, const std::vector<std::string>& arguments) override;
    std::optional<ProgramExit> ended(int pid) override;
    void abandon(int pid) override;
    bool abandonedStillRunning() override;

private:
    ChildReaper& reaper_;
};

} // namespace birch
