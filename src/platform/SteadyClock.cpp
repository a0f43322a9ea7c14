#include "platform/Clock.h"

#include <thread>

namespace birch {

std::chrono::milliseconds SteadyClock::now()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

void SteadyClock::sleep(std::chrono::milliseconds duration)
{
    std::this_thread::sleep_for(duration);
}

} // namespace birch
