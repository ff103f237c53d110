// The five gauges of the main window: each draws its picture from the window's values and
// hands it to its viewer. The picture is handed over only once it is complete, so a failure
// while drawing (an exception, passed on to the caller) leaves the viewer's old picture.
#include "gauges/drawcharts.h"

#include "app/form1.h"
#include "platform/chartviewer.h"

Gauges::GaugeInputs gaugeInputs(const Form1 &w) {
    return {w.ThrowScale, w.RefThrow, w.RefSpeed, w.RefCentre, w.RefDeadband, w.PosMin, w.PosMax};
}

namespace {

void showGauge(ChartViewer *viewer, Gauges::GaugeId id, qint16 v, const Gauges::GaugeInputs &in) {
    const Gauges::GaugeParams &gauge = Gauges::gaugeParams(id);
    const QImage picture = Gauges::drawGauge(gauge, v, in, viewer->devicePixelRatioF());
    const QString description = Gauges::gaugeDescription(gauge, v, in);
    viewer->setPicture(picture);
    viewer->setAccessibleDescription(description);
}

} // namespace

void Form1::DrawThrowChart(qint16 v) {
    showGauge(ChartThrow, Gauges::GaugeId::Throw, v, gaugeInputs(*this));
}

void Form1::DrawSpeedChart(qint16 v) {
    showGauge(ChartSpeed, Gauges::GaugeId::Speed, v, gaugeInputs(*this));
}

void Form1::DrawCentreChart(qint16 v) {
    showGauge(ChartCentre, Gauges::GaugeId::Centre, v, gaugeInputs(*this));
}

void Form1::DrawDeadbandChart(qint16 v) {
    showGauge(ChartDeadband, Gauges::GaugeId::Deadband, v, gaugeInputs(*this));
}

void Form1::DrawPositionChart(qint16 v) {
    showGauge(ChartPosition, Gauges::GaugeId::Position, v, gaugeInputs(*this));
}
