// The About dialog's launcher for the system-information tool, found through
// the registry.
#pragma once

#include "platform/registry.h"

#include <QString>
#include <functional>

class QWidget;

namespace tessaro::about {
inline constexpr const char *SysInfoUnavailableText =
    "System Information Is Unavailable At This Time";
inline constexpr const char *SysInfoProgramFile = "MSINFO32.EXE";

// Starts a program on its own, in a normal window; false when it cannot be started.
using SysInfoLauncher = std::function<bool(const QString &program)>;
bool startDetached(const QString &program);

// Reads one value as text. A string value is taken as it is and a 32-bit
// number as its decimal text; any other type leaves text as it was. On
// failure text is emptied and the result is false.
bool GetKeyValue(platform::Registry &reg, platform::RootKey root, const QString &keyPath,
                 const QString &valueName, QString &text);

// Starts the system-information tool, or tells the user (over owner) that it cannot.
void StartSysInfo(QWidget *owner, platform::Registry &reg, const SysInfoLauncher &launch);

} // namespace tessaro::about
