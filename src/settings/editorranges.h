// The editors' ranges and start values, and the centre pulse the centre
// offset is added to. The window's layout, the block checks, the settings
// files, the tests and the benchmarks all take them from here.
#pragma once

namespace tessaro::settings {

struct Range {
    int min;
    int max;
    int start;
    constexpr bool contains(int v) const { return v >= min && v <= max; }
};

inline constexpr Range ThrowRange{30, 140, 90};
inline constexpr Range SpeedRange{1, 100, 100};
inline constexpr Range CentreRange{-127, 127, 0};
inline constexpr Range DeadbandRange{0, 16, 2};
// Start-up narrows it to the throw's test range.
inline constexpr Range PositionRange{-70, 70, 0};
// A check box: clear, checked, and the grey state only a servo can set.
inline constexpr Range CheckBoxRange{0, 2, 0};
// What the user may set a check box to: clear or checked.
inline constexpr Range CheckBoxUserRange{0, 1, 0};

// Microseconds the centre offset is added to.
inline constexpr int CentrePulse = 1500;

} // namespace tessaro::settings
