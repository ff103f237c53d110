// The six numeric fields of the settings block, in one table: where each
// sits in the block, what it may hold, its name in a settings file and on
// the command line, and its words for --help. The block codec, the settings
// file and tessaro-cli all go through it; a new field is one more row.
#pragma once

#include "settings/editorranges.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

namespace tessaro::settings {

struct BlockValues {
    int throwDeg = 0;
    int speed = 0;
    int centre = 0;
    int reverse = 0;
    int deadband = 0;
    int reset = 0;
};

struct Field {
    const char *key;    // the settings file's key, and the label tessaro-cli read shows
    int pos;            // of its hex pair in the block
    bool isSigned;      // two's complement
    Range range;        // what a block or a file may hold
    const char *option; // tessaro-cli set's option; nullptr: set cannot change it
    Range settable;     // what set accepts
    const char *words;  // for --help, before the range
    int BlockValues::*member;
};

// In block order, each pair right after the one before.
inline constexpr std::array<Field, 6> Fields = {{
    {"throw", 12, false, ThrowRange, "throw", ThrowRange,
     QT_TRANSLATE_NOOP("cli", "throw in degrees"), &BlockValues::throwDeg},
    {"speed", 14, false, SpeedRange, "speed", SpeedRange,
     QT_TRANSLATE_NOOP("cli", "speed in percent"), &BlockValues::speed},
    {"centre", 16, true, CentreRange, "centre", CentreRange,
     QT_TRANSLATE_NOOP("cli", "centre offset in microseconds"), &BlockValues::centre},
    // The grey state 2 is the servo's to report, not the user's to set.
    {"reverse", 18, false, CheckBoxRange, "reverse", CheckBoxUserRange,
     QT_TRANSLATE_NOOP("cli", "1 reverses the rotation, 0 does not"), &BlockValues::reverse},
    {"deadband", 20, false, DeadbandRange, "deadband", DeadbandRange,
     QT_TRANSLATE_NOOP("cli", "deadband in microseconds"), &BlockValues::deadband},
    {"reset", 22, false, CheckBoxRange, nullptr, {}, nullptr, &BlockValues::reset},
}};

// The row of a field, by its member: fieldOf(&BlockValues::reset).pos.
constexpr const Field &fieldOf(int BlockValues::*member) {
    for (const Field &f : Fields)
        if (f.member == member)
            return f;
    return Fields.front(); // not reached for a member of BlockValues
}

// The values the editors start with.
inline constexpr BlockValues StartValues{
    ThrowRange.start, SpeedRange.start, CentreRange.start, 0, DeadbandRange.start, 0};

// The field tessaro-cli set names with this option; nullptr when none does.
const Field *fieldWithOption(const QString &option);

// One field that differs between two sets of values.
struct FieldChange {
    const Field *field;
    int before;
    int after;
};

// The fields that differ, in table order. The preview, diff and the history all use it.
std::vector<FieldChange> fieldChanges(const BlockValues &before, const BlockValues &after);

// How a front end words one change; the default is a settings file's: "throw 90 → 120".
using ChangeWords = std::function<QString(const FieldChange &)>;
QString fileUnitsChange(const FieldChange &change);
// One entry per change.
QStringList changeTexts(const std::vector<FieldChange> &changes,
                        const ChangeWords &words = fileUnitsChange);

} // namespace tessaro::settings
