// Windows-1252 text for display: the servo's identification bytes are shown
// as the characters a Windows program would show, and kept as bytes.
#pragma once

#include <QByteArray>
#include <QString>

namespace tessaro::settings {

QString fromWindows1252(const QByteArray &bytes);

enum class TextSet {
    Windows1252, // the bytes' Windows-1252 characters
    Ascii,       // printable ASCII only, for a trace that must stay plain ASCII
};

// Bytes as text that can never drive a terminal: each byte's character, but
// control characters (and the five codes the page leaves undefined), the
// backslash and, for Ascii, every byte above 0x7E as \xNN, so the bytes can
// be read back from the text.
QString printableText(const QByteArray &bytes, TextSet set = TextSet::Windows1252);

} // namespace tessaro::settings
