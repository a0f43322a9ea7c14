#include "widgets/EventLoopClock.h"

#include "widgets/ModalWaitDialog.h"

namespace birch {

std::chrono::milliseconds EventLoopClock::now()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

void EventLoopClock::sleep(std::chrono::milliseconds duration)
{
    ModalWaitDialog::processEventsFor(duration);
}

} // namespace birch
