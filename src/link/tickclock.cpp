#include "link/tickclock.h"

#include <limits>

namespace tessaro::link {

TickClock::TickClock() {
    Timer1.setInterval(TickMs);
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &TickClock::Timer1_Timer);
}

void TickClock::reset() {
    Timer1.stop();
    TickCount = 0;
}

void TickClock::Timer1_Timer() {
    // Waits stop the timer on every way out; the count saturates rather than overflow.
    if (TickCount < std::numeric_limits<qint16>::max())
        ++TickCount;
}

} // namespace tessaro::link
