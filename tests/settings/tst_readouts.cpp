// The test-position range and the three readouts, worked out without a window.
#include "settings/presets.h"
#include "settings/readouts.h"

#include <QtTest>

using presets::ScaleFull;
using presets::ScaleNarrow;
using presets::ScaleWide;

class ReadoutsTest : public QObject {
    Q_OBJECT

private slots:
    void rangeRoundsBarButKeepsBounds_data();
    void rangeRoundsBarButKeepsBounds();
    void positionIsPulledInsideUnroundedBounds_data();
    void positionIsPulledInsideUnroundedBounds();
    void textsForAPosition_data();
    void textsForAPosition();
    void percentRoundsHalvesAwayFromZero_data();
    void percentRoundsHalvesAwayFromZero();
};

void ReadoutsTest::rangeRoundsBarButKeepsBounds_data() {
    QTest::addColumn<int>("throwDeg");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("halfThrow");
    QTest::addColumn<double>("posMax");
    QTest::addColumn<int>("barMax");
    QTest::newRow("start-up") << 90 << ScaleFull << 45 << 50.0 << 50;
    QTest::newRow("narrow") << 90 << ScaleNarrow << 45 << 45.0 << 45;
    QTest::newRow("smallest throw") << 30 << ScaleFull << 15 << 15 * ScaleFull << 17;
    QTest::newRow("widest") << 140 << ScaleWide << 70 << 70 * ScaleWide << 86;
    QTest::newRow("31 halves to 16") << 31 << ScaleFull << 16 << 16 * ScaleFull << 18;
    QTest::newRow("33 halves to 16") << 33 << ScaleFull << 16 << 16 * ScaleFull << 18;
    QTest::newRow("35 halves to 18") << 35 << ScaleFull << 18 << 20.0 << 20;
}

void ReadoutsTest::rangeRoundsBarButKeepsBounds() {
    QFETCH(int, throwDeg);
    QFETCH(double, scale);
    QFETCH(int, halfThrow);
    QFETCH(double, posMax);
    QFETCH(int, barMax);
    const readouts::PositionRange r = readouts::positionRange(throwDeg, scale);
    QCOMPARE(r.halfThrow, halfThrow);
    QCOMPARE(r.posMax, posMax);
    QCOMPARE(r.posMin, -posMax);
    QCOMPARE(r.barMax, barMax);
    QCOMPARE(r.barMin, -barMax);
}

void ReadoutsTest::positionIsPulledInsideUnroundedBounds_data() {
    QTest::addColumn<int>("throwDeg");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("kept");
    QTest::newRow("above") << 30 << 50 << 17;
    QTest::newRow("below") << 30 << -50 << -17;
    QTest::newRow("rounded end beyond the bound") << 30 << 17 << 17;
    QTest::newRow("inside") << 30 << -12 << -12;
}

void ReadoutsTest::positionIsPulledInsideUnroundedBounds() {
    QFETCH(int, throwDeg);
    QFETCH(int, position);
    QFETCH(int, kept);
    QCOMPARE(readouts::keptPosition(position, readouts::positionRange(throwDeg, ScaleFull)), kept);
}

void ReadoutsTest::textsForAPosition_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("halfThrow");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("centre");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("percent");
    QTest::newRow("centre") << 0 << 45 << ScaleFull << 0 << "Pulse width for 0 degrees"
                            << "1500 uS"
                            << "0 %";
    QTest::newRow("top") << 50 << 45 << ScaleFull << 0 << "Pulse width for 50 degrees"
                         << "2000 uS"
                         << "100 %";
    QTest::newRow("bottom, centre 20")
        << -50 << 45 << ScaleFull << 20 << "Pulse width for -50 degrees"
        << "1020 uS"
        << "-100 %";
    QTest::newRow("narrow") << 45 << 45 << ScaleNarrow << 0 << "Pulse width for 45 degrees"
                            << "1950 uS"
                            << "100 %";
    QTest::newRow("past the bound") << 17 << 15 << ScaleFull << 0 << "Pulse width for 17 degrees"
                                    << "2010 uS"
                                    << "102 %";
    QTest::newRow("wide") << 86 << 70 << ScaleWide << 0 << "Pulse width for 86 degrees"
                          << "2053 uS"
                          << "101 %";
    QTest::newRow("1512.5 to even") << 1 << 36 << ScaleFull << 0 << "Pulse width for 1 degrees"
                                    << "1512 uS"
                                    << "3 %";
    QTest::newRow("1537.5 to even") << 3 << 36 << ScaleFull << 0 << "Pulse width for 3 degrees"
                                    << "1538 uS"
                                    << "8 %";
}

void ReadoutsTest::textsForAPosition() {
    QFETCH(int, position);
    QFETCH(int, halfThrow);
    QFETCH(double, scale);
    QFETCH(int, centre);
    const readouts::Texts t = readouts::forPosition(position, halfThrow, scale, centre);
    QTEST(t.caption, "caption");
    QTEST(t.width, "width");
    QTEST(t.percent, "percent");
}

void ReadoutsTest::percentRoundsHalvesAwayFromZero_data() {
    QTest::addColumn<double>("percent");
    QTest::addColumn<QString>("text");
    QTest::newRow("2.5") << 2.5 << "3 %";
    QTest::newRow("-2.5") << -2.5 << "-3 %";
    QTest::newRow("100.5") << 100.5 << "101 %";
    QTest::newRow("-0.4, no minus") << -0.4 << "0 %";
}

void ReadoutsTest::percentRoundsHalvesAwayFromZero() {
    QFETCH(double, percent);
    QTEST(readouts::percentText(percent), "text");
}

QTEST_APPLESS_MAIN(ReadoutsTest)
#include "tst_readouts.moc"
