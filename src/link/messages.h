// The link's texts for the user.
#pragma once

#include <QString>

namespace tessaro::link {

// Shown when the servo does not answer a read: sixteen lines joined by a carriage return.
QString troubleshootingText();
QString unshowableSettingsText(const QString &problem);
// One of the texts below in the user's language.
QString message(const char *text);
inline constexpr const char *NotFoundText = QT_TRANSLATE_NOOP("Link", "Not found");
inline constexpr const char *SearchingText = QT_TRANSLATE_NOOP("Link", "..Searching");
inline constexpr const char *FirmwareCaptionText =
    QT_TRANSLATE_NOOP("Link", "Korvane Digital Servo Firmware Revision");
inline constexpr const char *ErrorProgrammingText = QT_TRANSLATE_NOOP("Link", "Error Programming");
inline constexpr const char *NoPortSelectedText =
    QT_TRANSLATE_NOOP("Link", "Subscript out of range: no port is selected");

} // namespace tessaro::link
