#include "platform/ProgramWait.h"

namespace birch {

ProgramWaitResult waitForProgram(ProgramLauncher& launcher, int pid, std::chrono::milliseconds limit,
                                 const std::function<void(std::chrono::milliseconds)>& pause,
                                 const std::function<bool()>& cancelled)
{
    const auto start = std::chrono::steady_clock::now();
    while (true) {
        if (const auto exit = launcher.ended(pid))
            return {ProgramWaitOutcome::Ended, *exit};
        if (cancelled && cancelled()) {
            launcher.abandon(pid);
            return {ProgramWaitOutcome::Cancelled, {}};
        }
        if (std::chrono::steady_clock::now() - start >= limit) {
            launcher.abandon(pid);
            return {ProgramWaitOutcome::LeftRunning, {}};
        }
        pause(kProgramPollInterval);
    }
}

} // namespace birch
