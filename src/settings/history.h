// A servo name's writes, newest first: the journal's records, and the
// backups taken before the journal existed (or whose record was lost),
// which give a state before and nothing more. Qt Core only.
#pragma once

#include "settings/backups.h"
#include "settings/journal.h"

#include <optional>
#include <vector>

namespace tessaro::settings {

struct HistoryEntry {
    QDateTime time; // UTC
    QString program;
    QString port;
    QString device;
    QByteArray name;
    QByteArray before;   // the block read before the write, or the backup's
    QByteArray sent;     // empty for a backup without a record
    QByteArray readBack; // empty when none came
    std::optional<BlockValues> beforeValues;
    // What the servo held after: what it read back, else what was sent;
    // nullopt for a backup without a record.
    std::optional<BlockValues> afterValues;
    std::optional<Verdict> verdict; // nullopt for a backup without a record
    QString backup;                 // the backup's path; empty when none was taken

    // What the write asked to change: before against the block sent.
    std::vector<FieldChange> changes() const;
};

struct History {
    std::vector<HistoryEntry> entries; // newest first
    QStringList warnings;              // journal lines skipped, backups unreadable
    FileFailure failure;               // the journal could not be read
};

// Merges records and the backups no record names, newest first; only those
// of name when it is given. backups pairs each backup with what it holds.
History mergeHistory(const std::vector<JournalRecord> &records,
                     const std::vector<std::pair<BackupEntry, ServoSettings>> &backups,
                     const std::optional<QByteArray> &name);

// The journal at journal and the backups in backupDir, merged.
History loadHistory(const std::optional<QByteArray> &name, const QString &journal = journalPath(),
                    const QString &backupDir = backupFolder());

} // namespace tessaro::settings
