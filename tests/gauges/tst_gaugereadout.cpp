// The readout box: where it stands, what it says, and its colour rule (dark blue while the
// value equals its reference, white otherwise; the position gauge always white).
#include "platform/angularmeter.h"
#include "support/gaugeprobe.h"

#include <QTest>

using gauges::GaugeId;
using namespace GaugeProbe;

namespace {

enum class Ink { DarkBlue, White };

// Anti-aliased text never fills a whole pixel reliably, so judge it by its tint.
bool hasInk(const QImage &picture, const QRect &inside, Ink ink) {
    bool found = false;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb c = picture.pixel(x, y);
            const bool blue = qBlue(c) > qRed(c) + 60;
            const bool white = isNeutral(c) && qRed(c) > 0xC0; // well above the box's 0xA3
            if ((ink == Ink::DarkBlue && white) || (ink == Ink::White && blue))
                return false;
            found |= ink == Ink::DarkBlue ? blue : white;
        }
    }
    return found;
}

} // namespace

class TestGaugeReadout : public QObject {
    Q_OBJECT

private slots:
    void colourFollowsReference_data();
    void colourFollowsReference();
    void boxAtItsPlace_data();
    void boxAtItsPlace();
    void throwShowsHalfThrow_data();
    void throwShowsHalfThrow();
    void negativePositionKeepsMinus();
};

void TestGaugeReadout::colourFollowsReference_data() {
    QTest::addColumn<GaugeId>("id");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("reference"); // written into the gauge's reference; -999: start-up
    QTest::addColumn<bool>("darkBlue");
    QTest::newRow("throw equal") << GaugeId::Throw << 90 << -999 << true;
    QTest::newRow("throw differs") << GaugeId::Throw << 91 << -999 << false;
    QTest::newRow("throw new reference") << GaugeId::Throw << 91 << 91 << true;
    QTest::newRow("speed equal") << GaugeId::Speed << 100 << -999 << true;
    QTest::newRow("speed differs") << GaugeId::Speed << 99 << -999 << false;
    QTest::newRow("centre equal") << GaugeId::Centre << 1500 << -999 << true;
    QTest::newRow("centre differs") << GaugeId::Centre << 1373 << -999 << false;
    QTest::newRow("centre offset reference") << GaugeId::Centre << 1510 << 10 << true;
    QTest::newRow("centre raw reference") << GaugeId::Centre << 10 << 10 << false;
    QTest::newRow("deadband equal") << GaugeId::Deadband << 2 << -999 << true;
    QTest::newRow("deadband differs") << GaugeId::Deadband << 9 << -999 << false;
    QTest::newRow("position zero") << GaugeId::Position << 0 << -999 << false;
    QTest::newRow("position negative") << GaugeId::Position << -35 << -999 << false;
}

void TestGaugeReadout::colourFollowsReference() {
    QFETCH(GaugeId, id);
    QFETCH(int, value);
    QFETCH(int, reference);
    QFETCH(bool, darkBlue);
    gauges::GaugeInputs in = startupInputs();
    if (reference != -999) {
        in.RefThrow = in.RefSpeed = in.RefCentre = reference;
        in.RefDeadband = qint16(reference);
    }
    const QImage picture = draw(id, value, in);
    const QRect box = readoutBox(picture, gauges::gaugeParams(id).readoutX);
    QVERIFY(!box.isEmpty());
    QVERIFY(hasInk(picture, readoutInside(box), darkBlue ? Ink::DarkBlue : Ink::White));
}

void TestGaugeReadout::boxAtItsPlace_data() {
    QTest::addColumn<GaugeId>("id");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("left");
    QTest::newRow("throw") << GaugeId::Throw << 90 << 120;
    QTest::newRow("speed") << GaugeId::Speed << 100 << 120;
    QTest::newRow("centre") << GaugeId::Centre << 1500 << 115;
    QTest::newRow("deadband") << GaugeId::Deadband << 16 << 120;
    QTest::newRow("position") << GaugeId::Position << -50 << 120;
}

void TestGaugeReadout::boxAtItsPlace() {
    QFETCH(GaugeId, id);
    QFETCH(int, value);
    QFETCH(int, left);
    const QImage picture = draw(id, value);
    const QRect box = readoutBox(picture, left);
    QVERIFY(!box.isEmpty());
    QCOMPARE(box.top(), 5);
    // The box holds its text and stays inside the picture's border.
    QVERIFY(box.width() >= 12);
    QVERIFY(box.right() < 147);
    QVERIFY(box.height() >= 12 && box.height() <= 16);
    QCOMPARE(picture.pixel(readoutInside(box).topLeft()), qRgb(0xA3, 0xA3, 0xA3));
}

void TestGaugeReadout::throwShowsHalfThrow_data() {
    QTest::addColumn<int>("throwValue");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QString>("readout");
    QTest::newRow("start-up") << 90 << 500.0 / 450.0 << "50";
    QTest::newRow("half rounds away from zero") << 91 << 1.0 << "46";
    QTest::newRow("largest throw") << 140 << 550.0 / 450.0 << "86";
}

void TestGaugeReadout::throwShowsHalfThrow() {
    QFETCH(int, throwValue);
    QFETCH(double, scale);
    QFETCH(QString, readout);
    gauges::GaugeInputs in = startupInputs();
    in.ThrowScale = scale;
    const gauges::GaugeParams &gauge = gauges::gaugeParams(GaugeId::Throw);
    QCOMPARE(gauges::gaugeReadout(gauge, qint16(throwValue), in), readout);
    QCOMPARE(gauges::gaugeDescription(gauge, qint16(throwValue), in), "Throw " + readout + " deg.");
}

// The box's inside is opaque, so it must match a box holding the same text drawn alone.
void TestGaugeReadout::negativePositionKeepsMinus() {
    auto alone = [](const QString &text) {
        Chart::AngularMeter m(150, 90, 0x808080);
        m.addText(120, 5, text, QStringLiteral("arial.ttf"), 8, 0xFFFFFF, Chart::TopLeft)
            .setBackground(0xA3A3A3, 0x000000, -1);
        return m.makePicture();
    };
    const QImage gauge = draw(GaugeId::Position, -35);
    const QImage withMinus = alone(QStringLiteral("-35"));
    const QImage without = alone(QStringLiteral("35"));
    const QRect box = readoutBox(gauge, 120);
    QCOMPARE(box, readoutBox(withMinus, 120));
    QVERIFY(readoutBox(without, 120).width() < box.width());
    const QRect inside = readoutInside(box);
    QCOMPARE(gauge.copy(inside), withMinus.copy(inside));
}

QTEST_MAIN(TestGaugeReadout)
#include "tst_gaugereadout.moc"
