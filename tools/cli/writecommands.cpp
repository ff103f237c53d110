// write, set, reset and restore: read the servo, back up what it holds,
// program it as the window's PROGRAM does, and check what it reads back.
#include "cli/commands.h"
#include "cli/exitcodes.h"
#include "cli/output.h"
#include "cli/preview.h"
#include "cli/servoport.h"
#include "settings/backups.h"
#include "settings/codepage.h"
#include "settings/filenames.h"
#include "settings/rounding.h"

#include <QCoreApplication>
#include <QDateTime>

namespace tessaro::cli {

namespace {

// Programs values into the servo that port has just read, around its own
// name and tail. A reset request is not compared: the servo applies its own defaults.
int sendAndVerify(ServoPort &port, const settings::BlockValues &values, const QByteArray &block,
                  const QString &backupPath);

int programAndVerify(ServoPort &port, const Options &options, const settings::BlockValues &values) {
    const QByteArray block = port.session().blockFor(settings::editorValuesFor(values));
    const QByteArray before = port.settings().block;
    const bool changes = !printPreview(port.settings().values, block).empty();
    if (options.dryRun) {
        data(frameText(link::buildFrame(block)).join(QLatin1Char('\n')));
        message(QCoreApplication::translate("cli", "dry run: nothing was sent"));
        return Exit::Ok;
    }
    // Spares the servo's memory; a reset request always goes out.
    if (!changes && values.reset != 1 && !options.force) {
        message(QCoreApplication::translate("cli", "the servo on %1 already holds these settings; "
                                                   "nothing was sent (--force writes all the same)")
                    .arg(port.portName()));
        return Exit::Ok;
    }
    QString backupPath;
    if (!options.noBackup) {
        const settings::BackupResult backup =
            settings::saveBackup(port.settings(), QDateTime::currentDateTimeUtc());
        if (backup.failure)
            return fail(Exit::BackupFailed,
                        QCoreApplication::translate("cli", "backup failed, nothing was sent: %1")
                            .arg(backup.failure.text()));
        message(QCoreApplication::translate("cli", "backed up the servo's settings to %1")
                    .arg(settings::printableFileName(backup.path)));
        backupPath = backup.path;
    }
    const int code = sendAndVerify(port, values, block, backupPath);
    recordWrite(port, before, block, backupPath);
    return code;
}

// Sends block, reads the servo back and checks it.
int sendAndVerify(ServoPort &port, const settings::BlockValues &values, const QByteArray &block,
                  const QString &backupPath) {
    const int sent = port.program(block, backupPath);
    if (sent != Exit::Ok && sent != Exit::WrongAck)
        return sent;
    // Read back even after a wrong acknowledgement, as the window does, to show what took.
    if (const int read = port.readAgain(backupPath); read != Exit::Ok)
        return sent != Exit::Ok ? sent : read;
    const settings::ServoSettings now = port.settings();
    if (values.reset == 1) {
        message(QCoreApplication::translate(
                    "cli", "asked \"%1\" on %2 to restore its own defaults; it now holds:")
                    .arg(settings::printableText(now.name()), port.portName()));
        data(settingsText(now, port.portName()).join(QLatin1Char('\n')));
        return sent;
    }
    const QStringList differing = differences(block, now.block);
    for (const QString &line : differing)
        message(line);
    if (sent != Exit::Ok) {
        if (differing.isEmpty())
            message(QCoreApplication::translate(
                "cli", "the servo reads back the settings sent all the same"));
        return sent;
    }
    if (!differing.isEmpty())
        return fail(Exit::ReadBackDiffers,
                    QCoreApplication::translate("cli", "the servo on %1 reads back other settings")
                        .arg(port.portName()));
    message(
        QCoreApplication::translate("cli", "programmed \"%1\" on %2; read back the same settings")
            .arg(settings::printableText(now.name()), port.portName()));
    return Exit::Ok;
}

// A settings file, or its failure reported; nothing is sent after one.
std::optional<settings::ServoSettings> loadFile(const QString &path) {
    settings::LoadResult loaded = settings::loadSettings(path);
    if (!loaded.settings)
        message(loaded.failure.text() + QCoreApplication::translate("cli", "; nothing was sent"));
    return loaded.settings;
}

} // namespace

int runWrite(const Options &options) {
    const auto file = loadFile(options.arguments.at(0));
    if (!file)
        return Exit::Usage;
    const auto [port, code] = ServoPort::connected(options);
    if (!port)
        return code;
    return programAndVerify(*port, options, file->values);
}

int runSet(const Options &options) {
    if (options.fields.isEmpty()) {
        QStringList names;
        for (const settings::Field &f : settings::Fields)
            if (f.option)
                names << QStringLiteral("--%1").arg(QLatin1String(f.option));
        return fail(Exit::Usage, QCoreApplication::translate("cli", "set: name at least one of %1")
                                     .arg(names.join(QStringLiteral(", "))));
    }
    // Checked before the servo is touched: a bad value sends nothing.
    QList<QPair<const settings::Field *, int>> changes;
    for (const auto &[name, text] : options.fields) {
        const settings::Field *f = settings::fieldWithOption(name);
        bool ok = false;
        const int v = text.toInt(&ok);
        if (!ok)
            return fail(Exit::Usage,
                        QCoreApplication::translate("cli", "--%1 %2 is not a whole number")
                            .arg(name, quoted(text.toUtf8().left(40))));
        if (!f->settable.contains(v))
            return fail(Exit::Usage,
                        QCoreApplication::translate("cli", "--%1 %2 is outside %3 to %4")
                            .arg(name, text)
                            .arg(f->settable.min)
                            .arg(f->settable.max));
        changes.append({f, v});
    }
    const auto [port, code] = ServoPort::connected(options);
    if (!port)
        return code;
    settings::BlockValues values = port->settings().values;
    for (const auto &[f, v] : changes)
        values.*(f->member) = v;
    return programAndVerify(*port, options, values);
}

int runReset(const Options &options) {
    const auto [port, code] = ServoPort::connected(options);
    if (!port)
        return code;
    settings::BlockValues values = port->settings().values;
    values.reset = 1;
    return programAndVerify(*port, options, values);
}

int runRestore(const Options &options) {
    const auto backup = loadFile(options.arguments.at(0));
    if (!backup)
        return Exit::Usage;
    const auto [port, code] = ServoPort::connected(options);
    if (!port)
        return code;
    const QByteArray servoName = port->session().servoName();
    if (servoName != backup->name()) {
        const QString text =
            QCoreApplication::translate("cli", "the backup is of \"%1\", the servo on %2 is \"%3\"")
                .arg(settings::printableText(backup->name()), port->portName(),
                     settings::printableText(servoName));
        if (!options.force)
            return fail(Exit::OtherServo, text + QCoreApplication::translate(
                                                     "cli", "; --force writes it all the same"));
        message(text + QCoreApplication::translate("cli", "; writing it all the same (--force)"));
    }
    return programAndVerify(*port, options, backup->values);
}

} // namespace tessaro::cli
