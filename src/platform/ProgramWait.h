#pragma once

#include "platform/ProgramLauncher.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace birch {

inline constexpr std::chrono::milliseconds kProgramPollInterval{10};
inline constexpr std::chrono::milliseconds kProgramWaitLimit{150000};

// Ended: the program ended (see `exit`). LeftRunning: the limit passed. Cancelled: the user
// stopped waiting. In the last two cases the program keeps running and was handed over for
// collection.
enum class ProgramWaitOutcome { Ended, LeftRunning, Cancelled };

struct ProgramWaitResult {
    ProgramWaitOutcome outcome = ProgramWaitOutcome::Ended;
    ProgramExit exit; // for Ended
};

// What came of starting a program and waiting for it.
struct ProgramRun {
    std::optional<std::string> notStarted; // why the program could not be started
    ProgramWaitResult waited;              // otherwise: how the wait ended
};

// Polls the program every `kProgramPollInterval` (spent in `pause`, which keeps the caller's
// window alive) until it ends, `limit` has passed on the steady clock or `cancelled` answers
// true; then the program is left running and handed over for collection.
ProgramWaitResult waitForProgram(ProgramLauncher& launcher, int pid, std::chrono::milliseconds limit,
                                 const std::function<void(std::chrono::milliseconds)>& pause,
                                 const std::function<bool()>& cancelled = {});

} // namespace birch
