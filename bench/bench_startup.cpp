// Start-up to a shown window (port listing included), and peak memory, as a
// user sees it: a fresh process each time.
#include "app/form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

using namespace tessaro;
using tessaro::app::Form1;

namespace {

constexpr int Runs = 15;

long peakKib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The child: show the window, say so, then work the editors a little and report memory.
int child(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const QTemporaryDir ports; // no port is listed, and none outside it is opened
    Form1 window(link::PortLocator::onlyFolder(ports.path()));
    window.show();
    QCoreApplication::processEvents();
    std::printf("shown\n");
    std::fflush(stdout);
    for (int v = 30; v <= 140; ++v)
        window.findChild<QScrollBar *>(QStringLiteral("ScrollThrow"))->setValue(v);
    QCoreApplication::processEvents();
    std::printf("peak %ld\n", peakKib());
    return 0;
}

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && qstrcmp(argv[1], "--child") == 0)
        return child(argc, argv);

    QCoreApplication app(argc, argv);
    std::vector<double> times;
    long peak = 0;
    for (int i = 0; i < Runs; ++i) {
        QProcess p;
        QElapsedTimer clock;
        clock.start();
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
        while (p.waitForReadyRead(5000)) {
            if (p.canReadLine() && p.readLine().startsWith("shown"))
                break;
        }
        times.push_back(clock.nsecsElapsed() / 1e6);
        p.waitForFinished(5000);
        const QByteArray rest = p.readAll();
        const qsizetype at = rest.indexOf("peak ");
        if (at >= 0)
            peak = std::max(peak, rest.mid(at + 5).trimmed().toLong());
    }
    std::sort(times.begin(), times.end());
    std::printf("start-up to a shown window: median %.0f ms over %d starts (goal <= 1000 ms)\n",
                times[times.size() / 2], Runs);
    std::printf("peak memory: %.1f MiB (goal <= 100 MiB)\n", peak / 1024.0);
    return 0;
}
