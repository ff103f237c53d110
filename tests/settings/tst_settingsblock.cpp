// The settings block: what goes to the servo and what is taken from it.
#include "link/protocol.h"
#include "settings/settingsblock.h"

#include <QTest>

using namespace tessaro;

namespace {

// Throw 90, speed 100, deadband 2; name and tail go back unchanged, whatever they hold.
struct Build {
    int position, halfThrow, centre, reverse, reset;
    QByteArray block, checksum;
};

} // namespace

class TestSettingsBlock : public QObject {
    Q_OBJECT

private slots:
    void builds_data() {
        QTest::addColumn<Build>("b");
        const QByteArray name("\x80\xFF\x9D \x01~\x7F\0", 8), tail("\xA0\xFE\0 !\xC3\xA9\x81", 8);
        // clang-format off
        QTest::newRow("worked example") << Build{0, 45, 0, 0, 0, "1234567805DC5A640000020000000000", "72"};
        QTest::newRow("centre -5, Reverse, reset") << Build{0, 45, -5, 1, 1, "1234567805D75A64FB01020100000000", "90"};
        QTest::newRow("raw name and tail") << Build{0, 45, 0, 0, 0, name + "05DC5A6400000200" + tail, "54"};
        QTest::newRow("position 45") << Build{45, 45, 0, 0, 0, "12345678079E5A640000020000000000", {}};
        QTest::newRow("position -50") << Build{-50, 45, 0, 0, 0, "1234567803E85A640000020000000000", {}};
        QTest::newRow("1512.5 to even") << Build{1, 36, 0, 0, 0, "1234567805E85A640000020000000000", {}};
        QTest::newRow("reverse only") << Build{0, 45, 0, 1, 0, "1234567805DC5A640001020000000000", {}};
        QTest::newRow("centre 127") << Build{0, 45, 127, 0, 0, "12345678065B5A647F00020000000000", {}};
        QTest::newRow("1537.5 to even") << Build{3, 36, 0, 0, 0, "1234567806025A640000020000000000", {}};
        // clang-format on
    }

    void builds() {
        QFETCH(Build, b);
        const settings::EditorValues v{
            b.position, b.halfThrow, {90, 100, b.centre, b.reverse, 2, b.reset}};
        QCOMPARE(settings::buildBlock(b.block.left(8), v, b.block.right(8)), b.block);
        if (!b.checksum.isEmpty())
            QCOMPARE(link::frameChecksum(b.block), b.checksum);
    }

    // "throw speed centre reverse deadband reset", or which field no editor can show.
    void decodes_data() {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<QString>("result");
        // clang-format off
        QTest::newRow("highest") << QByteArray("ABCDEFGH05D78C64FB01100100000000") << "140 100 -5 1 16 1";
        QTest::newRow("lowest") << QByteArray("ABCDEFGH05dc1e0181000000abcdefgh") << "30 1 -127 0 0 0";
        QTest::newRow("throw 29") << QByteArray("1234567805DC1D640000020000000000") << "throw field: 29";
        QTest::newRow("throw 141") << QByteArray("1234567805DC8D640000020000000000") << "throw field: 141";
        QTest::newRow("speed 0") << QByteArray("1234567805DC5A000000020000000000") << "speed field: 0";
        QTest::newRow("speed 101") << QByteArray("1234567805DC5A650000020000000000") << "speed field: 101";
        QTest::newRow("centre -128") << QByteArray("1234567805DC5A648000020000000000") << "centre field: -128";
        QTest::newRow("grey boxes") << QByteArray("1234567805DC5A640002020200000000") << "90 100 0 2 2 2";
        QTest::newRow("reverse 3") << QByteArray("1234567805DC5A640003020000000000") << "reverse field: 3";
        QTest::newRow("deadband 17") << QByteArray("1234567805DC5A640000110000000000") << "deadband field: 17";
        QTest::newRow("reset 3") << QByteArray("1234567805DC5A640000020300000000") << "reset field: 3";
        QTest::newRow("not hex") << QByteArray("1234567805DC5G640000020000000000") << "throw field: bytes 35 47";
        // clang-format on
    }

    void decodes() {
        QFETCH(QByteArray, block);
        const settings::DecodedBlock r = settings::decodeBlock(block);
        const settings::BlockValues d = r.values.value_or(settings::BlockValues{});
        QStringList shown;
        for (const settings::Field &f : settings::Fields)
            shown << QString::number(d.*f.member);
        QTEST(r.values ? shown.join(' ') : r.problem, "result");
    }

    void pulseWidthBeyond16BitsIsAnError() {
        QVERIFY_THROWS_EXCEPTION(std::overflow_error, settings::writePulseWidth(32767.5));
    }
};

QTEST_APPLESS_MAIN(TestSettingsBlock)
#include "tst_settingsblock.moc"
