#include "gauges/gaugesequence.h"

#include "platform/angularmeter.h"

#include <cmath>
#include <stdexcept>
#include <utility>

namespace Gauges {
namespace {

// What all five gauges share.
constexpr int kWidth = 150;
constexpr int kHeight = 90;
constexpr int kMetalAngle = 90;
constexpr quint32 kEdgeColour = 0x000000;
constexpr int kRaisedBorder = 2;
constexpr quint32 kWindowBackground = 0xE0E0E0; // shows outside the rounded corners
constexpr int kCornerRadius = 10;
constexpr int kCentreX = 75;
constexpr int kCentreY = 80;
constexpr int kRadius = 70;
constexpr double kStartAngle = -90;
constexpr double kEndAngle = 90;

constexpr int kNameY = 52;
constexpr int kUnitY = 65;
constexpr const char *kLabelFont = "arialbd.ttf";
constexpr double kLabelSize = 10;

constexpr int kReadoutY = 5;
constexpr const char *kReadoutFont = "arial.ttf";
constexpr double kReadoutSize = 8;
constexpr const char *kReadoutFormat = "0";
constexpr quint32 kUnchangedColour = 0x0404A2; // dark blue: equals its reference
constexpr quint32 kChangedColour = 0xFFFFFF;
constexpr quint32 kReadoutBackground = 0xA3A3A3;
constexpr quint32 kReadoutEdge = 0x000000;
constexpr int kReadoutSunken = -1;

constexpr quint32 kPointerFill = 0x40666699;
constexpr quint32 kPointerEdge = 0x000000;

// Step 1: the value that the readout shows and the pointers follow.
double shownValue(const GaugeParams &gauge, qint16 v, const GaugeInputs &in) {
    if (!gauge.halfThrow)
        return v;
    const double h = v * in.ThrowScale / 2;
    if (!std::isfinite(h))
        throw std::domain_error("half throw is not a finite number");
    return h;
}

bool equalsReference(const GaugeParams &gauge, qint16 v, const GaugeInputs &in) {
    qint64 reference = 0;
    switch (gauge.reference) {
    case Reference::Throw:
        reference = in.RefThrow;
        break;
    case Reference::Speed:
        reference = in.RefSpeed;
        break;
    case Reference::Centre:
        reference = in.RefCentre;
        break;
    case Reference::Deadband:
        reference = in.RefDeadband;
        break;
    case Reference::None:
        return false;
    }
    return v == reference + gauge.referenceOffset;
}

std::pair<double, double> zoneEnds(const ZoneSpec &zone, const GaugeInputs &in) {
    switch (zone.ends) {
    case ZoneEnds::ThrowScaled:
        return {zone.start * in.ThrowScale, zone.end * in.ThrowScale};
    case ZoneEnds::PositionRange:
        return {in.PosMin, in.PosMax};
    case ZoneEnds::Fixed:
        break;
    }
    return {zone.start, zone.end};
}

void addLabel(Chart::AngularMeter &m, int y, const char *text) {
    m.addText(kCentreX, y, QString::fromLatin1(text), QString::fromLatin1(kLabelFont), kLabelSize,
              Chart::TextColor, Chart::Center, 0, false);
}

} // namespace

QImage drawGauge(const GaugeParams &gauge, qint16 v, const GaugeInputs &in,
                 qreal devicePixelRatio) {
    const double shown = shownValue(gauge, v, in);
    const Chart::Color background = Chart::metalColor(kMetalAngle);
    Chart::AngularMeter m(kWidth, kHeight, background, kEdgeColour, kRaisedBorder);
    m.setRoundedFrame(kWindowBackground, kCornerRadius, -1, -1, -1);
    m.setMeter(kCentreX, kCentreY, kRadius, kStartAngle, kEndAngle);
    m.setScale(gauge.lower, gauge.upper, gauge.major, gauge.minor, gauge.micro);
    for (const ZoneSpec &zone : gauge.zones) {
        const auto [start, end] = zoneEnds(zone, in);
        m.addZone(start, end, 0, kRadius, zone.fill, Chart::DefaultColor);
    }
    addLabel(m, kNameY, gauge.name);
    addLabel(m, kUnitY, gauge.unit);
    const quint32 colour = equalsReference(gauge, v, in) ? kUnchangedColour : kChangedColour;
    m.addText(gauge.readoutX, kReadoutY, m.formatValue(shown, QString::fromLatin1(kReadoutFormat)),
              QString::fromLatin1(kReadoutFont), kReadoutSize, colour, Chart::TopLeft, 0, false)
        .setBackground(kReadoutBackground, kReadoutEdge, kReadoutSunken);
    for (double sign : gauge.pointerSigns)
        m.addPointer(sign * shown, kPointerFill, kPointerEdge);
    return m.makePicture(devicePixelRatio);
}

QString gaugeReadout(const GaugeParams &gauge, qint16 v, const GaugeInputs &in) {
    return Chart::formatNumber(shownValue(gauge, v, in), QString::fromLatin1(kReadoutFormat));
}

QString gaugeValueText(const GaugeParams &gauge, qint16 v, const GaugeInputs &in) {
    return gaugeReadout(gauge, v, in) + QLatin1Char(' ') + QString::fromLatin1(gauge.unit);
}

QString gaugeDescription(const GaugeParams &gauge, qint16 v, const GaugeInputs &in) {
    return QString::fromLatin1(gauge.name) + QLatin1Char(' ') + gaugeValueText(gauge, v, in);
}

} // namespace Gauges
