// Needles: each gauge's pointer at its value's angle, the throw gauge's two at ±half throw.
// A needle is found by comparing with the same gauge whose needle stands far away: along
// the needle's ray the pictures differ, along rays beside it they are the same.
#include "support/gaugeprobe.h"

#include <QTest>
#include <cmath>

using gauges::GaugeId;
using namespace GaugeProbe;

class TestGaugeNeedle : public QObject {
    Q_OBJECT

private slots:
    void pointsAtValue_data();
    void pointsAtValue();
    void throwNeedlesAtHalfThrow_data();
    void throwNeedlesAtHalfThrow();
};

void TestGaugeNeedle::pointsAtValue_data() {
    QTest::addColumn<GaugeId>("id");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("farValue");
    QTest::newRow("speed full") << GaugeId::Speed << 100 << 1;
    QTest::newRow("speed half") << GaugeId::Speed << 50 << 100;
    QTest::newRow("centre middle") << GaugeId::Centre << 1500 << 1100;
    QTest::newRow("centre lowest") << GaugeId::Centre << 1373 << 1627;
    QTest::newRow("deadband 2") << GaugeId::Deadband << 2 << 16;
    QTest::newRow("deadband 9") << GaugeId::Deadband << 9 << 0;
    QTest::newRow("position -35") << GaugeId::Position << -35 << 50;
    QTest::newRow("position 0") << GaugeId::Position << 0 << -50;
}

void TestGaugeNeedle::pointsAtValue() {
    QFETCH(GaugeId, id);
    QFETCH(int, value);
    QFETCH(int, farValue);
    const QImage picture = draw(id, value);
    const QImage far = draw(id, farValue);
    const double angle = angleOf(id, value);
    QVERIFY(rayDiffers(picture, far, angle));
    for (double beside : {angle - 15, angle + 15}) {
        if (std::abs(beside) <= 90)
            QVERIFY(rayEqual(picture, far, beside));
    }
}

void TestGaugeNeedle::throwNeedlesAtHalfThrow_data() {
    QTest::addColumn<int>("throwValue");
    QTest::addColumn<double>("scale");
    QTest::newRow("start-up, ±50") << 90 << 500.0 / 450.0;
    QTest::newRow("ThrowScale 1, ±45.5") << 91 << 1.0;
    QTest::newRow("largest, ±85.6") << 140 << 550.0 / 450.0;
}

void TestGaugeNeedle::throwNeedlesAtHalfThrow() {
    QFETCH(int, throwValue);
    QFETCH(double, scale);
    gauges::GaugeInputs in = startupInputs();
    in.ThrowScale = scale;
    const QImage picture = draw(GaugeId::Throw, throwValue, in);
    const QImage far = draw(GaugeId::Throw, 30, in); // needles near the middle
    const double h = throwValue * scale / 2;
    for (double side : {1.0, -1.0}) {
        QVERIFY(rayDiffers(picture, far, side * h));
        QVERIFY(rayEqual(picture, far, side * (h - 15)));
        if (h + 15 < 90)
            QVERIFY(rayEqual(picture, far, side * (h + 15)));
    }
}

QTEST_MAIN(TestGaugeNeedle)
#include "tst_gaugeneedle.moc"
