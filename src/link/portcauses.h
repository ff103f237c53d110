// Why no port can be used, in the terms of a Linux desktop: no adapter, an
// adapter this user may not open, or one another program holds.
#pragma once

#include "link/failure.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace tessaro::link {

// The folders other programs keep serial lock files in.
const QStringList &systemLockFolders();

// The live process holding a serial device by a lock file "LCK..<name>" in one
// of the folders ("minicom (pid 4242)"); empty when none does. A lock of a
// process that is gone does not count.
QString liveLockHolder(const QString &device, const QStringList &folders);

// The pid a lock file names: QLockFile's form ("4242\nminicom\nhost\n"), the UUCP
// form ("      4242 minicom user\n", as minicom and picocom write it) or the old
// binary one (a 4-byte int). 0 when it names none.
qint64 lockPid(const QByteArray &content);

// True when a lock file's content names a process that is still alive.
bool lockHolderAlive(const QByteArray &content);

// "The adapter ... is held by another program", naming the holder where a lock
// file in lockFolders or the system's folders tells it.
QString busyText(const QString &device, const QStringList &lockFolders);

// The text for a Connect that found no usable port.
QString noUsablePortText(const std::vector<PortProbe> &refused);

// The text for one port that could not be opened; systemError: the open's errno.
QString openFailureText(OpenFailure failure, const QString &device,
                        const QStringList &lockFolders = {}, int systemError = 0);

} // namespace tessaro::link
