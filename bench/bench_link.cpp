// The link's waits against a virtual servo: wall time against the protocol's
// floor, and the share of a core the program's thread uses while it waits.
// The library alone, and a Connect pressed in the window on top of it; with
// the wire trace off, and with it on into a file.
#include "app/form1.h"
#include "bench/benchtiming.h"
#include "link/messages.h"
#include "link/protocol.h"
#include "link/session.h"
#include "link/trace.h"
#include "servoemu/servoemulator.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace tessaro;
using namespace tessaro::bench;
using tessaro::app::Form1;

namespace {

constexpr int Runs = 15;
struct Figures {
    double wallMs;
    double cpuShare;
};

Figures measure(const std::function<void()> &run) {
    std::vector<double> walls;
    double cpu = 0, wall = 0;
    for (int i = 0; i < Runs; ++i) {
        const double c0 = threadCpuMs();
        const auto t0 = std::chrono::steady_clock::now();
        run();
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                .count();
        cpu += threadCpuMs() - c0;
        wall += ms;
        walls.push_back(ms);
    }
    std::sort(walls.begin(), walls.end());
    return {walls[walls.size() / 2], cpu / wall};
}

// With the trace off the waits stay within 2 % of the floor; with it on there is no goal.
void report(const char *what, bool traced, Figures f, double floorMs) {
    const QByteArray name = QByteArray(what) + (traced ? ", trace on" : ", trace off");
    std::printf("%-44s median %7.1f ms  floor %7.1f ms  (+%4.1f %%, %s)  CPU %4.1f %% "
                "(goal <= 5 %%)\n",
                name.constData(), f.wallMs, floorMs, (f.wallMs / floorMs - 1) * 100,
                traced ? "no goal" : "goal <= 2 %", f.cpuShare * 100);
}

QString portFolder() {
    return link::ensureVirtualPortFolder();
}

// Presses Connect and checks that the servo was found.
void connectIn(Form1 &form, int failCode) {
    form.findChild<QPushButton *>(QStringLiteral("Connect"))->click();
    if (form.session().settingsBlock().isEmpty() ||
        form.findChild<QLabel *>(QStringLiteral("LServoName"))->text() ==
            QLatin1String(link::NotFoundText))
        std::exit(failCode);
}

std::unique_ptr<servoemu::ServoEmulator> servoOn(int com, servoemu::Fault fault) {
    servoemu::Options options;
    options.fault = fault;
    options.replyDelayMs = ReplyDelayMs;
    auto servo = std::make_unique<servoemu::ServoEmulator>(options);
    if (!servo->start().isEmpty() || !servo->publishAs(com).isEmpty())
        std::exit(1);
    return servo;
}

void measureAll(bool traced) {
    const double settleMs = 2 * link::SettleTicks * link::TickMs;
    const double readFloor = std::max(settleMs, ReplyDelayMs + link::FrameLength * ByteMs);
    {
        auto servo = servoOn(1, servoemu::Fault::None);
        link::Session session(link::PortLocator::onlyFolder(portFolder()));
        link::SerialPortControl &port = session.port();
        const Figures f = measure([&] {
            port.setCommPort(1);
            port.setPortOpen(true);
            port.output(QByteArray(1, link::ReadRequest));
            if (session.AwaitReply(link::FrameLength).size() != link::FrameLength)
                std::exit(2);
            port.setPortOpen(false);
        });
        report("AwaitReply(36) after a read", traced, f, readFloor);
        Form1 form(link::PortLocator::onlyFolder(portFolder()));
        const Figures c = measure([&] { connectIn(form, 3); });
        report("Connect, servo on first port", traced, c, 2 * readFloor);
    }
    {
        auto silent1 = servoOn(1, servoemu::Fault::Silent);
        auto silent2 = servoOn(2, servoemu::Fault::Silent);
        auto silent3 = servoOn(3, servoemu::Fault::Silent);
        auto servo = servoOn(4, servoemu::Fault::None);
        Form1 form(link::PortLocator::onlyFolder(portFolder()));
        const double silentFloor = settleMs + link::ReplyTimeoutTicks * link::TickMs;
        const Figures s = measure([&] { connectIn(form, 4); });
        report("Connect after 3 silent ports", traced, s, 3 * silentFloor + 2 * readFloor);
    }
}

} // namespace

int main(int argc, char *argv[]) {
    QTemporaryDir ports;
    QFile::setPermissions(ports.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(ports.path()));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    measureAll(false);
    if (const QString problem = link::startTrace(ports.filePath(QStringLiteral("trace.txt")));
        !problem.isEmpty())
        std::exit(5);
    measureAll(true);
    return 0;
}
