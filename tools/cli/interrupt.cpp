#include "cli/interrupt.h"

#include "cli/exitcodes.h"
#include "cli/output.h"

#include <QCoreApplication>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace tessaro::cli {

namespace {

volatile std::sig_atomic_t caught = 0;
int wakePipe[2] = {-1, -1};
bool reported = false;

extern "C" void onInterrupt(int signo) {
    const int saved = errno;
    caught = signo;
    const char byte = 1;
    [[maybe_unused]] const auto n = ::write(wakePipe[1], &byte, 1);
    errno = saved;
}

} // namespace

bool catchInterrupts() {
    if (::pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    struct sigaction sa {};
    sa.sa_handler = onInterrupt;
    sigemptyset(&sa.sa_mask);
    // Async-signal-safe work only in the handler; a second signal of a kind ends the program.
    sa.sa_flags = SA_RESTART | SA_RESETHAND;
    return ::sigaction(SIGINT, &sa, nullptr) == 0 && ::sigaction(SIGTERM, &sa, nullptr) == 0;
}

int interruptSignal() {
    return caught;
}

QString interruptName() {
    return caught == SIGTERM ? QStringLiteral("SIGTERM") : QStringLiteral("SIGINT");
}

void interruptHandled() {
    caught = 0;
}

int interruptCode() {
    return caught == SIGTERM ? Exit::Terminated : Exit::Interrupted;
}

int reportInterrupt(const QString &port, const QString &frameSent) {
    if (reported)
        return interruptCode();
    reported = true;
    QString text = QCoreApplication::translate("cli", "interrupted by %1").arg(interruptName());
    if (!port.isEmpty())
        text = port + QStringLiteral(": ") + text;
    if (frameSent.isEmpty())
        return fail(interruptCode(),
                    text + QCoreApplication::translate("cli", "; nothing more was sent"));
    return fail(interruptCode(), text + QStringLiteral(": ") + frameSent);
}

InterruptWatch::InterruptWatch(link::Session &session) {
    if (wakePipe[0] < 0)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(wakePipe[0], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [&session] {
        char drained[16];
        while (::read(wakePipe[0], drained, sizeof drained) > 0) {
        }
        session.cancel();
    });
}

} // namespace tessaro::cli
