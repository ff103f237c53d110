// What the command line prints: messages on standard error, data on
// standard output, and the forms settings and frames are shown in.
#pragma once

#include "settings/settingsfile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tessaro::cli {

// "tessaro-cli: text" on standard error.
void message(const QString &text);
// Reports text and returns code, for `return fail(...)`.
int fail(int code, const QString &text);
// One line (or several joined by newlines) on standard output.
void data(const QString &text);
// The exit code once all is printed: a failed write on standard output is
// reported and turns success into Exit::OutputFailed.
int finishOutput(int code);

// Servo bytes in quotes, as settings::printableText() shows them.
QString quoted(const QByteArray &bytes);

// The settings as "key  value" lines; name, tail and block as printableText().
QStringList settingsText(const settings::ServoSettings &s, const QString &port);
// The same as one JSON object, the block in hex so its bytes are kept.
QByteArray compactSettingsJson(const settings::ServoSettings &s, const QString &port);

// A frame as two lines: its bytes in hex, and as text.
QStringList frameText(const QByteArray &frame);

// One line per field whose read-back value differs from the one sent.
QStringList differences(const QByteArray &sent, const QByteArray &readBack);

} // namespace tessaro::cli
