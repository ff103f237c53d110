// Exchanges cut short: a pulled cable, a cancel, a second exchange.
#include "support/servotransport.h"

#include <QTest>
#include <QTimer>

using namespace tessaro;

using link::ReadStatus;
using servoemu::Fault;

class TestInterruptions : public QObject {
    Q_OBJECT

private slots:
    void pulledCableIsAnErrorUntilPluggedBack_data() { cutShort(); }
    void pulledCableIsAnErrorUntilPluggedBack();
    void cancelEndsTheWaitAndSendsNothingMore_data() { cutShort(); }
    void cancelEndsTheWaitAndSendsNothingMore();
    void oneExchangeAtATime();
    void tickCountSaturatesInsteadOfOverflowing();

private:
    static void cutShort();
};

// The failure the exchange ended with.
static link::LinkFailure exchange(link::Session &session, bool programming) {
    return programming ? session.programPort(0, ExampleBlock).failure : session.readPort(0).failure;
}

void TestInterruptions::cutShort() {
    QTest::addColumn<Fault>("fault"); // what the servo would do but for the interruption
    QTest::addColumn<bool>("programming");
    QTest::newRow("reading, silent servo") << Fault::Silent << false;
    QTest::newRow("reading, checksum never matches") << Fault::WrongChecksum << false;
    QTest::newRow("programming, no acknowledgement") << Fault::NoAck << true;
}

void TestInterruptions::pulledCableIsAnErrorUntilPluggedBack() {
    QFETCH(Fault, fault);
    QFETCH(bool, programming);
    LinkRig link;
    link.servos->add(1).setFault(fault);
    link.session.FindComPorts();
    // Pulled at the discard step, so the port is lost in the reply wait.
    link.servos->onRead = [&] { link.servos->pullCable(1); };
    const link::LinkFailure failure = exchange(link.session, programming);
    QCOMPARE(QList<QVariant>({failure.port, failure.device, int(failure.cause), failure.words}),
             QList<QVariant>({1, link.servos->path(1), int(link::OpenFailure::None),
                              "the device was disconnected"}));
    QVERIFY(!link.session.port().portOpen() && !link.session.clock().running());
    QCOMPARE(link.session.clock().ticks(), 0);
    QCOMPARE(link.session.clock().intervalMs(), link::TickMs);
    QVERIFY(link.session.listedPortsGone());
    link.servos->plugBack(1);
    QVERIFY(!link.session.listedPortsGone());
    link.servos->at(1).setFault(Fault::None);
    link.session.FindComPorts();
    QCOMPARE(link.session.readPort(0).status, ReadStatus::Read);
}

void TestInterruptions::cancelEndsTheWaitAndSendsNothingMore() {
    QFETCH(Fault, fault);
    QFETCH(bool, programming);
    LinkRig link;
    link.servos->add(1).setFault(fault);
    link.session.FindComPorts();
    {
        link::Session::Exchange held(link.session);
        QTimer::singleShot(0, [&] { link.session.cancel(); }); // in the first settle wait
        // A wait left to run would outlast the reply time-out.
        QTimer timeOut;
        timeOut.setSingleShot(true);
        timeOut.start(link::ReplyTimeoutTicks * link::TickMs);
        exchange(link.session, programming);
        QVERIFY(timeOut.isActive());
        QCOMPARE(link.servos->at(1).received(),
                 programming ? link::buildFrame(ExampleBlock) : QByteArray("U"));
    }
    // The next exchange is not cancelled: it repeats the request after a mismatch.
    link.servos->at(1).setFault(Fault::WrongChecksum, 1);
    link::Session::Exchange next(link.session);
    QCOMPARE(link.session.readPort(0).status, ReadStatus::Read);
}

void TestInterruptions::oneExchangeAtATime() {
    LinkRig link;
    {
        link::Session::Exchange first(link.session);
        QVERIFY(first && link.session.busy());
        QVERIFY(!link::Session::Exchange(link.session));
    }
    QVERIFY(!link.session.busy());
    QVERIFY(link::Session::Exchange(link.session));
}

void TestInterruptions::tickCountSaturatesInsteadOfOverflowing() {
    link::TickClock clock;
    for (int i = 0; i < 40000; ++i)
        clock.Timer1_Timer();
    QCOMPARE(clock.ticks(), qint16(32767));
    clock.reset();
    QCOMPARE(clock.ticks(), qint16(0));
}

QTEST_GUILESS_MAIN(TestInterruptions)
#include "tst_interruptions.moc"
