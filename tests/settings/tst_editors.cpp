// The editors on the window: the throw sets the test-position range, the test position
// and the centre give the readouts, and every change redraws its gauge.
#include "support/settingswindow.h"

#include <QTest>

namespace {

// After the preset (JR: scale 1.0; Hitec: 550/450; 0: none, 500/450), the test position
// is set, then the throw, the test position once more and the centre.
struct Case {
    int preset, position, throwDeg, centre;
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
        QTest::newRow("start-up") << Case{0, 0, 90, 0, 45, 50, 0, "1500 uS", "0 %"};
        QTest::newRow("centre 20 at the bottom") << Case{0, -50, 90, 20, 45, 50, -50, "1020 uS", "-100 %"};
        QTest::newRow("throw 30 pulls top in") << Case{0, 50, 30, 0, 15, 17, 17, "2010 uS", "102 %"};
        QTest::newRow("throw 30 pulls bottom in") << Case{0, -50, 30, 0, 15, 17, -17, "990 uS", "-102 %"};
        QTest::newRow("throw 30 at 0") << Case{0, 0, 30, 0, 15, 17, 0, "1500 uS", "0 %"};
        QTest::newRow("1512.5 to even, 2.5 %") << Case{0, 1, 72, 0, 36, 40, 1, "1512 uS", "3 %"};
        QTest::newRow("1537.5 to even") << Case{0, 3, 72, 0, 36, 40, 3, "1538 uS", "8 %"};
        QTest::newRow("1487.5 to even, -2.5 %") << Case{0, -1, 72, 0, 36, 40, -1, "1488 uS", "-3 %"};
        QTest::newRow("31 halves to 16") << Case{4, 16, 31, 0, 16, 16, 16, "1950 uS", "100 %"};
        QTest::newRow("33 halves to 16") << Case{4, 16, 33, 0, 16, 16, 16, "1950 uS", "100 %"};
        QTest::newRow("35 halves to 18") << Case{4, 18, 35, 0, 18, 18, 18, "1950 uS", "100 %"};
        QTest::newRow("wide end past 100 %") << Case{3, 86, 140, 0, 70, 86, 86, "2053 uS", "101 %"};
        // clang-format on
    }

    void readoutsAndRange() {
        QFETCH(Case, c);
        SettingsWindow w;
        if (c.preset)
            w.chooseTransmitter(c.preset);
        w.bar("ScrollPosition")->setValue(c.position);
        w.bar("ScrollThrow")->setValue(c.throwDeg);
        w.bar("ScrollPosition")->setValue(c.position);
        w.bar("ScrollCentre")->setValue(c.centre);
        QCOMPARE(w.bar("ScrollPosition")->minimum(), -c.barMax);
        QCOMPARE(w.bar("ScrollPosition")->maximum(), c.barMax);
        QCOMPARE(w.text("LWidth"), QStringLiteral("Pulse width for %1 degrees").arg(c.shown));
        QCOMPARE(w.text("TWidth"), c.width);
        QCOMPARE(w.text("TPercent"), c.percent);
        // The bounds that the position gauge's zone takes stay unrounded.
        const gauges::GaugeInputs in = w.form->gaugeInputs();
        QCOMPARE(in.PosMax, c.halfThrow * in.ThrowScale);
        QCOMPARE(in.PosMin, -c.halfThrow * in.ThrowScale);
        QCOMPARE(w.staleGauge(), QString());
    }

    void draggedThumbRedraws() {
        SettingsWindow w;
        w.bar("ScrollPosition")->setSliderDown(true);
        w.bar("ScrollPosition")->setSliderPosition(-12);
        QCOMPARE(w.text("LWidth"), QStringLiteral("Pulse width for -12 degrees"));
        QCOMPARE(w.staleGauge(), QString());
    }
};

QTEST_MAIN(TestEditors)
#include "tst_editors.moc"
