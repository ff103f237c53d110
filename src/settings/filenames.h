// File names as the program takes and shows them: a name is used only when it
// names exactly one file, and is shown with nothing in it that drives a terminal.
#pragma once

#include "settings/filefailure.h"

#include <QByteArray>
#include <QString>

namespace tessaro::settings {

// True when bytes come back unchanged from text: a name that is not UTF-8
// would otherwise name another file.
bool survivesAsText(const QByteArray &bytes);
// A name from a dialog or a folder listing: U+FFFD in it stood for bytes that were not text.
bool isExactFileName(const QString &name);
// The name with control characters and the backslash as \xNN (\uNNNN above 0xFF).
QString printableFileName(const QString &name);
// The bytes of a name, printable ASCII as it is, every other byte as \xNN.
QString printableFileName(const QByteArray &bytes);
// Why such a name is refused; shown is the name escaped.
FileFailure inexactNameFailure(const QString &shown);

} // namespace tessaro::settings
