// The picture as a whole: size and pixel ratio, the rounded frame with the window's grey
// outside its corners, the raised black border, and the same picture for the same inputs.
#include "support/gaugeprobe.h"

#include <QTest>
#include <cstring>

using gauges::GaugeId;
using namespace GaugeProbe;

namespace {
constexpr QRgb WindowGrey = 0xFFE0E0E0;
constexpr QRgb Black = 0xFF000000;

int brightness(QRgb c) {
    return qRed(c) + qGreen(c) + qBlue(c);
}
} // namespace

class TestGaugePicture : public QObject {
    Q_OBJECT

private slots:
    void sizeFollowsPixelRatio_data();
    void sizeFollowsPixelRatio();
    void cornersShowWindowGrey_data();
    void cornersShowWindowGrey();
    void raisedBlackBorder();
    void sameInputsSamePicture_data();
    void sameInputsSamePicture();
};

void TestGaugePicture::sizeFollowsPixelRatio_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QSize>("pixels");
    QTest::newRow("1x") << 1.0 << QSize(150, 90);
    QTest::newRow("1.5x") << 1.5 << QSize(225, 135);
    QTest::newRow("2x") << 2.0 << QSize(300, 180);
}

void TestGaugePicture::sizeFollowsPixelRatio() {
    QFETCH(double, ratio);
    QFETCH(QSize, pixels);
    const QImage picture =
        gauges::drawGauge(gauges::gaugeParams(GaugeId::Speed), 100, startupInputs(), ratio);
    QCOMPARE(picture.size(), pixels);
    QCOMPARE(picture.devicePixelRatio(), ratio);
}

void TestGaugePicture::cornersShowWindowGrey_data() {
    QTest::addColumn<double>("ratio");
    QTest::newRow("1x") << 1.0;
    QTest::newRow("2x") << 2.0;
}

void TestGaugePicture::cornersShowWindowGrey() {
    QFETCH(double, ratio);
    const QImage picture =
        gauges::drawGauge(gauges::gaugeParams(GaugeId::Throw), 90, startupInputs(), ratio);
    const int w = picture.width() - 1;
    const int h = picture.height() - 1;
    const int n = int(2 * ratio); // pixels this close to a corner lie wholly outside a radius of 10
    for (int i = 0; i < n; ++i) {
        for (int j = 0; i + j <= n; ++j) {
            QCOMPARE(picture.pixel(i, j), WindowGrey);
            QCOMPARE(picture.pixel(w - i, j), WindowGrey);
            QCOMPARE(picture.pixel(i, h - j), WindowGrey);
            QCOMPARE(picture.pixel(w - i, h - j), WindowGrey);
        }
    }
    // Past the corners the frame's edge runs along the picture's own edge.
    QCOMPARE(picture.pixel(int(12 * ratio), 0), Black);
    QCOMPARE(picture.pixel(0, int(12 * ratio)), Black);
}

void TestGaugePicture::raisedBlackBorder() {
    const QImage picture = draw(GaugeId::Speed, 100);
    for (const QPoint p : {QPoint(75, 0), QPoint(75, 89), QPoint(0, 45), QPoint(149, 45)})
        QCOMPARE(picture.pixel(p), Black);
    // Raised: light inside the top and left edges, shadow inside the bottom and right.
    const QRgb inside = picture.pixel(75, 45);
    for (const QPoint p : {QPoint(75, 1), QPoint(75, 2), QPoint(1, 45), QPoint(2, 45)})
        QVERIFY(brightness(picture.pixel(p)) > brightness(inside));
    for (const QPoint p : {QPoint(75, 88), QPoint(75, 87), QPoint(148, 45), QPoint(147, 45)})
        QVERIFY(brightness(picture.pixel(p)) < brightness(inside));
}

void TestGaugePicture::sameInputsSamePicture_data() {
    QTest::addColumn<GaugeId>("id");
    QTest::addColumn<int>("value");
    QTest::newRow("throw") << GaugeId::Throw << 91;
    QTest::newRow("speed") << GaugeId::Speed << 37;
    QTest::newRow("centre") << GaugeId::Centre << 1421;
    QTest::newRow("deadband") << GaugeId::Deadband << 5;
    QTest::newRow("position") << GaugeId::Position << -35;
}

void TestGaugePicture::sameInputsSamePicture() {
    QFETCH(GaugeId, id);
    QFETCH(int, value);
    const QImage first = draw(id, value);
    draw(GaugeId::Throw, 140); // other drawings in between leave nothing behind
    draw(id, value + 1);
    const QImage second = draw(id, value);
    QCOMPARE(second.format(), first.format());
    QCOMPARE(second.sizeInBytes(), first.sizeInBytes());
    QVERIFY(std::memcmp(first.constBits(), second.constBits(), size_t(first.sizeInBytes())) == 0);
}

QTEST_MAIN(TestGaugePicture)
#include "tst_gaugepicture.moc"
