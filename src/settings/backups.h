// A copy of each servo's settings, taken before it is programmed, in the
// settings file format. Qt Core only.
#pragma once

#include "settings/settingsfile.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace tessaro::settings {

// $XDG_DATA_HOME/tessaro/backups, or the platform's equivalent.
QString backupFolder();

// One backup file: <dir>/<name>-<yyyyMMddTHHmmssZ>[-N].json. The name and
// time format live here only.
struct BackupEntry {
    QString path;
    QDateTime time; // UTC, to the second
    int number = 1; // 2, 3, ... for the later backups within the same second

    // The file for a backup of the servo named servoName taken at utc.
    static BackupEntry make(const QString &dir, const QByteArray &servoName, const QDateTime &utc,
                            int number = 1);
    // nullopt unless path's file name is one make() gives.
    static std::optional<BackupEntry> fromPath(const QString &path);
};

struct BackupResult {
    QString path;        // the backup written; empty on failure
    FileFailure failure; // why none was
};

// Writes a backup, never over an existing file, creating dir (mode 0700)
// when missing.
BackupResult saveBackup(const ServoSettings &settings, const QDateTime &utc,
                        const QString &dir = backupFolder());

// The backups in dir, oldest first.
std::vector<BackupEntry> listBackups(const QString &dir = backupFolder());

} // namespace tessaro::settings
