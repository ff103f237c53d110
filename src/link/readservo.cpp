#include "link/messages.h"
#include "link/session.h"

namespace tessaro::link {

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
        MSComm1.output(QByteArray(1, ReadRequest));
        const QByteArray RxFrame = AwaitReply(FrameLength);
        switch (checkReplyFrame(RxFrame)) {
        case ReplyCheck::Invalid:
            return {};
        case ReplyCheck::ChecksumMismatch:
            if (repeats == MaxChecksumRetries || m_cancelled)
                return {};
            continue;
        case ReplyCheck::Valid:
            break;
        }
        const QByteArray block = replyBlock(RxFrame);
        const settings::DecodedBlock decoded = settings::decodeBlock(block);
        if (!decoded.values) {
            // Nothing of it may reach the editors, nor later through "Unknown" or PROGRAM.
            m_settingsBlock.clear();
            emit blockRefused(MSComm1.commPort(), decoded.problem);
            return {ReadStatus::Refused, unshowableSettingsText(decoded.problem)};
        }
        m_settingsBlock = block;
        m_servoName = block.mid(settings::NamePos, settings::NameLen);
        m_blockTail = block.mid(settings::TailPos, settings::TailLen);
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

} // namespace tessaro::link
