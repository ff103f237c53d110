// The virtual servo on a pseudo-terminal: a Responder (responder.h) behind
// a real pty, with the servo's reply delay and 19200-baud pacing, for tests
// and for trying the program without a servo. It runs its own thread, so it
// keeps answering while the program under test sits in its own event loop.
//
// The program opens the pty's slave side through the link COMn that
// publishAs() places in the port folder.
#pragma once

#include "servoemu/responder.h"

#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace tessaro::servoemu {

struct Options {
    QByteArray block; // empty: ServoEmulator::defaultBlock()
    Fault fault = Fault::None;
    int faultCount = -1;     // answers the fault applies to; -1 = always
    int replyDelayMs = 100;  // from the end of a request to the first answer byte
    int byteTimeUs = 521;    // one byte at 19200 baud, 10 bits
    QString portFolder = {}; // where COMn is published; empty: link::ensureVirtualPortFolder()
    Responder::Script script = {}; // set: answers instead of the servo's rules (a replay)
};

class ServoEmulator {
public:
    explicit ServoEmulator(const Options &options = Options());
    ~ServoEmulator();

    ServoEmulator(const ServoEmulator &) = delete;
    ServoEmulator &operator=(const ServoEmulator &) = delete;

    // Opens a new pty and starts answering. When a COM number was published
    // before (and the cable pulled since), the link is published again.
    // Returns why the pty or the link cannot be made; empty on success.
    QString start();
    // Stops answering, closes the pty and removes the link (if still ours).
    void stop();
    bool isRunning() const;

    // The adapter pulled out: the pty closes under the program and the link
    // goes away; the COM number is remembered for plugBack().
    void pullCable();
    QString plugBack() { return start(); }

    // Creates COMn -> slave path in the virtual port folder. Refuses to
    // replace a link that leads to an existing device unless replace is set.
    // Returns why it cannot; empty on success.
    QString publishAs(int comNumber, bool replace = false);
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

    static QByteArray defaultBlock() { return Responder::defaultBlock(); }
    static QByteArray withFactorySettings(const QByteArray &block) {
        return Responder::withFactorySettings(block);
    }

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
    void queueAnswer(const Answer &answer, int64_t nowUs); // under m_mutex
    void expirePartialFrame(int64_t nowUs);                // under m_mutex
    bool writeDue(int masterFd, int64_t nowUs, int64_t *nextDueUs);
    void log(const QString &line);
    void flushLog();
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
    const QString m_portFolder;

    Responder m_responder;
    QStringList m_pendingLog; // the responder's lines, logged outside m_mutex
    int m_replyDelayMs = 100;
    int m_byteTimeUs = 521;
    int m_answers = 0;
    std::function<void(const QString &)> m_logger;

    int64_t m_lastByteUs = 0; // thread only
    std::deque<Job> m_jobs;   // changed under m_mutex (waitForIdle, sendRaw)
    bool m_writeBlocked = false;
};

} // namespace tessaro::servoemu
