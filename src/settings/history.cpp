#include "settings/history.h"

#include "settings/settingsblock.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace tessaro::settings {

std::vector<FieldChange> HistoryEntry::changes() const {
    const auto sentValues = decodeBlock(sent).values;
    if (!beforeValues || !sentValues)
        return {};
    return fieldChanges(*beforeValues, *sentValues);
}

History mergeHistory(const std::vector<JournalRecord> &records,
                     const std::vector<std::pair<BackupEntry, ServoSettings>> &backups,
                     const std::optional<QByteArray> &name) {
    History history;
    // A backup is named by its file: the folder may be spelt another way.
    QSet<QString> recorded;
    for (const JournalRecord &r : records) {
        if (!r.backup.isEmpty())
            recorded.insert(QFileInfo(r.backup).fileName());
        if (name && r.name() != *name)
            continue;
        HistoryEntry e{r.time,   r.program,  r.port,
                       r.device, r.name(),   r.before,
                       r.sent,   r.readBack, decodeBlock(r.before).values,
                       {},       r.verdict,  r.backup};
        e.afterValues = decodeBlock(r.readBack).values;
        if (!e.afterValues)
            e.afterValues = decodeBlock(r.sent).values;
        history.entries.push_back(std::move(e));
    }
    for (const auto &[entry, held] : backups) {
        if (recorded.contains(QFileInfo(entry.path).fileName()) || (name && held.name() != *name))
            continue;
        HistoryEntry e;
        e.time = entry.time;
        e.name = held.name();
        e.before = held.block;
        e.beforeValues = held.values;
        e.backup = entry.path;
        history.entries.push_back(std::move(e));
    }
    // Newest first; within one time, a record before a backup, then the later line first.
    std::stable_sort(history.entries.begin(), history.entries.end(),
                     [](const HistoryEntry &a, const HistoryEntry &b) { return a.time > b.time; });
    return history;
}

History loadHistory(const std::optional<QByteArray> &name, const QString &journal,
                    const QString &backupDir) {
    JournalRead read = readJournal(journal);
    // Newest last in the file: reversed, so the stable sort keeps later writes first.
    std::reverse(read.records.begin(), read.records.end());
    std::vector<std::pair<BackupEntry, ServoSettings>> backups;
    QStringList warnings = read.warnings;
    for (const BackupEntry &entry : listBackups(backupDir)) {
        LoadResult loaded = loadSettings(entry.path);
        if (loaded.settings)
            backups.emplace_back(entry, std::move(*loaded.settings));
        else
            warnings << loaded.failure.text();
    }
    History history = mergeHistory(read.records, backups, name);
    history.warnings = warnings;
    history.failure = read.failure;
    return history;
}

} // namespace tessaro::settings
