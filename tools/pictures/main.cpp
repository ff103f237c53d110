// Draws the five gauges as the window shows them right after start-up, and the whole
// window, into PNG files for the README: tessaro-pictures <folder>
#include "app/form1.h"
#include "gauges/drawcharts.h"

#include <QApplication>
#include <QDir>
#include <QScrollBar>
#include <cstdio>

namespace {

struct Shot {
    Gauges::GaugeId id;
    qint16 value;
    const char *name;
};

bool save(const QImage &image, const QDir &folder, const QString &name) {
    const QString path = folder.filePath(name);
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tessaro-pictures <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }

    Form1 window; // runs start-up
    const Gauges::GaugeInputs in = gaugeInputs(window);
    const Shot shots[] = {
        {Gauges::GaugeId::Throw, qint16(window.ScrollThrow->value()), "throw"},
        {Gauges::GaugeId::Speed, qint16(window.ScrollSpeed->value()), "speed"},
        {Gauges::GaugeId::Centre, qint16(1500 + window.ScrollCentre->value()), "centre"},
        {Gauges::GaugeId::Deadband, qint16(window.ScrollDeadband->value()), "deadband"},
        {Gauges::GaugeId::Position, qint16(window.ScrollPosition->value()), "position"},
    };
    bool ok = true;
    for (const Shot &shot : shots) {
        const Gauges::GaugeParams &gauge = Gauges::gaugeParams(shot.id);
        const QString base = QStringLiteral("gauge-%1").arg(QLatin1String(shot.name));
        ok &= save(Gauges::drawGauge(gauge, shot.value, in, 1), folder, base + ".png");
        ok &= save(Gauges::drawGauge(gauge, shot.value, in, 2), folder, base + "@2x.png");
    }

    window.show();
    QCoreApplication::processEvents();
    ok &= save(window.grab().toImage(), folder, QStringLiteral("window.png"));
    return ok ? 0 : 1;
}
