// The link's coarse clock: Timer1 advances TickCount every 10 ms while it
// runs. Waits start it, and stop it and clear the count on every way out.
#pragma once

#include "link/protocol.h"

#include <QObject>
#include <QTimer>

namespace tessaro::link {

class TickClock : public QObject {
    Q_OBJECT

public:
    TickClock();

    void start() { Timer1.start(); }
    // Stops the timer and clears the count.
    void reset();
    qint16 ticks() const { return TickCount; }
    bool running() const { return Timer1.isActive(); }
    int intervalMs() const { return Timer1.interval(); }

    void Timer1_Timer();

private:
    QTimer Timer1;
    qint16 TickCount = 0;
};

} // namespace tessaro::link
