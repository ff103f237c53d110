#include "app/form1.h"
#include "platform/version.h"

#include <QApplication>
#include <QCommandLineParser>

using namespace tessaro;
using tessaro::app::Form1;

namespace {

void describeProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("tessaro"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(platform::VersionText));
}

// Read before the window exists, so --help and --version need no display.
link::PortLocator portsFromArguments(int argc, char *argv[]) {
    QCoreApplication plain(argc, argv);
    describeProgram();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Reads and programs the settings of Korvane digital servos."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral("Use the adapter at PATH (such as /dev/ttyACM0 or /dev/serial/by-id/...) "
                       "as port COM1."),
        QStringLiteral("PATH"));
    const QCommandLineOption folder(
        QStringLiteral("port-folder"),
        QStringLiteral("Look for ports only as COM1 to COM21 links in DIR (virtual servos)."),
        QStringLiteral("DIR"));
    parser.addOptions({port, folder});
    parser.process(plain);
    link::PortLocator ports = parser.isSet(folder)
                                  ? link::PortLocator::onlyFolder(parser.value(folder))
                                  : link::PortLocator::system();
    ports.com1Path = parser.value(port);
    return ports;
}

} // namespace

int main(int argc, char *argv[]) {
    link::PortLocator ports = portsFromArguments(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaro"));
    QApplication::setApplicationVersion(QString::fromLatin1(platform::VersionText));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/tessaro.png")));
    Form1 window(std::move(ports));
    window.show();
    return app.exec();
}
