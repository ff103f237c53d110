#include "commands.h"

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
    static const QStringList write =
        link + QStringList{QStringLiteral("dry-run"), QStringLiteral("no-backup")};
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
        {"write", QStringLiteral("write FILE [--dry-run] [--no-backup]"),
         QT_TRANSLATE_NOOP("cli",
                           "program the settings in FILE into the servo, keeping its own name"),
         write, 1, runWrite},
        {"set", QStringLiteral("set ") + setOptions(true).join(QLatin1Char(' ')),
         QT_TRANSLATE_NOOP("cli", "change the named settings only"), write + setOptions(false), 0,
         runSet},
        {"reset", QStringLiteral("reset [--no-backup]"),
         QT_TRANSLATE_NOOP("cli", "ask the servo to restore its own defaults"), write, 0, runReset},
        // --port and --port-folder are general options: backups takes them and needs neither.
        {"backups", QStringLiteral("backups"),
         QT_TRANSLATE_NOOP("cli", "list the backups taken before each write"), link, 0, runBackups},
        {"restore", QStringLiteral("restore BACKUP [--force] [--no-backup]"),
         QT_TRANSLATE_NOOP("cli", "program a backup back into the servo it was taken from"),
         write + QStringList{QStringLiteral("force")}, 1, runRestore},
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
