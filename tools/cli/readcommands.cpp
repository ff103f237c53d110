// read and save: one read exchange, printed or written to a settings file.
#include "cli/commands.h"
#include "cli/exitcodes.h"
#include "cli/output.h"
#include "cli/servoport.h"
#include "settings/codepage.h"
#include "settings/filenames.h"

#include <QCoreApplication>

namespace tessaro::cli {

int runRead(const Options &options) {
    const auto [port, code] = ServoPort::connected(options);
    if (!port)
        return code;
    if (options.json)
        data(QString::fromUtf8(compactSettingsJson(port->settings(), port->portName())));
    else
        data(settingsText(port->settings(), port->portName()).join(QLatin1Char('\n')));
    return Exit::Ok;
}

int runSave(const Options &options) {
    const auto [port, code] = ServoPort::connected(options);
    if (!port)
        return code;
    const QString path = options.arguments.at(0);
    // "-" is standard output, as for the usual tools.
    if (path == QLatin1String("-")) {
        data(QString::fromUtf8(settings::settingsJson(port->settings())).chopped(1));
        return Exit::Ok;
    }
    if (const settings::FileFailure failure = settings::saveSettings(path, port->settings()))
        return fail(Exit::Usage, failure.text());
    message(QCoreApplication::translate("cli", "saved the settings of \"%1\" on %2 to %3")
                .arg(settings::printableText(port->settings().name()), port->portName(),
                     settings::printableFileName(path)));
    return Exit::Ok;
}

} // namespace tessaro::cli
