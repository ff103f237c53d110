// One scroll-bar move handled in full: the handler (gauge picture and
// readouts) and the repaint of what changed, on a shown window. Prints the
// median and the 95th percentile per editor; the goal is at most 1 ms, so
// that a dragged thumb never lags.
#include "app/form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tessaro;
using tessaro::app::Form1;

namespace {

constexpr int Moves = 2000;
constexpr double GoalMs = 1.0;

// Counts the paint events the window's widgets receive.
class PaintCounter : public QObject {
public:
    long paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

double percentile(std::vector<double> v, double share) {
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(share * static_cast<double>(v.size() - 1))];
}

// Moves the bar back and forth over its range, one step at a time.
bool measure(QScrollBar *bar, const char *name, PaintCounter &counter) {
    std::vector<double> ms;
    ms.reserve(Moves);
    int step = 1;
    const long paintsBefore = counter.paints;
    for (int i = 0; i < Moves; ++i) {
        if (bar->value() + step > bar->maximum() || bar->value() + step < bar->minimum())
            step = -step;
        QElapsedTimer t;
        t.start();
        bar->setValue(bar->value() + step);
        QCoreApplication::processEvents();
        ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    const double median = percentile(ms, 0.5);
    std::printf("%-15s median %.3f ms  p95 %.3f ms  paints/move %.1f  %s\n", name, median,
                percentile(ms, 0.95), static_cast<double>(counter.paints - paintsBefore) / Moves,
                median <= GoalMs ? "ok" : "OVER GOAL");
    return median <= GoalMs;
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QTemporaryDir ports; // no port is listed, and none outside it is opened
    Form1 w(link::PortLocator::onlyFolder(ports.path()));
    PaintCounter counter;
    for (QWidget *child : w.findChildren<QWidget *>())
        child->installEventFilter(&counter);
    w.show();
    QCoreApplication::processEvents();

    std::printf("bench_editors: %d moves per editor, goal median <= %.1f ms\n", Moves, GoalMs);
    bool ok = true;
    ok &= measure(w.findChild<QScrollBar *>(QStringLiteral("ScrollPosition")), "test position",
                  counter);
    ok &= measure(w.findChild<QScrollBar *>(QStringLiteral("ScrollThrow")), "throw", counter);
    ok &= measure(w.findChild<QScrollBar *>(QStringLiteral("ScrollCentre")), "centre", counter);
    ok &= measure(w.findChild<QScrollBar *>(QStringLiteral("ScrollSpeed")), "speed", counter);
    ok &= measure(w.findChild<QScrollBar *>(QStringLiteral("ScrollDeadband")), "deadband", counter);
    return ok ? 0 : 1;
}
