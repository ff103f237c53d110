// Exchanges cut short: a pulled cable, a cancel; the next exchange runs as ever.
#include "support/servotransport.h"

#include <QTest>
#include <QTimer>

using namespace tessaro;

using link::ReadStatus;
using servoemu::Fault;

// The failure the exchange ended with.
static link::LinkFailure exchange(link::Session &session, bool programming) {
    return programming ? session.programPort(0, ExampleBlock).failure : session.readPort(0).failure;
}

class TestInterruptions : public QObject {
    Q_OBJECT

private slots:
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
            const link::LinkFailure failure = exchange(link.session, programming);
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

QTEST_GUILESS_MAIN(TestInterruptions)
#include "tst_interruptions.moc"
