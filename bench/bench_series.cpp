// A series against the virtual servo on a pty: the time from plugging a
// servo in to its verdict, against the protocol's floor (its read, the
// programming frame and acknowledgement, the read-back), and the share of a
// core the program's thread uses while it waits for a servo.
#include "bench/benchtiming.h"
#include "link/protocol.h"
#include "link/series.h"
#include "link/session.h"
#include "servoemu/seriesplay.h"
#include "servoemu/servoemulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tessaro;
using namespace tessaro::bench;

namespace {

constexpr int Servos = 6;
constexpr int WaitSeconds = 5;

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir ports;
    servoemu::Options options;
    options.replyDelayMs = ReplyDelayMs;
    options.portFolder = ports.path();
    servoemu::ServoEmulator servo(options);
    if (!servo.start().isEmpty() || !servo.publishAs(1).isEmpty())
        return 1;
    std::vector<servoemu::SeriesServo> list;
    for (int i = 0; i < Servos; ++i)
        list.push_back({QByteArray("SERVO00") + char('1' + i) + servo.block().mid(8)});
    servoemu::SeriesPlay play(list);

    link::Session session(link::PortLocator::onlyFolder(ports.path()));
    session.FindComPorts();
    if (session.portTable().empty())
        return 1;
    QTemporaryDir backups;
    link::SeriesRun run(session, 0, {120, 80, 10, 0, 1, 0}, Servos, true, backups.path());

    // Each servo goes in a little later after the prompt than the one before,
    // so the plug falls at different points of the poll.
    QElapsedTimer clock;
    clock.start();
    std::vector<double> perServo;
    qint64 pluggedAt = 0;
    const auto plug = [&] {
        play.step(servo);
        pluggedAt = clock.elapsed();
    };
    QObject::connect(&run, &link::SeriesRun::waiting, [&](link::SeriesWait wait) {
        if (wait == link::SeriesWait::Unplug)
            play.step(servo);
        else if (wait == link::SeriesWait::PlugIn)
            QTimer::singleShot(int(perServo.size()) * 130 % 700, plug);
    });
    QObject::connect(&run, &link::SeriesRun::servoDone, [&](const link::SeriesResult &r) {
        perServo.push_back(double(clock.elapsed() - pluggedAt));
        if (r.verdict != link::SeriesVerdict::Verified)
            std::exit(2);
    });
    QObject::connect(&run, &link::SeriesRun::finished, &app, &QCoreApplication::quit);
    run.start();
    app.exec();

    const double settleMs = 2 * link::SettleTicks * link::TickMs;
    const double readFloor = std::max(settleMs, ReplyDelayMs + link::FrameLength * ByteMs);
    const double ackFloor =
        link::FrameLength * ByteMs + std::max(settleMs, ReplyDelayMs + link::AckLength * ByteMs);
    const double floorMs = 2 * readFloor + ackFloor;
    std::sort(perServo.begin(), perServo.end());
    std::printf("series, plugged in to verdict (%d servos)   median %7.1f ms  max %7.1f ms  "
                "floor %7.1f ms (read, frame and acknowledgement, read-back)\n",
                Servos, perServo[perServo.size() / 2], perServo.back(), floorMs);
    // What the floor leaves: noticing the servo (a poll under way runs out first) and overhead.
    std::printf("series, beyond the floor (max)             %7.1f ms  (noticed: goal <= 1000 ms)\n",
                perServo.back() - floorMs);

    // Waiting for a servo that never comes: the last one is unplugged first.
    play.step(servo);
    link::SeriesRun idle(session, 0, {120, 80, 10, 0, 1, 0});
    QTimer::singleShot(WaitSeconds * 1000, &idle, &link::SeriesRun::stop);
    QObject::connect(&idle, &link::SeriesRun::finished, &app, &QCoreApplication::quit);
    const double cpu0 = threadCpuMs();
    QElapsedTimer waited;
    waited.start();
    idle.start();
    app.exec();
    const double share = (threadCpuMs() - cpu0) / double(waited.elapsed());
    std::printf("series, waiting for a servo %d s            CPU %5.2f %% of a core "
                "(goal <= 2 %%)\n",
                WaitSeconds, share * 100);
    return 0;
}
