#include "link/messages.h"

#include <QCoreApplication>
#include <QStringList>

namespace tessaro::link {

QString troubleshootingText() {
    const QString bullet(QChar(0x2022));
    const QString indent = QStringLiteral("      ");
    const QStringList lines = {
        QCoreApplication::translate("Link", "SERVO NOT DETECTED!"),
        QString(),
        bullet + QCoreApplication::translate("Link", " Check connection of cable to PC and Servo"),
        bullet + QCoreApplication::translate("Link", " Check Polarity of Servo and USB connectors"),
        bullet + QCoreApplication::translate("Link", " Check that USB LED is Green"),
        QString(),
        QCoreApplication::translate("Link", "Try Connecting Again"),
        QString(),
#ifdef Q_OS_WIN
        bullet + QCoreApplication::translate("Link", " Check Windows Device Manager:"),
        QCoreApplication::translate("Link", "  Should have in 'Ports' section:"),
        QStringLiteral("      CP210x USB to UART Bridge Controller"),
        indent + bullet + QCoreApplication::translate("Link", " if so, note the COM port number"),
        indent + bullet +
            QCoreApplication::translate("Link", " if not, uninstall and reinstall USB drivers"),
        QCoreApplication::translate("Link",
                                    "  Should have in 'Universal Serial Bus Controllers' section:"),
        QStringLiteral("      CP210x USB Composite Device"),
        indent + bullet +
            QCoreApplication::translate("Link", " if not, uninstall and reinstall USB drivers"),
#else
        // A CP210x bridge is ttyUSBn, which the port list shows as COM(n + 1).
        bullet + QCoreApplication::translate("Link", " Check that Linux sees the adapter:"),
        QCoreApplication::translate("Link", "  'ls -l /dev/serial/by-id' should list:"),
        QStringLiteral("      usb-Silicon_Labs_CP210x\u2026 -> ../../ttyUSB0"),
        indent + bullet +
            QCoreApplication::translate("Link",
                                        " if so, ttyUSB0 is COM1, ttyUSB1 is COM2, and so on"),
        indent + bullet +
            QCoreApplication::translate(
                "Link",
                " if not, 'sudo dmesg' should show cp210x; try another cable or USB socket"),
        QCoreApplication::translate("Link", "  This user may open it if 'id' lists dialout:"),
        indent + bullet +
            QCoreApplication::translate(
                "Link", " if not: sudo usermod -aG dialout $USER, then log in again"),
        bullet +
            QCoreApplication::translate("Link", " File, Save a bug report… gathers what we need"),
#endif
    };
    return lines.join(QLatin1Char('\r'));
}

QString unshowableSettingsText(const QString &problem) {
    return QCoreApplication::translate(
               "Link", "The servo answered with settings this program cannot show (%1). "
                       "Its settings were not loaded.")
        .arg(problem);
}

QString message(const char *text) {
    return QCoreApplication::translate("Link", text);
}

} // namespace tessaro::link
