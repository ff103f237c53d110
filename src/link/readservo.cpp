#include "app/form1.h"
#include "link/messages.h"
#include "link/protocol.h"
#include "platform/ledcircle.h"
#include "platform/messagebox.h"

#include <QComboBox>

namespace {

QString describe(const std::exception &e) {
    if (const auto *serial = dynamic_cast<const SerialError *>(&e))
        return serial->description;
    return QString::fromLocal8Bit(e.what());
}

} // namespace

// Opens the port behind the selected list entry; errors propagate to the caller's handler.
void Form1::openSelectedPort() {
    const int index = cmbCOM->currentIndex();
    if (index < 0 || index >= static_cast<int>(PortTable.size()))
        throw SerialError(serialerrors::SubscriptOutOfRange,
                          QString::fromLatin1(messages::NoPortSelected));
    MSComm1.setCommPort(PortTable[index]);
    MSComm1.setInputLen(0);
    MSComm1.setPortOpen(true);
}

// The read exchange on the selected port; 0 or 2. Errors propagate to the caller's handler.
int Form1::readSelectedPort() {
    openSelectedPort();
    for (int repeats = 0;; ++repeats) {
        MSComm1.output(QByteArray(1, protocol::ReadRequest));
        RxFrame = AwaitReply(protocol::FrameLength);
        switch (protocol::checkReplyFrame(RxFrame)) {
        case protocol::ReplyCheck::Invalid:
            return 0;
        case protocol::ReplyCheck::Valid:
            // Only a block whose checksum matched may ever be loaded or programmed back.
            SettingsBlock = protocol::replyBlock(RxFrame);
            LED1->show();
            return 2;
        case protocol::ReplyCheck::ChecksumMismatch:
            if (repeats == protocol::MaxChecksumRetries || m_closeRequested)
                return 0;
            break;
        }
    }
}

void Form1::reportLinkError(const std::exception &e) {
    if (m_closeRequested)
        return;
    messagebox::beep();
    messagebox::show(this, describe(e));
}

int Form1::Chk_Servo(int List) {
    try {
        cmbCOM->setCurrentIndex(List);
        const int result = readSelectedPort();
        closePortIfOpen();
        if (result != 2)
            LED1->hide();
        return result;
    } catch (const std::exception &e) {
        reportLinkError(e);
        closePortIfOpen();
        return 0;
    }
}

int Form1::read_Servo() {
    try {
        if (readSelectedPort() == 2) {
            closePortIfOpen();
            cmbCOM->hide();
            return 2;
        }
        cmbCOM->show();
        closePortIfOpen();
        LED1->hide();
        if (!m_closeRequested) {
            messagebox::beep();
            messagebox::show(this, messages::troubleshooting());
        }
        return 0;
    } catch (const std::exception &e) {
        cmbCOM->show();
        closePortIfOpen();
        reportLinkError(e);
        return 0;
    }
}
