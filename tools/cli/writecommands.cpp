// write, set, reset and restore: read the servo, back up what it holds,
// program it as the window's PROGRAM does, and check what it reads back.
#include "commands.h"
#include "exitcodes.h"
#include "output.h"
#include "servoport.h"
#include "settings/backups.h"
#include "settings/rounding.h"

#include <QDateTime>

namespace tessaro::cli {

namespace {

// The editors' values for a block: test position 0, half the throw rounded as the window does.
settings::EditorValues editorValues(const settings::BlockValues &v) {
    settings::EditorValues e;
    e.position = 0;
    e.halfThrow = settings::toInt16(v.throwDeg / 2.0);
    e.throwDeg = v.throwDeg;
    e.speed = v.speed;
    e.centre = v.centre;
    e.reverse = v.reverse;
    e.deadband = v.deadband;
    e.reset = v.reset;
    return e;
}

// Programs values into the servo that port has just read, around its own
// name and tail. A reset request is not compared: the servo applies its own defaults.
int programAndVerify(ServoPort &port, const Options &options, const settings::BlockValues &values) {
    const QByteArray block = port.session().blockFor(editorValues(values));
    if (options.dryRun) {
        data(frameText(link::buildFrame(block)).join(QLatin1Char('\n')));
        message(QStringLiteral("dry run: nothing was sent"));
        return Exit::Ok;
    }
    if (!options.noBackup) {
        QString error;
        const QString path =
            settings::saveBackup(port.settings(), QDateTime::currentDateTimeUtc(), &error);
        if (path.isEmpty())
            return fail(Exit::BackupFailed,
                        QStringLiteral("backup failed, nothing was sent: %1").arg(error));
        message(QStringLiteral("backed up the servo's settings to %1").arg(path));
    }
    const int sent = port.program(block);
    if (sent != Exit::Ok && sent != Exit::WrongAck)
        return sent;
    // Read back even after a wrong acknowledgement, as the window does, to show what took.
    if (const int read = port.readAgain(); read != Exit::Ok)
        return sent != Exit::Ok ? sent : read;
    const settings::ServoSettings now = port.settings();
    if (values.reset == 1) {
        message(QStringLiteral("asked \"%1\" on %2 to restore its own defaults; it now holds:")
                    .arg(shown(now.name()), port.portName()));
        data(settingsText(now, port.portName()).join(QLatin1Char('\n')));
        return sent;
    }
    const QStringList differing = differences(block, now.block);
    for (const QString &line : differing)
        message(line);
    if (sent != Exit::Ok) {
        if (differing.isEmpty())
            message(QStringLiteral("the servo reads back the settings sent all the same"));
        return sent;
    }
    if (!differing.isEmpty())
        return fail(
            Exit::ReadBackDiffers,
            QStringLiteral("the servo on %1 reads back other settings").arg(port.portName()));
    message(QStringLiteral("programmed \"%1\" on %2; read back the same settings")
                .arg(shown(now.name()), port.portName()));
    return Exit::Ok;
}

int loadFile(const QString &path, settings::ServoSettings *settings) {
    const settings::LoadResult loaded = settings::loadSettings(path);
    if (!loaded.settings)
        return fail(Exit::Usage, loaded.error + QStringLiteral("; nothing was sent"));
    *settings = *loaded.settings;
    return Exit::Ok;
}

struct FieldLimit {
    const char *option;
    settings::Range range;
    int settings::BlockValues::*value;
};

constexpr FieldLimit SetFields[] = {
    {"throw", settings::ThrowRange, &settings::BlockValues::throwDeg},
    {"speed", settings::SpeedRange, &settings::BlockValues::speed},
    {"centre", settings::CentreRange, &settings::BlockValues::centre},
    {"deadband", settings::DeadbandRange, &settings::BlockValues::deadband},
    // The grey state 2 is the servo's to report, not ours to set.
    {"reverse", {0, 1, 0}, &settings::BlockValues::reverse},
};

} // namespace

int runWrite(const Options &options) {
    settings::ServoSettings file;
    int code = loadFile(options.arguments.at(0), &file);
    if (code != Exit::Ok)
        return code;
    const auto port = ServoPort::connected(options, &code);
    if (!port)
        return code;
    return programAndVerify(*port, options, file.values);
}

int runSet(const Options &options) {
    if (options.fields.isEmpty())
        return fail(Exit::Usage,
                    QStringLiteral("set: name at least one of --throw, --speed, --centre, "
                                   "--deadband, --reverse"));
    // Checked before the servo is touched: a bad value sends nothing.
    QList<QPair<const FieldLimit *, int>> changes;
    for (const auto &[name, text] : options.fields) {
        const FieldLimit *f =
            std::find_if(std::begin(SetFields), std::end(SetFields),
                         [&](const FieldLimit &l) { return name == QLatin1String(l.option); });
        bool ok = false;
        const int v = text.toInt(&ok);
        if (!ok || !f->range.contains(v))
            return fail(Exit::Usage, QStringLiteral("--%1 %2 is outside %3 to %4")
                                         .arg(name, text)
                                         .arg(f->range.min)
                                         .arg(f->range.max));
        changes.append({f, v});
    }
    int code = Exit::Ok;
    const auto port = ServoPort::connected(options, &code);
    if (!port)
        return code;
    settings::BlockValues values = port->settings().values;
    for (const auto &[f, v] : changes)
        values.*(f->value) = v;
    return programAndVerify(*port, options, values);
}

int runReset(const Options &options) {
    int code = Exit::Ok;
    const auto port = ServoPort::connected(options, &code);
    if (!port)
        return code;
    settings::BlockValues values = port->settings().values;
    values.reset = 1;
    return programAndVerify(*port, options, values);
}

int runRestore(const Options &options) {
    settings::ServoSettings backup;
    int code = loadFile(options.arguments.at(0), &backup);
    if (code != Exit::Ok)
        return code;
    const auto port = ServoPort::connected(options, &code);
    if (!port)
        return code;
    const QByteArray servoName = port->session().servoName();
    if (servoName != backup.name()) {
        const QString text = QStringLiteral("the backup is of \"%1\", the servo on %2 is \"%3\"")
                                 .arg(shown(backup.name()), port->portName(), shown(servoName));
        if (!options.force)
            return fail(Exit::OtherServo,
                        text + QStringLiteral("; --force writes it all the same"));
        message(text + QStringLiteral("; writing it all the same (--force)"));
    }
    return programAndVerify(*port, options, backup.values);
}

} // namespace tessaro::cli
