// The gauge picture: needles at their values' angles, the coloured zones, the readout box
// and its colour rule, the rounded raised frame, and the same picture for the same inputs.
// The dial's geometry is restated here (centre (75, 80), -90 to +90 degrees, 0 straight up)
// rather than taken from the drawing code.
#include "gauges/gaugesequence.h"
#include "platform/angularmeter.h"

#include <QTest>
#include <QtMath>

using gauges::GaugeId;

namespace {

constexpr double Full = 500.0 / 450.0, Wide = 550.0 / 450.0;
constexpr QRgb Green = 0xFF66FF66, Yellow = 0xFFFFFF33, Grey = 0; // Grey: the metallic dial

QImage draw(GaugeId id, int value, double throwScale = Full, qreal ratio = 1) {
    gauges::GaugeInputs in = gauges::startupInputs();
    in.ThrowScale = throwScale;
    return gauges::drawGauge(gauges::gaugeParams(id), qint16(value), in, ratio);
}

QRgb pixelAt(const QImage &picture, double angle, double radius) {
    const double a = qDegreesToRadians(angle);
    return picture.pixel(int(std::floor(75.5 + radius * std::sin(a))),
                         int(std::floor(80.5 - radius * std::cos(a))));
}

// Whether the pictures differ (or agree) at every pixel of the ray from radius 20 to 40.
bool rayDiffers(const QImage &a, const QImage &b, double angle, bool differs = true) {
    for (double r = 20; r <= 40; r += 2) {
        if ((pixelAt(a, angle, r) != pixelAt(b, angle, r)) != differs)
            return false;
    }
    return true;
}

// Against the same gauge with its needle at `far`, the pictures differ along each needle's
// ray and agree 15 degrees inward of it; the colours are probed 40 pixels out.
struct Dial {
    GaugeId id;
    int value, far;
    double scale;
    QList<double> needles;
    QList<QPair<double, QRgb>> colours; // angle, colour
};

// Start-up references are throw 90, speed 100, centre 0, deadband 2; a reference other
// than 0 replaces all four.
struct Readout {
    GaugeId id;
    int value;
    double scale;
    int reference;
    QString text;
    bool darkBlue;
};

} // namespace

class TestGaugePicture : public QObject {
    Q_OBJECT

private slots:
    void dial_data() {
        QTest::addColumn<Dial>("d");
        // clang-format off
        // Throw: green from -70 to -15 and from 15 to 70, times ThrowScale.
        QTest::newRow("throw 90") << Dial{GaugeId::Throw, 90, 30, Full, {50, -50}, {{-70, Green}, {-12, Grey}, {75, Green}}};
        QTest::newRow("throw 90 at 1.0") << Dial{GaugeId::Throw, 90, 30, 1.0, {45, -45}, {{-60, Green}, {75, Grey}}};
        QTest::newRow("throw 140 wide") << Dial{GaugeId::Throw, 140, 30, Wide, {85.56, -85.56}, {}};
        QTest::newRow("speed 100") << Dial{GaugeId::Speed, 100, 1, Full, {90}, {{-30, Grey}}};
        QTest::newRow("speed 50") << Dial{GaugeId::Speed, 50, 100, Full, {0}, {}};
        // Centre: green from 1373 to 1627, ±22.9 degrees.
        QTest::newRow("centre 1373") << Dial{GaugeId::Centre, 1373, 1627, Full, {-22.86}, {{10, Green}, {28, Grey}}};
        // Deadband: yellow 0 to 2, green 2 to 8, yellow 8 to 16.
        QTest::newRow("deadband 9") << Dial{GaugeId::Deadband, 9, 0, Full, {11.25}, {{-80, Yellow}, {-30, Green}, {40, Yellow}}};
        // Position: green from PosMin to PosMax, -50 to 50 at start-up.
        QTest::newRow("position 20") << Dial{GaugeId::Position, 20, -50, Full, {20}, {{-45, Green}, {-55, Grey}}};
        QTest::newRow("position -35") << Dial{GaugeId::Position, -35, 50, Full, {-35}, {}};
        // clang-format on
    }

    void dial() {
        QFETCH(Dial, d);
        const QImage picture = draw(d.id, d.value, d.scale), far = draw(d.id, d.far, d.scale);
        for (double angle : d.needles) {
            QVERIFY2(rayDiffers(picture, far, angle), qPrintable(QString::number(angle)));
            QVERIFY(rayDiffers(picture, far, angle + (angle > 0 ? -15 : 15), false));
        }
        for (const auto &[angle, colour] : d.colours) {
            const QRgb c = pixelAt(picture, angle, 40);
            const bool grey = qRed(c) == qGreen(c) && qGreen(c) == qBlue(c);
            QVERIFY2(colour == Grey ? grey : c == colour, qPrintable(QString::number(angle)));
        }
    }

    void readout_data() {
        QTest::addColumn<Readout>("r");
        // clang-format off
        QTest::newRow("throw equal") << Readout{GaugeId::Throw, 90, Full, 0, "50", true};
        QTest::newRow("throw 46.5 away from zero") << Readout{GaugeId::Throw, 93, 1.0, 0, "47", false};
        QTest::newRow("throw new reference") << Readout{GaugeId::Throw, 93, 1.0, 93, "47", true};
        QTest::newRow("speed equal") << Readout{GaugeId::Speed, 100, Full, 0, "100", true};
        QTest::newRow("speed new reference") << Readout{GaugeId::Speed, 40, Full, 40, "40", true};
        QTest::newRow("centre equal") << Readout{GaugeId::Centre, 1500, Full, 0, "1500", true};
        QTest::newRow("centre differs") << Readout{GaugeId::Centre, 1373, Full, 0, "1373", false};
        QTest::newRow("centre offset 10") << Readout{GaugeId::Centre, 1510, Full, 10, "1510", true};
        QTest::newRow("centre raw 10") << Readout{GaugeId::Centre, 10, Full, 10, "10", false};
        QTest::newRow("deadband equal") << Readout{GaugeId::Deadband, 2, Full, 0, "2", true};
        QTest::newRow("deadband differs") << Readout{GaugeId::Deadband, 9, Full, 0, "9", false};
        QTest::newRow("position 0") << Readout{GaugeId::Position, 0, Full, 0, "0", false};
        QTest::newRow("position -35") << Readout{GaugeId::Position, -35, Full, -35, "-35", false};
        // clang-format on
    }

    // The gauge shows the same box as one drawn alone with the expected text and colour.
    void readout() {
        QFETCH(Readout, r);
        gauges::GaugeInputs in = gauges::startupInputs();
        in.ThrowScale = r.scale;
        if (r.reference) {
            in.RefThrow = in.RefSpeed = in.RefCentre = r.reference;
            in.RefDeadband = qint16(r.reference);
        }
        const gauges::GaugeParams &params = gauges::gaugeParams(r.id);
        QCOMPARE(gauges::gaugeReadout(params, qint16(r.value), in), r.text);
        const int x = r.id == GaugeId::Centre ? 115 : 120;
        Chart::AngularMeter alone(150, 90, 0x123456);
        alone.addText(x, 5, r.text, "arial.ttf", 8, r.darkBlue ? 0x0404A2 : 0xFFFFFF, 7)
            .setBackground(0xA3A3A3, 0x000000, -1);
        const QImage expected = alone.makePicture();
        QRect box; // where the box alone differs from its plain background
        for (int py = 0; py < expected.height(); ++py)
            for (int px = 0; px < expected.width(); ++px)
                if (expected.pixel(px, py) != expected.pixel(75, 60))
                    box |= QRect(px, py, 1, 1);
        QCOMPARE(box.topLeft(), QPoint(x, 5));
        const QImage gauge = gauges::drawGauge(params, qint16(r.value), in);
        QCOMPARE(gauge.copy(box), expected.copy(box));
    }

    // The window's grey outside the rounded corners, a black edge, lighter at the top than
    // at the bottom inside it (raised); the size follows the pixel ratio.
    void frame() {
        const QImage p = draw(GaugeId::Speed, 100);
        QCOMPARE(p.size(), QSize(150, 90));
        for (const QPoint corner : {QPoint(0, 0), QPoint(149, 0), QPoint(0, 89), QPoint(149, 89)})
            QCOMPARE(p.pixel(corner), 0xFFE0E0E0);
        for (const QPoint edge : {QPoint(75, 0), QPoint(75, 89), QPoint(0, 45), QPoint(149, 45)})
            QCOMPARE(p.pixel(edge), 0xFF000000);
        QVERIFY(qGray(p.pixel(75, 1)) > qGray(p.pixel(75, 88)));
        QCOMPARE(draw(GaugeId::Speed, 100, Full, 2).size(), QSize(300, 180));
    }

    void sameInputsSamePicture() {
        for (GaugeId id : gauges::AllGauges) {
            const QImage first = draw(id, 7);
            draw(GaugeId::Throw, 140, Wide);
            QCOMPARE(draw(id, 7), first);
        }
    }
};

QTEST_MAIN(TestGaugePicture)
#include "tst_gaugepicture.moc"
