// The sequence every gauge is drawn with: one complete picture from the gauge's own values,
// the value shown and the window values it reads. It reads nothing else and keeps nothing,
// so the same inputs give the same picture.
#pragma once

#include "gauges/gaugetable.h"
#include "settings/editorranges.h"
#include "settings/presets.h"

#include <QImage>
#include <QString>
#include <optional>

namespace tessaro::gauges {

// The window-level values, at their start-up values: the window holds one, and each gauge
// reads a copy, so drawing cannot change the window's own.
struct GaugeInputs {
    // What the editors are compared with: the servo's values as last read, or a preset's.
    int RefThrow = settings::ThrowRange.start;
    int RefSpeed = settings::SpeedRange.start;
    int RefCentre = settings::CentreRange.start;
    qint16 RefDeadband = settings::DeadbandRange.start;
    // The preset's ratio of the test range to half the throw, and the test range it gives,
    // which every throw update sets.
    double ThrowScale = settings::DefaultThrowScale;
    double PosMin = 0;
    double PosMax = 0;
};

// The reference a gauge compares with; none for a gauge without one. The window reads and
// sets each field's reference through the field's gauge.
std::optional<int> referenceValue(const GaugeInputs &in, Reference reference);
void setReference(GaugeInputs &in, Reference reference, int value);

// What the window holds right after start-up, the test range included.
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
