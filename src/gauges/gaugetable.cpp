#include "gauges/gaugetable.h"

namespace Gauges {
namespace {

constexpr quint32 kGreen = 0x66FF66;
constexpr quint32 kYellow = 0xFFFF33;

// Half the throw editor's limits 30 and 140, so both needles always lie in the green.
constexpr std::array<ZoneSpec, 2> kThrowZones{{
    {-70, -15, kGreen, ZoneEnds::ThrowScaled},
    {15, 70, kGreen, ZoneEnds::ThrowScaled},
}};
// 1500 ± 127: the centre editor's whole range.
constexpr std::array<ZoneSpec, 1> kCentreZones{{{1373, 1627, kGreen}}};
constexpr std::array<ZoneSpec, 3> kDeadbandZones{{
    {2, 8, kGreen},
    {8, 16, kYellow},
    {0, 2, kYellow},
}};
// The test positions the current throw allows.
constexpr std::array<ZoneSpec, 1> kPositionZones{{{0, 0, kGreen, ZoneEnds::PositionRange}}};

constexpr std::array<double, 2> kBothSides{1, -1};
constexpr std::array<double, 1> kOneNeedle{1};

constexpr int kCentrePulse = 1500;

constexpr std::array<GaugeParams, 5> kSpecs{{
    {"Throw", "deg.", -90, 90, 30, 20, 10, kThrowZones, 120, Reference::Throw, 0, true, kBothSides},
    {"Speed", "%", 0, 100, 30, 20, 10, {}, 120, Reference::Speed, 0, false, kOneNeedle},
    {"Center", "uS", 1000, 2000, 200, 100, 50, kCentreZones, 115, Reference::Centre, kCentrePulse,
     false, kOneNeedle},
    {"Deadband", "uS", 0, 16, 4, 2, 1, kDeadbandZones, 120, Reference::Deadband, 0, false,
     kOneNeedle},
    {"Position", "deg.", -90, 90, 30, 20, 10, kPositionZones, 120, Reference::None, 0, false,
     kOneNeedle},
}};

} // namespace

const GaugeParams &gaugeParams(GaugeId id) {
    return kSpecs.at(std::size_t(id));
}

} // namespace Gauges
