#include "app/form1.h"
#include "link/linkexchange.h"
#include "link/messages.h"
#include "platform/ledcircle.h"
#include "platform/messagebox.h"
#include "settings/checkvalue.h"
#include "settings/codepage.h"
#include "settings/settingsblock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

void Form1::Connect_Click() {
    LinkExchange exchange(*this);
    if (!exchange) {
        messagebox::beep();
        return;
    }
    connectToServo();
}

// The search and read behind Connect; programming runs it too, to read the servo back.
void Form1::connectToServo() {
    LServoName->setText(QString::fromLatin1(messages::Searching));
    const int count = cmbCOM->count();
    ServoFound = 0;
    for (int i = 0; i < count && ServoFound == 0 && !m_closeRequested; ++i)
        ServoFound = Chk_Servo(i);
    if (m_closeRequested)
        return;
    ServoFound = read_Servo();
    if (ServoFound == 2 && !loadServoBlock())
        ServoFound = 0;
    if (ServoFound != 2) {
        LServoName->setText(QString::fromLatin1(messages::NotFound));
        setEditorGroupsEnabled(false);
    }
}

// Puts the block just read into the window; false, with nothing changed, when it cannot be shown.
bool Form1::loadServoBlock() {
    const block::DecodeResult decoded = block::decode(SettingsBlock);
    if (!decoded.values) {
        // Nothing of it may reach the editors, nor later through "Unknown" or PROGRAM.
        SettingsBlock.clear();
        LED1->hide();
        messagebox::beep();
        messagebox::show(this, messages::unshowableSettings(decoded.problem));
        return false;
    }
    const block::Decoded &v = *decoded.values;
    setEditorGroupsEnabled(true);
    CmbServo->setEnabled(true);
    ServoName = SettingsBlock.mid(block::NamePos, block::NameLen);
    LServoName->setText(codepage::fromWindows1252(ServoName));
    LServoRev->setText(QString::fromLatin1(messages::FirmwareCaption));
    RefThrow = v.throwDeg;
    RefSpeed = v.speed;
    RefCentre = v.centre;
    Check1->setCheckState(checkStateFor(v.reverse));
    RefDeadband = static_cast<qint16>(v.deadband);
    CkReset->setCheckState(checkStateFor(v.reset));
    BlockTail = SettingsBlock.mid(block::TailPos, block::TailLen);
    // An editor already at the new reference still needs its gauge redrawn for the colour.
    setEditorToReference(ScrollThrow, RefThrow);
    setEditorToReference(ScrollSpeed, RefSpeed);
    setEditorToReference(ScrollCentre, RefCentre);
    setEditorToReference(ScrollDeadband, RefDeadband);
    return true;
}
