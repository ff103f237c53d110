// The history over a journal of 10,000 records: loadHistory in process, and a
// whole `tessaro-cli history` process, text and --json, each the median of 5 runs.
#include "settings/history.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace tessaro;

namespace {

constexpr int Records = 10000;
constexpr int Runs = 5;

double medianMs(const std::function<void()> &run) {
    std::vector<double> times;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer t;
        t.start();
        run();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[Runs / 2];
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    const QString journal = settings::journalPath();
    const QByteArray before("OS2403A105DC5A640000020000000000");
    const QByteArray sent("OS2403A105D77864FB00020000000000");
    QByteArray lines;
    for (int i = 0; i < Records; ++i) {
        const QDateTime time = QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC).addSecs(i * 60);
        lines += settings::journalLine({time,
                                        "bench",
                                        "1",
                                        "COM1",
                                        "/dev/ttyUSB0",
                                        before,
                                        sent,
                                        sent,
                                        settings::Verdict::Verified,
                                        {}});
    }
    QFile file(journal);
    if (!QDir().mkpath(QFileInfo(journal).path()) || !file.open(QIODevice::WriteOnly) ||
        file.write(lines) != lines.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(journal));
        return 1;
    }
    file.close();
    std::size_t shown = 0;
    const double inProcess = medianMs(
        [&] { shown = settings::loadHistory(before.left(settings::NameLen)).entries.size(); });
    const QString cli =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../tools/cli/tessaro-cli");
    const auto process = [&cli](const QStringList &args) {
        return medianMs([&] {
            QProcess p;
            p.setStandardOutputFile(QProcess::nullDevice());
            p.start(cli, args);
            if (!p.waitForFinished(60000) || p.exitCode() != 0) {
                std::fprintf(stderr, "tessaro-cli history failed\n");
                std::exit(1);
            }
        });
    };
    const double text = process({QStringLiteral("history")});
    const double json = process({QStringLiteral("history"), QStringLiteral("--json")});
    std::printf("history over %d records (%zu shown), in process: %.1f ms\n", Records, shown,
                inProcess);
    std::printf("tessaro-cli history, whole process: %.1f ms\n", text);
    std::printf("tessaro-cli history --json, whole process: %.1f ms\n", json);
    return 0;
}
