#include "platform/ProgramWait.h"

namespace birch {

ProgramWaitOutcome waitForProgram(ProgramLauncher& launcher, int pid, std::chrono::milliseconds limit,
                                  const std::function<void(std::chrono::milliseconds)>& pause)
{
    const auto start = std::chrono::steady_clock::now();
    while (true) {
        if (launcher.hasEnded(pid))
            return ProgramWaitOutcome::Ended;
        if (std::chrono::steady_clock::now() - start >= limit) {
            launcher.abandon(pid);
            return ProgramWaitOutcome::LeftRunning;
        }
        pause(kProgramPollInterval);
    }
}

} // namespace birch
