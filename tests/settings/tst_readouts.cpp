// The three readouts worked out without a window: the cases the window tests do not reach.
#include "settings/presets.h"
#include "settings/readouts.h"

#include <QtTest>

using presets::ScaleFull;
using presets::ScaleNarrow;

class ReadoutsTest : public QObject {
    Q_OBJECT

private slots:
    void textsForAPosition_data();
    void textsForAPosition();
    void percentRoundsHalvesAwayFromZero_data();
    void percentRoundsHalvesAwayFromZero();
};

void ReadoutsTest::textsForAPosition_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("halfThrow");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("centre");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("percent");
    QTest::newRow("bottom, centre 20")
        << -50 << 45 << ScaleFull << 20 << "Pulse width for -50 degrees"
        << "1020 uS"
        << "-100 %";
    QTest::newRow("narrow") << 45 << 45 << ScaleNarrow << 0 << "Pulse width for 45 degrees"
                            << "1950 uS"
                            << "100 %";
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
