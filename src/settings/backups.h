// A copy of each servo's settings, taken before it is programmed, in the
// settings file format. Qt Core only.
#pragma once

#include "settings/settingsfile.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace tessaro::settings {

// $XDG_DATA_HOME/tessaro/backups, or the platform's equivalent.
QString backupFolder();

// Writes <dir>/<name>-<yyyyMMddTHHmmssZ>[-N].json, never over an existing
// file, creating dir (mode 0700) when missing. Returns the path, or an empty
// string with *error set (when given).
QString saveBackup(const ServoSettings &settings, const QDateTime &utc, QString *error,
                   const QString &dir = backupFolder());

// The backup files in dir, as paths, oldest first.
QStringList listBackups(const QString &dir = backupFolder());

} // namespace tessaro::settings
