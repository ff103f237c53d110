// The virtual servo: its protocol and fault rules through the pure Responder,
// and the pty emulator only for what the pty adds.
#include "link/protocol.h"
#include "servoemu/responder.h"
#include "servoemu/servoemulator.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

using namespace tessaro;

using namespace tessaro::servoemu;
using link::buildFrame;

namespace {

constexpr int Patience = 5000; // only so that a broken build cannot hang
const QByteArray Request(1, link::ReadRequest);
const QByteArray Reply("\x0COS2403A105DC5A640000020000000000AB\x0D");
const QByteArray NewBlock("NEWSERVO05D75A64FB0102000000TAIL"); // checksum "CE"

// The program's end of the line, as the program opens COMn.
int openLine(const QString &link) {
    return ::open(QFile::encodeName(link).constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
}

// Writes out and reads until n bytes came or the line stays quiet.
QByteArray exchange(const QString &link, const QByteArray &out, int n) {
    const int fd = openLine(link);
    QByteArray in(n, '\0');
    int got = 0;
    pollfd p{fd, POLLIN, 0};
    if (fd >= 0 && ::write(fd, out.constData(), size_t(out.size())) == out.size())
        while (n > got && ::poll(&p, 1, Patience) > 0) {
            const ssize_t r = ::read(fd, in.data() + got, size_t(n - got));
            if (r <= 0)
                break;
            got += int(r);
        }
    ::close(fd);
    return in.left(got);
}

} // namespace

class TestServoEmulator : public QObject {
    Q_OBJECT

private slots:
    void answersAndStores_data() {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("groupFrom");
        QTest::addColumn<QByteArray>("block");
        const QByteArray def = Responder::defaultBlock();
        const QByteArray f = buildFrame(NewBlock);
        const QByteArray reset("ABCDEFGH05D78C01FB011001tail\xE9\x01zz");
        const QByteArray factory("ABCDEFGH05DC5A6400000200tail\xE9\x01zz");
        const QByteArray high = QByteArray("\x80\xFF\xC3\xA9 U\x0C\x0D", 8) + "05DC5A6400000200" +
                                QByteArray("\x0D\x55\x0C\x00\xFE\x81\x7F\x90", 8);

        auto row = [](const char *name, Fault fault, const QByteArrayList &chunks,
                      const QByteArray &answer, const QByteArray &block, int groupFrom = -1,
                      int count = -1) {
            QTest::newRow(name) << fault << count << chunks << answer << groupFrom << block;
        };
        using enum Fault;
        row("read request", None, {Request}, Reply, def);
        row("programming frame", None, {f}, "CE", NewBlock);
        row("frame in pieces", None, {f.left(1), f.mid(1, 20), f.mid(21)}, "CE", NewBlock);
        row("reset request", None, {buildFrame(reset)}, link::frameChecksum(reset), factory);
        row("bad checksum", None, {f.left(33) + "73\x0D"}, "73", def);
        row("bytes above 0x7F", None, {buildFrame(high), Request},
            link::frameChecksum(high) + buildFrame(high), high);
        row("no end byte", None, {"\x0C" + QByteArray(34, 'x') + Request}, Reply, def);
        // An empty chunk: the line went quiet in the middle of a frame.
        row("unfinished frame dropped", None, {f.left(10), {}, f.mid(10) + Request}, Reply, def);
        row("silent", Silent, {Request, f}, "", def);
        row("long-reply", Long37, {Request}, Reply + '\0', def, 35);
        row("early-reply", EarlyReply, {Request, f}, Reply + "CE", NewBlock);
        row("reply fault not on acks", Short35, {f, Request}, "CE" + f.left(35), NewBlock, -1, 1);
        row("count runs out", Short35, {Request, Request}, Reply.left(35) + Reply, def, -1, 1);
    }

    void answersAndStores() {
        QFETCH(Fault, fault);
        QFETCH(int, count);
        QFETCH(QByteArrayList, chunks);
        QFETCH(int, groupFrom);
        Responder servo;
        servo.setFault(fault, count);
        QByteArray got;
        for (const QByteArray &chunk : chunks) {
            if (chunk.isEmpty()) {
                QVERIFY(servo.inFrame());
                servo.dropPartialFrame();
            }
            for (const Answer &a : servo.receive(chunk)) {
                QVERIFY(!a.bytes.isEmpty());
                QCOMPARE(a.early, fault == Fault::EarlyReply);
                QCOMPARE(a.groupFrom, groupFrom);
                got += a.bytes;
            }
        }
        QTEST(got, "answer");
        QTEST(servo.block(), "block");
        // Every row that stores changes the block, once.
        QCOMPARE(servo.storedFrameCount(), servo.block() == Responder::defaultBlock() ? 0 : 1);
        QCOMPARE(servo.received(), chunks.join());
    }

    void answersThroughPtyUntilCablePulledAndPlugBackPublishesAgain() {
        const QTemporaryDir dir;
        Options options;
        options.portFolder = dir.path();
        ServoEmulator servo(options);
        QCOMPARE(servo.start(), QString());
        QCOMPARE(servo.publishAs(4), QString());
        const QString link = servo.linkPath();
        QCOMPARE(link, dir.filePath(QStringLiteral("COM4")));
        QCOMPARE(exchange(link, Request, 36), Reply);
        const int fd = openLine(link);
        servo.pullCable();
        pollfd p{fd, POLLIN, 0};
        char c;
        const bool gone = fd >= 0 && ::poll(&p, 1, Patience) == 1 && ::read(fd, &c, 1) <= 0;
        ::close(fd);
        QVERIFY(gone && !QFileInfo(link).isSymLink());
        QCOMPARE(servo.plugBack(), QString());
        QCOMPARE(QFileInfo(link).symLinkTarget(), servo.slavePath());
    }
};

QTEST_GUILESS_MAIN(TestServoEmulator)

#include "tst_servoemulator.moc"
