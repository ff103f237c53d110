// SIGINT and SIGTERM end the running exchange as the window's close does:
// the handler only notes the signal and wakes the event loop through a pipe,
// and the link's wait, which pumps events, sees it and cancels.
#pragma once

#include "link/session.h"

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace tessaro::cli {

// Installs the handlers; a second signal of the same kind ends the program at once.
// False when the pipe cannot be made.
bool catchInterrupts();
// The signal caught, or 0.
int interruptSignal();
// "SIGINT" or "SIGTERM".
QString interruptName();
// The exit code for the signal caught: 128 plus its number.
int interruptCode();
// Reports the interruption once and returns interruptCode(); later calls only
// return the code. port: where it came, if known; frameSent: the words for a
// programming frame that had gone out, empty when none had.
int reportInterrupt(const QString &port = {}, const QString &frameSent = {});

// The signal caught has been dealt with as an ordinary end (a series ends so).
void interruptHandled();

// Cancels session's exchange when a signal comes, for as long as it lives.
class InterruptWatch {
public:
    explicit InterruptWatch(link::Session &session);

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace tessaro::cli
