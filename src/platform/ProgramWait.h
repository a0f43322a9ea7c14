#pragma once

#include "platform/ProgramLauncher.h"

#include <chrono>
#include <functional>

namespace birch {

inline constexpr std::chrono::milliseconds kProgramPollInterval{10};
inline constexpr std::chrono::milliseconds kProgramWaitLimit{150000};

enum class ProgramWaitOutcome { Ended, LeftRunning };

// Polls the program every `kProgramPollInterval` (spent in `pause`, which keeps the caller's
// window alive) until it ends or `limit` has passed on the steady clock; then the program is
// left running and handed over for collection.
ProgramWaitOutcome waitForProgram(ProgramLauncher& launcher, int pid, std::chrono::milliseconds limit,
                                  const std::function<void(std::chrono::milliseconds)>& pause);

} // namespace birch
