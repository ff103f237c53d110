// The five gauges' own values; the drawing that they share is in gaugesequence.h.
#pragma once

#include <QtGlobal>
#include <array>
#include <span>

namespace tessaro::gauges {

enum class GaugeId { Throw, Speed, Centre, Deadband, Position };
inline constexpr std::array<GaugeId, 5> AllGauges{GaugeId::Throw, GaugeId::Speed, GaugeId::Centre,
                                                  GaugeId::Deadband, GaugeId::Position};

// Where a zone's ends come from.
enum class ZoneEnds {
    Fixed,         // start and end as given
    ThrowScaled,   // start and end times ThrowScale
    PositionRange, // PosMin to PosMax; start and end unused
};

struct ZoneSpec {
    double start;
    double end;
    quint32 fill;
    ZoneEnds ends = ZoneEnds::Fixed;
};

// The window value the readout is compared with; None leaves the readout white always.
enum class Reference { Throw, Speed, Centre, Deadband, None };

struct GaugeParams {
    const char *name;
    const char *unit;
    double lower, upper;             // scale limits
    double major, minor, micro;      // tick increments
    std::span<const ZoneSpec> zones; // in drawing order
    int readoutX;
    Reference reference;
    int referenceOffset; // added to the reference before comparing
    // The throw gauge shows the half throw v × ThrowScale ÷ 2 rather than v itself.
    bool halfThrow;
    std::span<const double> pointerSigns; // one pointer at sign × the shown value each
};

const GaugeParams &gaugeParams(GaugeId id);

} // namespace tessaro::gauges
