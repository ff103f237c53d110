// The five gauges of the main window: each draws its picture from the window's values and
// hands it to its viewer. The picture is handed over only once it is complete, so a failure
// while drawing (an exception, passed on to the caller) leaves the viewer's old picture.
#include "app/form1.h"
#include "platform/chartviewer.h"

namespace {

void showGauge(ChartViewer *viewer, gauges::GaugeId id, qint16 v, const gauges::GaugeInputs &in) {
    const gauges::GaugeParams &gauge = gauges::gaugeParams(id);
    const QImage picture = gauges::drawGauge(gauge, v, in, viewer->devicePixelRatioF());
    const QString description = gauges::gaugeDescription(gauge, v, in);
    viewer->setPicture(picture);
    viewer->setAccessibleDescription(description);
}

} // namespace

void Form1::DrawThrowChart(qint16 v) {
    showGauge(ChartThrow, gauges::GaugeId::Throw, v, gaugeInputs());
}

void Form1::DrawSpeedChart(qint16 v) {
    showGauge(ChartSpeed, gauges::GaugeId::Speed, v, gaugeInputs());
}

void Form1::DrawCentreChart(qint16 v) {
    showGauge(ChartCentre, gauges::GaugeId::Centre, v, gaugeInputs());
}

void Form1::DrawDeadbandChart(qint16 v) {
    showGauge(ChartDeadband, gauges::GaugeId::Deadband, v, gaugeInputs());
}

void Form1::DrawPositionChart(qint16 v) {
    showGauge(ChartPosition, gauges::GaugeId::Position, v, gaugeInputs());
}
