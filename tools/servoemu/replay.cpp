#include "servoemu/replay.h"

#include "settings/codepage.h"

#include <QList>
#include <QRegularExpression>

namespace tessaro::servoemu {

namespace {

// "COM1  read     12.3 ms  received 2 bytes: 37 32  "72"": the record after the
// time; as --verbose prints it too, after the category's name.
QString recordText(const QString &line) {
    static const QRegularExpression head(
        QStringLiteral("^(?:tessaro\\.link: )?COM\\d+\\s+\\S+\\s+-?[0-9.]+ ms  (.*)$"));
    const QRegularExpressionMatch m = head.match(line);
    return m.hasMatch() ? m.captured(1) : QString();
}

// The bytes of "sent ..." or "received ...": "3 bytes: 0C 4F 0D  ...".
std::optional<QByteArray> recordBytes(const QString &rest) {
    static const QRegularExpression bytes(
        QStringLiteral("^(\\d+) bytes?: ((?:[0-9A-F]{2}(?: [0-9A-F]{2})*)?)  \""));
    const QRegularExpressionMatch m = bytes.match(rest);
    if (!m.hasMatch())
        return std::nullopt;
    const QByteArray out = QByteArray::fromHex(m.captured(2).toLatin1());
    if (out.size() != m.captured(1).toInt())
        return std::nullopt;
    return out;
}

} // namespace

ParsedTrace parseTrace(const QByteArray &text) {
    ParsedTrace parsed;
    bool lastWasSent = false;
    QByteArray unread;  // bytes a wait left unread, which a later read takes again
    bool fresh = false; // this step's answer has bytes of its own, not just old unread ones
    for (const QByteArray &raw : text.split('\n')) {
        const QString record = recordText(QString::fromLatin1(raw).trimmed());
        if (record.isEmpty())
            continue;
        const bool sent = record.startsWith(QLatin1String("sent "));
        if (sent) {
            const auto bytes = recordBytes(record.mid(5));
            if (!bytes)
                continue;
            if (!lastWasSent || parsed.steps.empty())
                parsed.steps.push_back({});
            parsed.steps.back().sent += *bytes;
            fresh = false;
        } else if (record.startsWith(QLatin1String("received ")) && !parsed.steps.empty()) {
            auto bytes = recordBytes(record.mid(9));
            if (bytes && record.endsWith(QLatin1String(", left unread"))) {
                parsed.steps.back().answer += *bytes;
                unread = *bytes;
            } else if (bytes) {
                if (!unread.isEmpty() && bytes->startsWith(unread))
                    bytes->remove(0, unread.size());
                unread.clear();
                parsed.steps.back().answer += *bytes;
                fresh = fresh || !bytes->isEmpty();
            }
        } else if (record.startsWith(QLatin1String("discarded: ")) && fresh) {
            parsed.steps.back().early = true;
        } else if (record == QLatin1String("closed") ||
                   record.contains(QLatin1String(" opened, "))) {
            unread.clear();
        }
        lastWasSent = sent;
    }
    if (parsed.steps.empty())
        parsed.problem = QStringLiteral("this is not a trace: it holds no bytes sent to a servo");
    return parsed;
}

std::optional<Answer> Replay::answer(const QByteArray &request, int expected) {
    const auto say = [this](const QString &text) {
        if (m_notice)
            m_notice(text);
    };
    if (m_next >= m_steps.size()) {
        say(QStringLiteral("past the end of the trace: %1 not answered")
                .arg(settings::printableText(request.left(8), settings::TextSet::Ascii)));
        return std::nullopt;
    }
    const ReplayStep &step = m_steps[m_next++];
    if (step.sent != request)
        say(QStringLiteral("request %1 differs from the trace: \"%2\", traced \"%3\"")
                .arg(m_next)
                .arg(settings::printableText(request, settings::TextSet::Ascii),
                     settings::printableText(step.sent, settings::TextSet::Ascii)));
    if (step.answer.isEmpty())
        return std::nullopt;
    Answer a{step.answer, step.early};
    if (a.bytes.size() > expected)
        a.groupFrom = expected - 1;
    return a;
}

} // namespace tessaro::servoemu
