#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace birch {

class ChildReaper;

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
    // True once the program has ended; it has then been collected.
    virtual bool hasEnded(int pid) = 0;
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
    bool hasEnded(int pid) override;
    void abandon(int pid) override;
    bool abandonedStillRunning() override;

private:
    ChildReaper& reaper_;
};

} // namespace birch
