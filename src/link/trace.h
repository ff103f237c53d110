// The wire trace, for bug reports: each port opened and closed, every byte
// sent and received with its time in the exchange, each repeat and each
// verdict. Written to a file or standard error only when turned on, by
// startTrace() or, as with any Qt category, by
// QT_LOGGING_RULES="tessaro.link.debug=true"; the last records are always
// kept in memory for a bug report (keepTrace()).
#pragma once

#include "link/failure.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>

namespace tessaro::link {

Q_DECLARE_LOGGING_CATEGORY(lcLink)

// "3 bytes: 0C 4F 0D  \x0cO\x0d": the bytes in hex, then as ASCII with every
// other byte escaped, so a trace is plain ASCII whatever the servo sent.
QString traceBytes(const QByteArray &bytes);
// "not found", "permission denied", "busy", ...
const char *openFailureName(OpenFailure cause);

// Turns the trace on and sends it to the file at path, created or emptied,
// or to standard error when path is empty. Returns why the file cannot be
// used (it exists and is not a regular file, or cannot be opened); empty
// on success. A write that fails later is reported once on standard error,
// and the program goes on without its trace.
QString startTrace(const QString &path);

// The kept trace: the newest records, at most this many characters of them.
inline constexpr qsizetype KeptTraceLimit = 64 * 1024;
// Keeps the trace in memory from now on, whether or not startTrace() was
// called; the link calls it when it makes a port. Records are kept as they
// come and formatted only when read.
void keepTrace();
// The kept records, oldest first, one line each, exactly as a trace file
// holds them.
QByteArray keptTrace();
void clearKeptTrace();

} // namespace tessaro::link
