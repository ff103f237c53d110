// The five gauges of the main window: each draws its picture from the window's values and
// hands it to its viewer. The picture is handed over only once it is complete, so a failure
// while drawing leaves the viewer's old picture.
#include "app/form1.h"
#include "platform/chartviewer.h"
#include "platform/messagebox.h"

#include <QScrollBar>

namespace tessaro::app {

// The editor below the gauge is described by what the gauge shows of it, so a
// screen reader hears the throw as deflection and the centre as a pulse width.
void Form1::showGauge(ChartViewer *viewer, QScrollBar *editor, gauges::GaugeId id, qint16 shown) {
    const gauges::GaugeParams &gauge = gauges::gaugeParams(id);
    // Every gauge is drawn under a slot or an event handler: a broken contract in the drawing
    // (the chart's exceptions) stops here, at the edge, and is said in a box.
    try {
        const QImage picture =
            gauges::drawGauge(gauge, shown, m_state, viewer->devicePixelRatioF());
        const QString description = gauges::gaugeDescription(gauge, shown, m_state);
        const QString text = gauges::gaugeValueText(gauge, shown, m_state);
        viewer->setPicture(picture);
        viewer->setAccessibleDescription(description);
        editor->setAccessibleDescription(text);
    } catch (const std::exception &e) {
        platform::showMessage(
            this, tr("The gauge cannot be drawn: %1").arg(QString::fromLocal8Bit(e.what())));
    }
}

void Form1::DrawThrowChart(qint16 v) {
    showGauge(bindingOf(&settings::BlockValues::throwDeg), v);
}

void Form1::DrawSpeedChart(qint16 v) {
    showGauge(bindingOf(&settings::BlockValues::speed), v);
}

void Form1::DrawCentreChart(qint16 v) {
    showGauge(bindingOf(&settings::BlockValues::centre), v);
}

void Form1::DrawDeadbandChart(qint16 v) {
    showGauge(bindingOf(&settings::BlockValues::deadband), v);
}

void Form1::DrawPositionChart(qint16 v) {
    showGauge(ChartPosition, ScrollPosition, gauges::GaugeId::Position, v);
}

} // namespace tessaro::app
