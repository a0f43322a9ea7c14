#include "platform/ChildReaper.h"

#include <sys/types.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>

namespace birch {

namespace {

constexpr std::chrono::milliseconds kCollectInterval{100};

} // namespace

std::optional<ProgramExit> collectIfEnded(int pid)
{
    int status = 0;
    pid_t result = 0;
    do {
        result = ::waitpid(static_cast<pid_t>(pid), &status, WNOHANG);
    } while (result < 0 && errno == EINTR);
    if (result == 0)
        return std::nullopt;
    if (result > 0 && WIFEXITED(status))
        return ProgramExit{ProgramExit::How::Exited, WEXITSTATUS(status)};
    if (result > 0 && WIFSIGNALED(status))
        return ProgramExit{ProgramExit::How::Signalled, WTERMSIG(status)};
    return ProgramExit{};
}

ChildReaper::~ChildReaper()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void ChildReaper::adopt(int pid)
{
    const std::lock_guard lock(mutex_);
    pids_.push_back(pid);
    // The collecting thread only exists once there is something to collect.
    if (!thread_.joinable())
        thread_ = std::thread(&ChildReaper::run, this);
    wake_.notify_all();
}

bool ChildReaper::holdsRunning()
{
    const std::lock_guard lock(mutex_);
    collectEnded();
    return !pids_.empty();
}

void ChildReaper::collectEnded()
{
    std::erase_if(pids_, [](int pid) { return collectIfEnded(pid).has_value(); });
}

void ChildReaper::run()
{
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        collectEnded();
        wake_.wait_for(lock, kCollectInterval, [this] { return stopping_; });
    }
}

} // namespace birch
