#include "app/form1.h"
#include "app/signalclose.h"
#include "link/trace.h"
#include "platform/translation.h"
#include "platform/version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <optional>

using namespace tessaro;
using tessaro::app::Form1;

namespace {

void describeProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("tessaro"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(platform::VersionText));
}

// Read before the window exists, so --help, --version and a refused trace
// file need no display. nullopt: the trace file was refused, and said so.
std::optional<link::PortLocator> readArguments(int argc, char *argv[]) {
    QCoreApplication plain(argc, argv);
    describeProgram();
    platform::installTranslator(plain);
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Reads and programs the settings of Korvane digital servos."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption port(
        QStringLiteral("port"),
        QCoreApplication::translate(
            "main", "Use the adapter at PATH (such as /dev/ttyACM0 or /dev/serial/by-id/...) "
                    "as port COM1."),
        QCoreApplication::translate("main", "PATH"));
    const QCommandLineOption folder(
        QStringLiteral("port-folder"),
        QCoreApplication::translate(
            "main", "Look for ports only as COM1 to COM21 links in DIR (virtual servos)."),
        QCoreApplication::translate("main", "DIR"));
    const QCommandLineOption trace(
        QStringLiteral("trace"),
        QCoreApplication::translate("main", "Write a trace of every byte sent to and received "
                                            "from the servo to FILE, for a bug report."),
        QCoreApplication::translate("main", "FILE"));
    parser.addOptions({port, folder, trace});
    parser.process(plain);
    link::PortLocator ports = parser.isSet(folder)
                                  ? link::PortLocator::onlyFolder(parser.value(folder))
                                  : link::PortLocator::system();
    ports.com1Path = parser.value(port);
    if (!parser.isSet(trace))
        return ports;
    const QString problem =
        parser.value(trace).isEmpty()
            ? QCoreApplication::translate("main", "--trace needs the name of a file")
            : link::startTrace(parser.value(trace));
    if (problem.isEmpty())
        return ports;
    std::fprintf(stderr, "tessaro: %s\n",
                 qPrintable(QCoreApplication::translate("main", "--trace: %1").arg(problem)));
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[]) {
    std::optional<link::PortLocator> ports = readArguments(argc, argv);
    if (!ports)
        return 1;
    QApplication app(argc, argv);
    platform::installTranslator(app);
    QApplication::setApplicationName(QStringLiteral("Tessaro"));
    QApplication::setApplicationVersion(QString::fromLatin1(platform::VersionText));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/tessaro.png")));
    // Wayland's app id: the desktop looks up the entry, and its icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tessaro.tessaro"));
    Form1 window(std::move(*ports));
    window.show();
    tessaro::app::closeOnSignals(window);
    const int code = app.exec();
    // As a shell reports a program a signal ended: 130 for SIGINT, 143 for SIGTERM.
    return tessaro::app::closingSignal() ? 128 + tessaro::app::closingSignal() : code;
}
