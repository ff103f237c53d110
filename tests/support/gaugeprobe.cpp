#include "support/gaugeprobe.h"

#include <QtMath>
#include <cmath>

namespace GaugeProbe {
namespace {

const QPointF DialCentre(75.5, 80.5); // pixel centres
constexpr QRgb Black = 0xFF000000;
constexpr int EdgeRow = 5;

template <typename Compare> bool alongRay(double angle, Compare compare) {
    for (double r = 20; r <= 40; r += 2) {
        if (!compare(dialPoint(angle, r)))
            return false;
    }
    return true;
}

} // namespace

gauges::GaugeInputs startupInputs() {
    gauges::GaugeInputs in;
    in.ThrowScale = 500.0 / 450.0;
    in.RefThrow = 90;
    in.RefSpeed = 100;
    in.RefCentre = 0;
    in.RefDeadband = 2;
    in.PosMin = -50;
    in.PosMax = 50;
    return in;
}

QImage draw(gauges::GaugeId id, int value, const gauges::GaugeInputs &in) {
    return gauges::drawGauge(gauges::gaugeParams(id), qint16(value), in);
}

double angleOf(gauges::GaugeId id, double value) {
    const gauges::GaugeParams &gauge = gauges::gaugeParams(id);
    return -90 + 180 * (value - gauge.lower) / (gauge.upper - gauge.lower);
}

QPoint dialPoint(double angle, double radius) {
    const double a = qDegreesToRadians(angle);
    return QPoint(int(std::floor(DialCentre.x() + radius * std::sin(a))),
                  int(std::floor(DialCentre.y() - radius * std::cos(a))));
}

bool rayDiffers(const QImage &a, const QImage &b, double angle) {
    return alongRay(angle, [&](QPoint p) { return a.pixel(p) != b.pixel(p); });
}

bool rayEqual(const QImage &a, const QImage &b, double angle) {
    return alongRay(angle, [&](QPoint p) { return a.pixel(p) == b.pixel(p); });
}

bool isNeutral(QRgb rgb) {
    return qRed(rgb) == qGreen(rgb) && qGreen(rgb) == qBlue(rgb);
}

QRect readoutBox(const QImage &picture, int left) {
    auto black = [&](int x, int y) { return picture.pixel(x, y) == Black; };
    if (!black(left, EdgeRow) || black(left - 1, EdgeRow + 3) || black(left + 3, EdgeRow - 1))
        return {};
    int right = left;
    while (right + 1 < picture.width() && black(right + 1, EdgeRow))
        ++right;
    int bottom = EdgeRow;
    while (bottom + 1 < picture.height() && black(left, bottom + 1))
        ++bottom;
    return QRect(QPoint(left, EdgeRow), QPoint(right, bottom));
}

QRect readoutInside(const QRect &box) {
    return box.adjusted(2, 2, -2, -2);
}

} // namespace GaugeProbe
