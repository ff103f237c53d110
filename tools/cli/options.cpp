#include "options.h"

#include "commands.h"
#include "exitcodes.h"
#include "output.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace tessaro::cli {

namespace {

QString description() {
    QString text = QCoreApplication::translate(
        "cli", "Reads, saves and programs a Korvane servo's settings from the command line.\n"
               "Messages go to standard error, data to standard output.\n\nCommands:\n");
    for (const Command &c : commands())
        text += QStringLiteral("  %1\n      %2\n")
                    .arg(c.synopsis, QCoreApplication::translate("cli", c.summary));
    return text;
}

QString exitCodes() {
    QString text = QCoreApplication::translate("cli", "\nExit codes:\n");
    for (const char *line : ExitCodeDescriptions)
        text += QStringLiteral("  %1\n").arg(QCoreApplication::translate("cli", line));
    return text;
}

// "set: throw in degrees, 30 to 140."; a two-value range is in the words already.
QString setHelp(const settings::Field &f) {
    const settings::Range r = f.settable;
    return r.max - r.min == 1 ? QCoreApplication::translate("cli", "set: %1.")
                                    .arg(QCoreApplication::translate("cli", f.words))
                              : QCoreApplication::translate("cli", "set: %1, %2 to %3.")
                                    .arg(QCoreApplication::translate("cli", f.words))
                                    .arg(r.min)
                                    .arg(r.max);
}

} // namespace

CommandLine parseCommandLine(const QStringList &argv) {
    CommandLine line;
    Options &options = line.options;
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QCoreApplication::translate("cli", "What to do."),
                                 QCoreApplication::translate("cli", "command [arguments]"));
    const auto add = [&parser](const QString &name, const QString &text,
                               const QString &value = {}) {
        parser.addOption(QCommandLineOption(name, text, value));
    };
    add(QStringLiteral("port"),
        QCoreApplication::translate(
            "cli", "The servo's port: COMn, or a device path taken as COM1. Default: search."),
        QStringLiteral("P"));
    add(QStringLiteral("port-folder"),
        QCoreApplication::translate("cli", "Look for ports only as COMn links in DIR."),
        QStringLiteral("DIR"));
    add(QStringLiteral("json"),
        QCoreApplication::translate("cli", "read: print the settings as one JSON object."));
    add(QStringLiteral("dry-run"),
        QCoreApplication::translate("cli", "write, set, reset, restore: read the servo, "
                                           "print the frame that would be sent, send nothing."));
    add(QStringLiteral("no-backup"),
        QCoreApplication::translate("cli", "Write without taking a backup first."));
    add(QStringLiteral("force"),
        QCoreApplication::translate("cli", "restore: write a backup of another servo."));
    for (const settings::Field &f : settings::Fields)
        if (f.option)
            add(QLatin1String(f.option), setHelp(f), setValueName(f));
    add(QStringLiteral("verbose"),
        QCoreApplication::translate("Options", "Print a trace of every byte sent to and received "
                                               "from the servo on standard error."));
    add(QStringLiteral("trace"),
        QCoreApplication::translate("Options", "Write that trace to FILE, for a bug report."),
        QCoreApplication::translate("Options", "FILE"));

    const auto exit = [&line](int code) {
        line.exitCode = code;
        return line;
    };
    if (!parser.parse(argv)) {
        message(parser.errorText());
        return exit(Exit::Usage);
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        data(parser.helpText() + exitCodes());
        return exit(Exit::Ok);
    }
    if (parser.isSet(version)) {
        data(QStringLiteral("%1 %2").arg(QCoreApplication::applicationName(),
                                         QCoreApplication::applicationVersion()));
        return exit(Exit::Ok);
    }

    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        message(QCoreApplication::translate("cli", "no command given; see --help"));
        return exit(Exit::Usage);
    }
    const QString name = positional.takeFirst();
    options.command = findCommand(name);
    if (!options.command) {
        message(QCoreApplication::translate("cli", "unknown command \"%1\"; see --help").arg(name));
        return exit(Exit::Usage);
    }
    const int wanted = options.command->arguments;
    if (wanted >= 0 ? positional.size() != wanted : positional.size() > 1) {
        message(QCoreApplication::translate("cli", "usage: tessaro-cli %1")
                    .arg(options.command->synopsis));
        return exit(Exit::Usage);
    }
    const QStringList everywhere{QStringLiteral("verbose"), QStringLiteral("trace")};
    const QStringList given = parser.optionNames();
    for (const QString &option : given) {
        // As a duplicate key in a file is refused: which of the two was meant is unknown.
        if (given.count(option) > 1) {
            message(
                QCoreApplication::translate("Options", "--%1 is given more than once").arg(option));
            return exit(Exit::Usage);
        }
        const QStringList values = parser.values(option);
        if (!values.isEmpty() && values.first().isEmpty()) {
            message(
                QCoreApplication::translate("Options", "--%1 is given an empty value").arg(option));
            return exit(Exit::Usage);
        }
        if (!options.command->options.contains(option) && !everywhere.contains(option)) {
            message(QCoreApplication::translate("cli", "option --%1 does not apply to %2")
                        .arg(option, name));
            return exit(Exit::Usage);
        }
    }
    options.verbose = parser.isSet(QStringLiteral("verbose"));
    options.trace = parser.value(QStringLiteral("trace"));
    if (options.verbose && parser.isSet(QStringLiteral("trace"))) {
        message(QCoreApplication::translate("Options", "give --verbose or --trace, not both"));
        return exit(Exit::Usage);
    }
    options.arguments = positional;
    options.port = parser.value(QStringLiteral("port"));
    options.portFolder = parser.value(QStringLiteral("port-folder"));
    options.json = parser.isSet(QStringLiteral("json"));
    options.dryRun = parser.isSet(QStringLiteral("dry-run"));
    options.noBackup = parser.isSet(QStringLiteral("no-backup"));
    options.force = parser.isSet(QStringLiteral("force"));
    for (const settings::Field &f : settings::Fields)
        if (f.option && parser.isSet(QLatin1String(f.option)))
            options.fields.append({QLatin1String(f.option), parser.value(QLatin1String(f.option))});
    return line;
}

} // namespace tessaro::cli
