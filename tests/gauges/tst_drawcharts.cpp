// The window's five gauge procedures: each hands its picture to its own viewer and
// touches nothing else; a failed drawing leaves the old picture in place.
#include "app/form1.h"
#include "gauges/drawcharts.h"
#include "platform/chartviewer.h"
#include "support/gaugeprobe.h"
#include "support/privateportfolder.h"

#include <QScrollBar>
#include <QTest>
#include <memory>

using gauges::GaugeId;

namespace {

using Draw = void (Form1::*)(qint16);

struct Gauge {
    GaugeId id;
    Draw draw;
    ChartViewer *Form1::*viewer;
};

const Gauge Gauges5[] = {
    {GaugeId::Throw, &Form1::DrawThrowChart, &Form1::ChartThrow},
    {GaugeId::Speed, &Form1::DrawSpeedChart, &Form1::ChartSpeed},
    {GaugeId::Centre, &Form1::DrawCentreChart, &Form1::ChartCentre},
    {GaugeId::Deadband, &Form1::DrawDeadbandChart, &Form1::ChartDeadband},
    {GaugeId::Position, &Form1::DrawPositionChart, &Form1::ChartPosition},
};

// Everything a drawing must leave as it was.
QList<QVariant> windowState(const Form1 &w) {
    return {w.RefThrow,
            w.RefSpeed,
            w.RefCentre,
            w.RefDeadband,
            w.ThrowScale,
            w.HalfThrow,
            w.PosMin,
            w.PosMax,
            w.TickCount,
            w.ScrollThrow->value(),
            w.ScrollSpeed->value(),
            w.ScrollCentre->value(),
            w.ScrollDeadband->value(),
            w.ScrollPosition->value()};
}

} // namespace

class TestDrawCharts : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void drawsOnlyItsOwnViewer_data();
    void drawsOnlyItsOwnViewer();
    void failureKeepsOldPicture();

private:
    std::unique_ptr<PrivatePortFolder> m_ports;
    std::unique_ptr<Form1> m_form;
};

void TestDrawCharts::init() {
    m_ports = std::make_unique<PrivatePortFolder>();
    m_form = std::make_unique<Form1>();
}

void TestDrawCharts::cleanup() {
    m_form.reset();
    m_ports.reset();
}

void TestDrawCharts::drawsOnlyItsOwnViewer_data() {
    QTest::addColumn<int>("gauge");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("description");
    QTest::newRow("throw") << 0 << 120 << "Throw 67 deg.";
    QTest::newRow("speed") << 1 << 40 << "Speed 40 %";
    QTest::newRow("centre") << 2 << 1510 << "Center 1510 uS";
    QTest::newRow("deadband") << 3 << 9 << "Deadband 9 uS";
    QTest::newRow("position") << 4 << -35 << "Position -35 deg.";
}

void TestDrawCharts::drawsOnlyItsOwnViewer() {
    QFETCH(int, gauge);
    QFETCH(int, value);
    QFETCH(QString, description);
    Form1 &w = *m_form;
    QList<QImage> before;
    for (const Gauge &g : Gauges5)
        before.append((w.*g.viewer)->picture());
    const QList<QVariant> state = windowState(w);

    const Gauge &drawn = Gauges5[gauge];
    (w.*drawn.draw)(qint16(value));

    const ChartViewer *viewer = w.*drawn.viewer;
    QCOMPARE(viewer->picture(), GaugeProbe::draw(drawn.id, value, gaugeInputs(w)));
    QCOMPARE(viewer->accessibleDescription(), description);
    for (int i = 0; i < 5; ++i) {
        if (i != gauge)
            QCOMPARE((w.*Gauges5[i].viewer)->picture(), before[i]);
    }
    QCOMPARE(windowState(w), state);
}

void TestDrawCharts::failureKeepsOldPicture() {
    Form1 &w = *m_form;
    const QImage before = w.ChartThrow->picture();
    const QString description = w.ChartThrow->accessibleDescription();
    w.ThrowScale = qQNaN();
    QVERIFY_THROWS_EXCEPTION(std::exception, w.DrawThrowChart(100));
    QCOMPARE(w.ChartThrow->picture(), before);
    QCOMPARE(w.ChartThrow->accessibleDescription(), description);
}

QTEST_MAIN(TestDrawCharts)
#include "tst_drawcharts.moc"
