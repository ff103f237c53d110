// The servo's 32-character settings block: field positions, the hex-pair
// codec, building a block from the editors and decoding one for the window.
#pragma once

#include "settings/editorranges.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace tessaro::settings {

inline constexpr int BlockLength = 32;
inline constexpr int NamePos = 0, NameLen = 8;
inline constexpr int PulsePos = 8;
inline constexpr int ThrowPos = 12;
inline constexpr int SpeedPos = 14;
inline constexpr int CentrePos = 16;
inline constexpr int ReversePos = 18;
inline constexpr int DeadbandPos = 20;
inline constexpr int ResetPos = 22;
inline constexpr int TailPos = 24, TailLen = 8;

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

struct EditorValues {
    int position = 0;
    int halfThrow = 45;
    int throwDeg = 90;
    int speed = 100;
    int centre = 0;
    int reverse = 0;
    int deadband = 2;
    int reset = 0;
};

// The block to program: name and tail unchanged, fields from the editors.
QByteArray buildBlock(const QByteArray &name, const EditorValues &v, const QByteArray &tail);

struct BlockValues {
    int throwDeg = 0;
    int speed = 0;
    int centre = 0;
    int reverse = 0;
    int deadband = 0;
    int reset = 0;
};

struct DecodedBlock {
    std::optional<BlockValues> values;
    // Why the block cannot be shown: the field and the characters it held.
    QString problem;
};

// Decodes and checks every numeric field against its editor's range.
DecodedBlock decodeBlock(const QByteArray &b);

} // namespace tessaro::settings
