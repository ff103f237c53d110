#include "link/serialerror.h"
#include "link/session.h"

namespace tessaro::link {

ProgramOutcome Session::programPort(int index, const QByteArray &block) {
    const QByteArray checksum = frameChecksum(block);
    ProgramOutcome outcome;
    try {
        openListedPort(index, "program");
        for (const QByteArray &write : programmingWrites(block))
            MSComm1.output(write);
        outcome.frameSent = true;
        outcome.reply = AwaitReply(AckLength);
        outcome.replyBytes = m_replyBytes;
        if (outcome.reply.isEmpty())
            outcome.reply = QByteArray(AckLength, '\0');
        const bool acknowledged = checkAcknowledgement(outcome.reply, checksum);
        // A reply of the wrong length is checked as zeros; the record says what came.
        TESSARO_TRACE(MSComm1)
            << "acknowledgement " << (acknowledged ? "right" : "wrong") << ": expected " << checksum
            << ", got "
            << (outcome.replyBytes == AckLength
                    ? traceBytes(outcome.reply)
                    : QStringLiteral("no reply (%1 bytes waiting)").arg(outcome.replyBytes));
        outcome.status =
            acknowledged ? ProgramStatus::Acknowledged : ProgramStatus::WrongAcknowledgement;
    } catch (const SerialError &e) {
        outcome.status = ProgramStatus::Error;
        outcome.failure = e.failure;
        TESSARO_TRACE(MSComm1) << "failed: " << e.failure.words;
    }
    outcome.cancelled = m_cancelled;
    closePortIfOpen();
    return outcome;
}

} // namespace tessaro::link
