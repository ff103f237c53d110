// Port number to device: a private per-user virtual port (the servo emulator
// publishes COMn there), otherwise the USB adapter's tty.
#pragma once

#include <QString>

namespace portnames {

// The per-user folder where virtual ports are published; empty when none is usable.
QString virtualPortFolder();
// Folder for publishing, created with mode 0700 when missing.
QString ensureVirtualPortFolder();
// True when the folder belongs to this user and nobody else may write to it.
bool isPrivateFolder(const QString &path);
QString devicePathFor(int portNumber);

} // namespace portnames
