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
