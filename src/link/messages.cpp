#include "link/messages.h"

#include <QStringList>

namespace tessaro::link {

QString troubleshootingText() {
    const QString bullet(QChar(0x2022));
    const QString indent = QStringLiteral("      ");
    const QStringList lines = {
        QStringLiteral("SERVO NOT DETECTED!"),
        QString(),
        bullet + QStringLiteral(" Check connection of cable to PC and Servo"),
        bullet + QStringLiteral(" Check Polarity of Servo and USB connectors"),
        bullet + QStringLiteral(" Check that USB LED is Green"),
        QString(),
        QStringLiteral("Try Connecting Again"),
        QString(),
        bullet + QStringLiteral(" Check Windows Device Manager:"),
        QStringLiteral("  Should have in 'Ports' section:"),
        QStringLiteral("      CP210x USB to UART Bridge Controller"),
        indent + bullet + QStringLiteral(" if so, note the COM port number"),
        indent + bullet + QStringLiteral(" if not, uninstall and reinstall USB drivers"),
        QStringLiteral("  Should have in 'Universal Serial Bus Controllers' section:"),
        QStringLiteral("      CP210x USB Composite Device"),
        indent + bullet + QStringLiteral(" if not, uninstall and reinstall USB drivers"),
    };
    return lines.join(QLatin1Char('\r'));
}

QString unshowableSettingsText(const QString &problem) {
    return QStringLiteral("The servo answered with settings this program cannot show (%1). "
                          "Its settings were not loaded.")
        .arg(problem);
}

} // namespace tessaro::link
