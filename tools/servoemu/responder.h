// The virtual servo's protocol rules with no line attached: bytes from the
// program go in, the answers due come out. No threads, no clock, no file
// descriptors; a transport (the pty in servoemulator.h, or an in-process
// one) owns the timing and the pacing.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace tessaro::servoemu {

// Misbehaviours for tests. Each applies to the answers of its kind only:
// reply faults to reply frames, acknowledgement faults to acknowledgements,
// Silent and EarlyReply to both.
enum class Fault {
    None,
    Silent,            // never answers; a programming frame is not stored either
    WrongChecksum,     // reply frame with checksum characters that do not match its block
    LowerCaseChecksum, // reply frame with its checksum hex digits in lower case
    Short35,           // reply frame without its end byte (35 bytes)
    Long37,            // reply frame followed by one extra byte 0x00 (37 bytes); the
                       // end byte and the extra byte leave in one write
    EarlyReply,        // whole answer at once, with no reply delay and no pacing
    WrongAck,          // acknowledgement with two other characters (block still stored)
    NoAck,             // no acknowledgement (block still stored)
    ShortAck,          // first acknowledgement character only (block still stored)
    LongAck,           // the two characters and one more, '0', the last two in one
                       // write (block still stored)
    LowerCaseAck,      // acknowledgement in lower case (block still stored)
};

// Command-line name of a fault ("silent", "wrong-checksum", ... ,"none").
QString faultName(Fault f);
std::optional<Fault> faultFromName(const QString &name);
// Every fault name except "none", in declaration order.
QStringList faultNames();

struct Answer {
    QByteArray bytes;
    bool early = false; // EarlyReply fault: the whole answer at once, with no delay
    int groupFrom = -1; // bytes from this index on leave in one write (over-long answers)
};

class Responder {
public:
    explicit Responder(const QByteArray &block = defaultBlock());

    // Bytes received from the program, in any split; returns the answers now due, in order.
    QList<Answer> receive(const QByteArray &bytes);
    // A frame left unfinished (the pty transport calls this when the line went quiet too long).
    void dropPartialFrame();
    bool inFrame() const { return !m_frameBuf.isEmpty(); }

    // The block the servo holds now (and answers with).
    QByteArray block() const { return m_block; }
    void setBlock(const QByteArray &block) { m_block = block; }

    // count: answers of the fault's kind it applies to; -1 always.
    void setFault(Fault fault, int count = -1);
    Fault fault() const { return m_fault; }
    int faultRemaining() const; // -1 always, 0 once used up

    // Every byte received since construction (or the last clearReceived()).
    QByteArray received() const { return m_received; }
    void clearReceived() { m_received.clear(); }

    int readRequestCount() const { return m_readRequests; }
    int programmingFrameCount() const { return m_frames; } // complete frames, stored or not
    int storedFrameCount() const { return m_stored; }      // frames whose block was stored or reset

    // Answers every request and frame instead of the servo's own rules (a
    // replayed trace): the request or frame, and the proper length of its answer.
    using Script = std::function<std::optional<Answer>(const QByteArray &request, int expected)>;
    void setScript(Script script) { m_script = std::move(script); }

    // One line per request, frame or ignored bytes, called from receive() and dropPartialFrame().
    void setLogger(std::function<void(const QString &)> logger) { m_logger = std::move(logger); }

    // A plausible servo: "OS2403A1" 05DC 5A 64 00 00 02 00 "00000000"
    // (throw 90, speed 100, deadband 2). Its checksum is "AB", so the
    // lower-case faults show.
    static QByteArray defaultBlock();
    // The factory settings a reset request restores, name and tail kept:
    // pulse 05DC, throw 5A, speed 64, centre 00, reverse 00, deadband 02, reset 00.
    static QByteArray withFactorySettings(const QByteArray &block);

private:
    std::optional<Fault> takeFault(bool isReply);
    std::optional<Answer> replayed(const QByteArray &request, int expected);
    std::optional<Answer> answerRequest();
    std::optional<Answer> answerFrame(const QByteArray &frame);
    void ignore(const QByteArray &bytes);
    void log(const QString &line) const;

    QByteArray m_block;
    Fault m_fault = Fault::None;
    int m_faultCount = -1;
    QByteArray m_received;
    QByteArray m_frameBuf; // inside a frame when not empty
    int m_readRequests = 0;
    int m_frames = 0;
    int m_stored = 0;
    std::function<void(const QString &)> m_logger;
    Script m_script;
};

} // namespace tessaro::servoemu
