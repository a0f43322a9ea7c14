#include "platform/ProgramLauncher.h"

#include "platform/ChildReaper.h"

#include <csignal>
#include <cstring>
#include <spawn.h>
#include <system_error>

extern char** environ;

namespace birch {

namespace {

// Owns the spawn attributes and file actions for one start.
class SpawnSettings {
public:
    SpawnSettings()
    {
        posix_spawnattr_init(&attributes_);
        posix_spawn_file_actions_init(&actions_);
    }
    ~SpawnSettings()
    {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attributes_);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    // The program starts as if from a fresh session: nothing blocked, no handler or ignored
    // signal of ours, and only standard input, output and error inherited.
    int prepare()
    {
        sigset_t none;
        sigemptyset(&none);
        sigset_t all;
        sigfillset(&all);
        if (const int rc = posix_spawnattr_setsigmask(&attributes_, &none))
            return rc;
        if (const int rc = posix_spawnattr_setsigdefault(&attributes_, &all))
            return rc;
        if (const int rc = posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF))
            return rc;
        return posix_spawn_file_actions_addclosefrom_np(&actions_, 3);
    }

    const posix_spawnattr_t* attributes() const { return &attributes_; }
    const posix_spawn_file_actions_t* actions() const { return &actions_; }

private:
    posix_spawnattr_t attributes_;
    posix_spawn_file_actions_t actions_;
};

} // namespace

LaunchResult SystemProgramLauncher::launch(const std::filesystem::path& program,
                                           const std::vector<std::string>& arguments)
{
    std::vector<std::string> words;
    words.reserve(arguments.size() + 1);
    words.push_back(program.string());
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    SpawnSettings settings;
    if (const int rc = settings.prepare())
        return LaunchResult{-1, std::generic_category().message(rc)};
    pid_t pid = 0;
    const int rc =
        posix_spawn(&pid, words.front().c_str(), settings.actions(), settings.attributes(), argv.data(), environ);
    if (rc != 0)
        return LaunchResult{-1, std::generic_category().message(rc)};
    return LaunchResult{static_cast<int>(pid), {}};
}

std::optional<ProgramExit> SystemProgramLauncher::ended(int pid)
{
    return collectIfEnded(pid);
}

std::string signalName(int signal)
{
    if (const char* abbreviation = ::sigabbrev_np(signal))
        return std::string("SIG") + abbreviation;
    return std::to_string(signal);
}

void SystemProgramLauncher::abandon(int pid)
{
    reaper_.adopt(pid);
}

bool SystemProgramLauncher::abandonedStillRunning()
{
    return reaper_.holdsRunning();
}

} // namespace birch
