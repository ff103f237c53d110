// Reading and writing the program's own small files: a settings file or a
// backup is written whole or not at all, and read only when it is a regular
// file of a sane size. Qt Core and POSIX only.
#pragma once

#include "settings/filefailure.h"

#include <QByteArray>
#include <QString>

namespace tessaro::settings {

// A settings file is a few hundred bytes; anything far larger is not one.
inline constexpr qint64 MaxSettingsFileSize = 64 * 1024;

struct ReadResult {
    QByteArray bytes;
    FileFailure failure;
};

// The whole file, refused at once unless it is a regular file of at most
// limit bytes: never blocks on a FIFO, never reads a device.
ReadResult readSmallFile(const QString &path, qint64 limit = MaxSettingsFileSize);

// Writes all of bytes to the descriptor, again after a signal cut a write short: 0, or the
// errno of the write that failed.
int writeAllBytes(int fd, const QByteArray &bytes);

enum class WriteMode {
    Replace, // the file is replaced, or made
    NewOnly, // a file there already is kept: the failure's systemError is EEXIST
};

// Replaces the file with bytes through a temporary file: every write, the
// flush and an fsync checked before the rename, so a failure leaves the old
// file as it was. A link is written through and kept; anything else that is
// not a regular file is refused untouched. A private file is made mode 0600.
// NewOnly links the synced temporary file into place instead, so the name
// shows only a whole file, even when the program is killed midway.
FileFailure writeWholeFile(const QString &path, const QByteArray &bytes, bool privateFile = false,
                           WriteMode mode = WriteMode::Replace);

} // namespace tessaro::settings
