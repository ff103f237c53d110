// Pixel probes for gauge pictures: where a value's needle must lie, what colour a pixel
// has, where the readout box is. The geometry is restated here on purpose: the tests check
// the pictures against it rather than against the drawing code's own constants.
#pragma once

#include "gauges/gaugesequence.h"

#include <QImage>
#include <QMetaType>
#include <QPoint>
#include <QRect>

Q_DECLARE_METATYPE(gauges::GaugeId)

namespace GaugeProbe {

// The window's values right after start-up.
gauges::GaugeInputs startupInputs();

QImage draw(gauges::GaugeId id, int value, const gauges::GaugeInputs &in = startupInputs());

// The dial's angle for a scale value: lower limit at -90, upper limit at +90.
double angleOf(gauges::GaugeId id, double value);
// The pixel at that angle (0 up, clockwise) and distance from the dial's centre (75, 80).
QPoint dialPoint(double angle, double radius);

// Whether every pixel along a ray from radius 20 to 40 differs between the pictures.
bool rayDiffers(const QImage &a, const QImage &b, double angle);
// Whether every pixel along that ray is the same in both pictures.
bool rayEqual(const QImage &a, const QImage &b, double angle);

// Grey, as the metallic background is everywhere.
bool isNeutral(QRgb rgb);

// The readout box, found from its black edge: the top-left corner must be at (left, 5);
// an empty rectangle when it is not there.
QRect readoutBox(const QImage &picture, int left);
// The box's inside, within its one-pixel edge and one-pixel sunken border.
QRect readoutInside(const QRect &box);

} // namespace GaugeProbe
