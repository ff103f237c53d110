// The read and programming exchanges against in-process servos: what goes
// out, which answers count, what is kept.
#include "link/messages.h"
#include "support/servotransport.h"

#include <QTest>

using namespace tessaro;

using link::ReadStatus;
using servoemu::Fault;

namespace {
// Its checksum "AB" has letters, so a lower-case one differs.
const QByteArray Letters = servoemu::Responder::defaultBlock();
} // namespace

class TestExchanges : public QObject {
    Q_OBJECT

private slots:
    // A block with bytes above 0x7F, read whole at the first request; name and tail kept
    // for the frame that goes back to the servo.
    void bytesAbove0x7FAreReadAndKept() {
        const QByteArray high = QByteArray("\xC9l\xE8ve\x80\x99!", 8) + "05DC5A6400000200" +
                                QByteArray("\0\xFF\x80\x7F\r", 5) + "abc";
        LinkRig link;
        link.servos->add(1, high);
        link.session.FindComPorts();
        QCOMPARE(link.session.readPort(0).status, ReadStatus::Read);
        QCOMPARE(link.servos->at(1).received(), QByteArray("U"));
        QCOMPARE(link.session.settingsBlock(), high);
        QCOMPARE(link.session.servoName() + link.session.blockTail(), high.left(8) + high.right(8));
    }

    void answerAfterTheWaitIsNoReply_data() {
        QTest::addColumn<int>("tick"); // of the reply wait's clock, when the answer arrives
        QTest::addColumn<ReadStatus>("status");
        QTest::newRow("at the wait's last tick") << link::ReplyTimeoutTicks << ReadStatus::Read;
        QTest::newRow("a tick after it") << link::ReplyTimeoutTicks + 1 << ReadStatus::NoReply;
    }

    void answerAfterTheWaitIsNoReply() {
        QFETCH(int, tick);
        LinkRig link;
        link.servos->add(1);
        link.session.FindComPorts();
        link.servos->arrives = [&] { return link.session.clock().ticks() >= tick; };
        QTEST(link.session.readPort(0).status, "status");
    }

    void framingBytesDecide() {
        QByteArray reply = link::buildFrame(QByteArray(32, '0')); // sums to 0x600
        QCOMPARE(reply.mid(33, 2), QByteArray("00"));
        QCOMPARE(link::checkReplyFrame(reply), link::ReplyCheck::Valid);
        reply[35] = 0x0A;
        QCOMPARE(link::checkReplyFrame(reply), link::ReplyCheck::Invalid);
        reply[35] = link::EndByte;
        reply[0] = 0x0B;
        QCOMPARE(link::checkReplyFrame(reply), link::ReplyCheck::Invalid);
    }

    void programmingFramesAreTheWorkedExamples() {
        LinkRig link;
        link.servos->add(1);
        link.session.FindComPorts();
        QCOMPARE(link.session.readPort(0).status, ReadStatus::Read);
        settings::EditorValues values;
        const auto unchanged = link.session.programPort(0, link.session.blockFor(values));
        values.fields.centre = -5;
        values.fields.reverse = values.fields.reset = 1;
        const auto reset = link.session.programPort(0, link.session.blockFor(values));
        // The trace test holds the three writes apart.
        QCOMPARE(link.servos->writes.mid(1).join(),
                 "\f1234567805DC5A64000002000000000072\r\f1234567805D75A64FB0102010000000090\r");
        QCOMPARE(unchanged.reply + reset.reply, QByteArray("7290"));
    }

    void shortAcknowledgementIsZeros() {
        LinkRig link;
        link.servos->add(1, Letters).setFault(Fault::ShortAck);
        link.session.FindComPorts();
        const auto outcome = link.session.programPort(0, Letters);
        QCOMPARE(outcome.reply, QByteArray(2, '\0'));
        QCOMPARE(outcome.replyBytes, 1);
    }
};

QTEST_GUILESS_MAIN(TestExchanges)
#include "tst_exchanges.moc"
