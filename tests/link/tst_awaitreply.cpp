// The wait after every write: exactly N bytes, or no reply at all.
#include "app/form1.h"
#include "link/protocol.h"
#include "support/servorig.h"

#include <QApplication>
#include <QTest>

using servoemu::Fault;

class TestAwaitReply : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void exactFrameIsTheReply();
    void wrongLengthIsNoReply_data();
    void wrongLengthIsNoReply();
    void earlyBytesAreDiscarded();
    void silenceIsNoReply();
    void timerStopsOnEveryWayOut();
    void acknowledgementOfTwoBytes();

private:
    QByteArray requestOn(int com);

    std::unique_ptr<ServoRig> m_rig;
    std::unique_ptr<Form1> m_form;
};

void TestAwaitReply::init() {
    m_rig = std::make_unique<ServoRig>();
    QVERIFY(m_rig->add(1, {ExampleBlock}));
    m_form = std::make_unique<Form1>();
}

void TestAwaitReply::cleanup() {
    m_form.reset();
    m_rig.reset();
}

QByteArray TestAwaitReply::requestOn(int com) {
    m_form->MSComm1.setCommPort(com);
    m_form->MSComm1.setPortOpen(true);
    m_form->MSComm1.output(QByteArray(1, protocol::ReadRequest));
    const QByteArray reply = m_form->AwaitReply(protocol::FrameLength);
    m_form->MSComm1.setPortOpen(false);
    return reply;
}

void TestAwaitReply::exactFrameIsTheReply() {
    QCOMPARE(requestOn(1), protocol::buildFrame(ExampleBlock));
    QCOMPARE(m_rig->at(1)->received(), QByteArray(1, protocol::ReadRequest));
}

void TestAwaitReply::wrongLengthIsNoReply_data() {
    QTest::addColumn<int>("fault");
    QTest::newRow("35 bytes") << int(Fault::Short35);
    QTest::newRow("37 bytes") << int(Fault::Long37);
}

void TestAwaitReply::wrongLengthIsNoReply() {
    QFETCH(int, fault);
    m_rig->at(1)->setFault(Fault(fault));
    // All at once: on a paced line the wait would end at the 36th byte, before the 37th.
    m_rig->at(1)->setByteTimeUs(0);
    QCOMPARE(requestOn(1), QByteArray());
}

void TestAwaitReply::earlyBytesAreDiscarded() {
    // The whole frame lands inside the first settle wait and is thrown away.
    m_rig->at(1)->setFault(Fault::EarlyReply);
    QCOMPARE(requestOn(1), QByteArray());
    QVERIFY(m_form->FlushBuffer.contains(protocol::buildFrame(ExampleBlock)));
}

void TestAwaitReply::silenceIsNoReply() {
    m_rig->at(1)->setFault(Fault::Silent);
    QCOMPARE(requestOn(1), QByteArray());
}

void TestAwaitReply::timerStopsOnEveryWayOut() {
    requestOn(1);
    QVERIFY(!m_form->Timer1.isActive());
    QCOMPARE(m_form->TickCount, qint16(0));
    // A port lost during the wait raises an error; the timer is stopped all the same.
    m_form->MSComm1.setCommPort(1);
    m_form->MSComm1.setPortOpen(true);
    m_form->MSComm1.output(QByteArray(1, protocol::ReadRequest));
    m_form->MSComm1.setPortOpen(false);
    QVERIFY_THROWS_EXCEPTION(SerialError, m_form->AwaitReply(protocol::FrameLength));
    QVERIFY(!m_form->Timer1.isActive());
    QCOMPARE(m_form->TickCount, qint16(0));
}

void TestAwaitReply::acknowledgementOfTwoBytes() {
    m_form->MSComm1.setCommPort(1);
    m_form->MSComm1.setPortOpen(true);
    for (const QByteArray &w : protocol::programmingWrites(ExampleBlock))
        m_form->MSComm1.output(w);
    QCOMPARE(m_form->AwaitReply(protocol::AckLength), QByteArray("72"));
    m_form->MSComm1.setPortOpen(false);
    QCOMPARE(m_rig->at(1)->received(), protocol::buildFrame(ExampleBlock));
}

QTEST_MAIN(TestAwaitReply)
#include "tst_awaitreply.moc"
