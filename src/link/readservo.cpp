#include "link/messages.h"
#include "link/session.h"

namespace servolink {

ReadOutcome Session::readPort(int index) {
    try {
        openListedPort(index);
        emit portTried(MSComm1.commPort());
        const ReadOutcome outcome = readOpenPort();
        closePortIfOpen();
        return outcome;
    } catch (const SerialError &e) {
        closePortIfOpen();
        emit linkError(e.description);
        return {ReadStatus::Error, e.description};
    }
}

// The request and its repeats on the open port.
ReadOutcome Session::readOpenPort() {
    for (int repeats = 0;; ++repeats) {
        MSComm1.output(QByteArray(1, protocol::ReadRequest));
        const QByteArray RxFrame = AwaitReply(protocol::FrameLength);
        switch (protocol::checkReplyFrame(RxFrame)) {
        case protocol::ReplyCheck::Invalid:
            return {};
        case protocol::ReplyCheck::ChecksumMismatch:
            if (repeats == protocol::MaxChecksumRetries || m_cancelled)
                return {};
            continue;
        case protocol::ReplyCheck::Valid:
            break;
        }
        const QByteArray block = protocol::replyBlock(RxFrame);
        const block::DecodeResult decoded = block::decode(block);
        if (!decoded.values) {
            // Nothing of it may reach the editors, nor later through "Unknown" or PROGRAM.
            m_settingsBlock.clear();
            emit blockRefused(MSComm1.commPort(), decoded.problem);
            return {ReadStatus::Refused, messages::unshowableSettings(decoded.problem)};
        }
        m_settingsBlock = block;
        m_servoName = block.mid(block::NamePos, block::NameLen);
        m_blockTail = block.mid(block::TailPos, block::TailLen);
        emit servoFound(MSComm1.commPort(), m_servoName);
        return {ReadStatus::Read, {}};
    }
}

int Session::search(ReadOutcome *last) {
    ReadOutcome outcome;
    int found = -1;
    for (int i = 0; i < static_cast<int>(m_portTable.size()) && found < 0 && !m_cancelled; ++i) {
        outcome = readPort(i);
        if (outcome.status == ReadStatus::Read || outcome.status == ReadStatus::Refused)
            found = i;
    }
    if (last)
        *last = outcome;
    return found;
}

} // namespace servolink
