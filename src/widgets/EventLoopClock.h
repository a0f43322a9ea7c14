#pragma once

#include "platform/Clock.h"

namespace birch {

// The machine's monotonic clock whose sleep runs a plain event loop, so that a wait keeps
// every window painting (input to blocked windows is held back by Qt's modality).
class EventLoopClock final : public Clock {
public:
    std::chrono::milliseconds now() override;
    void sleep(std::chrono::milliseconds duration) override;
};

} // namespace birch
