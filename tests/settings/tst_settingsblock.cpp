// The settings block, what goes to the servo and what is taken from it, and what
// the editors work out without the window: the test-position range and readouts,
// the transmitter presets, and the two roundings.
#include "link/protocol.h"
#include "settings/presets.h"
#include "settings/readouts.h"
#include "settings/rounding.h"
#include "settings/settingsblock.h"

#include <QTest>

using namespace tessaro;

namespace {

// Throw 90, speed 100, deadband 2; name and tail go back unchanged, whatever they hold.
struct Build {
    int position, halfThrow, centre, reverse, reset;
    QByteArray block, checksum;
};

constexpr double Full = settings::ScaleFull, Narrow = settings::ScaleNarrow,
                 Wide = settings::ScaleWide;

// The throw and the scale give the range; the position is clamped into it.
struct Readout {
    int throwDeg;
    double scale;
    int position, centre;
    int halfThrow, barMax, kept;
    QString width, percent;
};

} // namespace

class TestSettingsBlock : public QObject {
    Q_OBJECT

private slots:
    void builds_data() {
        QTest::addColumn<Build>("b");
        const QByteArray name("\x80\xFF\x9D \x01~\x7F\0", 8), tail("\xA0\xFE\0 !\xC3\xA9\x81", 8);
        // clang-format off
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
        QTest::newRow("grey boxes") << QByteArray("1234567805DC5A640002020200000000") << "90 100 0 2 2 2";
        QTest::newRow("reverse 3") << QByteArray("1234567805DC5A640003020000000000") << "reverse field: 3";
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

    void readouts_data() {
        QTest::addColumn<Readout>("r");
        // clang-format off
        QTest::newRow("start-up") << Readout{90, Full, 0, 0, 45, 50, 0, "1500 uS", "0 %"};
        QTest::newRow("centre 20 at the bottom") << Readout{90, Full, -50, 20, 45, 50, -50, "1020 uS", "-100 %"};
        QTest::newRow("throw 30 pulls top in") << Readout{30, Full, 50, 0, 15, 17, 17, "2010 uS", "102 %"};
        QTest::newRow("throw 30 pulls bottom in") << Readout{30, Full, -50, 0, 15, 17, -17, "990 uS", "-102 %"};
        QTest::newRow("1512.5 to even, 2.5 %") << Readout{72, Full, 1, 0, 36, 40, 1, "1512 uS", "3 %"};
        QTest::newRow("1487.5 to even, -2.5 %") << Readout{72, Full, -1, 0, 36, 40, -1, "1488 uS", "-3 %"};
        QTest::newRow("33 halves to 16") << Readout{33, Narrow, 16, 0, 16, 16, 16, "1950 uS", "100 %"};
        QTest::newRow("35 halves to 18") << Readout{35, Narrow, 18, 0, 18, 18, 18, "1950 uS", "100 %"};
        QTest::newRow("wide end past 100 %") << Readout{140, Wide, 90, 0, 70, 86, 86, "2053 uS", "101 %"};
        // clang-format on
    }
    void readouts() {
        QFETCH(Readout, r);
        const settings::TestPositionRange range = settings::testPositionRange(r.throwDeg, r.scale);
        QCOMPARE(QList<int>({range.halfThrow, range.barMin, range.barMax}),
                 QList<int>({r.halfThrow, -r.barMax, r.barMax}));
        const int kept = settings::keptPosition(r.position, range);
        QCOMPARE(kept, r.kept);
        const settings::ReadoutTexts t =
            settings::readoutsFor(kept, range.halfThrow, r.scale, r.centre);
        QCOMPARE(
            QStringList({t.caption, t.width, t.percent}),
            QStringList({QString("Pulse width for %1 degrees").arg(kept), r.width, r.percent}));
    }

    // Throw, centre and scale each entry loads; "Unknown" loads none.
    void presets_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<double>>("preset");
        QTest::newRow("Unknown") << 0 << "Unknown" << QList<double>{};
        QTest::newRow("Standard") << 1 << "Standard" << QList<double>{90, 0, Full};
        QTest::newRow("Futaba") << 2 << "Futaba" << QList<double>{90, 22, Narrow};
        QTest::newRow("Hitec") << 3 << "Hitec" << QList<double>{90, 0, Wide};
        QTest::newRow("JR") << 4 << "JR" << QList<double>{90, 0, Narrow};
        QTest::newRow("Multiplex") << 5 << "Multiplex" << QList<double>{90, 100, Wide};
        QTest::newRow("past the list") << 6 << "" << QList<double>{};
    }
    void presets() {
        QFETCH(int, index);
        const auto p = settings::txPreset(index);
        QTEST(settings::TxEntryNames.value(index), "name");
        const QList<double> loaded =
            p ? QList<double>{double(p->refThrow), double(p->refCentre), p->throwScale}
              : QList<double>();
        QTEST(loaded, "preset");
    }

    void roundings_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("even");
        QTest::addColumn<double>("away");
        QTest::addColumn<bool>("fitsInt16");
        for (auto [x, even, away, fits] : {std::tuple{0.5, 0.0, 1.0, true},
                                           {2.5, 2.0, 3.0, true},
                                           {-2.5, -2.0, -3.0, true},
                                           {-1.4, -1.0, -1.0, true},
                                           {32767.5, 32768.0, 32768.0, false},
                                           {-32768.5, -32768.0, -32769.0, true},
                                           {-32769.0, -32769.0, -32769.0, false}})
            QTest::addRow("%g", x) << x << even << away << fits;
    }
    void roundings() {
        QFETCH(double, x);
        QFETCH(bool, fitsInt16);
        QTEST(settings::halfEven(x), "even");
        QTEST(settings::halfAway(x), "away");
        bool threw = false;
        try {
            QTEST(double(settings::toInt16(x)), "even");
        } catch (const std::overflow_error &) {
            threw = true;
        }
        QCOMPARE(threw, !fitsInt16);
    }
};

QTEST_APPLESS_MAIN(TestSettingsBlock)
#include "tst_settingsblock.moc"
