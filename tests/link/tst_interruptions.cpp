// Exchanges cut short: a pulled cable, a cancel, a second exchange.
#include "support/servotransport.h"

#include <QTest>
#include <QTimer>

using servoemu::Fault;
using servolink::ReadStatus;

namespace {
const QByteArray Request(1, protocol::ReadRequest);
} // namespace

class TestInterruptions : public QObject {
    Q_OBJECT

private slots:
    void pulledCableIsAnErrorUntilPluggedBack_data();
    void pulledCableIsAnErrorUntilPluggedBack();
    void cancelEndsTheWaitAndSendsNothingMore_data();
    void cancelEndsTheWaitAndSendsNothingMore();
    void oneExchangeAtATime();
};

void TestInterruptions::pulledCableIsAnErrorUntilPluggedBack_data() {
    QTest::addColumn<bool>("programming");
    QTest::newRow("reading") << false;
    QTest::newRow("programming") << true;
}

void TestInterruptions::pulledCableIsAnErrorUntilPluggedBack() {
    QFETCH(bool, programming);
    LinkRig link;
    link.servos->add(1);
    link.session.FindComPorts();
    // The first event the link processes is inside the wait after its write.
    QTimer::singleShot(0, [&] { link.servos->pullCable(1); });
    const QString text = programming ? link.session.programPort(0, ExampleBlock).text
                                     : link.session.readPort(0).text;
    QVERIFY2(text.contains(QStringLiteral("COM1")) && text.contains(QStringLiteral("disconnected")),
             qPrintable(text));
    QVERIFY(!link.session.port().portOpen());
    QVERIFY(!link.session.clock().running());
    QCOMPARE(link.session.clock().ticks(), 0);
    QVERIFY(link.session.listedPortsGone());

    link.servos->plugBack(1);
    link.session.FindComPorts();
    QCOMPARE(link.session.readPort(0).status, ReadStatus::Read);
}

void TestInterruptions::cancelEndsTheWaitAndSendsNothingMore_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<bool>("programming");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("silent servo") << Fault::Silent << false << Request;
    QTest::newRow("checksum never matches") << Fault::WrongChecksum << false << Request;
    QTest::newRow("no acknowledgement")
        << Fault::NoAck << true << protocol::buildFrame(ExampleBlock);
}

void TestInterruptions::cancelEndsTheWaitAndSendsNothingMore() {
    QFETCH(Fault, fault);
    QFETCH(bool, programming);
    QFETCH(QByteArray, sent);
    LinkRig link;
    auto &servo = link.servos->add(1);
    servo.setFault(fault);
    link.session.FindComPorts();
    {
        servolink::Session::Exchange exchange(link.session);
        QTimer::singleShot(0, [&] { link.session.cancel(); });
        // A wait left to run would outlast the reply time-out.
        QTimer timeOut;
        timeOut.setSingleShot(true);
        timeOut.start(protocol::ReplyTimeoutTicks * protocol::TickMs);
        if (programming)
            link.session.programPort(0, ExampleBlock);
        else
            link.session.readPort(0);
        QVERIFY(timeOut.isActive());
        QCOMPARE(servo.received(), sent);
    }
    // The next exchange is not cancelled.
    servo.setFault(Fault::None);
    servolink::Session::Exchange next(link.session);
    QCOMPARE(link.session.readPort(0).status, ReadStatus::Read);
}

void TestInterruptions::oneExchangeAtATime() {
    LinkRig link;
    {
        servolink::Session::Exchange first(link.session);
        servolink::Session::Exchange second(link.session);
        QVERIFY(first);
        QVERIFY(!second);
        QVERIFY(link.session.busy());
    }
    QVERIFY(!link.session.busy());
    QVERIFY(servolink::Session::Exchange(link.session));
}

QTEST_GUILESS_MAIN(TestInterruptions)
#include "tst_interruptions.moc"
