// Median time to draw one gauge picture, and all five one after the other, at pixel ratios
// 1 and 2: bench_gauges [iterations]. The goal is at most 0.5 ms for one gauge.
#include "gauges/gaugesequence.h"
#include "settings/editorranges.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace tessaro;

namespace {

struct Case {
    gauges::GaugeId id;
    qint16 value;
    const char *name;
};

// The gauges as start-up draws them.
const Case Cases[] = {
    {gauges::GaugeId::Throw, settings::ThrowRange.start, "throw"},
    {gauges::GaugeId::Speed, settings::SpeedRange.start, "speed"},
    {gauges::GaugeId::Centre, settings::CentrePulse + settings::CentreRange.start, "centre"},
    {gauges::GaugeId::Deadband, settings::DeadbandRange.start, "deadband"},
    {gauges::GaugeId::Position, settings::PositionRange.start, "position"},
};

quint64 sink = 0; // keeps the pictures from being optimised away

QImage drawCase(const Case &c, const gauges::GaugeInputs &in, qreal ratio) {
    return gauges::drawGauge(gauges::gaugeParams(c.id), c.value, in, ratio);
}

double medianMs(int iterations, const std::function<void()> &work) {
    std::vector<qint64> ns(static_cast<std::size_t>(iterations));
    QElapsedTimer timer;
    for (qint64 &t : ns) {
        timer.start();
        work();
        t = timer.nsecsElapsed();
    }
    std::nth_element(ns.begin(), ns.begin() + iterations / 2, ns.end());
    return double(ns[std::size_t(iterations / 2)]) / 1e6;
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int iterations = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    const gauges::GaugeInputs in = gauges::startupInputs();

    std::printf("median of %d drawings, ms\n%-10s %8s %8s\n", iterations, "gauge", "1x", "2x");
    for (const Case &c : Cases) {
        double ms[2];
        for (int r = 0; r < 2; ++r) {
            const qreal ratio = r + 1;
            sink += drawCase(c, in, ratio).pixel(75, 40); // first drawing renders the glyphs
            ms[r] = medianMs(iterations, [&] { sink += drawCase(c, in, ratio).pixel(75, 40); });
        }
        std::printf("%-10s %8.3f %8.3f\n", c.name, ms[0], ms[1]);
    }
    double all[2];
    for (int r = 0; r < 2; ++r) {
        all[r] = medianMs(iterations, [&] {
            for (const Case &c : Cases)
                sink += drawCase(c, in, r + 1).pixel(75, 40);
        });
    }
    std::printf("%-10s %8.3f %8.3f\n", "all five", all[0], all[1]);
    return sink == 0 ? 1 : 0;
}
