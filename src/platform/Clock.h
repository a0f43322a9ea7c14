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

} // namespace birch
