// A servo's settings as a JSON file: what the command line and the window
// save, load and program, and what a backup holds. Qt Core only.
#pragma once

#include "settings/settingsblock.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace settingsfile {

inline constexpr int Format = 1;

struct ServoSettings {
    QByteArray block;      // the raw 32 bytes as read from the servo (name and tail included)
    block::Decoded values; // what gets programmed; may differ from the block's own fields
    QByteArray name() const { return block.mid(block::NamePos, block::NameLen); }
    QByteArray tail() const { return block.mid(block::TailPos, block::TailLen); }
};

// nullopt unless the block is 32 bytes that block::decode accepts.
std::optional<ServoSettings> fromBlock(const QByteArray &block);

// Indented JSON, keys in a fixed order, ending in a newline.
QByteArray toJson(const ServoSettings &settings);

struct LoadResult {
    std::optional<ServoSettings> settings;
    QString error; // the first problem found, naming fileName and the field
};

LoadResult parse(const QByteArray &json, const QString &fileName);
LoadResult load(const QString &path);

// Replaces the file atomically; on failure returns false and sets *error (when given).
bool save(const QString &path, const ServoSettings &settings, QString *error);

} // namespace settingsfile
