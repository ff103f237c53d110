// The gauge picture, its dial (centre (75, 80), -90 to +90 degrees) restated here.
#include "gauges/gaugesequence.h"
#include "platform/angularmeter.h"
#include "settings/editorranges.h"

#include <QTest>
#include <QtMath>

using namespace tessaro;

using gauges::GaugeId;

namespace {

constexpr double Full = 500.0 / 450.0, Wide = 550.0 / 450.0;
constexpr QRgb Green = 0xFF66FF66, Yellow = 0xFFFFFF33, Grey = 0; // Grey: the metallic dial

QRgb pixelAt(const QImage &picture, double angle, double radius) {
    const double a = qDegreesToRadians(angle);
    return picture.pixel(int(std::floor(75.5 + radius * std::sin(a))),
                         int(std::floor(80.5 - radius * std::cos(a))));
}

// Needles: along each one's ray the picture differs from the one with its needle at `far`,
// 15 degrees inward it agrees. Colours are probed 40 pixels out. A reference other than 0
// replaces all four of start-up's (90, 100, 0, 2).
struct Gauge {
    GaugeId id;
    int value, reference, far;
    double scale;
    QList<double> needles;
    QList<QPair<double, QRgb>> colours; // angle, colour
    QString text;
    bool darkBlue;
};

} // namespace

class TestGaugePicture : public QObject {
    Q_OBJECT

private slots:
    void gauge_data() {
        QTest::addColumn<Gauge>("g");
        // clang-format off
        // Throw: green from -70 to -15 and from 15 to 70, times ThrowScale.
        QTest::newRow("throw 90") << Gauge{GaugeId::Throw, 90, 0, 30, Full, {50, -50}, {{-70, Green}, {-12, Grey}, {75, Green}}, "50", true};
        QTest::newRow("throw 90 at 1.0") << Gauge{GaugeId::Throw, 90, 0, 30, 1.0, {45, -45}, {{-60, Green}, {75, Grey}}, "45", true};
        QTest::newRow("throw 140 wide") << Gauge{GaugeId::Throw, 140, 0, 30, Wide, {85.56, -85.56}, {}, "86", false};
        QTest::newRow("throw 46.5 away from zero") << Gauge{GaugeId::Throw, 93, 0, 30, 1.0, {46.5, -46.5}, {}, "47", false};
        QTest::newRow("throw -45.5 away from zero") << Gauge{GaugeId::Throw, 91, 0, 0, -1.0, {}, {}, "-46", false};
        QTest::newRow("throw new reference") << Gauge{GaugeId::Throw, 93, 93, 0, 1.0, {}, {}, "47", true};
        QTest::newRow("speed 100") << Gauge{GaugeId::Speed, 100, 0, 1, Full, {90}, {{-30, Grey}}, "100", true};
        // Centre: green from 1373 to 1627, ±22.9 degrees.
        QTest::newRow("centre 1373") << Gauge{GaugeId::Centre, 1373, 0, 1627, Full, {-22.86}, {{20, Green}, {28, Grey}}, "1373", false};
        QTest::newRow("centre 1500") << Gauge{GaugeId::Centre, 1500, 0, 0, Full, {}, {}, "1500", true};
        QTest::newRow("centre offset 10") << Gauge{GaugeId::Centre, 1510, 10, 0, Full, {}, {}, "1510", true};
        // Deadband: yellow 0 to 2, green 2 to 8, yellow 8 to 16.
        QTest::newRow("deadband 9") << Gauge{GaugeId::Deadband, 9, 0, 0, Full, {11.25}, {{-80, Yellow}, {-30, Green}, {40, Yellow}}, "9", false};
        QTest::newRow("deadband 2") << Gauge{GaugeId::Deadband, 2, 0, 0, Full, {}, {}, "2", true};
        // Position: green from PosMin to PosMax, -50 to 50 at start-up; never dark blue.
        QTest::newRow("position 20") << Gauge{GaugeId::Position, 20, 0, -50, Full, {20}, {{-45, Green}, {-55, Grey}}, "20", false};
        QTest::newRow("position -35") << Gauge{GaugeId::Position, -35, -35, 50, Full, {-35}, {}, "-35", false};
        // clang-format on
    }

    // The readout must show the same box as one drawn alone with the expected text and colour.
    void gauge() {
        QFETCH(Gauge, g);
        gauges::GaugeInputs in = gauges::startupInputs();
        in.ThrowScale = g.scale;
        if (g.reference)
            in.RefThrow = in.RefSpeed = in.RefCentre = in.RefDeadband = qint16(g.reference);
        const gauges::GaugeParams &params = gauges::gaugeParams(g.id);
        const QImage picture = gauges::drawGauge(params, qint16(g.value), in);
        const QImage far = gauges::drawGauge(params, qint16(g.far), in);
        const auto differing = [&](double angle) { // pixels from radius 20 to 40
            int n = 0;
            for (double r = 20; r <= 40; r += 2)
                n += pixelAt(picture, angle, r) != pixelAt(far, angle, r);
            return n;
        };
        for (double angle : g.needles)
            QCOMPARE(QPair(differing(angle), differing(angle + (angle > 0 ? -15 : 15))),
                     QPair(11, 0));
        for (const auto &[angle, colour] : g.colours) {
            const QRgb c = pixelAt(picture, angle, 40);
            QVERIFY2(colour == Grey ? qRed(c) == qGreen(c) && qGreen(c) == qBlue(c) : c == colour,
                     qPrintable(QString::number(angle)));
        }
        QCOMPARE(gauges::gaugeReadout(params, qint16(g.value), in), g.text);
        const int x = g.id == GaugeId::Centre ? 115 : 120;
        platform::AngularMeter alone(150, 90, 0x123456);
        alone.addText(x, 5, g.text, "arial.ttf", 8, g.darkBlue ? 0x0404A2 : 0xFFFFFF, 7)
            .setBackground(0xA3A3A3, 0x000000, -1);
        const QImage expected = alone.makePicture();
        QRect box; // where the box alone differs from its plain background
        for (int py = 0; py < expected.height(); ++py)
            for (int px = 0; px < expected.width(); ++px)
                if (expected.pixel(px, py) != expected.pixel(75, 60))
                    box |= QRect(px, py, 1, 1);
        QCOMPARE(picture.copy(box), expected.copy(box));
    }

    // The README's pictures were drawn with the faces built into the program; the system's
    // font files must give the same pixels, at both pixel ratios.
    void referencePictures() {
        using namespace settings;
        // In the order of gauges::AllGauges.
        const QPair<const char *, int> shots[] = {{"throw", ThrowRange.start},
                                                  {"speed", SpeedRange.start},
                                                  {"centre", CentrePulse + CentreRange.start},
                                                  {"deadband", DeadbandRange.start},
                                                  {"position", PositionRange.start}};
        for (int i = 0; i < 5; ++i)
            for (int ratio : {1, 2}) {
                const QImage drawn =
                    gauges::drawGauge(gauges::gaugeParams(gauges::AllGauges[i]),
                                      qint16(shots[i].second), gauges::startupInputs(), ratio);
                QCOMPARE(drawn.devicePixelRatio(), qreal(ratio));
                const QString name =
                    QString("gauge-") + shots[i].first + (ratio == 2 ? "@2x" : "") + ".png";
                const QImage reference(QFINDTESTDATA("../../docs/images/" + name));
                QVERIFY2(drawn.convertToFormat(QImage::Format_RGB32) ==
                             reference.convertToFormat(QImage::Format_RGB32),
                         qPrintable(name));
            }
    }
};

QTEST_MAIN(TestGaugePicture)
#include "tst_gaugepicture.moc"
