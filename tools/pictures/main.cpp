// Draws the five gauges as the window shows them right after start-up into PNG files
// for the README: tessaro-pictures <folder>. The window's own pictures are screenshots
// of it connected under Xvfb (scripts/walkthrough.sh), which a grab here could not match.
#include "app/form1.h"
#include "settings/editorranges.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

using namespace tessaro;
using tessaro::app::Form1;

namespace {

struct Shot {
    gauges::GaugeId id;
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

    // An empty port folder: the gauges read the window as start-up leaves it.
    const QTemporaryDir ports;
    Form1 window(link::PortLocator::onlyFolder(ports.path())); // runs start-up
    const gauges::GaugeInputs in = window.gaugeInputs();
    const Shot shots[] = {
        {gauges::GaugeId::Throw, qint16(settings::ThrowRange.start), "throw"},
        {gauges::GaugeId::Speed, qint16(settings::SpeedRange.start), "speed"},
        {gauges::GaugeId::Centre, qint16(settings::CentrePulse + settings::CentreRange.start),
         "centre"},
        {gauges::GaugeId::Deadband, qint16(settings::DeadbandRange.start), "deadband"},
        {gauges::GaugeId::Position, qint16(settings::PositionRange.start), "position"},
    };
    bool ok = true;
    for (const Shot &shot : shots) {
        const gauges::GaugeParams &gauge = gauges::gaugeParams(shot.id);
        const QString base = QStringLiteral("gauge-%1").arg(QLatin1String(shot.name));
        ok &= save(gauges::drawGauge(gauge, shot.value, in, 1), folder, base + ".png");
        ok &= save(gauges::drawGauge(gauge, shot.value, in, 2), folder, base + "@2x.png");
    }
    return ok ? 0 : 1;
}
