#include "app/form1.h"
#include "link/messages.h"
#include "platform/ledcircle.h"
#include "platform/messagebox.h"

#include <QComboBox>

namespace tessaro::app {

// The link has closed the port before any box waits for the user.
void Form1::showLinkError(const link::LinkFailure &failure, const QString &more) {
    if (m_link.cancelled())
        return;
    platform::beep();
    QString text =
        failure.port == 0
            ? failure.words
            : QStringLiteral("COM%1 (%2): %3").arg(failure.port).arg(failure.device, failure.words);
    for (const QString &added : {more, m_readBackNote})
        if (!added.isEmpty())
            text += QStringLiteral("\n\n") + added;
    platform::showMessage(this, text);
}

int Form1::Chk_Servo(int List) {
    cmbCOM->setCurrentIndex(List);
    const link::ReadOutcome read = m_link.readPort(List);
    switch (read.status) {
    case link::ReadStatus::Read:
        LED1->show();
        return link::BlockRead;
    case link::ReadStatus::Refused:
        // The search stops here; read_Servo reads it again and says why it is refused.
        LED1->hide();
        return link::BlockRead;
    case link::ReadStatus::NoReply:
        LED1->hide();
        return link::NoServo;
    case link::ReadStatus::Error:
        showLinkError(read.failure);
        break;
    }
    return link::NoServo;
}

int Form1::read_Servo() {
    const link::ReadOutcome read = m_link.readPort(cmbCOM->currentIndex());
    m_lastRead = read.status;
    switch (read.status) {
    case link::ReadStatus::Read:
        LED1->show();
        cmbCOM->hide();
        return link::BlockRead;
    case link::ReadStatus::NoReply:
    case link::ReadStatus::Refused:
        if (!m_link.cancelled())
            platform::beep();
        cmbCOM->show();
        if (!m_link.cancelled())
            platform::showMessage(this, (read.status == link::ReadStatus::Refused
                                             ? link::unshowableSettingsText(read.refusal)
                                             : link::troubleshootingText()) +
                                            (m_readBackNote.isEmpty()
                                                 ? QString()
                                                 : QStringLiteral("\n\n") + m_readBackNote));
        LED1->hide();
        return link::NoServo;
    case link::ReadStatus::Error:
        showLinkError(read.failure);
        cmbCOM->show();
        break;
    }
    return link::NoServo;
}

} // namespace tessaro::app
