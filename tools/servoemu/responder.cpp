#include "servoemu/responder.h"

#include "link/protocol.h"
#include "settings/codepage.h"
#include "settings/settingsblock.h"

namespace tessaro::servoemu {

namespace {

// Two characters other than the checksum characters given: the checksum of
// the next sum when they are hex digits, otherwise their bits inverted.
QByteArray otherChecksum(const QByteArray &sent) {
    bool ok = false;
    const int v = QString::fromLatin1(sent).toInt(&ok, 16);
    if (ok && sent.size() == 2)
        return QByteArray::number((v + 1) & 0xFF, 16).toUpper().rightJustified(2, '0');
    QByteArray other = sent;
    for (char &c : other)
        c = static_cast<char>(~static_cast<unsigned char>(c));
    return other;
}

bool isReplyFault(Fault f) {
    switch (f) {
    case Fault::WrongChecksum:
    case Fault::LowerCaseChecksum:
    case Fault::Short35:
    case Fault::Long37:
        return true;
    default:
        return false;
    }
}

bool isAckFault(Fault f) {
    switch (f) {
    case Fault::WrongAck:
    case Fault::NoAck:
    case Fault::ShortAck:
    case Fault::LongAck:
    case Fault::LowerCaseAck:
        return true;
    default:
        return false;
    }
}

// What a reply fault or an acknowledgement fault does to the answer whose two checksum
// characters start at checksumAt; a long answer gains fill, its last two bytes in one write.
void applyFault(Answer &a, std::optional<Fault> f, qsizetype checksumAt, char fill) {
    switch (f.value_or(Fault::None)) {
    case Fault::WrongChecksum:
    case Fault::WrongAck:
        a.bytes.replace(checksumAt, 2, otherChecksum(a.bytes.mid(checksumAt, 2)));
        break;
    case Fault::LowerCaseChecksum:
    case Fault::LowerCaseAck:
        a.bytes.replace(checksumAt, 2, a.bytes.mid(checksumAt, 2).toLower());
        break;
    case Fault::Short35:
    case Fault::ShortAck:
        a.bytes.chop(1);
        break;
    case Fault::Long37:
    case Fault::LongAck:
        a.groupFrom = a.bytes.size() - 1;
        a.bytes.append(fill);
        break;
    case Fault::NoAck:
        a.bytes.clear();
        break;
    case Fault::EarlyReply:
        a.early = true;
        break;
    default:
        break;
    }
}

QString faultSuffix(std::optional<Fault> f) {
    return f ? QStringLiteral(" [%1]").arg(faultName(*f)) : QString();
}

struct FaultNameEntry {
    Fault fault;
    const char *name;
};

constexpr FaultNameEntry FaultTable[] = {
    {Fault::None, "none"},
    {Fault::Silent, "silent"},
    {Fault::WrongChecksum, "wrong-checksum"},
    {Fault::LowerCaseChecksum, "lowercase-checksum"},
    {Fault::Short35, "short-reply"},
    {Fault::Long37, "long-reply"},
    {Fault::EarlyReply, "early-reply"},
    {Fault::WrongAck, "wrong-ack"},
    {Fault::NoAck, "no-ack"},
    {Fault::ShortAck, "short-ack"},
    {Fault::LongAck, "long-ack"},
    {Fault::LowerCaseAck, "lowercase-ack"},
};

} // namespace

QString faultName(Fault f) {
    for (const auto &e : FaultTable)
        if (e.fault == f)
            return QLatin1String(e.name);
    return QStringLiteral("none");
}

std::optional<Fault> faultFromName(const QString &name) {
    const QString n = name.trimmed().toLower();
    for (const auto &e : FaultTable)
        if (n == QLatin1String(e.name))
            return e.fault;
    return std::nullopt;
}

QStringList faultNames() {
    QStringList names;
    for (const auto &e : FaultTable)
        if (e.fault != Fault::None)
            names << QLatin1String(e.name);
    return names;
}

QByteArray Responder::defaultBlock() {
    return QByteArrayLiteral("OS2403A1"
                             "05DC"
                             "5A"
                             "64"
                             "00"
                             "00"
                             "02"
                             "00"
                             "00000000");
}

QByteArray Responder::withFactorySettings(const QByteArray &current) {
    QByteArray b = current.leftJustified(settings::BlockLength, ' ', true);
    b.replace(settings::PulsePos, settings::TailPos - settings::PulsePos,
              QByteArrayLiteral("05DC"
                                "5A"
                                "64"
                                "00"
                                "00"
                                "02"
                                "00"));
    return b;
}

Responder::Responder(const QByteArray &block) : m_block(block) {}

void Responder::setFault(Fault fault, int count) {
    m_fault = fault;
    m_faultCount = count < 0 ? -1 : count;
}

int Responder::faultRemaining() const {
    return m_fault == Fault::None ? 0 : m_faultCount;
}

void Responder::log(const QString &line) const {
    if (m_logger)
        m_logger(line);
}

void Responder::ignore(const QByteArray &bytes) {
    if (!bytes.isEmpty())
        log(QStringLiteral("ignored %1 byte(s): %2")
                .arg(bytes.size())
                .arg(QString::fromLatin1(bytes.toHex(' ').toUpper())));
}

void Responder::dropPartialFrame() {
    ignore(m_frameBuf);
    m_frameBuf.clear();
}

QList<Answer> Responder::receive(const QByteArray &bytes) {
    m_received += bytes;
    QList<Answer> answers;
    QByteArray ignored; // logged as one run, before whatever ends it
    const auto flush = [&] {
        ignore(ignored);
        ignored.clear();
    };
    for (char c : bytes) {
        if (inFrame()) {
            m_frameBuf.append(c);
            if (m_frameBuf.size() < link::FrameLength)
                continue;
            if (c == link::EndByte) {
                flush();
                if (auto a = answerFrame(m_frameBuf))
                    answers.append(*a);
                m_frameBuf.clear();
                continue;
            }
            // Not a frame after all: drop it, and take its last byte afresh.
            ignored += m_frameBuf.left(link::FrameLength - 1);
            m_frameBuf.clear();
        }
        if (c == link::ReadRequest) {
            flush();
            if (auto a = answerRequest())
                answers.append(*a);
        } else if (c == link::StartByte) {
            m_frameBuf.append(c);
        } else {
            ignored.append(c);
        }
    }
    flush();
    return answers;
}

std::optional<Fault> Responder::takeFault(bool isReply) {
    if (m_fault == Fault::None || m_faultCount == 0)
        return std::nullopt;
    const bool applies = m_fault == Fault::Silent || m_fault == Fault::EarlyReply ||
                         (isReply ? isReplyFault(m_fault) : isAckFault(m_fault));
    if (!applies)
        return std::nullopt;
    if (m_faultCount > 0)
        --m_faultCount;
    return m_fault;
}

std::optional<Answer> Responder::replayed(const QByteArray &request, int expected) {
    const std::optional<Answer> a = m_script(request, expected);
    log(QStringLiteral("%1: replayed, %2")
            .arg(request.size() == 1 ? QStringLiteral("read request")
                                     : QStringLiteral("programming frame"),
                 a ? QStringLiteral("%1 bytes").arg(a->bytes.size()) : QStringLiteral("silence")));
    return a;
}

std::optional<Answer> Responder::answerRequest() {
    ++m_readRequests;
    if (m_script)
        return replayed(QByteArray(1, link::ReadRequest), link::FrameLength);
    Answer a{link::buildFrame(m_block)};
    const auto f = takeFault(true);
    const int cs = 1 + settings::BlockLength;
    if (f == Fault::Silent) {
        log(QStringLiteral("read request: silent, no reply"));
        return std::nullopt;
    }
    applyFault(a, f, cs, '\0');
    log(QStringLiteral("read request: reply %1 bytes, block \"%2\", checksum %3%4")
            .arg(a.bytes.size())
            .arg(settings::printableText(m_block), QString::fromLatin1(a.bytes.mid(cs, 2)),
                 faultSuffix(f)));
    return a;
}

std::optional<Answer> Responder::answerFrame(const QByteArray &frame) {
    const QByteArray blk = frame.mid(1, settings::BlockLength);
    const QByteArray sent = frame.mid(1 + settings::BlockLength, 2);
    ++m_frames;
    if (m_script)
        return replayed(frame, link::AckLength);
    const auto f = takeFault(false);
    if (f == Fault::Silent) {
        log(QStringLiteral("programming frame \"%1\": silent, not stored, no acknowledgement")
                .arg(settings::printableText(blk)));
        return std::nullopt;
    }

    // A bad checksum is still acknowledged with the characters sent; only storing is refused.
    QString what;
    if (sent != link::frameChecksum(blk)) {
        what =
            QStringLiteral("checksum %1 wrong (expected %2), not stored")
                .arg(settings::printableText(sent), QString::fromLatin1(link::frameChecksum(blk)));
    } else {
        const bool reset = blk.mid(settings::fieldOf(&settings::BlockValues::reset).pos, 2) == "01";
        m_block = reset ? withFactorySettings(blk) : blk;
        ++m_stored;
        what = reset ? QStringLiteral("reset to defaults, now \"%1\"")
                           .arg(settings::printableText(m_block))
                     : QStringLiteral("stored");
    }

    Answer a{sent};
    applyFault(a, f, 0, '0');
    log(QStringLiteral("programming frame \"%1\": %2; acknowledgement %3%4")
            .arg(settings::printableText(blk), what,
                 a.bytes.isEmpty() ? QStringLiteral("none")
                                   : QStringLiteral("\"%1\"").arg(settings::printableText(a.bytes)),
                 faultSuffix(f)));
    if (a.bytes.isEmpty())
        return std::nullopt;
    return a;
}

} // namespace tessaro::servoemu
