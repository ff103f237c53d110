#include "settings/rounding.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace tessaro::settings {

double halfEven(double x) {
    const double r = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5)
        return 2.0 * std::round(x / 2.0);
    return r;
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
