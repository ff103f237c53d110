// The servo link without a window: the port, its waits, the port listing,
// the read and programming exchanges, and what the last read found. It
// reports what happens through the outcomes it returns, and records it in
// the trace (trace.h); it never shows a message itself: the window and the
// command line decide how to tell the user.
#pragma once

#include "link/failure.h"
#include "link/portlocator.h"
#include "link/protocol.h"
#include "link/serialport.h"
#include "link/tickclock.h"
#include "settings/settingsblock.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

namespace tessaro::link {

// The link procedures' results, as small integers.
inline constexpr int NoServo = 0;
inline constexpr int BlockRead = 2;

enum class ReadStatus {
    NoReply, // no reply, a short or long one, a bad frame, or checksums that never matched
    Read,    // a block whose checksum matched and whose fields can be shown
    Refused, // checksum matched, but a field no editor can show; nothing of it is kept
    Error,   // the port could not be used; failure says why
};

struct ReadOutcome {
    ReadStatus status = ReadStatus::NoReply;
    LinkFailure failure; // Error: why the port could not be used
    QString refusal;     // Refused: the field and what it held ("throw field: 141")
    ReplyCheck lastVerdict = ReplyCheck::Invalid; // of the last reply
    int repeats = 0;         // read requests sent again after a checksum mismatch
    int replyBytes = 0;      // bytes waiting when the last wait ended
    bool otherServo = false; // readSameServo: another name or tail than the last read's
};

enum class ProgramStatus { Acknowledged, WrongAcknowledgement, Error };

struct ProgramOutcome {
    ProgramStatus status = ProgramStatus::Error;
    QByteArray reply;       // the two acknowledgement bytes, or zeros
    int replyBytes = 0;     // bytes waiting when the wait ended
    bool frameSent = false; // all three writes went out
    bool cancelled = false; // cancel() ended the wait
    LinkFailure failure;    // Error: why
};

struct SearchOutcome {
    int found = -1;                 // the listed index where a servo answered, or -1
    std::vector<ReadOutcome> tried; // one per port tried, in list order
};

class Session {
public:
    // A null transport means real serial ports.
    explicit Session(PortLocator ports, std::unique_ptr<Transport> transport = nullptr);

    // Probes ports 1 to 21 and lists those that open, in order.
    void FindComPorts();
    const std::vector<int> &portTable() const { return m_portTable; }
    const std::vector<PortProbe> &refusedPorts() const { return m_refused; }
    // True when nothing is listed or a listed port's device has gone since.
    bool listedPortsGone() const;

    // The read exchange on listed port `index`: open, request, repeat on a
    // checksum mismatch (bounded), close.
    ReadOutcome readPort(int index);
    // Reads the servo on `index` again just before it is programmed. When it
    // shows another name or tail than the last read, otherServo is set and the
    // session keeps the first servo's, so nothing of one servo reaches the other.
    ReadOutcome readSameServo(int index);
    // Tries the listed ports in order until a servo answers.
    SearchOutcome search();
    // Sends a programming frame carrying `block` to listed port `index` and
    // checks the acknowledgement.
    ProgramOutcome programPort(int index, const QByteArray &block);

    // AwaitReply's wait on the open port: exactly n bytes, or empty for no reply.
    QByteArray AwaitReply(int n);

    // What the last accepted read found.
    const QByteArray &settingsBlock() const { return m_settingsBlock; }
    const QByteArray &servoName() const { return m_servoName; }
    const QByteArray &blockTail() const { return m_blockTail; }
    // The block to program: the servo's own name and tail around the values.
    QByteArray blockFor(const settings::EditorValues &values) const;

    // One exchange at a time: hold an Exchange for as long as one runs.
    class Exchange {
    public:
        explicit Exchange(Session &session);
        ~Exchange();
        Exchange(const Exchange &) = delete;
        Exchange &operator=(const Exchange &) = delete;
        explicit operator bool() const { return m_acquired; }

    private:
        Session &m_session;
        bool m_acquired;
    };
    bool busy() const { return m_depth > 0; }
    // Ends the running wait at once; nothing more is sent until the exchange is over.
    void cancel() { m_cancelled = true; }
    bool cancelled() const { return m_cancelled; }

    SerialPortControl &port() { return MSComm1; }
    const TickClock &clock() const { return m_clock; }

private:
    void settleWait();
    void openListedPort(int index, const char *exchange);
    void readOpenPort(ReadOutcome &outcome);
    void closePortIfOpen();

    SerialPortControl MSComm1;
    TickClock m_clock;
    std::vector<int> m_portTable;
    std::vector<PortProbe> m_refused;
    QByteArray m_settingsBlock;
    QByteArray m_servoName = QByteArray(settings::NameLen, ' ');
    QByteArray m_blockTail;
    QByteArray FlushBuffer;
    int m_replyBytes = 0; // InBufferCount when the last wait ended
    int m_depth = 0;
    bool m_cancelled = false;
};

} // namespace tessaro::link
