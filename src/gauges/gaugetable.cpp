#include "gauges/gaugetable.h"

#include "settings/editorranges.h"

namespace tessaro::gauges {
namespace {

constexpr quint32 Green = 0x66FF66;
constexpr quint32 Yellow = 0xFFFF33;

// Half the throw editor's limits 30 and 140, so both needles always lie in the green.
constexpr std::array<ZoneSpec, 2> ThrowZones{{
    {-70, -15, Green, ZoneEnds::ThrowScaled},
    {15, 70, Green, ZoneEnds::ThrowScaled},
}};
// 1500 ± 127: the centre editor's whole range.
constexpr std::array<ZoneSpec, 1> CentreZones{{{1373, 1627, Green}}};
constexpr std::array<ZoneSpec, 3> DeadbandZones{{
    {2, 8, Green},
    {8, 16, Yellow},
    {0, 2, Yellow},
}};
// The test positions the current throw allows.
constexpr std::array<ZoneSpec, 1> PositionZones{{{0, 0, Green, ZoneEnds::PositionRange}}};

constexpr std::array<double, 2> BothSides{1, -1};
constexpr std::array<double, 1> OneNeedle{1};

// Names and units are English here; the drawing translates them in the "Gauges" context.
// clang-format off
constexpr std::array<GaugeParams, 5> Table{{
    {QT_TRANSLATE_NOOP("Gauges", "Throw"), QT_TRANSLATE_NOOP("Gauges", "deg."),
     -90, 90, 30, 20, 10, ThrowZones, 120, Reference::Throw, 0, true, BothSides},
    {QT_TRANSLATE_NOOP("Gauges", "Speed"), QT_TRANSLATE_NOOP("Gauges", "%"),
     0, 100, 30, 20, 10, {}, 120, Reference::Speed, 0, false, OneNeedle},
    {QT_TRANSLATE_NOOP("Gauges", "Center"), QT_TRANSLATE_NOOP("Gauges", "uS"),
     1000, 2000, 200, 100, 50, CentreZones, 115, Reference::Centre, settings::CentrePulse, false,
     OneNeedle},
    {QT_TRANSLATE_NOOP("Gauges", "Deadband"), QT_TRANSLATE_NOOP("Gauges", "uS"),
     0, 16, 4, 2, 1, DeadbandZones, 120, Reference::Deadband, 0, false, OneNeedle},
    {QT_TRANSLATE_NOOP("Gauges", "Position"), QT_TRANSLATE_NOOP("Gauges", "deg."),
     -90, 90, 30, 20, 10, PositionZones, 120, Reference::None, 0, false, OneNeedle},
}};
// clang-format on

} // namespace

const GaugeParams &gaugeParams(GaugeId id) {
    return Table.at(std::size_t(id));
}

} // namespace tessaro::gauges
