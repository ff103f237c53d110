// The editors: the test-position range, the readouts, and every gauge redrawn.
#include "support/settingswindow.h"

#include <QTest>

using namespace tessaro;

namespace {

// Preset (3 Hitec, 4 JR, 0 none); the test position set before the throw when `first`.
struct Case {
    int preset, position, throwDeg, centre;
    bool first;
    int halfThrow, barMax, shown; // shown: the test position at the end
    QString width, percent;
};

} // namespace

class TestEditors : public QObject {
    Q_OBJECT

private slots:
    void readoutsAndRange_data() {
        QTest::addColumn<Case>("c");
        // clang-format off
        QTest::newRow("start-up") << Case{0, 0, 90, 0, false, 45, 50, 0, "1500 uS", "0 %"};
        QTest::newRow("centre 20 at the bottom") << Case{0, -50, 90, 20, false, 45, 50, -50, "1020 uS", "-100 %"};
        QTest::newRow("throw 30 pulls top in") << Case{0, 50, 30, 0, true, 15, 17, 17, "2010 uS", "102 %"};
        QTest::newRow("throw 30 pulls bottom in") << Case{0, -50, 30, 0, true, 15, 17, -17, "990 uS", "-102 %"};
        QTest::newRow("throw 30 at 0") << Case{0, 0, 30, 0, true, 15, 17, 0, "1500 uS", "0 %"};
        QTest::newRow("1512.5 to even, 2.5 %") << Case{0, 1, 72, 0, false, 36, 40, 1, "1512 uS", "3 %"};
        QTest::newRow("1487.5 to even, -2.5 %") << Case{0, -1, 72, 0, false, 36, 40, -1, "1488 uS", "-3 %"};
        QTest::newRow("33 halves to 16") << Case{4, 16, 33, 0, false, 16, 16, 16, "1950 uS", "100 %"};
        QTest::newRow("35 halves to 18") << Case{4, 18, 35, 0, false, 18, 18, 18, "1950 uS", "100 %"};
        QTest::newRow("wide end past 100 %") << Case{3, 86, 140, 0, false, 70, 86, 86, "2053 uS", "101 %"};
        // clang-format on
    }

    void readoutsAndRange() {
        QFETCH(Case, c);
        SettingsWindow w;
        if (c.preset)
            w.chooseTransmitter(c.preset);
        w.set({{"Position", c.first ? c.position : 0}, {"Throw", c.throwDeg}});
        w.set({{"Position", c.first ? w.bar("Position")->value() : c.position},
               {"Centre", c.centre}});
        QCOMPARE(QPair(w.bar("Position")->minimum(), w.bar("Position")->maximum()),
                 QPair(-c.barMax, c.barMax));
        QCOMPARE(
            QStringList({w.text("LWidth"), w.text("TWidth"), w.text("TPercent")}),
            QStringList({QString("Pulse width for %1 degrees").arg(c.shown), c.width, c.percent}));
        const gauges::GaugeInputs in = w.form->gaugeInputs();
        QCOMPARE(QPair(in.PosMin, in.PosMax),
                 QPair(-c.halfThrow * in.ThrowScale, c.halfThrow * in.ThrowScale));
        QCOMPARE(w.staleGauge(), QString());
    }
};

QTEST_MAIN(TestEditors)
#include "tst_editors.moc"
