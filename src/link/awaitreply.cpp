#include "link/session.h"

#include <QCoreApplication>

namespace tessaro::link {

namespace {

// Every way out of a wait stops the timer and clears the count, so the
// 16-bit counter can never run on between exchanges.
struct ClockStop {
    TickClock &clock;
    ~ClockStop() { clock.reset(); }
};

// One pass of a wait: sleeps until the next event (a tick or serial data)
// instead of spinning a core.
void processPendingEvents() {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace

void Session::settleWait() {
    m_clock.reset();
    m_clock.start();
    while (m_clock.ticks() < SettleTicks && !m_cancelled)
        processPendingEvents();
    m_clock.reset();
}

QByteArray Session::AwaitReply(int n) {
    ClockStop stop{m_clock};
    settleWait();
    FlushBuffer = MSComm1.input();
    if (!FlushBuffer.isEmpty())
        TESSARO_TRACE(MSComm1) << "discarded: they came within the first settle wait";
    settleWait();
    m_clock.start();
    while (MSComm1.inBufferCount() < n && m_clock.ticks() < ReplyTimeoutTicks && !m_cancelled)
        processPendingEvents();
    m_clock.reset();
    // Short or long alike is no reply; the bytes stay in the buffer.
    m_replyBytes = MSComm1.inBufferCount();
    if (m_replyBytes == n)
        return MSComm1.input();
    TESSARO_TRACE(MSComm1) << "no reply: " << m_replyBytes << " of " << n << " bytes"
                           << (m_cancelled ? ", the wait was cancelled" : "");
    if (m_replyBytes > 0)
        TESSARO_TRACE(MSComm1) << "received " << traceBytes(MSComm1.peekInput()) << ", left unread";
    return {};
}

} // namespace tessaro::link
