#pragma once

#include <chrono>

namespace birch {

// A millisecond tick counter and a short sleep; tests use a virtual one.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::chrono::milliseconds now() = 0;
    virtual void sleep(std::chrono::milliseconds duration) = 0;
};

// The monotonic clock of the machine.
class SteadyClock final : public Clock {
public:
    std::chrono::milliseconds now() override;
    void sleep(std::chrono::milliseconds duration) override;
};

} // namespace birch
