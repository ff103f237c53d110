// Frames, checksums and the checks that decide what counts as an answer.
#include "link/protocol.h"

#include <QTest>

using protocol::ReplyCheck;

namespace {
const QByteArray Example("1234567805DC5A640000020000000000");
}

class TestProtocol : public QObject {
    Q_OBJECT

private slots:
    void checksumOfWorkedExamples();
    void checksumPadsBelowSixteen();
    void programmingFrameIsThreeWrites();
    void replyCheck_data();
    void replyCheck();
    void acknowledgement_data();
    void acknowledgement();
};

void TestProtocol::checksumOfWorkedExamples() {
    QCOMPARE(protocol::frameChecksum(Example), QByteArray("72"));
    QCOMPARE(protocol::frameChecksum("1234567805D75A64FB01020100000000"), QByteArray("90"));
}

void TestProtocol::checksumPadsBelowSixteen() {
    QCOMPARE(protocol::frameChecksum(QByteArray(32, '0')), QByteArray("00"));
    QByteArray b(32, '0');
    b[0] = '9'; // 0x600 + 9
    QCOMPARE(protocol::frameChecksum(b), QByteArray("09"));
    QCOMPARE(protocol::frameChecksum(QByteArray(32, '\xFF')), QByteArray("E0"));
}

void TestProtocol::programmingFrameIsThreeWrites() {
    const auto writes = protocol::programmingWrites(Example);
    QCOMPARE(writes.size(), 3);
    QCOMPARE(writes[0], QByteArray("\x0C"));
    QCOMPARE(writes[1], Example + "72");
    QCOMPARE(writes[2], QByteArray("\x0D"));
    QCOMPARE(writes[0] + writes[1] + writes[2], protocol::buildFrame(Example));
}

void TestProtocol::replyCheck_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("outcome");
    const QByteArray good = protocol::buildFrame(Example);
    QByteArray wrongStart = good, wrongEnd = good, wrongSum = good, lower = good;
    wrongStart[0] = 0x0B;
    wrongEnd[35] = 0x0A;
    wrongSum[34] = '3';
    const QByteArray hexLetters("ABCDEFGH05DC5A640000020000000000"); // sum 0x6AB
    lower = protocol::buildFrame(hexLetters);
    lower[33] = 'a';
    lower[34] = 'b';
    QTest::newRow("valid") << good << int(ReplyCheck::Valid);
    QTest::newRow("no reply") << QByteArray() << int(ReplyCheck::Invalid);
    QTest::newRow("35 bytes") << good.left(35) << int(ReplyCheck::Invalid);
    QTest::newRow("37 bytes") << good + '\0' << int(ReplyCheck::Invalid);
    QTest::newRow("wrong start") << wrongStart << int(ReplyCheck::Invalid);
    QTest::newRow("wrong end") << wrongEnd << int(ReplyCheck::Invalid);
    QTest::newRow("wrong checksum") << wrongSum << int(ReplyCheck::ChecksumMismatch);
    QTest::newRow("lower-case checksum") << lower << int(ReplyCheck::ChecksumMismatch);
    QTest::newRow("zeros") << QByteArray(36, '\0') << int(ReplyCheck::Invalid);
}

void TestProtocol::replyCheck() {
    QFETCH(QByteArray, reply);
    QFETCH(int, outcome);
    QCOMPARE(int(protocol::checkReplyFrame(reply)), outcome);
}

void TestProtocol::acknowledgement_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("exact") << QByteArray("9A") << true;
    QTest::newRow("lower case") << QByteArray("9a") << false;
    QTest::newRow("none") << QByteArray() << false;
    QTest::newRow("one byte") << QByteArray("9") << false;
    QTest::newRow("three bytes") << QByteArray("9A0") << false;
    QTest::newRow("zeros") << QByteArray(2, '\0') << false;
    QTest::newRow("swapped") << QByteArray("A9") << false;
}

void TestProtocol::acknowledgement() {
    QFETCH(QByteArray, reply);
    QFETCH(bool, accepted);
    QCOMPARE(protocol::checkAcknowledgement(reply, "9A"), accepted);
}

QTEST_APPLESS_MAIN(TestProtocol)
#include "tst_protocol.moc"
