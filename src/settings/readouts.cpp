#include "settings/readouts.h"

#include "settings/rounding.h"
#include "settings/settingsblock.h"

namespace readouts {

PositionRange positionRange(int throwDeg, double throwScale) {
    PositionRange r;
    r.halfThrow = rounding::toInt16(throwDeg / 2.0);
    r.posMin = -r.halfThrow * throwScale;
    r.posMax = r.halfThrow * throwScale;
    r.barMin = rounding::toInt16(r.posMin);
    r.barMax = rounding::toInt16(r.posMax);
    return r;
}

int keptPosition(int position, const PositionRange &range) {
    if (position < range.posMin)
        position = rounding::toInt16(range.posMin);
    if (position > range.posMax)
        position = rounding::toInt16(range.posMax);
    return position;
}

double percentOfThrow(int position, int halfThrow, double throwScale) {
    return position / (halfThrow * throwScale) * 100.0;
}

qint16 pulseWidth(int position, int halfThrow, int centre) {
    return rounding::toInt16(block::testPulseWidth(position, halfThrow, centre));
}

QString widthCaption(int position) {
    return QStringLiteral("Pulse width for %1 degrees").arg(position);
}

QString widthText(qint16 pulse) {
    return QStringLiteral("%1 uS").arg(pulse);
}

QString percentText(double percent) {
    // Through an integer, so that no "-0" can appear.
    return QStringLiteral("%1 %").arg(static_cast<qint64>(rounding::halfAway(percent)));
}

Texts forPosition(int position, int halfThrow, double throwScale, int centre) {
    return {widthCaption(position), widthText(pulseWidth(position, halfThrow, centre)),
            percentText(percentOfThrow(position, halfThrow, throwScale))};
}

} // namespace readouts
