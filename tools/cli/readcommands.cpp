// read and save: one read exchange, printed or written to a settings file.
#include "commands.h"
#include "exitcodes.h"
#include "output.h"
#include "servoport.h"

int runRead(const Options &options) {
    int code = exitcode::Ok;
    const auto port = ServoPort::connected(options, &code);
    if (!port)
        return code;
    if (options.json)
        out::data(QString::fromUtf8(out::settingsJson(port->settings(), port->portName())));
    else
        out::data(out::settingsText(port->settings(), port->portName()).join(QLatin1Char('\n')));
    return exitcode::Ok;
}

int runSave(const Options &options) {
    int code = exitcode::Ok;
    const auto port = ServoPort::connected(options, &code);
    if (!port)
        return code;
    const QString path = options.arguments.at(0);
    QString error;
    if (!settingsfile::save(path, port->settings(), &error))
        return out::fail(exitcode::Usage, error);
    out::message(QStringLiteral("saved the settings of \"%1\" on %2 to %3")
                     .arg(out::shown(port->settings().name()), port->portName(), path));
    return exitcode::Ok;
}
