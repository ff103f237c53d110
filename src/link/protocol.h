// The servo's framed protocol: read request, reply frame, programming frame
// and acknowledgement. Everything here is bytes; nothing is text.
#pragma once

#include "settings/settingsblock.h"

#include <QByteArray>
#include <QList>

namespace tessaro::link {

inline constexpr char StartByte = 0x0C;
inline constexpr char EndByte = 0x0D;
inline constexpr char ReadRequest = 0x55;
// A frame carries the settings block.
inline constexpr int BlockLength = settings::BlockLength;
inline constexpr int FrameLength = 36;
inline constexpr int AckLength = 2;
inline constexpr int TickMs = 10;
inline constexpr int SettleTicks = 4;
inline constexpr int ReplyTimeoutTicks = 50;
// Read requests repeated on a checksum mismatch before the read gives up.
inline constexpr int MaxChecksumRetries = 5;

// Two upper-case hex digits of the low 8 bits of the sum of the block's bytes.
QByteArray frameChecksum(const QByteArray &block);

// The 36-byte frame around a 32-byte block, in either direction.
QByteArray buildFrame(const QByteArray &block);

// A programming frame as the three writes that send it: start byte, the 34
// block and checksum characters, end byte.
QList<QByteArray> programmingWrites(const QByteArray &block);

enum class ReplyCheck { Invalid, ChecksumMismatch, Valid };

// Why a reply is not a well-framed frame ("no reply", "wrong end byte",
// "wrong start byte"); nullptr when it is one.
const char *frameFault(const QByteArray &reply);

// A reply of any length other than 36 bytes is no reply and so invalid.
ReplyCheck checkReplyFrame(const QByteArray &reply);

// The 32 block bytes of a well-framed reply.
QByteArray replyBlock(const QByteArray &reply);

// True when the acknowledgement is exactly the two checksum characters sent.
bool checkAcknowledgement(const QByteArray &reply, const QByteArray &sentChecksum);

} // namespace tessaro::link
