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

// Where the scale's arc sits.
constexpr struct {
    int x, y, radius;
    double startAngle, endAngle;
} Dial{.x = 75, .y = 80, .radius = 70, .startAngle = -90, .endAngle = 90};

// The gauge's name and unit, one above the other.
constexpr struct {
    int nameY, unitY;
    const char *font;
    double size;
} Label{.nameY = 52, .unitY = 65, .font = "arialbd.ttf", .size = 10};

// The readout box at the top; its text is dark blue while the value equals its reference.
constexpr struct {
    int y;
    const char *font;
    double size;
    const char *format;
    quint32 unchanged, changed, background, edge;
    int sunken;
} Readout{.y = 5,
          .font = "arial.ttf",
          .size = 8,
          .format = "0",
          .unchanged = 0x0404A2,
          .changed = 0xFFFFFF,
          .background = 0xA3A3A3,
          .edge = 0x000000,
          .sunken = -1};

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
    const std::optional<int> reference = referenceValue(in, gauge.reference);
    return reference && v == qint64(*reference) + gauge.referenceOffset;
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
    m.addText(Dial.x, y, faceText(english), QString::fromLatin1(Label.font), Label.size,
              platform::TextColor, platform::Center, 0, false);
}

// Calls use with the member that holds the reference; not at all for none.
template <class Inputs, class Use> void withReference(Inputs &in, Reference reference, Use use) {
    switch (reference) {
    case Reference::Throw:
        return use(in.RefThrow);
    case Reference::Speed:
        return use(in.RefSpeed);
    case Reference::Centre:
        return use(in.RefCentre);
    case Reference::Deadband:
        return use(in.RefDeadband);
    case Reference::None:
        break;
    }
}

} // namespace

std::optional<int> referenceValue(const GaugeInputs &in, Reference reference) {
    std::optional<int> value;
    withReference(in, reference, [&](int held) { value = held; });
    return value;
}

void setReference(GaugeInputs &in, Reference reference, int value) {
    withReference(in, reference,
                  [&](auto &held) { held = static_cast<std::decay_t<decltype(held)>>(value); });
}

GaugeInputs startupInputs() {
    GaugeInputs in;
    const settings::TestPositionRange range =
        settings::testPositionRange(in.RefThrow, in.ThrowScale);
    in.PosMin = range.posMin;
    in.PosMax = range.posMax;
    return in;
}

QImage drawGauge(const GaugeParams &gauge, qint16 v, const GaugeInputs &in,
                 qreal devicePixelRatio) {
    const double shown = shownValue(gauge, v, in);
    const platform::Color background = platform::metalColor(MetalAngle);
    platform::AngularMeter m(Width, Height, background, EdgeColour, RaisedBorder);
    m.setRoundedFrame(WindowBackground, CornerRadius, -1, -1, -1);
    m.setMeter(Dial.x, Dial.y, Dial.radius, Dial.startAngle, Dial.endAngle);
    m.setScale(gauge.lower, gauge.upper, gauge.major, gauge.minor, gauge.micro);
    for (const ZoneSpec &zone : gauge.zones) {
        const auto [start, end] = zoneEnds(zone, in);
        m.addZone(start, end, 0, Dial.radius, zone.fill, platform::DefaultColor);
    }
    addLabel(m, Label.nameY, gauge.name);
    addLabel(m, Label.unitY, gauge.unit);
    const quint32 colour = equalsReference(gauge, v, in) ? Readout.unchanged : Readout.changed;
    m.addText(gauge.readoutX, Readout.y, m.formatValue(shown, QString::fromLatin1(Readout.format)),
              QString::fromLatin1(Readout.font), Readout.size, colour, platform::TopLeft, 0, false)
        .setBackground(Readout.background, Readout.edge, Readout.sunken);
    for (double sign : gauge.pointerSigns)
        m.addPointer(sign * shown, PointerFill, PointerEdge);
    return m.makePicture(devicePixelRatio);
}

QString gaugeReadout(const GaugeParams &gauge, qint16 v, const GaugeInputs &in) {
    return platform::formatNumber(shownValue(gauge, v, in), QString::fromLatin1(Readout.format));
}

QString gaugeValueText(const GaugeParams &gauge, qint16 v, const GaugeInputs &in) {
    return gaugeReadout(gauge, v, in) + QLatin1Char(' ') + faceText(gauge.unit);
}

QString gaugeDescription(const GaugeParams &gauge, qint16 v, const GaugeInputs &in) {
    return faceText(gauge.name) + QLatin1Char(' ') + gaugeValueText(gauge, v, in);
}

} // namespace tessaro::gauges
