#include "app/form1.h"
#include "link/linkexchange.h"
#include "link/messages.h"
#include "link/protocol.h"
#include "platform/ledcircle.h"
#include "platform/messagebox.h"
#include "settings/checkvalue.h"
#include "settings/settingsblock.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QScrollBar>

void Form1::setProgrammingLook(bool programming) {
    LProg->setText(programming ? QStringLiteral("Programming") : QStringLiteral("Idle"));
    LProg->setEnabled(programming);
    LED_Prog->setVisible(programming);
    Fr_Prog->setEnabled(programming);
}

void Form1::CProgram_Click() {
    LinkExchange exchange(*this);
    if (!exchange) {
        messagebox::beep();
        return;
    }
    const bool resetRequested = CkReset->checkState() == Qt::Checked;
    setEditorFramesEnabled(false);
    setProgrammingLook(true);
    try {
        programServo(resetRequested);
    } catch (const std::exception &e) {
        reportLinkError(e);
        closePortIfOpen();
        // Nothing is programming any more; the editors stay off until Connect finds the servo.
        setProgrammingLook(false);
    }
}

// Sends the editors' settings, checks the acknowledgement and reads the servo back.
void Form1::programServo(bool resetRequested) {
    block::EditorValues v;
    v.position = ScrollPosition->value();
    v.halfThrow = HalfThrow;
    v.throwDeg = ScrollThrow->value();
    v.speed = ScrollSpeed->value();
    v.centre = ScrollCentre->value();
    v.reverse = checkValue(Check1);
    v.deadband = ScrollDeadband->value();
    v.reset = checkValue(CkReset);
    const QByteArray settings = block::build(ServoName, v, BlockTail);
    const QByteArray checksum = protocol::frameChecksum(settings);

    openSelectedPort();
    for (const QByteArray &write : protocol::programmingWrites(settings))
        MSComm1.output(write);
    ProgReply = AwaitReply(protocol::AckLength);
    if (ProgReply.isEmpty())
        ProgReply = QByteArray(protocol::AckLength, '\0');
    if (!protocol::checkAcknowledgement(ProgReply, checksum) && !m_closeRequested)
        messagebox::show(this, QString::fromLatin1(messages::ErrorProgramming));
    closePortIfOpen();
    if (m_closeRequested) {
        setProgrammingLook(false);
        return;
    }

    connectToServo();
    setEditorFramesEnabled(true);
    setProgrammingLook(false);
    if (resetRequested)
        selectTransmitter(1);
}
