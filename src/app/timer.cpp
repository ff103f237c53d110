#include "app/form1.h"

#include <limits>

void Form1::Timer1_Timer() {
    // Waits stop the timer on every way out; the count saturates rather than overflow.
    if (TickCount < std::numeric_limits<qint16>::max())
        ++TickCount;
}
