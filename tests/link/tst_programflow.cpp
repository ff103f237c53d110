// The programming exchange against in-process servos: the frame as sent, the
// acknowledgement as judged.
#include "support/servotransport.h"

#include <QTest>

using servoemu::Fault;
using servolink::ProgramStatus;

class TestProgramFlow : public QObject {
    Q_OBJECT

private slots:
    void frameIsTheWorkedExample_data();
    void frameIsTheWorkedExample();
    void badAcknowledgement_data();
    void badAcknowledgement();
};

void TestProgramFlow::frameIsTheWorkedExample_data() {
    QTest::addColumn<int>("centre");
    QTest::addColumn<int>("reverseAndReset");
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QByteArray>("checksum");
    QTest::newRow("unchanged") << 0 << 0 << QByteArray("1234567805DC5A640000020000000000")
                               << QByteArray("72");
    QTest::newRow("centre -5, reverse, reset")
        << -5 << 1 << QByteArray("1234567805D75A64FB01020100000000") << QByteArray("90");
}

void TestProgramFlow::frameIsTheWorkedExample() {
    QFETCH(int, centre);
    QFETCH(int, reverseAndReset);
    QFETCH(QByteArray, block);
    QFETCH(QByteArray, checksum);
    LinkRig link;
    link.servos->add(1);
    link.session.FindComPorts();
    QCOMPARE(link.session.readPort(0).status, servolink::ReadStatus::Read);
    link.servos->writes.clear();
    block::EditorValues values;
    values.centre = centre;
    values.reverse = values.reset = reverseAndReset;
    const servolink::ProgramOutcome sent =
        link.session.programPort(0, link.session.blockFor(values));
    const QList<QByteArray> writes = {"\x0C", block + checksum, "\x0D"};
    QCOMPARE(link.servos->writes, writes);
    QCOMPARE(sent.status, ProgramStatus::Acknowledged);
    QCOMPARE(sent.reply, checksum);
    QVERIFY(!link.session.port().portOpen());
}

void TestProgramFlow::badAcknowledgement_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QByteArray>("reply");
    // The servo's block sums to 0xAB, so a lower-case answer differs.
    const QByteArray zeros(2, '\0');
    QTest::newRow("wrong") << Fault::WrongAck << QByteArray("AC");
    QTest::newRow("none") << Fault::NoAck << zeros;
    QTest::newRow("one byte") << Fault::ShortAck << zeros;
    QTest::newRow("three bytes") << Fault::LongAck << zeros;
    QTest::newRow("lower case") << Fault::LowerCaseAck << QByteArray("ab");
}

void TestProgramFlow::badAcknowledgement() {
    QFETCH(Fault, fault);
    QFETCH(QByteArray, reply);
    LinkRig link;
    link.servos->add(1, servoemu::Responder::defaultBlock()).setFault(fault);
    link.session.FindComPorts();
    const servolink::ProgramOutcome sent =
        link.session.programPort(0, servoemu::Responder::defaultBlock());
    QCOMPARE(sent.status, ProgramStatus::WrongAcknowledgement);
    QCOMPARE(sent.reply, reply);
}

QTEST_GUILESS_MAIN(TestProgramFlow)
#include "tst_programflow.moc"
