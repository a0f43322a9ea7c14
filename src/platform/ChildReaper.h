#pragma once

#include "platform/ProgramLauncher.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace birch {

// Collects `pid` if it has ended and tells how; `Unknown` when it is no child of ours (nothing
// left to wait for); nothing while it runs. Waits for that one pid only.
std::optional<ProgramExit> collectIfEnded(int pid);

// Collects programs that were started but no longer waited for, each by its own pid, once they
// end. Owned by `main`; the signal handling of the process is left alone and no other child is
// ever collected here (the toolkit collects its own).
class ChildReaper {
public:
    ChildReaper() = default;
    // Stops collecting. A program still running then is collected by the system once this
    // process has ended.
    ~ChildReaper();
    ChildReaper(const ChildReaper&) = delete;
    ChildReaper& operator=(const ChildReaper&) = delete;

    void adopt(int pid);
    // Collects what has ended, then tells whether any adopted program still runs.
    bool holdsRunning();

private:
    void collectEnded();
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::vector<int> pids_;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace birch
