// history and diff: the journal's writes of a name, and two sets of settings compared.
#include "cli/commands.h"
#include "cli/exitcodes.h"
#include "cli/output.h"
#include "cli/servoport.h"
#include "settings/codepage.h"
#include "settings/history.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tessaro::cli {

namespace {

// A block in hex with its decoded fields; null when there is none.
QJsonValue blockJson(const QByteArray &block) {
    if (block.isEmpty())
        return QJsonValue::Null;
    QJsonObject o{{QStringLiteral("block"), QString::fromLatin1(block.toHex().toUpper())}};
    if (const auto values = settings::decodeBlock(block).values)
        for (const settings::Field &f : settings::Fields)
            o.insert(QLatin1String(f.key), (*values).*f.member);
    return o;
}

QString entryJson(const settings::HistoryEntry &e) {
    QJsonArray changes;
    for (const settings::FieldChange &c : e.changes())
        changes.append(QJsonObject{{QStringLiteral("field"), QLatin1String(c.field->key)},
                                   {QStringLiteral("before"), c.before},
                                   {QStringLiteral("after"), c.after}});
    const QJsonObject o{
        {QStringLiteral("time"), e.time.toString(Qt::ISODate)},
        {QStringLiteral("program"), e.program},
        {QStringLiteral("port"), e.port},
        {QStringLiteral("device"), e.device},
        {QStringLiteral("name"), settings::fromWindows1252(e.name)},
        {QStringLiteral("verdict"),
         e.verdict ? QJsonValue(settings::verdictKey(*e.verdict)) : QJsonValue::Null},
        {QStringLiteral("backup"), e.backup},
        {QStringLiteral("before"), blockJson(e.before)},
        {QStringLiteral("sent"), blockJson(e.sent)},
        {QStringLiteral("readBack"), blockJson(e.readBack)},
        {QStringLiteral("changes"), changes},
    };
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

QString entryText(const settings::HistoryEntry &e) {
    const QString time = e.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss t"));
    if (!e.verdict)
        return QCoreApplication::translate("cli",
                                           "%1  %2  a backup with no record of its write: %3")
            .arg(time, quoted(e.name), e.backup);
    QString changed = settings::changeTexts(e.changes()).join(QStringLiteral(", "));
    if (changed.isEmpty())
        changed = QCoreApplication::translate("cli", "no field changed");
    const QString backup = e.backup.isEmpty()
                               ? QCoreApplication::translate("cli", "no backup")
                               : QCoreApplication::translate("cli", "backup %1").arg(e.backup);
    return QStringLiteral("%1  %2  %3  %4  %5  %6")
        .arg(time, e.port, quoted(e.name), changed, settings::verdictText(*e.verdict), backup);
}

// The values a settings file holds, or nullopt with its failure told.
std::optional<settings::BlockValues> fileValues(const QString &path) {
    const settings::LoadResult loaded = settings::loadSettings(path);
    if (!loaded.settings) {
        message(loaded.failure.text());
        return std::nullopt;
    }
    return loaded.settings->values;
}

} // namespace

int runHistory(const Options &options) {
    std::optional<QByteArray> name;
    if (!options.arguments.isEmpty()) {
        // As the servo keeps it: eight characters, blank-padded.
        name = options.arguments.at(0).toLatin1().leftJustified(settings::NameLen, ' ', true);
    }
    const settings::History history = settings::loadHistory(name);
    for (const QString &warning : history.warnings)
        message(warning);
    // The backups are listed all the same.
    if (history.failure)
        message(history.failure.text());
    else if (history.entries.empty())
        message(QCoreApplication::translate("cli", "no writes recorded in %1")
                    .arg(settings::journalPath()));
    for (const settings::HistoryEntry &e : history.entries)
        data(options.json ? entryJson(e) : entryText(e));
    return history.failure ? Exit::Usage : Exit::Ok;
}

// FILE against the servo, or FILE2 against FILE: the fields a write of the second would change.
int runDiff(const Options &options) {
    const auto file = fileValues(options.arguments.at(0));
    if (!file)
        return Exit::Usage;
    const auto differ = [](const settings::BlockValues &from, const settings::BlockValues &to,
                           const QString &same) {
        const auto changes = settings::fieldChanges(from, to);
        for (const QString &line : settings::changeTexts(changes))
            data(line);
        if (changes.empty())
            message(same);
        return changes.empty() ? Exit::Ok : Exit::Differ;
    };
    if (options.arguments.size() == 2) {
        const auto second = fileValues(options.arguments.at(1));
        if (!second)
            return Exit::Usage;
        return differ(*file, *second,
                      QCoreApplication::translate("cli", "%1 and %2 hold the same settings")
                          .arg(options.arguments.at(0), options.arguments.at(1)));
    }
    const auto [port, code] = ServoPort::connected(options);
    if (!port)
        return code;
    return differ(port->settings().values, *file,
                  QCoreApplication::translate("cli", "the servo on %1 holds the settings in %2")
                      .arg(port->portName(), options.arguments.at(0)));
}

} // namespace tessaro::cli
