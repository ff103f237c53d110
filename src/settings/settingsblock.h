// The servo's 32-character settings block: field positions, the hex-pair
// codec, building a block from the editors and decoding one for the window.
#pragma once

#include "settings/editorranges.h"
#include "settings/fields.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace tessaro::settings {

// The numeric fields' positions are in their table (fields.h).
inline constexpr int BlockLength = 32;
inline constexpr int NamePos = 0, NameLen = 8;
inline constexpr int PulsePos = 8, PulseLen = 4;
inline constexpr int TailPos = 24, TailLen = 8;

// The fields fill the block between the pulse width and the tail, in table order.
constexpr bool fieldsFillTheirPlace() {
    int pos = PulsePos + PulseLen;
    for (const Field &f : Fields) {
        if (f.pos != pos)
            return false;
        pos += 2;
    }
    return pos == TailPos;
}
static_assert(fieldsFillTheirPlace());

// Microseconds a test position of HalfThrow degrees adds to the centre pulse.
inline constexpr int PulseSwing = 450;

// Hex pair at k (0 to 255); nullopt when either character is not a hex digit.
std::optional<int> readHexPair(const QByteArray &b, int k);
// As readHexPair, 128 and above taken as negative (two's complement).
std::optional<int> readSignedHexPair(const QByteArray &b, int k);
// Two upper-case hex digits of the low byte of v's two's complement.
QByteArray writeHexPair(qint16 v);
// Four upper-case hex digits of the pulse width rounded half to even.
QByteArray writePulseWidth(double microseconds);

// Test pulse width: position / halfThrow * 450 + centre + 1500, unrounded.
double testPulseWidth(int position, int halfThrow, int centre);

// What the editors show: the test position and the half throw it is
// scaled by, and the fields.
struct EditorValues {
    int position = 0;
    int halfThrow = 45;
    BlockValues fields = StartValues;
};

// The editors' values for settings from a file or a backup: test position
// 0, half the throw rounded as the window does.
EditorValues editorValuesFor(const BlockValues &values);

// The block to program: name and tail unchanged, fields from the editors.
QByteArray buildBlock(const QByteArray &name, const EditorValues &v, const QByteArray &tail);

struct DecodedBlock {
    std::optional<BlockValues> values;
    // Why the block cannot be shown: the field and the characters it held.
    QString problem;
};

// Decodes and checks every numeric field against its editor's range.
DecodedBlock decodeBlock(const QByteArray &b);

} // namespace tessaro::settings
