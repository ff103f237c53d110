// tessaro-cli read against a virtual servo: wall time of the whole process
// against one read's floor plus the time a process takes to start and end.
#include "bench/benchtiming.h"
#include "link/portlocator.h"
#include "link/protocol.h"
#include "servoemu/servoemulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tessaro;
using namespace tessaro::bench;

namespace {

constexpr int Runs = 15;

// Median wall time of the program run with args; exits when a run fails.
double medianMs(const QString &program, const QStringList &args) {
    std::vector<double> times;
    for (int i = 0; i < Runs; ++i) {
        QProcess p;
        QElapsedTimer t;
        t.start();
        p.start(program, args);
        if (!p.waitForFinished(10000) || p.exitStatus() != QProcess::NormalExit ||
            p.exitCode() != 0) {
            std::fprintf(stderr, "tessaro-cli %s failed: %s\n", qPrintable(args.join(' ')),
                         p.readAllStandardError().constData());
            std::exit(1);
        }
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[]) {
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QCoreApplication app(argc, argv);
    const QString program =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../tools/cli/tessaro-cli");

    servoemu::Options options;
    options.replyDelayMs = ReplyDelayMs;
    servoemu::ServoEmulator servo(options);
    QString error = servo.start();
    if (error.isEmpty())
        error = servo.publishAs(1);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "virtual servo: %s\n", qPrintable(error));
        return 1;
    }
    const QString folder = link::virtualPortFolder();

    const double startMs = medianMs(program, {QStringLiteral("--version")});
    const double readMs =
        medianMs(program, {QStringLiteral("read"), QStringLiteral("--port-folder"), folder});
    // The reply starts ReplyDelayMs after the request, by when both settle waits are over.
    const double settleMs = 2 * link::SettleTicks * link::TickMs;
    const double readFloor = std::max(settleMs, ReplyDelayMs + link::FrameLength * ByteMs);
    const double floorMs = readFloor + startMs;
    std::printf("%-34s median %7.1f ms\n", "tessaro-cli --version", startMs);
    std::printf("%-34s median %7.1f ms  floor %7.1f ms  (+%4.1f %%, goal <= 10 %%)\n",
                "tessaro-cli read", readMs, floorMs, (readMs / floorMs - 1) * 100);
    return 0;
}
