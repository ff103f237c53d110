#include "link/messages.h"
#include "link/serialerror.h"
#include "link/session.h"
#include "settings/codepage.h"

namespace tessaro::link {

ReadOutcome Session::readPort(int index) {
    ReadOutcome outcome;
    try {
        openListedPort(index, "read");
        readOpenPort(outcome);
    } catch (const SerialError &e) {
        outcome.status = ReadStatus::Error;
        outcome.failure = e.failure;
        TESSARO_TRACE(MSComm1) << "failed: " << e.failure.words;
    }
    closePortIfOpen();
    return outcome;
}

// The request and its repeats on the open port.
void Session::readOpenPort(ReadOutcome &outcome) {
    for (outcome.repeats = 0;; ++outcome.repeats) {
        MSComm1.output(QByteArray(1, ReadRequest));
        const QByteArray RxFrame = AwaitReply(FrameLength);
        outcome.replyBytes = m_replyBytes;
        outcome.lastVerdict = checkReplyFrame(RxFrame);
        switch (outcome.lastVerdict) {
        case ReplyCheck::Invalid:
            if (!RxFrame.isEmpty())
                TESSARO_TRACE(MSComm1) << "frame bad: " << frameFault(RxFrame);
            return;
        case ReplyCheck::ChecksumMismatch:
            TESSARO_TRACE(MSComm1) << "checksum mismatch: expected "
                                   << frameChecksum(replyBlock(RxFrame)) << ", got \""
                                   << settings::printableText(RxFrame.mid(1 + BlockLength, 2),
                                                              settings::TextSet::Ascii)
                                   << '"';
            if (outcome.repeats == MaxChecksumRetries || m_cancelled) {
                TESSARO_TRACE(MSComm1) << "giving up after " << outcome.repeats + 1 << " requests";
                return;
            }
            TESSARO_TRACE(MSComm1)
                << "asking again, repeat " << outcome.repeats + 1 << " of " << MaxChecksumRetries;
            continue;
        case ReplyCheck::Valid:
            break;
        }
        const QByteArray block = replyBlock(RxFrame);
        const settings::DecodedBlock decoded = settings::decodeBlock(block);
        if (!decoded.values) {
            // Nothing of it may reach the editors, nor later through "Unknown" or PROGRAM.
            m_settingsBlock.clear();
            TESSARO_TRACE(MSComm1) << "reply valid, settings refused: " << decoded.problem;
            outcome.status = ReadStatus::Refused;
            outcome.refusal = decoded.problem;
            return;
        }
        TESSARO_TRACE(MSComm1) << "reply valid, checksum " << frameChecksum(block);
        m_settingsBlock = block;
        m_servoName = block.mid(settings::NamePos, settings::NameLen);
        m_blockTail = block.mid(settings::TailPos, settings::TailLen);
        outcome.status = ReadStatus::Read;
        return;
    }
}

ReadOutcome Session::readSameServo(int index) {
    const QByteArray block = m_settingsBlock, name = m_servoName, tail = m_blockTail;
    ReadOutcome outcome = readPort(index);
    if (outcome.status == ReadStatus::Read && (m_servoName != name || m_blockTail != tail)) {
        TESSARO_TRACE(MSComm1) << "another servo than the one read before: \""
                               << settings::printableText(m_servoName, settings::TextSet::Ascii)
                               << '"';
        outcome.otherServo = true;
        m_settingsBlock = block;
        m_servoName = name;
        m_blockTail = tail;
    }
    return outcome;
}

SearchOutcome Session::search() {
    SearchOutcome outcome;
    for (int i = 0; i < static_cast<int>(m_portTable.size()) && !m_cancelled; ++i) {
        outcome.tried.push_back(readPort(i));
        const ReadStatus status = outcome.tried.back().status;
        if (status == ReadStatus::Read || status == ReadStatus::Refused) {
            outcome.found = i;
            break;
        }
    }
    return outcome;
}

} // namespace tessaro::link
