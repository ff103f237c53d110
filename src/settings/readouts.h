// What the throw and the test position work out to: the test-position range
// and the three readouts beside the test-position gauge.
#pragma once

#include <QString>
#include <QtGlobal>

namespace tessaro::settings {

struct TestPositionRange {
    qint16 halfThrow = 0;
    double posMin = 0.0; // unrounded: the gauge's zone and the clamp use these
    double posMax = 0.0;
    qint16 barMin = 0; // as the bar takes them, rounded half to even
    qint16 barMax = 0;
};

// HalfThrow is the throw halved, rounded half to even; the range is
// HalfThrow x throwScale either side of the centre.
TestPositionRange testPositionRange(int throwDeg, double throwScale);

// The position the bar ends with: below posMin it goes to posMin, above
// posMax to posMax, each rounded; the comparisons use the unrounded bounds.
int keptPosition(int position, const TestPositionRange &range);

// Share of the test range in percent, unrounded.
double percentOfThrow(int position, int halfThrow, double throwScale);
// The test pulse width in microseconds, rounded half to even.
qint16 pulseWidth(int position, int halfThrow, int centre);

QString widthCaption(int position);  // "Pulse width for N degrees"
QString widthText(qint16 pulse);     // "N uS"
QString percentText(double percent); // "N %", halves away from zero

struct ReadoutTexts {
    QString caption;
    QString width;
    QString percent;
};

ReadoutTexts readoutsFor(int position, int halfThrow, double throwScale, int centre);

} // namespace tessaro::settings
