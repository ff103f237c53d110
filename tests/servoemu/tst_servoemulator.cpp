// The virtual servo, driven from the test side through the real pty with
// plain POSIX calls on its published COM link.
#include "link/protocol.h"
#include "servoemulator.h"
#include "support/privateportfolder.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using servoemu::Fault;
using servoemu::ServoEmulator;

namespace {

const QByteArray WorkedBlock = QByteArrayLiteral("1234567805DC5A640000020000000000");
constexpr int Patience = 5000; // only so that a broken build cannot hang

// The program's end of the line, opened as a program would open COMn.
class RawPort {
public:
    explicit RawPort(const QString &path) {
        m_fd =
            ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (m_fd >= 0) {
            termios tio{};
            ::tcgetattr(m_fd, &tio);
            ::cfmakeraw(&tio);
            ::tcsetattr(m_fd, TCSANOW, &tio);
        }
    }
    ~RawPort() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool isOpen() const { return m_fd >= 0; }

    bool write(const QByteArray &bytes) {
        return ::write(m_fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    }

    // Reads until n bytes have come (or the patience runs out), then keeps
    // reading until the line has been quiet for quietMs, so that any byte
    // beyond n is caught too.
    QByteArray read(int n, int quietMs = 100) {
        QByteArray out;
        QElapsedTimer timer;
        timer.start();
        while (out.size() < n && timer.elapsed() < Patience && !m_gone)
            readSome(&out, 50);
        while (!m_gone && readSome(&out, quietMs)) {
        }
        return out;
    }

    // True when bytes came within waitMs; false on time-out or when the line is gone.
    bool readSome(QByteArray *out, int waitMs) {
        pollfd p{m_fd, POLLIN, 0};
        if (::poll(&p, 1, waitMs) <= 0)
            return false;
        char buf[256];
        const ssize_t n = ::read(m_fd, buf, sizeof buf);
        if (n <= 0) {
            m_lastErrno = n < 0 ? errno : 0;
            m_gone = true;
            return false;
        }
        out->append(buf, int(n));
        return true;
    }

    bool gone() const { return m_gone; }
    int lastErrno() const { return m_lastErrno; }

private:
    int m_fd = -1;
    bool m_gone = false;
    int m_lastErrno = 0;
};

QByteArray programmingFrame(const QByteArray &block) {
    // Same layout as a reply frame.
    return protocol::buildFrame(block);
}

} // namespace

class TestServoEmulator : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void publishCreatesLinkAndStopRemovesIt();
    void readRequestAnsweredWithExactFrame();
    void programmingFrameAcknowledgedAndStored();
    void highBytesInNameAndTailPreserved();
    void resetRequestRestoresDefaultsKeepingNameAndTail();
    void wrongChecksumFrameAcknowledgedButNotStored();
    void garbageIgnoredAndResynchronised();
    void faultByteCounts_data();
    void faultByteCounts();
    void faultCountRunsOut();
    void silentNeverAnswers();
    void pullCableAndPlugBack();
    void liveLinkNotTakenOver();

private:
    std::unique_ptr<PrivatePortFolder> m_folder;
    std::unique_ptr<ServoEmulator> m_emu;
    QString m_link;

    // Tests answer after 5 ms rather than the servo-like 100 ms unless asked.
    void startEmulator(servoemu::Options options, int com = 1, bool servoTiming = false);
};

void TestServoEmulator::init() {
    m_folder = std::make_unique<PrivatePortFolder>();
}

void TestServoEmulator::cleanup() {
    m_emu.reset();
    m_folder.reset();
}

void TestServoEmulator::startEmulator(servoemu::Options options, int com, bool servoTiming) {
    if (!servoTiming)
        options.replyDelayMs = 5;
    m_emu = std::make_unique<ServoEmulator>(options);
    QString error;
    QVERIFY2(m_emu->start(&error), qPrintable(error));
    QVERIFY2(m_emu->publishAs(com, &error), qPrintable(error));
    m_link = m_emu->linkPath();
}

void TestServoEmulator::publishCreatesLinkAndStopRemovesIt() {
    startEmulator({}, 7);
    QCOMPARE(QFileInfo(m_link).fileName(), QStringLiteral("COM7"));
    QVERIFY(m_link.startsWith(m_folder->path()));
    QCOMPARE(QFileInfo(m_link).symLinkTarget(), m_emu->slavePath());
    m_emu->stop();
    QVERIFY(!QFileInfo(m_link).isSymLink());
}

void TestServoEmulator::readRequestAnsweredWithExactFrame() {
    servoemu::Options o;
    o.block = WorkedBlock;
    startEmulator(o, 1, true);
    RawPort port(m_link);
    QVERIFY(port.isOpen());
    QVERIFY(port.write(QByteArray(1, protocol::ReadRequest)));
    const QByteArray reply = port.read(36);
    QCOMPARE(reply, QByteArray("\x0C"
                               "1234567805DC5A640000020000000000"
                               "72"
                               "\x0D"));
    QCOMPARE(protocol::checkReplyFrame(reply), protocol::ReplyCheck::Valid);
    QCOMPARE(m_emu->readRequestCount(), 1);
    QCOMPARE(m_emu->received(), QByteArray(1, protocol::ReadRequest));
}

void TestServoEmulator::programmingFrameAcknowledgedAndStored() {
    startEmulator({});
    RawPort port(m_link);
    const QByteArray newBlock = QByteArrayLiteral("1234567805D75A64FB01020000000000");
    const QByteArray frame = programmingFrame(newBlock);
    QVERIFY(port.write(frame));
    QCOMPARE(port.read(2), protocol::frameChecksum(newBlock));
    QCOMPARE(m_emu->block(), newBlock);
    QCOMPARE(m_emu->programmingFrameCount(), 1);
    QCOMPARE(m_emu->storedFrameCount(), 1);
    QCOMPARE(m_emu->received(), frame);

    QVERIFY(port.write(QByteArray(1, protocol::ReadRequest)));
    QCOMPARE(port.read(36), protocol::buildFrame(newBlock));
}

void TestServoEmulator::highBytesInNameAndTailPreserved() {
    startEmulator({});
    RawPort port(m_link);
    QByteArray name("\x80\xFF\xC3\xA9 U\x0C\x0D", 8);
    QByteArray tail("\x0D\x55\x0C\x00\xFE\x81\x7F\x90", 8);
    const QByteArray newBlock = name + "05DC5A6400000200" + tail;
    QCOMPARE(newBlock.size(), 32);
    QVERIFY(port.write(programmingFrame(newBlock)));
    QCOMPARE(port.read(2), protocol::frameChecksum(newBlock));
    QCOMPARE(m_emu->block(), newBlock);
    QVERIFY(port.write(QByteArray(1, protocol::ReadRequest)));
    QCOMPARE(port.read(36), protocol::buildFrame(newBlock));
}

void TestServoEmulator::resetRequestRestoresDefaultsKeepingNameAndTail() {
    startEmulator({});
    RawPort port(m_link);
    const QByteArray request = QByteArrayLiteral("ABCDEFGH"
                                                 "05D7"
                                                 "8C"
                                                 "01"
                                                 "FB"
                                                 "01"
                                                 "10"
                                                 "01"
                                                 "tail\xE9\x01zz");
    QVERIFY(port.write(programmingFrame(request)));
    QCOMPARE(port.read(2), protocol::frameChecksum(request));
    const QByteArray expected = QByteArrayLiteral("ABCDEFGH"
                                                  "05DC5A6400000200"
                                                  "tail\xE9\x01zz");
    QCOMPARE(m_emu->block(), expected);
    QCOMPARE(ServoEmulator::withFactorySettings(request), expected);
    QVERIFY(port.write(QByteArray(1, protocol::ReadRequest)));
    QCOMPARE(port.read(36), protocol::buildFrame(expected));
}

void TestServoEmulator::wrongChecksumFrameAcknowledgedButNotStored() {
    startEmulator({});
    RawPort port(m_link);
    QByteArray frame = programmingFrame(WorkedBlock);
    frame[33] = '7';
    frame[34] = '3';
    QVERIFY(port.write(frame));
    QCOMPARE(port.read(2), QByteArray("73"));
    QCOMPARE(m_emu->block(), ServoEmulator::defaultBlock());
    QCOMPARE(m_emu->programmingFrameCount(), 1);
    QCOMPARE(m_emu->storedFrameCount(), 0);
}

void TestServoEmulator::garbageIgnoredAndResynchronised() {
    servoemu::Options o;
    o.block = WorkedBlock;
    startEmulator(o);
    RawPort port(m_link);
    // A start byte followed by a frame's worth of bytes without an end byte,
    // then stray bytes, then a read request.
    QByteArray junk = QByteArray(1, protocol::StartByte) + QByteArray(35, 'x') + "\x0D\x01\xFFq";
    QVERIFY(port.write(junk + QByteArray(1, protocol::ReadRequest)));
    QCOMPARE(port.read(36), protocol::buildFrame(WorkedBlock));
    QCOMPARE(m_emu->readRequestCount(), 1);
    QCOMPARE(m_emu->programmingFrameCount(), 0);
    QCOMPARE(m_emu->block(), WorkedBlock);
}

void TestServoEmulator::faultByteCounts_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<bool>("program");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray frame = protocol::buildFrame(ServoEmulator::defaultBlock()); // checksum "AB"
    QTest::newRow("wrong-checksum") << Fault::WrongChecksum << false << frame.left(33) + "AC\x0D";
    QTest::newRow("lowercase-checksum")
        << Fault::LowerCaseChecksum << false << frame.left(33) + "ab\x0D";
    QTest::newRow("short-reply") << Fault::Short35 << false << frame.left(35);
    QTest::newRow("long-reply") << Fault::Long37 << false << frame + QByteArray(1, '\0');
    QTest::newRow("early-reply") << Fault::EarlyReply << false << frame;
    // The programming frame sends the default block with checksum "AB".
    QTest::newRow("wrong-ack") << Fault::WrongAck << true << QByteArray("AC");
    QTest::newRow("short-ack") << Fault::ShortAck << true << QByteArray("A");
    QTest::newRow("long-ack") << Fault::LongAck << true << QByteArray("AB0");
    QTest::newRow("lowercase-ack") << Fault::LowerCaseAck << true << QByteArray("ab");
    QTest::newRow("no-ack") << Fault::NoAck << true << QByteArray();
    // A reply fault leaves acknowledgements alone, and the other way round.
    QTest::newRow("short-reply on ack") << Fault::Short35 << true << QByteArray("AB");
    QTest::newRow("long-ack on reply") << Fault::LongAck << false << frame;
}

void TestServoEmulator::faultByteCounts() {
    QFETCH(Fault, fault);
    QFETCH(bool, program);
    QFETCH(QByteArray, expected);
    servoemu::Options o;
    o.fault = fault;
    startEmulator(o);
    RawPort port(m_link);
    QVERIFY(port.write(program ? programmingFrame(ServoEmulator::defaultBlock())
                               : QByteArray(1, protocol::ReadRequest)));
    if (expected.isEmpty()) {
        QVERIFY(m_emu->waitForReceived(36, Patience));
        QTRY_COMPARE_WITH_TIMEOUT(m_emu->programmingFrameCount(), 1, Patience);
    }
    QVERIFY(m_emu->waitForIdle(Patience));
    QCOMPARE(port.read(expected.size()), expected);
    if (program) // acknowledgement faults still store the block
        QCOMPARE(m_emu->storedFrameCount(), 1);
}

void TestServoEmulator::faultCountRunsOut() {
    servoemu::Options o;
    o.fault = Fault::Short35;
    o.faultCount = 1;
    startEmulator(o);
    RawPort port(m_link);
    QVERIFY(port.write(QByteArray(1, protocol::ReadRequest)));
    QCOMPARE(port.read(35).size(), 35);
    QCOMPARE(m_emu->faultRemaining(), 0);
    QVERIFY(port.write(QByteArray(1, protocol::ReadRequest)));
    QCOMPARE(port.read(36), protocol::buildFrame(ServoEmulator::defaultBlock()));

    m_emu->setFault(Fault::Long37, 2);
    for (int i = 0; i < 2; ++i) {
        QVERIFY(port.write(QByteArray(1, protocol::ReadRequest)));
        QCOMPARE(port.read(37).size(), 37);
    }
    QVERIFY(port.write(QByteArray(1, protocol::ReadRequest)));
    QCOMPARE(port.read(36).size(), 36);
}

void TestServoEmulator::silentNeverAnswers() {
    servoemu::Options o;
    o.fault = Fault::Silent;
    startEmulator(o);
    RawPort port(m_link);
    const QByteArray frame = programmingFrame(WorkedBlock);
    QVERIFY(port.write(QByteArray(1, protocol::ReadRequest) + frame));
    QVERIFY(m_emu->waitForReceived(37, Patience));
    QTRY_COMPARE_WITH_TIMEOUT(m_emu->programmingFrameCount(), 1, Patience);
    QCOMPARE(m_emu->readRequestCount(), 1);
    QVERIFY(m_emu->waitForIdle(Patience));
    QCOMPARE(port.read(0), QByteArray());
    QCOMPARE(m_emu->answerCount(), 0);
    QCOMPARE(m_emu->block(), ServoEmulator::defaultBlock()); // a silent servo stores nothing
}

void TestServoEmulator::pullCableAndPlugBack() {
    startEmulator({}, 4);
    const QString firstSlave = m_emu->slavePath();
    {
        RawPort port(m_link);
        QVERIFY(port.isOpen());
        m_emu->pullCable();
        QVERIFY(!m_emu->isRunning());
        QVERIFY(!QFileInfo(m_link).isSymLink());
        QByteArray got;
        QElapsedTimer timer;
        timer.start();
        while (!port.gone() && timer.elapsed() < Patience)
            port.readSome(&got, 50);
        QVERIFY(port.gone()); // the program's side sees the device go (EIO or end of file)
    }
    QString error;
    QVERIFY2(m_emu->plugBack(&error), qPrintable(error));
    QCOMPARE(m_emu->comNumber(), 4);
    QCOMPARE(QFileInfo(m_link).symLinkTarget(), m_emu->slavePath());
    RawPort port(m_link);
    QVERIFY(port.write(QByteArray(1, protocol::ReadRequest)));
    QCOMPARE(port.read(36), protocol::buildFrame(ServoEmulator::defaultBlock()));
    Q_UNUSED(firstSlave);
}

void TestServoEmulator::liveLinkNotTakenOver() {
    startEmulator({}, 2);
    ServoEmulator other;
    QString error;
    QVERIFY(other.start(&error));
    QVERIFY(!other.publishAs(2, &error));
    QVERIFY(error.contains(QStringLiteral("COM2")));
    QCOMPARE(QFileInfo(m_link).symLinkTarget(), m_emu->slavePath());
    QVERIFY2(other.publishAs(2, &error, true), qPrintable(error));
    QCOMPARE(QFileInfo(m_link).symLinkTarget(), other.slavePath());
    // Stopping the first must not remove the link that now leads to the other.
    m_emu->stop();
    QCOMPARE(QFileInfo(m_link).symLinkTarget(), other.slavePath());
    other.stop();
    QVERIFY(!QFileInfo(m_link).isSymLink());
}

QTEST_GUILESS_MAIN(TestServoEmulator)
#include "tst_servoemulator.moc"
