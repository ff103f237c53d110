// A copy of each servo's settings, taken before it is programmed, in the
// settings file format. Qt Core only.
#pragma once

#include "settings/settingsfile.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace tessaro::settings {

struct BackupFolder {
    QString path;        // empty when there is no usable home
    FileFailure failure; // no usable home, or the folder is not private
};

// $XDG_DATA_HOME/tessaro/backups when that is an absolute path, else
// $HOME/.local/share/tessaro/backups. A folder that exists must be the
// user's own, not writable by others, and not a link someone else owns.
BackupFolder findBackupFolder();
// findBackupFolder().path.
QString backupFolder();

// Makes dir and the folders above it that are missing, each mode 0700: the
// settings name the servo and its programming history, private to the user.
bool makePrivateFolder(const QString &dir);

// A servo's name as a file name: trailing blanks dropped, anything but ASCII
// letters, digits, '.', '_' and '-' made '_', no leading dot; "servo" for none.
QString safeName(QByteArray name);

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

// Writes a backup (mode 0600) and reads it back, never over an existing
// file, creating dir (mode 0700) when missing; dir defaults to
// findBackupFolder(). Only a backup that reads back whole is a success.
BackupResult saveBackup(const ServoSettings &settings, const QDateTime &utc,
                        const QString &dir = {});

// The backups in dir, oldest first: exactly the names saveBackup writes.
std::vector<BackupEntry> listBackups(const QString &dir = backupFolder());

} // namespace tessaro::settings
