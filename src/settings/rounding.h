// The two roundings the program uses: half to even for conversions to
// 16-bit integers, half away from zero for the percent readout.
#pragma once

#include <QtGlobal>

namespace tessaro::settings {

// Nearest whole number, a half going to the even neighbour.
double halfEven(double x);
// halfEven, as a 16-bit integer; values outside its range raise std::overflow_error.
qint16 toInt16(double x);
// Nearest whole number, a half going away from zero.
double halfAway(double x);

} // namespace tessaro::settings
