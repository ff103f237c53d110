// The journal: one record per write to a servo, appended to a file beside
// the backups. A record is whole or absent: one write() of one line on an
// O_APPEND descriptor under a lock, then fsync. Qt Core and POSIX only.
#pragma once

#include "settings/filefailure.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace tessaro::settings {

// How a write ended, from the link's outcomes.
enum class Verdict {
    Verified,             // acknowledged, and the servo reads back what was sent
    ReadBackDifferent,    // acknowledged, but the servo reads back other settings
    WrongAcknowledgement, // the acknowledgement was wrong or missing
    NoReadBack,           // acknowledged, but no answer on the read-back
    Interrupted,          // cancelled (Ctrl+C, closing) before the write was settled
    PortLost,             // the port failed during the write or the read-back
};

// The verdict's key in the journal ("verified", "read-back-different", ...).
QString verdictKey(Verdict verdict);
std::optional<Verdict> verdictFromKey(const QString &key);
// The verdict as the user reads it, translated.
QString verdictText(Verdict verdict);

struct JournalRecord {
    QDateTime time; // UTC
    QString program;
    QString version;
    QString port;        // "COM1"
    QString device;      // "/dev/ttyUSB0"
    QByteArray before;   // the block read before the write
    QByteArray sent;     // the block sent
    QByteArray readBack; // the block read back; empty when none came
    Verdict verdict = Verdict::Verified;
    QString backup; // the backup's path; empty when none was taken

    // The servo's name, from the block read before (or the one sent).
    QByteArray name() const;
};

// A line longer than this is no record of ours.
inline constexpr qint64 MaxJournalLine = 4096;
// The most a read takes in, from the end: far more than years of writes.
inline constexpr qint64 MaxJournalRead = 64 * 1024 * 1024;

// <data folder>/tessaro/journal.jsonl, beside the backups folder; empty
// when there is no usable home.
QString journalPath();

// One JSON object, compact, ending in a newline.
QByteArray journalLine(const JournalRecord &record);
// nullopt unless line is one object journalLine gives.
std::optional<JournalRecord> parseJournalLine(const QByteArray &line);

// Appends the record (file mode 0600, folder made 0700): what went wrong, or nothing.
FileFailure appendJournalRecord(const JournalRecord &record, const QString &path = journalPath());

struct JournalRead {
    std::vector<JournalRecord> records; // in file order, oldest first
    QStringList warnings;               // lines skipped, and why
    FileFailure failure;                // the file could not be read at all
};

// Every whole record; a torn or damaged line is skipped with a warning. A
// missing journal is no failure: nothing was written yet.
JournalRead readJournal(const QString &path = journalPath());

} // namespace tessaro::settings
