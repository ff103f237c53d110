// The sequence every gauge is drawn with: one complete picture from the gauge's own values,
// the value shown and the window values it reads. It reads nothing else and keeps nothing,
// so the same inputs give the same picture.
#pragma once

#include "gauges/gaugetable.h"

#include <QImage>
#include <QString>

namespace tessaro::gauges {

// The window values the gauges read; a copy, so drawing cannot change the window's own.
struct GaugeInputs {
    double ThrowScale = 0;
    int RefThrow = 0;
    int RefSpeed = 0;
    int RefCentre = 0;
    qint16 RefDeadband = 0;
    double PosMin = 0;
    double PosMax = 0;
};

// What the window holds right after start-up.
GaugeInputs startupInputs();

// The finished picture, drawn at the given device pixel ratio. Throws (a std::exception)
// when any step fails; no picture results then.
QImage drawGauge(const GaugeParams &gauge, qint16 v, const GaugeInputs &in,
                 qreal devicePixelRatio = 1.0);

// The readout's text, as the picture shows it.
QString gaugeReadout(const GaugeParams &gauge, qint16 v, const GaugeInputs &in);

// Readout and unit ("50 deg."), what the gauge shows of its editor's value.
QString gaugeValueText(const GaugeParams &gauge, qint16 v, const GaugeInputs &in);

// Name, readout and unit ("Throw 50 deg."), for screen readers.
QString gaugeDescription(const GaugeParams &gauge, qint16 v, const GaugeInputs &in);

} // namespace tessaro::gauges
