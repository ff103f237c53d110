// A copy of each servo's settings, taken before it is programmed, in the
// settings file format. Qt Core only.
#pragma once

#include "settings/settingsfile.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace backups {

// $XDG_DATA_HOME/tessaro/backups, or the platform's equivalent.
QString folder();

// Writes <dir>/<name>-<yyyyMMddTHHmmssZ>[-N].json, never over an existing
// file, creating dir (mode 0700) when missing. Returns the path, or an empty
// string with *error set (when given).
QString save(const settingsfile::ServoSettings &settings, const QDateTime &utc, QString *error,
             const QString &dir = folder());

// The backup files in dir, as paths, oldest first.
QStringList list(const QString &dir = folder());

} // namespace backups
