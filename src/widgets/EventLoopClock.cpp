#include "widgets/EventLoopClock.h"

#include <QEventLoop>
#include <QTimer>

namespace birch {

std::chrono::milliseconds EventLoopClock::now()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

void EventLoopClock::sleep(std::chrono::milliseconds duration)
{
    QEventLoop loop;
    QTimer::singleShot(duration, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace birch
