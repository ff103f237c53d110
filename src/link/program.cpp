#include "link/session.h"

namespace servolink {

ProgramOutcome Session::programPort(int index, const QByteArray &block) {
    const QByteArray checksum = protocol::frameChecksum(block);
    ProgramOutcome outcome;
    try {
        openListedPort(index);
        emit programmingStarted(MSComm1.commPort());
        for (const QByteArray &write : protocol::programmingWrites(block))
            MSComm1.output(write);
        outcome.reply = AwaitReply(protocol::AckLength);
        closePortIfOpen();
    } catch (const SerialError &e) {
        closePortIfOpen();
        emit linkError(e.description);
        return {ProgramStatus::Error, {}, e.description};
    }
    if (outcome.reply.isEmpty())
        outcome.reply = QByteArray(protocol::AckLength, '\0');
    const bool acknowledged = protocol::checkAcknowledgement(outcome.reply, checksum);
    if (!acknowledged)
        emit acknowledgementWrong(outcome.reply, checksum);
    emit programmingEnded(acknowledged);
    outcome.status =
        acknowledged ? ProgramStatus::Acknowledged : ProgramStatus::WrongAcknowledgement;
    return outcome;
}

} // namespace servolink
