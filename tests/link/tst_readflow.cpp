// The read exchange against in-process servos: what is sent, what is kept.
#include "link/messages.h"
#include "support/servotransport.h"

#include <QTest>

using servoemu::Fault;
using servolink::ReadStatus;

namespace {
const QByteArray Request(1, protocol::ReadRequest);
} // namespace

class TestReadFlow : public QObject {
    Q_OBJECT

private slots:
    void goodReadKeepsBlockNameAndTail_data();
    void goodReadKeepsBlockNameAndTail();
    void checksumMismatchRepeatsBounded_data();
    void checksumMismatchRepeatsBounded();
    void unacceptableReplyIsNoReply_data();
    void unacceptableReplyIsNoReply();
    void refusedBlockIsNotKept_data();
    void refusedBlockIsNotKept();
};

void TestReadFlow::goodReadKeepsBlockNameAndTail_data() {
    QTest::addColumn<QByteArray>("block");
    QTest::newRow("worked example") << ExampleBlock;
    QTest::newRow("bytes above 0x7F") << QByteArray("\xC9l\xE8ve\x80\x99!", 8) +
                                             "05DC5A6400000200" +
                                             QByteArray("\0\xFF\x80\x7F"
                                                        "abc\r",
                                                        8);
}

void TestReadFlow::goodReadKeepsBlockNameAndTail() {
    QFETCH(QByteArray, block);
    LinkRig link;
    auto &servo = link.servos->add(1, block);
    link.session.FindComPorts();
    QCOMPARE(link.session.readPort(0).status, ReadStatus::Read);
    QCOMPARE(servo.received(), Request);
    QCOMPARE(link.session.settingsBlock(), block);
    QCOMPARE(link.session.servoName(), block.left(8));
    QCOMPARE(link.session.blockTail(), block.right(8));
    // Name and tail go back to the servo unchanged.
    const QByteArray programmed = link.session.blockFor({});
    QCOMPARE(programmed.left(8) + programmed.right(8), block.left(8) + block.right(8));
}

void TestReadFlow::checksumMismatchRepeatsBounded_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("times");
    QTest::addColumn<ReadStatus>("status");
    QTest::addColumn<int>("requests");
    const int all = 1 + protocol::MaxChecksumRetries;
    QTest::newRow("wrong once") << Fault::WrongChecksum << 1 << ReadStatus::Read << 2;
    QTest::newRow("lower case once") << Fault::LowerCaseChecksum << 1 << ReadStatus::Read << 2;
    QTest::newRow("wrong always") << Fault::WrongChecksum << -1 << ReadStatus::NoReply << all;
}

void TestReadFlow::checksumMismatchRepeatsBounded() {
    QFETCH(Fault, fault);
    QFETCH(int, times);
    QFETCH(ReadStatus, status);
    QFETCH(int, requests);
    LinkRig link;
    // Its checksum has letters, so a lower-case one differs.
    auto &servo = link.servos->add(1, servoemu::Responder::defaultBlock());
    servo.setFault(fault, times);
    link.session.FindComPorts();
    QCOMPARE(link.session.readPort(0).status, status);
    QCOMPARE(servo.received(), Request.repeated(requests));
    QCOMPARE(link.session.settingsBlock().isEmpty(), status != ReadStatus::Read);
}

void TestReadFlow::unacceptableReplyIsNoReply_data() {
    QTest::addColumn<Fault>("fault");
    QTest::newRow("silent") << Fault::Silent;
    QTest::newRow("35 bytes") << Fault::Short35;
    QTest::newRow("37 bytes") << Fault::Long37;
    QTest::newRow("before the discard step") << Fault::EarlyReply;
}

void TestReadFlow::unacceptableReplyIsNoReply() {
    QFETCH(Fault, fault);
    LinkRig link;
    link.servos->add(1).setFault(fault);
    link.session.FindComPorts();
    QCOMPARE(link.session.readPort(0).status, ReadStatus::NoReply);
    QCOMPARE(link.servos->at(1).received(), Request);
    QVERIFY(link.session.settingsBlock().isEmpty());
}

void TestReadFlow::refusedBlockIsNotKept_data() {
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QString>("problem");
    QTest::newRow("throw out of range")
        << QByteArray("1234567805DC8D640000020000000000") << "throw field: 141";
    QTest::newRow("non-hex field")
        << QByteArray("1234567805DC5AG40000020000000000") << "speed field: bytes 47 34";
    QTest::newRow("reverse 03") << QByteArray("1234567805DC5A640003020000000000")
                                << "reverse field: 3";
    QTest::newRow("reset 03") << QByteArray("1234567805DC5A640000020300000000") << "reset field: 3";
}

void TestReadFlow::refusedBlockIsNotKept() {
    QFETCH(QByteArray, block);
    QFETCH(QString, problem);
    LinkRig link;
    auto &servo = link.servos->add(1);
    link.session.FindComPorts();
    QCOMPARE(link.session.readPort(0).status, ReadStatus::Read);
    servo.setBlock(block);
    const servolink::ReadOutcome read = link.session.readPort(0);
    QCOMPARE(read.status, ReadStatus::Refused);
    QCOMPARE(read.text, messages::unshowableSettings(problem));
    QVERIFY(link.session.settingsBlock().isEmpty());
}

QTEST_GUILESS_MAIN(TestReadFlow)
#include "tst_readflow.moc"
