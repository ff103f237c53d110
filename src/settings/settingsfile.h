// A servo's settings as a JSON file: what the command line and the window
// saveSettings, loadSettings and program, and what a backup holds. Qt Core only.
#pragma once

#include "settings/filefailure.h"
#include "settings/settingsblock.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace tessaro::settings {

inline constexpr int FileFormat = 1;

struct ServoSettings {
    QByteArray block;   // the raw 32 bytes as read from the servo (name and tail included)
    BlockValues values; // what gets programmed; may differ from the block's own fields
    QByteArray name() const { return block.mid(NamePos, NameLen); }
    QByteArray tail() const { return block.mid(TailPos, TailLen); }
};

// nullopt unless the block is 32 bytes that decodeBlock accepts.
std::optional<ServoSettings> settingsFromBlock(const QByteArray &block);

// Indented JSON, keys in a fixed order, ending in a newline.
QByteArray settingsJson(const ServoSettings &settings);

struct LoadResult {
    std::optional<ServoSettings> settings;
    FileFailure failure; // the first problem found, naming fileName and the field
};

LoadResult parseSettings(const QByteArray &json, const QString &fileName);
// Read only when a regular file of at most MaxSettingsFileSize bytes.
LoadResult loadSettings(const QString &path);

// Replaces the file whole or not at all (writeWholeFile); what went wrong, or nothing.
FileFailure saveSettings(const QString &path, const ServoSettings &settings,
                         bool privateFile = false);

} // namespace tessaro::settings
