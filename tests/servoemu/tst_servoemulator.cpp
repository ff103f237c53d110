// The virtual servo's protocol and fault rules, through the pure Responder. Its
// pty, pulled and plugged back, is the end-to-end tests' and tessaro-cli's.
#include "link/protocol.h"
#include "servoemu/responder.h"

#include <QTest>

using namespace tessaro;

using namespace tessaro::servoemu;
using link::buildFrame;

namespace {

const QByteArray Request(1, link::ReadRequest);
const QByteArray Reply("\x0COS2403A105DC5A640000020000000000AB\x0D");
const QByteArray NewBlock("NEWSERVO05D75A64FB0102000000TAIL"); // checksum "CE"

} // namespace

class TestServoEmulator : public QObject {
    Q_OBJECT

private slots:
    void answersAndStores_data() {
        QTest::addColumn<Fault>("fault");
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
                      const QByteArray &answer, const QByteArray &block, int groupFrom = -1) {
            QTest::newRow(name) << fault << chunks << answer << groupFrom << block;
        };
        using enum Fault;
        row("reset request", None, {buildFrame(reset)}, link::frameChecksum(reset), factory);
        row("bad checksum", None, {f.left(33) + "73\x0D"}, "73", def);
        row("bytes above 0x7F", None, {buildFrame(high), Request},
            link::frameChecksum(high) + buildFrame(high), high);
        row("no end byte", None, {"\x0C" + QByteArray(34, 'x') + Request}, Reply, def);
        // An empty chunk: the line went quiet in the middle of a frame.
        row("unfinished frame dropped", None, {f.left(10), {}, f.mid(10) + Request}, Reply, def);
        row("long-reply", Long37, {Request}, Reply + '\0', def, 35);
        row("early-reply", EarlyReply, {Request, f}, Reply + "CE", NewBlock);
    }

    void answersAndStores() {
        QFETCH(Fault, fault);
        QFETCH(QByteArrayList, chunks);
        QFETCH(int, groupFrom);
        Responder servo;
        servo.setFault(fault);
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
};

QTEST_GUILESS_MAIN(TestServoEmulator)

#include "tst_servoemulator.moc"
