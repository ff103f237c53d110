// Zone colours: the zone's fill at angles inside each zone, the grey background outside.
#include "support/gaugeprobe.h"

#include <QTest>

using gauges::GaugeId;
using namespace GaugeProbe;

namespace {
constexpr QRgb Green = 0xFF66FF66;
constexpr QRgb Yellow = 0xFFFFFF33;
constexpr QRgb None = 0; // the metallic background
// Inside the ticks and their labels, clear of the name and unit.
constexpr double ProbeRadius = 40;
} // namespace

class TestGaugeZones : public QObject {
    Q_OBJECT

private slots:
    void colourAtAngle_data();
    void colourAtAngle();
};

void TestGaugeZones::colourAtAngle_data() {
    QTest::addColumn<GaugeId>("id");
    QTest::addColumn<int>("value"); // puts the needle away from the probes
    QTest::addColumn<double>("throwScale");
    QTest::addColumn<double>("angle");
    QTest::addColumn<QRgb>("colour");
    const double f = 500.0 / 450.0;
    // Throw at 500/450: green from -77.8 to -16.7 and from 16.7 to 77.8.
    QTest::newRow("throw left") << GaugeId::Throw << 90 << f << -70.0 << Green;
    QTest::newRow("throw left inner") << GaugeId::Throw << 90 << f << -20.0 << Green;
    QTest::newRow("throw right") << GaugeId::Throw << 90 << f << 25.0 << Green;
    QTest::newRow("throw middle") << GaugeId::Throw << 90 << f << 0.0 << None;
    QTest::newRow("throw beside middle") << GaugeId::Throw << 90 << f << -12.0 << None;
    QTest::newRow("throw far left") << GaugeId::Throw << 90 << f << -85.0 << None;
    QTest::newRow("throw far right") << GaugeId::Throw << 90 << f << 85.0 << None;
    // At ThrowScale 1 the zones shrink to 15 … 70.
    QTest::newRow("throw f=1 beyond 70") << GaugeId::Throw << 90 << 1.0 << 75.0 << None;
    QTest::newRow("throw f=1 inside") << GaugeId::Throw << 90 << 1.0 << -65.0 << Green;
    // Centre: green from 1373 to 1627, ±22.9 degrees.
    QTest::newRow("centre middle") << GaugeId::Centre << 1600 << f << 0.0 << Green;
    QTest::newRow("centre left") << GaugeId::Centre << 1600 << f << -18.0 << Green;
    QTest::newRow("centre beyond left") << GaugeId::Centre << 1600 << f << -30.0 << None;
    QTest::newRow("centre far right") << GaugeId::Centre << 1600 << f << 70.0 << None;
    // Deadband: yellow 0 … 2, green 2 … 8, yellow 8 … 16.
    QTest::newRow("deadband low") << GaugeId::Deadband << 2 << f << -80.0 << Yellow;
    QTest::newRow("deadband green") << GaugeId::Deadband << 2 << f << -30.0 << Green;
    QTest::newRow("deadband high") << GaugeId::Deadband << 2 << f << 20.0 << Yellow;
    QTest::newRow("deadband top") << GaugeId::Deadband << 2 << f << 75.0 << Yellow;
    // Position at start-up: green from -50 to 50.
    QTest::newRow("position inside") << GaugeId::Position << 20 << f << -30.0 << Green;
    QTest::newRow("position middle") << GaugeId::Position << 20 << f << 0.0 << Green;
    QTest::newRow("position left of range") << GaugeId::Position << 20 << f << -70.0 << None;
    QTest::newRow("position right of range") << GaugeId::Position << 20 << f << 70.0 << None;
    // Speed has no zone.
    QTest::newRow("speed left") << GaugeId::Speed << 100 << f << -60.0 << None;
    QTest::newRow("speed middle") << GaugeId::Speed << 100 << f << 0.0 << None;
}

void TestGaugeZones::colourAtAngle() {
    QFETCH(GaugeId, id);
    QFETCH(int, value);
    QFETCH(double, throwScale);
    QFETCH(double, angle);
    QFETCH(QRgb, colour);
    gauges::GaugeInputs in = startupInputs();
    in.ThrowScale = throwScale;
    const QRgb pixel = draw(id, value, in).pixel(dialPoint(angle, ProbeRadius));
    if (colour == None)
        QVERIFY2(isNeutral(pixel), qPrintable(QString::number(pixel, 16)));
    else
        QCOMPARE(pixel, colour);
}

QTEST_MAIN(TestGaugeZones)
#include "tst_gaugezones.moc"
