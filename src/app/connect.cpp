#include "app/form1.h"
#include "app/linkexchange.h"
#include "link/messages.h"
#include "platform/messagebox.h"
#include "settings/codepage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace tessaro::app {

void Form1::FindComPorts() {
    cmbCOM->clear();
    m_link.FindComPorts();
    for (int n : m_link.portTable())
        cmbCOM->addItem(QStringLiteral("COM%1").arg(n));
    if (cmbCOM->count() > 0)
        cmbCOM->setCurrentIndex(0);
}

void Form1::Connect_Click() {
    LinkExchange exchange(*this);
    if (!exchange) {
        platform::beep();
        return;
    }
    connectToServo();
}

// The search and read behind Connect; programming runs it too, to read the servo back.
void Form1::connectToServo() {
    // An adapter plugged in or back after start-up needs no restart.
    if (m_link.listedPortsGone())
        FindComPorts();
    LServoName->setText(link::message(link::SearchingText));
    m_lastRead = link::ReadStatus::NoReply;
    const int count = cmbCOM->count();
    ServoFound = link::NoServo;
    for (int i = 0; i < count && ServoFound == link::NoServo && !m_link.cancelled(); ++i)
        ServoFound = Chk_Servo(i);
    if (m_link.cancelled())
        return;
    ServoFound = read_Servo();
    if (ServoFound == link::BlockRead) {
        loadServoBlock();
        return;
    }
    LServoName->setText(link::message(link::NotFoundText));
    setEditorGroupsEnabled(false);
}

// Puts the block just read into the window, in the order the servo's fields come.
void Form1::loadServoBlock() {
    const settings::BlockValues v = *settings::decodeBlock(m_link.settingsBlock()).values;
    setEditorGroupsEnabled(true);
    CmbServo->setEnabled(true);
    LServoName->setText(settings::fromWindows1252(m_link.servoName()));
    LServoRev->setText(link::message(link::FirmwareCaptionText));
    for (const FieldBinding &b : fieldBindings())
        loadReference(b, v.*b.field);
    // An editor already at the new reference still needs its gauge redrawn for the colour.
    for (const FieldBinding &b : fieldBindings())
        if (b.bar)
            setEditorToReference(b);
}

} // namespace tessaro::app
