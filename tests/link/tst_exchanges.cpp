// The port listing, and the read and programming exchanges against in-process
// servos: what goes out, which answers count, what is kept; exchanges cut short
// by a pulled cable or a cancel, and the next one run as ever.
#include "link/messages.h"
#include "support/servotransport.h"

#include <QTest>
#include <QTimer>

using namespace tessaro;

using link::ReadStatus;
using servoemu::Fault;

class TestExchanges : public QObject {
    Q_OBJECT

private slots:
    void portsThatOpenAreListedInOrder_data() {
        QTest::addColumn<std::vector<int>>("servos"); // negative: held by another program
        QTest::addColumn<std::vector<int>>("listed");
        QTest::newRow("7 and 3") << std::vector<int>{7, 3} << std::vector<int>{3, 7};
        QTest::newRow("none") << std::vector<int>{} << std::vector<int>{};
        QTest::newRow("5 in use") << std::vector<int>{2, -5} << std::vector<int>{2};
        QTest::newRow("22 is past the last") << std::vector<int>{21, 22} << std::vector<int>{21};
    }

    void portsThatOpenAreListedInOrder() {
        QFETCH(std::vector<int>, servos);
        QFETCH(std::vector<int>, listed);
        LinkRig link;
        for (int com : servos) {
            link.servos->add(std::abs(com));
            if (com < 0)
                link.servos->refuse(-com, link::OpenFailure::Busy);
        }
        link.session.FindComPorts();
        QCOMPARE(link.session.portTable(), listed);
        QCOMPARE(link.session.listedPortsGone(), listed.empty());
        QVERIFY(!link.session.port().portOpen());
    }

    void searchStopsAtTheFirstServo() {
        LinkRig link;
        for (int com : {3, 7, 9})
            link.servos->add(com);
        link.servos->at(3).setFault(Fault::Long37);
        link.session.FindComPorts();
        QCOMPARE(link.session.search().found, 1);
        QCOMPARE(link.servos->at(9).readRequestCount(), 0);
    }

    // Bytes above 0x7F read whole at the first request; name and tail kept for the frame back.
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
        link.servos->add(1).setFault(Fault::ShortAck);
        link.session.FindComPorts();
        const auto outcome = link.session.programPort(0, ExampleBlock);
        QCOMPARE(outcome.reply, QByteArray(2, '\0'));
        QCOMPARE(outcome.replyBytes, 1);
    }

    void cutShortEndsTheWaitAndSendsNothingMore_data() {
        QTest::addColumn<Fault>("fault"); // what the servo would do but for the interruption
        QTest::addColumn<bool>("programming");
        QTest::addColumn<bool>("pulled"); // the cable is pulled; else the exchange is cancelled
        for (const bool pulled : {true, false}) {
            const char *how = pulled ? "pulled cable" : "cancel";
            QTest::addRow("%s, reading, silent servo", how) << Fault::Silent << false << pulled;
            QTest::addRow("%s, reading, checksum never matches", how)
                << Fault::WrongChecksum << false << pulled;
            QTest::addRow("%s, programming, no acknowledgement", how)
                << Fault::NoAck << true << pulled;
        }
    }

    void cutShortEndsTheWaitAndSendsNothingMore() {
        QFETCH(Fault, fault);
        QFETCH(bool, programming);
        QFETCH(bool, pulled);
        LinkRig link;
        link.servos->add(1).setFault(fault);
        link.session.FindComPorts();
        {
            link::Session::Exchange held(link.session);
            // Pulled at the discard step, so the port is lost in the reply wait; cancelled in
            // the first settle wait.
            if (pulled)
                link.servos->onRead = [&] { link.servos->pullCable(1); };
            else
                QTimer::singleShot(0, [&] { link.session.cancel(); });
            // A wait left to run would outlast the reply time-out.
            QTimer timeOut;
            timeOut.setSingleShot(true);
            timeOut.start(link::ReplyTimeoutTicks * link::TickMs);
            const link::LinkFailure failure =
                programming ? link.session.programPort(0, ExampleBlock).failure
                            : link.session.readPort(0).failure;
            QVERIFY(timeOut.isActive());
            QCOMPARE(link.servos->at(1).received(),
                     programming ? link::buildFrame(ExampleBlock) : QByteArray("U"));
            QCOMPARE(
                QList<QVariant>({failure.port, failure.device, int(failure.cause), failure.words}),
                pulled ? QList<QVariant>({1, link.servos->path(1), int(link::OpenFailure::None),
                                          "the device was disconnected"})
                       : QList<QVariant>({0, QString(), int(link::OpenFailure::None), QString()}));
        }
        QVERIFY(!link.session.port().portOpen() && !link.session.clock().running());
        QCOMPARE(link.session.clock().ticks(), 0);
        QCOMPARE(link.session.clock().intervalMs(), link::TickMs);
        QCOMPARE(link.session.listedPortsGone(), pulled);
        link.servos->plugBack(1);
        QVERIFY(!link.session.listedPortsGone());
        // The next exchange is not cancelled: it repeats the request after a mismatch.
        link.servos->at(1).setFault(Fault::WrongChecksum, 1);
        link.session.FindComPorts();
        link::Session::Exchange next(link.session);
        QCOMPARE(link.session.readPort(0).status, ReadStatus::Read);
    }

    void tickCountSaturatesInsteadOfOverflowing() {
        link::TickClock clock;
        for (int i = 0; i < 40000; ++i)
            clock.Timer1_Timer();
        QCOMPARE(clock.ticks(), qint16(32767));
        clock.reset();
        QCOMPARE(clock.ticks(), qint16(0));
    }
};

QTEST_GUILESS_MAIN(TestExchanges)
#include "tst_exchanges.moc"
