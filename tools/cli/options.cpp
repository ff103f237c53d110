#include "options.h"

#include "exitcodes.h"
#include "output.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace tessaro::cli {

namespace {

struct Command {
    const char *name;
    const char *synopsis;
    const char *summary;
    QStringList options; // long names the command accepts
    int arguments;       // positional arguments after the command
};

const QStringList LinkOptions{QStringLiteral("port"), QStringLiteral("port-folder")};
const QStringList FieldOptions{QStringLiteral("throw"), QStringLiteral("speed"),
                               QStringLiteral("centre"), QStringLiteral("deadband"),
                               QStringLiteral("reverse")};
const QStringList WriteOptions =
    LinkOptions + QStringList{QStringLiteral("dry-run"), QStringLiteral("no-backup")};

const Command Commands[] = {
    {"ports", "ports", "list the ports the program would try and whether each can be used",
     LinkOptions, 0},
    {"read", "read [--json]", "read the servo and print its settings",
     LinkOptions + QStringList{QStringLiteral("json")}, 0},
    {"save", "save FILE", "read the servo and write its settings to FILE", LinkOptions, 1},
    {"write", "write FILE [--dry-run] [--no-backup]",
     "program the settings in FILE into the servo, keeping its own name", WriteOptions, 1},
    {"set", "set [--throw N] [--speed N] [--centre N] [--deadband N] [--reverse 0|1]",
     "change the named settings only", WriteOptions + FieldOptions, 0},
    {"reset", "reset [--no-backup]", "ask the servo to restore its own defaults", WriteOptions, 0},
    {"backups", "backups", "list the backups taken before each write", {}, 0},
    {"restore", "restore BACKUP [--force] [--no-backup]",
     "program a backup back into the servo it was taken from",
     WriteOptions + QStringList{QStringLiteral("force")}, 1},
};

const Command *findCommand(const QString &name) {
    for (const Command &c : Commands)
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

QString description() {
    QString text = QStringLiteral(
        "Reads, saves and programs a Korvane servo's settings from the command line.\n"
        "Messages go to standard error, data to standard output.\n\nCommands:\n");
    for (const Command &c : Commands)
        text += QStringLiteral("  %1\n      %2\n")
                    .arg(QLatin1String(c.synopsis), QLatin1String(c.summary));
    return text;
}

QString exitCodes() {
    QString text = QStringLiteral("\nExit codes:\n");
    for (const char *line : ExitCodeDescriptions)
        text += QStringLiteral("  %1\n").arg(QLatin1String(line));
    return text;
}

} // namespace

int parseCommandLine(const QStringList &argv, Options *options) {
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("What to do."),
                                 QStringLiteral("command [arguments]"));
    const auto add = [&parser](const char *name, const char *text, const char *value = nullptr) {
        parser.addOption(QCommandLineOption(QLatin1String(name), QLatin1String(text),
                                            value ? QLatin1String(value) : QString()));
    };
    add("port", "The servo's port: COMn, or a device path taken as COM1. Default: search.", "P");
    add("port-folder", "Look for ports only as COMn links in DIR.", "DIR");
    add("json", "read: print the settings as one JSON object.");
    add("dry-run", "write, set, reset, restore: read the servo, print the frame that would "
                   "be sent, send nothing.");
    add("no-backup", "Write without taking a backup first.");
    add("force", "restore: write a backup of another servo.");
    add("throw", "set: throw in degrees, 30 to 140.", "N");
    add("speed", "set: speed in percent, 1 to 100.", "N");
    add("centre", "set: centre offset in microseconds, -127 to 127.", "N");
    add("deadband", "set: deadband in microseconds, 0 to 16.", "N");
    add("reverse", "set: 1 reverses the rotation, 0 does not.", "0|1");

    if (!parser.parse(argv)) {
        message(parser.errorText());
        return Exit::Usage;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        data(parser.helpText() + exitCodes());
        return Exit::Ok;
    }
    if (parser.isSet(version)) {
        data(QStringLiteral("%1 %2").arg(QCoreApplication::applicationName(),
                                         QCoreApplication::applicationVersion()));
        return Exit::Ok;
    }

    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        message(QStringLiteral("no command given; see --help"));
        return Exit::Usage;
    }
    options->command = positional.takeFirst();
    const Command *command = findCommand(options->command);
    if (!command) {
        message(QStringLiteral("unknown command \"%1\"; see --help").arg(options->command));
        return Exit::Usage;
    }
    if (positional.size() != command->arguments) {
        message(QStringLiteral("usage: tessaro-cli %1").arg(QLatin1String(command->synopsis)));
        return Exit::Usage;
    }
    for (const QString &name : parser.optionNames()) {
        if (!command->options.contains(name)) {
            message(QStringLiteral("option --%1 does not apply to %2").arg(name, options->command));
            return Exit::Usage;
        }
    }
    options->arguments = positional;
    options->port = parser.value(QStringLiteral("port"));
    options->portFolder = parser.value(QStringLiteral("port-folder"));
    options->json = parser.isSet(QStringLiteral("json"));
    options->dryRun = parser.isSet(QStringLiteral("dry-run"));
    options->noBackup = parser.isSet(QStringLiteral("no-backup"));
    options->force = parser.isSet(QStringLiteral("force"));
    for (const QString &field : FieldOptions)
        if (parser.isSet(field))
            options->fields.append({field, parser.value(field)});
    return -1;
}

} // namespace tessaro::cli
