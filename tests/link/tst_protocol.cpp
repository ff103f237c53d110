// Checksum padding and the framing bytes; the flows cover the rest of the protocol.
#include "link/protocol.h"

#include <QTest>

using protocol::ReplyCheck;

class TestProtocol : public QObject {
    Q_OBJECT

private slots:
    void checksumIsTwoDigitsBelowSixteen();
    void framingBytesDecide_data();
    void framingBytesDecide();
};

void TestProtocol::checksumIsTwoDigitsBelowSixteen() {
    QByteArray block(32, '0'); // 0x600
    QCOMPARE(protocol::frameChecksum(block), QByteArray("00"));
    block[0] = '9';
    QCOMPARE(protocol::frameChecksum(block), QByteArray("09"));
    QCOMPARE(protocol::frameChecksum(QByteArray(32, '\xFF')), QByteArray("E0"));
}

void TestProtocol::framingBytesDecide_data() {
    QTest::addColumn<int>("at");
    QTest::addColumn<char>("byte");
    QTest::addColumn<ReplyCheck>("outcome");
    QTest::newRow("as built") << 0 << protocol::StartByte << ReplyCheck::Valid;
    QTest::newRow("wrong start") << 0 << '\x0B' << ReplyCheck::Invalid;
    QTest::newRow("wrong end") << 35 << '\x0A' << ReplyCheck::Invalid;
    QTest::newRow("wrong checksum") << 34 << '3' << ReplyCheck::ChecksumMismatch;
}

void TestProtocol::framingBytesDecide() {
    QFETCH(int, at);
    QFETCH(char, byte);
    QFETCH(ReplyCheck, outcome);
    QByteArray reply = protocol::buildFrame("1234567805DC5A640000020000000000");
    reply[at] = byte;
    QCOMPARE(protocol::checkReplyFrame(reply), outcome);
}

QTEST_APPLESS_MAIN(TestProtocol)
#include "tst_protocol.moc"
