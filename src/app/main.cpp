#include "app/form1.h"
#include "platform/version.h"

#include <QApplication>
#include <QCommandLineParser>

namespace {

void describeProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("tessaro"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(version::Text));
}

// Read before the window exists, so --help and --version need no display.
servolink::PortLocator portsFromArguments(int argc, char *argv[]) {
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
    servolink::PortLocator ports = parser.isSet(folder)
                                       ? servolink::PortLocator::onlyFolder(parser.value(folder))
                                       : servolink::PortLocator::system();
    ports.com1Path = parser.value(port);
    return ports;
}

} // namespace

int main(int argc, char *argv[]) {
    servolink::PortLocator ports = portsFromArguments(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaro"));
    QApplication::setApplicationVersion(QString::fromLatin1(version::Text));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/tessaro.png")));
    Form1 window(std::move(ports));
    window.show();
    return app.exec();
}
