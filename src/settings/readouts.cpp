#include "settings/readouts.h"

#include "settings/rounding.h"
#include "settings/settingsblock.h"

#include <QCoreApplication>

namespace tessaro::settings {

TestPositionRange testPositionRange(int throwDeg, double throwScale) {
    TestPositionRange r;
    r.halfThrow = toInt16(throwDeg / 2.0);
    r.posMin = -r.halfThrow * throwScale;
    r.posMax = r.halfThrow * throwScale;
    r.barMin = toInt16(r.posMin);
    r.barMax = toInt16(r.posMax);
    return r;
}

int keptPosition(int position, const TestPositionRange &range) {
    if (position < range.posMin)
        position = toInt16(range.posMin);
    if (position > range.posMax)
        position = toInt16(range.posMax);
    return position;
}

double percentOfThrow(int position, int halfThrow, double throwScale) {
    return position / (halfThrow * throwScale) * 100.0;
}

qint16 pulseWidth(int position, int halfThrow, int centre) {
    return toInt16(testPulseWidth(position, halfThrow, centre));
}

QString widthCaption(int position) {
    return QCoreApplication::translate("Readouts", "Pulse width for %1 degrees").arg(position);
}

QString widthText(qint16 pulse) {
    return QCoreApplication::translate("Readouts", "%1 uS").arg(pulse);
}

QString percentText(double percent) {
    // Through an integer, so that no "-0" can appear.
    return QCoreApplication::translate("Readouts", "%1 %")
        .arg(static_cast<qint64>(halfAway(percent)));
}

ReadoutTexts readoutsFor(int position, int halfThrow, double throwScale, int centre) {
    return {widthCaption(position), widthText(pulseWidth(position, halfThrow, centre)),
            percentText(percentOfThrow(position, halfThrow, throwScale))};
}

} // namespace tessaro::settings
