// The five gauges of the main window: each draws its picture from the window's values and
// hands it to its viewer. The picture is handed over only once it is complete, so a failure
// while drawing (an exception, passed on to the caller) leaves the viewer's old picture.
#include "gauges/drawcharts.h"

#include "app/form1.h"
#include "platform/chartviewer.h"

#include <QScrollBar>

Gauges::GaugeInputs gaugeInputs(const Form1 &w) {
    return {w.ThrowScale, w.RefThrow, w.RefSpeed, w.RefCentre, w.RefDeadband, w.PosMin, w.PosMax};
}

namespace {

// The editor below the gauge is described by what the gauge shows of it, so a
// screen reader hears the throw as deflection and the centre as a pulse width.
void showGauge(ChartViewer *viewer, QScrollBar *editor, Gauges::GaugeId id, qint16 v,
               const Gauges::GaugeInputs &in) {
    const Gauges::GaugeParams &gauge = Gauges::gaugeParams(id);
    const QImage picture = Gauges::drawGauge(gauge, v, in, viewer->devicePixelRatioF());
    const QString description = Gauges::gaugeDescription(gauge, v, in);
    const QString shown = Gauges::gaugeValueText(gauge, v, in);
    viewer->setPicture(picture);
    viewer->setAccessibleDescription(description);
    editor->setAccessibleDescription(shown);
}

} // namespace

void Form1::DrawThrowChart(qint16 v) {
    showGauge(ChartThrow, ScrollThrow, Gauges::GaugeId::Throw, v, gaugeInputs(*this));
}

void Form1::DrawSpeedChart(qint16 v) {
    showGauge(ChartSpeed, ScrollSpeed, Gauges::GaugeId::Speed, v, gaugeInputs(*this));
}

void Form1::DrawCentreChart(qint16 v) {
    showGauge(ChartCentre, ScrollCentre, Gauges::GaugeId::Centre, v, gaugeInputs(*this));
}

void Form1::DrawDeadbandChart(qint16 v) {
    showGauge(ChartDeadband, ScrollDeadband, Gauges::GaugeId::Deadband, v, gaugeInputs(*this));
}

void Form1::DrawPositionChart(qint16 v) {
    showGauge(ChartPosition, ScrollPosition, Gauges::GaugeId::Position, v, gaugeInputs(*this));
}
