// The link's texts for the user.
#pragma once

#include <QString>

namespace tessaro::link {

// Shown when the servo does not answer a read: sixteen lines joined by a carriage return.
QString troubleshootingText();
QString unshowableSettingsText(const QString &problem);
inline constexpr const char *NotFoundText = "Not found";
inline constexpr const char *SearchingText = "..Searching";
inline constexpr const char *FirmwareCaptionText = "Korvane Digital Servo Firmware Revision";
inline constexpr const char *ErrorProgrammingText = "Error Programming";
inline constexpr const char *NoPortSelectedText = "Subscript out of range: no port is selected";

} // namespace tessaro::link
