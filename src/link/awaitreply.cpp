#include "app/form1.h"
#include "link/protocol.h"

#include <QCoreApplication>

namespace {

// Every way out of a wait stops the timer and clears the count, so the
// 16-bit counter can never run on between exchanges.
struct TimerStop {
    Form1 &form;
    ~TimerStop() {
        form.Timer1.stop();
        form.TickCount = 0;
    }
};

// One pass of a wait: sleeps until the next event (a tick or serial data)
// instead of spinning a core.
void processPendingEvents() {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace

void Form1::settleWait() {
    TickCount = 0;
    Timer1.start();
    while (TickCount < protocol::SettleTicks && !m_closeRequested)
        processPendingEvents();
    Timer1.stop();
    TickCount = 0;
}

QByteArray Form1::AwaitReply(int n) {
    TimerStop stop{*this};
    settleWait();
    FlushBuffer = MSComm1.input();
    settleWait();
    Timer1.start();
    while (MSComm1.inBufferCount() < n && TickCount < protocol::ReplyTimeoutTicks &&
           !m_closeRequested)
        processPendingEvents();
    Timer1.stop();
    // Short or long alike is no reply; the bytes stay in the buffer.
    if (MSComm1.inBufferCount() != n)
        return {};
    return MSComm1.input();
}
