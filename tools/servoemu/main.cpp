// tessaro-servo: a virtual servo on a pseudo-terminal, published as COMn for
// the program (see servoemulator.h).
#include "link/portlocator.h"
#include "platform/version.h"
#include "servoemu/replay.h"
#include "servoemu/seriesplay.h"
#include "servoemu/servoemulator.h"
#include "settings/settingsblock.h"
#include "settings/wholefile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <unistd.h>

using namespace tessaro;
using namespace tessaro::servoemu;

namespace {

int signalPipe[2] = {-1, -1};
int stepPipe[2] = {-1, -1};

extern "C" void onStep(int) {
    const int saved = errno;
    const char c = 1;
    [[maybe_unused]] auto n = ::write(stepPipe[1], &c, 1);
    errno = saved;
}

extern "C" void onSignal(int) {
    const int saved = errno;
    const char c = 1;
    [[maybe_unused]] auto n = ::write(signalPipe[1], &c, 1);
    errno = saved;
}

void printLine(const QString &line) {
    static std::mutex mutex;
    std::lock_guard lock(mutex);
    std::fprintf(stdout, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stdout);
}

int fail(const QString &message) {
    std::fprintf(stderr, "tessaro-servo: %s\n", message.toLocal8Bit().constData());
    return 2;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tessaro-servo"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(platform::VersionText));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "A virtual Korvane servo on a pseudo-terminal, published as COMn for Tessaro.\n"
            "Fault modes: %1 (append :N to apply to the next N answers only).")
            .arg(faultNames().join(QStringLiteral(", "))));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption comOpt(QStringLiteral("com"),
                                    QStringLiteral("Serve as port COM<n> (%1 to %2; default 1).")
                                        .arg(link::FirstPort)
                                        .arg(link::LastPort),
                                    QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption blockOpt(
        QStringLiteral("block"),
        QStringLiteral("The servo's %1-character settings block (default %2).")
            .arg(settings::BlockLength)
            .arg(QString::fromLatin1(ServoEmulator::defaultBlock())),
        QStringLiteral("%1 chars").arg(settings::BlockLength));
    const QCommandLineOption faultOpt(
        QStringLiteral("fault"),
        QStringLiteral("Misbehave: <mode> always, or <mode>:<count> for the next "
                       "<count> answers of its kind."),
        QStringLiteral("mode[:count]"));
    const QCommandLineOption delayOpt(
        QStringLiteral("reply-delay"),
        QStringLiteral("Milliseconds before answering (default 100)."), QStringLiteral("ms"),
        QStringLiteral("100"));
    const QCommandLineOption byteOpt(
        QStringLiteral("byte-time"),
        QStringLiteral("Microseconds per byte sent (default 521, 19200 baud)."),
        QStringLiteral("us"), QStringLiteral("521"));
    const QCommandLineOption replaceOpt(
        QStringLiteral("replace"),
        QStringLiteral("Take over the COM link even if it leads to another device."));
    const QCommandLineOption quietOpt(QStringLiteral("quiet"),
                                      QStringLiteral("Do not log requests and frames."));
    const QCommandLineOption seriesOpt(
        QStringLiteral("series"),
        QStringLiteral("Play a series of servos, the first plugged in: each Enter on standard "
                       "input or SIGUSR1 unplugs the servo or plugs in the next. Each entry is "
                       "a name of 8 characters (in the block) or a whole block, with :mode or "
                       ":mode:count for its own fault."),
        QStringLiteral("entry,entry,..."));
    const QCommandLineOption replayOpt(
        QStringLiteral("replay"),
        QStringLiteral("Answer as the servo in a bug report or --trace file did."),
        QStringLiteral("file"));
    parser.addOptions({comOpt, blockOpt, faultOpt, delayOpt, byteOpt, replaceOpt, quietOpt,
                       seriesOpt, replayOpt});
    parser.process(app);
    if (!parser.positionalArguments().isEmpty())
        return fail(
            QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));

    bool ok = false;
    const int com = parser.value(comOpt).toInt(&ok);
    if (!ok || com < link::FirstPort || com > link::LastPort)
        return fail(QStringLiteral("--com takes a port number from %1 to %2")
                        .arg(link::FirstPort)
                        .arg(link::LastPort));

    Options options;
    if (parser.isSet(blockOpt)) {
        // One byte per character; characters up to U+00FF pass as that byte.
        const QString text = parser.value(blockOpt);
        for (QChar ch : text)
            if (ch.unicode() > 0xFF)
                return fail(QStringLiteral("--block: character %1 is not a single byte").arg(ch));
        options.block = text.toLatin1();
        if (options.block.size() != settings::BlockLength)
            return fail(QStringLiteral("--block must be exactly %1 bytes, not %2")
                            .arg(settings::BlockLength)
                            .arg(options.block.size()));
    }
    if (parser.isSet(faultOpt)) {
        const QString faultArg = parser.value(faultOpt);
        const QString name = faultArg.section(QLatin1Char(':'), 0, 0);
        const auto fault = faultFromName(name);
        if (!fault)
            return fail(QStringLiteral("unknown fault mode \"%1\"; known: %2")
                            .arg(name, faultNames().join(QStringLiteral(", "))));
        options.fault = *fault;
        if (faultArg.contains(QLatin1Char(':'))) {
            options.faultCount = faultArg.section(QLatin1Char(':'), 1).toInt(&ok);
            if (!ok || options.faultCount < 0)
                return fail(QStringLiteral("--fault %1: the count must be a whole number from 0")
                                .arg(faultArg));
        }
    }
    options.replyDelayMs = parser.value(delayOpt).toInt(&ok);
    if (!ok || options.replyDelayMs < 0)
        return fail(QStringLiteral("--reply-delay takes milliseconds from 0"));
    options.byteTimeUs = parser.value(byteOpt).toInt(&ok);
    if (!ok || options.byteTimeUs < 0)
        return fail(QStringLiteral("--byte-time takes microseconds from 0"));

    if (parser.isSet(replayOpt)) {
        // A trace is a few KiB, a long --trace file some MiB.
        const QString path = parser.value(replayOpt);
        const settings::ReadResult file = settings::readSmallFile(path, 64 * 1024 * 1024);
        if (file.failure)
            return fail(file.failure.text());
        ParsedTrace trace = parseTrace(file.bytes);
        if (!trace.problem.isEmpty())
            return fail(QStringLiteral("%1: %2").arg(path, trace.problem));
        auto replay = std::make_shared<Replay>(std::move(trace.steps));
        replay->setNotice([](const QString &line) {
            std::fprintf(stderr, "tessaro-servo: %s\n", line.toLocal8Bit().constData());
        });
        options.script = [replay](const QByteArray &request, int expected) {
            return replay->answer(request, expected);
        };
    }

    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return fail(QStringLiteral("cannot create the signal pipe"));
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &sa, nullptr);
    ::sigaction(SIGTERM, &sa, nullptr);
    ::sigaction(SIGHUP, &sa, nullptr);
    QSocketNotifier notifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &app, [] {
        char buf[16];
        while (::read(signalPipe[0], buf, sizeof buf) > 0) {
        }
        QCoreApplication::quit();
    });

    std::unique_ptr<SeriesPlay> series;
    if (parser.isSet(seriesOpt)) {
        ParsedSeries parsed =
            parseSeries(parser.value(seriesOpt),
                        options.block.isEmpty() ? ServoEmulator::defaultBlock() : options.block);
        if (!parsed.error.isEmpty())
            return fail(parsed.error);
        series = std::make_unique<SeriesPlay>(std::move(parsed.servos));
    }

    ServoEmulator emulator(options);
    if (!parser.isSet(quietOpt))
        emulator.setLogger([](const QString &line) {
            printLine(QStringLiteral("%1  %2").arg(
                QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz")), line));
        });
    if (const QString error = emulator.start(); !error.isEmpty())
        return fail(error);
    if (const QString error = emulator.publishAs(com, parser.isSet(replaceOpt)); !error.isEmpty())
        return fail(error);

    QString faultText;
    if (parser.isSet(replayOpt))
        faultText = QStringLiteral(", replaying %1").arg(parser.value(replayOpt));
    else if (options.fault != Fault::None)
        faultText =
            QStringLiteral(", fault %1%2")
                .arg(faultName(options.fault), options.faultCount < 0
                                                   ? QString()
                                                   : QStringLiteral(":%1").arg(options.faultCount));
    printLine(QStringLiteral("tessaro-servo: serving COM%1 on %2 (link %3), block \"%4\"%5")
                  .arg(com)
                  .arg(emulator.slavePath(), emulator.linkPath(),
                       QString::fromLatin1(emulator.block()), faultText));

    // A series steps on Enter or SIGUSR1; the handler only wakes the loop.
    std::unique_ptr<QSocketNotifier> stepNotifier, stdinNotifier;
    if (series) {
        printLine(QStringLiteral("tessaro-servo: %1").arg(series->begin(emulator)));
        if (::pipe2(stepPipe, O_CLOEXEC | O_NONBLOCK) != 0)
            return fail(QStringLiteral("cannot create the step pipe"));
        struct sigaction step {};
        step.sa_handler = onStep;
        sigemptyset(&step.sa_mask);
        step.sa_flags = SA_RESTART;
        ::sigaction(SIGUSR1, &step, nullptr);
        const auto stepOnce = [&] {
            printLine(QStringLiteral("tessaro-servo: %1").arg(series->step(emulator)));
        };
        stepNotifier = std::make_unique<QSocketNotifier>(stepPipe[0], QSocketNotifier::Read);
        QObject::connect(stepNotifier.get(), &QSocketNotifier::activated, &app, [&] {
            char buf[16];
            while (::read(stepPipe[0], buf, sizeof buf) > 0)
                stepOnce();
        });
        stdinNotifier = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
        QObject::connect(stdinNotifier.get(), &QSocketNotifier::activated, &app, [&] {
            char buf[256];
            const ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
            if (n <= 0) { // end of input: only the signal steps from now on
                stdinNotifier->setEnabled(false);
                return;
            }
            for (ssize_t i = 0; i < n; ++i)
                if (buf[i] == '\n')
                    stepOnce();
        });
    }

    const int rc = app.exec();
    emulator.stop();
    if (!parser.isSet(quietOpt))
        printLine(QStringLiteral("tessaro-servo: stopped, COM%1 removed").arg(com));
    return rc;
}
