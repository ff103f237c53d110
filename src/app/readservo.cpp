#include "app/form1.h"
#include "link/messages.h"
#include "platform/ledcircle.h"
#include "platform/messagebox.h"

#include <QComboBox>

// The link has closed the port before any box waits for the user.
void Form1::showLinkError(const QString &text) {
    if (m_link.cancelled())
        return;
    messagebox::beep();
    messagebox::show(this, text);
}

int Form1::Chk_Servo(int List) {
    cmbCOM->setCurrentIndex(List);
    const servolink::ReadOutcome read = m_link.readPort(List);
    switch (read.status) {
    case servolink::ReadStatus::Read:
        LED1->show();
        return servolink::BlockRead;
    case servolink::ReadStatus::Refused:
        // The search stops here; read_Servo reads it again and says why it is refused.
        LED1->hide();
        return servolink::BlockRead;
    case servolink::ReadStatus::NoReply:
        LED1->hide();
        return servolink::NoServo;
    case servolink::ReadStatus::Error:
        showLinkError(read.text);
        break;
    }
    return servolink::NoServo;
}

int Form1::read_Servo() {
    const servolink::ReadOutcome read = m_link.readPort(cmbCOM->currentIndex());
    switch (read.status) {
    case servolink::ReadStatus::Read:
        LED1->show();
        cmbCOM->hide();
        return servolink::BlockRead;
    case servolink::ReadStatus::NoReply:
    case servolink::ReadStatus::Refused:
        if (!m_link.cancelled())
            messagebox::beep();
        cmbCOM->show();
        if (!m_link.cancelled())
            messagebox::show(this, read.status == servolink::ReadStatus::Refused
                                       ? read.text
                                       : messages::troubleshooting());
        LED1->hide();
        return servolink::NoServo;
    case servolink::ReadStatus::Error:
        showLinkError(read.text);
        cmbCOM->show();
        break;
    }
    return servolink::NoServo;
}
