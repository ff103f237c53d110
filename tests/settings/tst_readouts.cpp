// What the editors work out, without the window: the test-position range and
// readouts, the transmitter presets, and the two roundings.
#include "settings/presets.h"
#include "settings/readouts.h"
#include "settings/rounding.h"

#include <QTest>

using namespace tessaro;

namespace {

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

class TestReadouts : public QObject {
    Q_OBJECT

private slots:
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

QTEST_APPLESS_MAIN(TestReadouts)
#include "tst_readouts.moc"
