#include "link/session.h"

namespace tessaro::link {

ProgramOutcome Session::programPort(int index, const QByteArray &block) {
    const QByteArray checksum = frameChecksum(block);
    ProgramOutcome outcome;
    try {
        openListedPort(index);
        emit programmingStarted(MSComm1.commPort());
        for (const QByteArray &write : programmingWrites(block))
            MSComm1.output(write);
        outcome.reply = AwaitReply(AckLength);
        closePortIfOpen();
    } catch (const SerialError &e) {
        closePortIfOpen();
        emit linkError(e.description);
        return {ProgramStatus::Error, {}, e.description};
    }
    if (outcome.reply.isEmpty())
        outcome.reply = QByteArray(AckLength, '\0');
    const bool acknowledged = checkAcknowledgement(outcome.reply, checksum);
    if (!acknowledged)
        emit acknowledgementWrong(outcome.reply, checksum);
    emit programmingEnded(acknowledged);
    outcome.status =
        acknowledged ? ProgramStatus::Acknowledged : ProgramStatus::WrongAcknowledgement;
    return outcome;
}

} // namespace tessaro::link
