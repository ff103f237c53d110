#include "link/protocol.h"

namespace tessaro::link {

QByteArray frameChecksum(const QByteArray &block) {
    unsigned sum = 0;
    for (char c : block)
        sum += static_cast<unsigned char>(c);
    return QByteArray::number(sum & 0xFF, 16).toUpper().rightJustified(2, '0');
}

QByteArray buildFrame(const QByteArray &block) {
    QByteArray frame;
    frame.reserve(FrameLength);
    frame.append(StartByte).append(block).append(frameChecksum(block)).append(EndByte);
    return frame;
}

QList<QByteArray> programmingWrites(const QByteArray &block) {
    return {QByteArray(1, StartByte), block + frameChecksum(block), QByteArray(1, EndByte)};
}

const char *frameFault(const QByteArray &reply) {
    if (reply.size() != FrameLength)
        return "no reply";
    if (reply.at(FrameLength - 1) != EndByte)
        return "wrong end byte";
    if (reply.at(0) != StartByte)
        return "wrong start byte";
    return nullptr;
}

ReplyCheck checkReplyFrame(const QByteArray &reply) {
    if (frameFault(reply))
        return ReplyCheck::Invalid;
    const QByteArray expected = frameChecksum(replyBlock(reply));
    return reply.mid(1 + BlockLength, 2) == expected ? ReplyCheck::Valid
                                                     : ReplyCheck::ChecksumMismatch;
}

QByteArray replyBlock(const QByteArray &reply) {
    return reply.mid(1, BlockLength);
}

bool checkAcknowledgement(const QByteArray &reply, const QByteArray &sentChecksum) {
    return reply.size() == AckLength && reply == sentChecksum;
}

} // namespace tessaro::link
