#include "settings/rounding.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace tessaro::settings {

// std::nearbyint rounds half to even in the default rounding mode, which the
// program never changes.
double halfEven(double x) {
    return std::nearbyint(x);
}

qint16 toInt16(double x) {
    const double r = halfEven(x);
    if (!(r >= std::numeric_limits<qint16>::min() && r <= std::numeric_limits<qint16>::max()))
        throw std::overflow_error("Overflow");
    return static_cast<qint16>(r);
}

double halfAway(double x) {
    return std::round(x);
}

} // namespace tessaro::settings
