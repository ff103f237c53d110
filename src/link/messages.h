// The link's texts for the user.
#pragma once

#include <QString>

namespace messages {

// Shown when the servo does not answer a read: sixteen lines joined by a carriage return.
QString troubleshooting();
QString unshowableSettings(const QString &problem);
inline constexpr const char *NotFound = "Not found";
inline constexpr const char *Searching = "..Searching";
inline constexpr const char *FirmwareCaption = "Korvane Digital Servo Firmware Revision";
inline constexpr const char *ErrorProgramming = "Error Programming";
inline constexpr const char *NoPortSelected = "Subscript out of range: no port is selected";

} // namespace messages
