#include "gauges/gaugesequence.h"

#include "platform/angularmeter.h"
#include "settings/editorranges.h"
#include "settings/presets.h"
#include "settings/readouts.h"

#include <QCoreApplication>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace tessaro::gauges {
namespace {

// What all five gauges share.
constexpr int Width = 150;
constexpr int Height = 90;
constexpr int MetalAngle = 90;
constexpr quint32 EdgeColour = 0x000000;
constexpr int RaisedBorder = 2;
constexpr quint32 WindowBackground = 0xE0E0E0; // shows outside the rounded corners
constexpr int CornerRadius = 10;
constexpr int CentreX = 75;
constexpr int CentreY = 80;
constexpr int Radius = 70;
constexpr double StartAngle = -90;
constexpr double EndAngle = 90;

constexpr int NameY = 52;
constexpr int UnitY = 65;
constexpr const char *LabelFont = "arialbd.ttf";
constexpr double LabelSize = 10;

constexpr int ReadoutY = 5;
constexpr const char *ReadoutFont = "arial.ttf";
constexpr double ReadoutSize = 8;
constexpr const char *ReadoutFormat = "0";
constexpr quint32 UnchangedColour = 0x0404A2; // dark blue: equals its reference
constexpr quint32 ChangedColour = 0xFFFFFF;
constexpr quint32 ReadoutBackground = 0xA3A3A3;
constexpr quint32 ReadoutEdge = 0x000000;
constexpr int ReadoutSunken = -1;

constexpr quint32 PointerFill = 0x40666699;
constexpr quint32 PointerEdge = 0x000000;

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

QString faceText(const char *english) {
    return QCoreApplication::translate("Gauges", english);
}

void addLabel(platform::AngularMeter &m, int y, const char *english) {
    m.addText(CentreX, y, faceText(english), QString::fromLatin1(LabelFont), LabelSize,
              platform::TextColor, platform::Center, 0, false);
}

} // namespace

GaugeInputs startupInputs() {
    const settings::TestPositionRange range =
        settings::testPositionRange(settings::ThrowRange.start, settings::DefaultThrowScale);
    return {settings::DefaultThrowScale,
            settings::ThrowRange.start,
            settings::SpeedRange.start,
            settings::CentreRange.start,
            qint16(settings::DeadbandRange.start),
            range.posMin,
            range.posMax};
}

QImage drawGauge(const GaugeParams &gauge, qint16 v, const GaugeInputs &in,
                 qreal devicePixelRatio) {
    const double shown = shownValue(gauge, v, in);
    const platform::Color background = platform::metalColor(MetalAngle);
    platform::AngularMeter m(Width, Height, background, EdgeColour, RaisedBorder);
    m.setRoundedFrame(WindowBackground, CornerRadius, -1, -1, -1);
    m.setMeter(CentreX, CentreY, Radius, StartAngle, EndAngle);
    m.setScale(gauge.lower, gauge.upper, gauge.major, gauge.minor, gauge.micro);
    for (const ZoneSpec &zone : gauge.zones) {
        const auto [start, end] = zoneEnds(zone, in);
        m.addZone(start, end, 0, Radius, zone.fill, platform::DefaultColor);
    }
    addLabel(m, NameY, gauge.name);
    addLabel(m, UnitY, gauge.unit);
    const quint32 colour = equalsReference(gauge, v, in) ? UnchangedColour : ChangedColour;
    m.addText(gauge.readoutX, ReadoutY, m.formatValue(shown, QString::fromLatin1(ReadoutFormat)),
              QString::fromLatin1(ReadoutFont), ReadoutSize, colour, platform::TopLeft, 0, false)
        .setBackground(ReadoutBackground, ReadoutEdge, ReadoutSunken);
    for (double sign : gauge.pointerSigns)
        m.addPointer(sign * shown, PointerFill, PointerEdge);
    return m.makePicture(devicePixelRatio);
}

QString gaugeReadout(const GaugeParams &gauge, qint16 v, const GaugeInputs &in) {
    return platform::formatNumber(shownValue(gauge, v, in), QString::fromLatin1(ReadoutFormat));
}

QString gaugeValueText(const GaugeParams &gauge, qint16 v, const GaugeInputs &in) {
    return gaugeReadout(gauge, v, in) + QLatin1Char(' ') + faceText(gauge.unit);
}

QString gaugeDescription(const GaugeParams &gauge, qint16 v, const GaugeInputs &in) {
    return faceText(gauge.name) + QLatin1Char(' ') + gaugeValueText(gauge, v, in);
}

} // namespace tessaro::gauges
