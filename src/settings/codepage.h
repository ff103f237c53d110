// Windows-1252 text for display: the servo's identification bytes are shown
// as the characters a Windows program would show, and kept as bytes.
#pragma once

#include <QByteArray>
#include <QString>

namespace tessaro::settings {
QString fromWindows1252(const QByteArray &bytes);
} // namespace tessaro::settings
