#include "cli/commands.h"

namespace tessaro::cli {

namespace {

// set's options, as the synopsis shows them ("[--throw N]") or by name.
QStringList setOptions(bool synopsis) {
    QStringList out;
    for (const settings::Field &f : settings::Fields) {
        if (f.option)
            out << (synopsis
                        ? QStringLiteral("[--%1 %2]").arg(QLatin1String(f.option), setValueName(f))
                        : QLatin1String(f.option));
    }
    return out;
}

} // namespace

QString setValueName(const settings::Field &field) {
    const settings::Range r = field.settable;
    return r.max - r.min == 1 ? QStringLiteral("%1|%2").arg(r.min).arg(r.max) : QStringLiteral("N");
}

const std::vector<Command> &commands() {
    static const QStringList link{QStringLiteral("port"), QStringLiteral("port-folder")};
    // A reset always writes, so --force, which writes settings the servo holds already, is not one
    // of its options.
    static const QStringList reset =
        link + QStringList{QStringLiteral("dry-run"), QStringLiteral("no-backup")};
    static const QStringList write = reset + QStringList{QStringLiteral("force")};
    static const std::vector<Command> table{
        {"ports", QStringLiteral("ports"),
         QT_TRANSLATE_NOOP("cli",
                           "list the ports the program would try and whether each can be used"),
         link, 0, runPorts},
        {"read", QStringLiteral("read [--json]"),
         QT_TRANSLATE_NOOP("cli", "read the servo and print its settings"),
         link + QStringList{QStringLiteral("json")}, 0, runRead},
        {"save", QStringLiteral("save FILE"),
         QT_TRANSLATE_NOOP("cli", "read the servo and write its settings to FILE"), link, 1,
         runSave},
        {"write", QStringLiteral("write FILE [--dry-run] [--force] [--no-backup]"),
         QT_TRANSLATE_NOOP("cli",
                           "program the settings in FILE into the servo, keeping its own name"),
         write, 1, runWrite},
        {"set", QStringLiteral("set ") + setOptions(true).join(QLatin1Char(' ')),
         QT_TRANSLATE_NOOP("cli", "change the named settings only"), write + setOptions(false), 0,
         runSet},
        {"reset", QStringLiteral("reset [--dry-run] [--no-backup]"),
         QT_TRANSLATE_NOOP("cli", "ask the servo to restore its own defaults"), reset, 0, runReset},
        // --port and --port-folder are general options: backups takes them and needs neither.
        {"backups", QStringLiteral("backups"),
         QT_TRANSLATE_NOOP("cli", "list the backups taken before each write"), link, 0, runBackups},
        {"restore", QStringLiteral("restore BACKUP [--dry-run] [--force] [--no-backup]"),
         QT_TRANSLATE_NOOP("cli", "program a backup back into the servo it was taken from"), write,
         1, runRestore},
        {"history",
         QStringLiteral("history [NAME] [--json]"),
         QT_TRANSLATE_NOOP("cli", "list the writes recorded in the journal, newest first"),
         {QStringLiteral("json")},
         0,
         runHistory,
         1},
        {"diff", QStringLiteral("diff FILE [FILE2]"),
         QT_TRANSLATE_NOOP(
             "cli", "compare the servo with FILE, or FILE with FILE2; exit 10 when they differ"),
         link, 1, runDiff, 1},
        {"series", QStringLiteral("series FILE [--count N] [--no-backup]"),
         QT_TRANSLATE_NOOP("cli", "program FILE's settings into one servo after another, "
                                  "each keeping its own name, until Ctrl+C or N servos"),
         link + QStringList{QStringLiteral("count"), QStringLiteral("no-backup")}, 1, runSeries},
        {"report", QStringLiteral("report [FILE]"),
         QT_TRANSLATE_NOOP("cli", "read the servo once, then write a bug report to FILE or "
                                  "standard output"),
         link, 0, runReport, 1},
    };
    return table;
}

const Command *findCommand(const QString &name) {
    for (const Command &c : commands())
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

} // namespace tessaro::cli
