// The servo's side of a trace, played back: each request the program sends
// gets the bytes the traced servo sent after it, or the same silence. Fed to
// the Responder as its script, so the pty and the in-process tests use it alike.
#pragma once

#include "servoemu/responder.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

namespace tessaro::servoemu {

struct ReplayStep {
    QByteArray sent;    // what the program sent
    QByteArray answer;  // what came back; empty: silence
    bool early = false; // it came within the program's first settle wait
};

struct ParsedTrace {
    std::vector<ReplayStep> steps;
    QString problem; // why the text is not a trace; empty when it is
};

// Takes a --trace file or a bug report (the trace records anywhere in it).
ParsedTrace parseTrace(const QByteArray &text);

class Replay {
public:
    explicit Replay(std::vector<ReplayStep> steps) : m_steps(std::move(steps)) {}

    // The answer to the next request or frame; expected: its proper length,
    // so that an over-long answer arrives in one piece as it did.
    std::optional<Answer> answer(const QByteArray &request, int expected);
    // Called past the end of the trace and when a request differs from it.
    void setNotice(std::function<void(const QString &)> notice) { m_notice = std::move(notice); }
    std::size_t remaining() const { return m_steps.size() - m_next; }

private:
    std::vector<ReplayStep> m_steps;
    std::size_t m_next = 0;
    std::function<void(const QString &)> m_notice;
};

} // namespace tessaro::servoemu
