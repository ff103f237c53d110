// The virtual servo: a pseudo-terminal that answers the servo protocol
// with its settings block, for tests and for trying the
// program without a servo. It runs its own thread, so it keeps answering
// while the program under test sits in its own event loop.
//
// The program opens the pty's slave side through the link COMn that
// publishAs() places in servolink::ensureVirtualPortFolder().
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace servoemu {

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

struct Options {
    QByteArray block; // empty: ServoEmulator::defaultBlock()
    Fault fault = Fault::None;
    int faultCount = -1;    // answers the fault applies to; -1 = always
    int replyDelayMs = 100; // from the end of a request to the first answer byte
    int byteTimeUs = 521;   // one byte at 19200 baud, 10 bits
};

class ServoEmulator {
public:
    explicit ServoEmulator(const Options &options = Options());
    ~ServoEmulator();

    ServoEmulator(const ServoEmulator &) = delete;
    ServoEmulator &operator=(const ServoEmulator &) = delete;

    // Opens a new pty and starts answering. When a COM number was published
    // before (and the cable pulled since), the link is published again.
    // False with a reason in *error when the pty or the link cannot be made.
    bool start(QString *error = nullptr);
    // Stops answering, closes the pty and removes the link (if still ours).
    void stop();
    bool isRunning() const;

    // The adapter pulled out: the pty closes under the program and the link
    // goes away; the COM number is remembered for plugBack().
    void pullCable();
    bool plugBack(QString *error = nullptr) { return start(error); }

    // Creates COMn -> slave path in the virtual port folder. Refuses to
    // replace a link that leads to an existing device unless replace is set.
    bool publishAs(int comNumber, QString *error = nullptr, bool replace = false);
    int comNumber() const;
    QString linkPath() const;  // empty when not published
    QString slavePath() const; // empty when not running

    // The block the servo holds now (and answers with).
    QByteArray block() const;
    void setBlock(const QByteArray &block);

    void setFault(Fault fault, int count = -1);
    Fault fault() const;
    int faultRemaining() const; // -1 always, 0 once used up

    void setReplyDelayMs(int ms);
    void setByteTimeUs(int us);

    // Every byte received since start (or the last clearReceived()).
    QByteArray received() const;
    void clearReceived();
    // Waits until at least `bytes` bytes have been received; false on time-out.
    bool waitForReceived(int bytes, int timeoutMs) const;
    // Waits until every answer due has been written completely (or dropped
    // by a fault); false on time-out.
    bool waitForIdle(int timeoutMs) const;

    int readRequestCount() const;
    int programmingFrameCount() const; // complete frames, stored or not
    int storedFrameCount() const;      // frames whose block was stored or reset
    int answerCount() const;           // answers written completely

    // Test hook: writes bytes to the program as they are, at once, after any
    // answer still being written. Not counted as an answer.
    void sendRaw(const QByteArray &bytes);

    // One line per request or frame handled, called from the emulator's thread.
    void setLogger(std::function<void(const QString &)> logger);

    // A plausible servo: "OS2403A1" 05DC 5A 64 00 00 02 00 "00000000"
    // (throw 90, speed 100, deadband 2). Its checksum is "AB", so the
    // lower-case faults show.
    static QByteArray defaultBlock();
    // The factory settings a reset request restores, name and tail kept:
    // pulse 05DC, throw 5A, speed 64, centre 00, reverse 00, deadband 02, reset 00.
    static QByteArray withFactorySettings(const QByteArray &block);

private:
    struct Job {
        QByteArray bytes;
        int64_t dueUs = 0; // monotonic time of the first byte
        bool paced = true;
        bool isAnswer = true;
        // Bytes from this index on leave in one write, when the first of them
        // is due (an over-long answer arrives complete in one piece).
        int groupFrom = -1;
        int written = 0;
    };

    void run(int masterFd, int wakeFd);
    void handleInput(const QByteArray &data, int64_t nowUs);
    void handleRequest(int64_t nowUs);
    void handleFrame(const QByteArray &frame, int64_t nowUs);
    bool takeFault(bool isReply, Fault *applied);
    void queueAnswer(const QByteArray &bytes, bool early, int64_t nowUs, int groupFrom = -1);
    void expirePartialFrame(int64_t nowUs);
    bool writeDue(int masterFd, int64_t nowUs, int64_t *nextDueUs);
    void flushIgnored();
    void log(const QString &line);
    void closeFds();
    void stopThread();
    void removeLink();
    void wake();

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    std::thread m_thread;
    bool m_stopRequested = false;

    int m_master = -1;
    int m_slave = -1;
    int m_wakePipe[2] = {-1, -1};
    QString m_slavePath;
    int m_com = 0;
    QString m_link;

    QByteArray m_block;
    Fault m_fault = Fault::None;
    int m_faultCount = -1;
    int m_replyDelayMs = 100;
    int m_byteTimeUs = 521;

    QByteArray m_received;
    int m_readRequests = 0;
    int m_frames = 0;
    int m_stored = 0;
    int m_answers = 0;
    std::function<void(const QString &)> m_logger;

    // Thread-only parser state.
    QByteArray m_frameBuf; // inside a frame when not empty
    int64_t m_lastByteUs = 0;
    QByteArray m_ignored;
    std::deque<Job> m_jobs; // changed under m_mutex (waitForIdle, sendRaw)
    bool m_writeBlocked = false;
};

} // namespace servoemu
