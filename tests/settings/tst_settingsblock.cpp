// The settings block codec: what goes to the servo and what is taken from it.
#include "settings/rounding.h"
#include "settings/settingsblock.h"

#include <QTest>

class TestSettingsBlock : public QObject {
    Q_OBJECT

private slots:
    void workedExamplesBuildExactBlocks();
    void signedCentreReads_data();
    void signedCentreReads();
    void hexPairWritesLowByte_data();
    void hexPairWritesLowByte();
    void pulseWidthRoundsHalfToEven_data();
    void pulseWidthRoundsHalfToEven();
    void nameAndTailHighBytesGoBackUnchanged();
    void decodeTakesEveryField();
    void decodeTakesGreyCheckBoxes_data();
    void decodeTakesGreyCheckBoxes();
    void decodeRejects_data();
    void decodeRejects();
    void roundingHalves();
};

void TestSettingsBlock::workedExamplesBuildExactBlocks() {
    block::EditorValues v; // position 0, throw 90, speed 100, centre 0, deadband 2
    QCOMPARE(block::build("12345678", v, "00000000"),
             QByteArray("1234567805DC5A640000020000000000"));
    v.centre = -5;
    v.reverse = 1;
    v.reset = 1;
    QCOMPARE(block::build("12345678", v, "00000000"),
             QByteArray("1234567805D75A64FB01020100000000"));
}

void TestSettingsBlock::signedCentreReads_data() {
    QTest::addColumn<QByteArray>("pair");
    QTest::addColumn<int>("value");
    QTest::newRow("7F") << QByteArray("7F") << 127;
    QTest::newRow("81") << QByteArray("81") << -127;
    QTest::newRow("FF") << QByteArray("FF") << -1;
    QTest::newRow("00") << QByteArray("00") << 0;
    QTest::newRow("80") << QByteArray("80") << -128;
    QTest::newRow("FB") << QByteArray("FB") << -5;
    QTest::newRow("lower fb") << QByteArray("fb") << -5;
}

void TestSettingsBlock::signedCentreReads() {
    QFETCH(QByteArray, pair);
    QFETCH(int, value);
    QCOMPARE(block::readSignedHexPair(pair, 0), std::optional<int>(value));
}

void TestSettingsBlock::hexPairWritesLowByte_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("pair");
    QTest::newRow("centre -1") << -1 << QByteArray("FF");
    QTest::newRow("centre -127") << -127 << QByteArray("81");
    QTest::newRow("centre 127") << 127 << QByteArray("7F");
    QTest::newRow("throw 140") << 140 << QByteArray("8C");
    QTest::newRow("speed 1") << 1 << QByteArray("01");
    QTest::newRow("deadband 16") << 16 << QByteArray("10");
}

void TestSettingsBlock::hexPairWritesLowByte() {
    QFETCH(int, value);
    QFETCH(QByteArray, pair);
    QCOMPARE(block::writeHexPair(static_cast<qint16>(value)), pair);
}

void TestSettingsBlock::pulseWidthRoundsHalfToEven_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("halfThrow");
    QTest::addColumn<int>("centre");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("centre") << 0 << 45 << 0 << QByteArray("05DC");
    QTest::newRow("+45 at throw 90") << 45 << 45 << 0 << QByteArray("079E");
    QTest::newRow("-50 at throw 90") << -50 << 45 << 0 << QByteArray("03E8");
    QTest::newRow("1512.5 to even") << 1 << 36 << 0 << QByteArray("05E8");
    QTest::newRow("1537.5 to even") << 3 << 36 << 0 << QByteArray("0602");
    QTest::newRow("centre -5") << 0 << 45 << -5 << QByteArray("05D7");
}

void TestSettingsBlock::pulseWidthRoundsHalfToEven() {
    QFETCH(int, position);
    QFETCH(int, halfThrow);
    QFETCH(int, centre);
    QFETCH(QByteArray, field);
    QCOMPARE(block::writePulseWidth(block::testPulseWidth(position, halfThrow, centre)), field);
}

void TestSettingsBlock::nameAndTailHighBytesGoBackUnchanged() {
    const QByteArray name("\x80\xFF\x9D \x01\xE9~\x7F", 8);
    const QByteArray tail("\xA0\xFE\x00 !\xC3\xA9\x81", 8);
    const QByteArray b = block::build(name, block::EditorValues{}, tail);
    QCOMPARE(b.size(), block::Length);
    QCOMPARE(b.left(8), name);
    QCOMPARE(b.right(8), tail);
}

void TestSettingsBlock::decodeTakesEveryField() {
    const auto r = block::decode("ABCDEFGH05D78C01FB01100100000000");
    QVERIFY(r.values);
    QCOMPARE(r.values->throwDeg, 140);
    QCOMPARE(r.values->speed, 1);
    QCOMPARE(r.values->centre, -5);
    QCOMPARE(r.values->reverse, 1);
    QCOMPARE(r.values->deadband, 16);
    QCOMPARE(r.values->reset, 1);
}

void TestSettingsBlock::decodeTakesGreyCheckBoxes_data() {
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<int>("reverse");
    QTest::addColumn<int>("reset");
    QTest::newRow("grey reverse") << QByteArray("1234567805DC5A640002020000000000") << 2 << 0;
    QTest::newRow("grey reset") << QByteArray("1234567805DC5A640001020200000000") << 1 << 2;
}

void TestSettingsBlock::decodeTakesGreyCheckBoxes() {
    QFETCH(QByteArray, block);
    const auto r = block::decode(block);
    QVERIFY2(r.values, qPrintable(r.problem));
    QTEST(r.values->reverse, "reverse");
    QTEST(r.values->reset, "reset");
}

void TestSettingsBlock::decodeRejects_data() {
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QString>("field");
    QTest::newRow("throw 29") << QByteArray("1234567805DC1D640000020000000000") << "throw";
    QTest::newRow("throw 141") << QByteArray("1234567805DC8D640000020000000000") << "throw";
    QTest::newRow("speed 0") << QByteArray("1234567805DC5A000000020000000000") << "speed";
    QTest::newRow("speed 101") << QByteArray("1234567805DC5A650000020000000000") << "speed";
    QTest::newRow("centre -128") << QByteArray("1234567805DC5A648000020000000000") << "centre";
    QTest::newRow("reverse 3") << QByteArray("1234567805DC5A640003020000000000") << "reverse";
    QTest::newRow("deadband 17") << QByteArray("1234567805DC5A640000110000000000") << "deadband";
    QTest::newRow("reset 3") << QByteArray("1234567805DC5A640000020300000000") << "reset";
    QTest::newRow("not hex") << QByteArray("1234567805DC5G640000020000000000") << "throw";
    QTest::newRow("blank") << QByteArray("1234567805DC5A64 000020000000000") << "centre";
    QTest::newRow("too short") << QByteArray("1234567805DC5A64") << "centre";
}

void TestSettingsBlock::decodeRejects() {
    QFETCH(QByteArray, block);
    QFETCH(QString, field);
    const auto r = block::decode(block);
    QVERIFY(!r.values);
    QVERIFY2(r.problem.startsWith(field), qPrintable(r.problem));
}

void TestSettingsBlock::roundingHalves() {
    QCOMPARE(rounding::toInt16(31 / 2.0), qint16(16));
    QCOMPARE(rounding::toInt16(33 / 2.0), qint16(16));
    QCOMPARE(rounding::toInt16(35 / 2.0), qint16(18));
    QCOMPARE(rounding::toInt16(-2.5), qint16(-2));
    QCOMPARE(rounding::halfAway(101.5), 102.0);
    QCOMPARE(rounding::halfAway(-0.5), -1.0);
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, rounding::toInt16(40000.0));
}

QTEST_APPLESS_MAIN(TestSettingsBlock)
#include "tst_settingsblock.moc"
