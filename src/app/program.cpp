#include "app/form1.h"
#include "app/linkexchange.h"
#include "link/messages.h"
#include "platform/ledcircle.h"
#include "platform/messagebox.h"
#include "settings/backups.h"
#include "settings/codepage.h"
#include "settings/filenames.h"
#include "settings/presets.h"
#include "settings/settingsfile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFrame>
#include <QLabel>
#include <QScrollBar>
#include <cstdio>

namespace tessaro::app {

void Form1::setProgrammingLook(bool programming) {
    LProg->setText(programming ? tr("Programming") : tr("Idle"));
    LProg->setEnabled(programming);
    LED_Prog->setVisible(programming);
    Fr_Prog->setEnabled(programming);
}

void Form1::CProgram_Click() {
    LinkExchange exchange(*this);
    if (!exchange) {
        platform::beep();
        return;
    }
    // The backup is of what the servo on the port holds now, and a servo swapped in
    // since Connect is never sent the first one's name and tail. Without a backup
    // nothing is sent unless the user says so; the window stays as it was.
    if (!readServoBeforeProgramming() || !backUpServo())
        return;
    const bool resetRequested = CkReset->checkState() == Qt::Checked;
    setEditorFramesEnabled(false);
    setProgrammingLook(true);
    programServo(resetRequested);
}

settings::EditorValues Form1::editorValues() const {
    settings::EditorValues values{ScrollPosition->value(), HalfThrow, {}};
    for (const FieldBinding &b : fieldBindings())
        values.fields.*b.field = controlValue(b);
    return values;
}

bool Form1::readServoBeforeProgramming() {
    const link::ReadOutcome read = m_link.readSameServo(cmbCOM->currentIndex());
    if (m_link.cancelled())
        return false;
    const QString nothingSent = tr("Nothing was sent.");
    QString text;
    switch (read.status) {
    case link::ReadStatus::Read:
        if (!read.otherServo)
            return true;
        text = tr("Another servo is on %1 now, not the \"%2\" that Connect read. "
                  "Nothing was sent.\n\nPress Connect first to read the servo that is there.")
                   .arg(cmbCOM->currentText(), settings::fromWindows1252(m_link.servoName()));
        break;
    case link::ReadStatus::NoReply:
        text = tr("No servo answered on %1. %2").arg(cmbCOM->currentText(), nothingSent) +
               QStringLiteral("\n\n") + link::troubleshootingText();
        break;
    case link::ReadStatus::Refused:
        text = link::unshowableSettingsText(read.refusal) + QStringLiteral("\n\n") + nothingSent;
        break;
    case link::ReadStatus::Error:
        showLinkError(read.failure, nothingSent);
        return false;
    }
    platform::beep();
    platform::showMessage(this, text);
    return false;
}

// What the servo holds now goes to a backup first.
bool Form1::backUpServo() {
    m_lastBackup.clear();
    const auto held = settings::settingsFromBlock(m_link.settingsBlock());
    const settings::BackupResult backup =
        held ? settings::saveBackup(*held, QDateTime::currentDateTimeUtc())
             : settings::BackupResult{
                   {}, settings::FileFailure().saying(tr("no settings were read from the servo"))};
    m_lastBackup = backup.path;
    if (!backup.failure)
        return true;
    // With no home there is no folder to name.
    const QString folder = settings::backupFolder();
    const QString cause =
        backup.failure.path.isEmpty() ? backup.failure.words : backup.failure.text();
    return platform::askYesNo(
        this, folder.isEmpty()
                  ? tr("No backup of the servo's settings could be written.\n%1\n\n"
                       "Program the servo without a backup?")
                        .arg(cause)
                  : tr("No backup of the servo's settings could be written to %1.\n%2\n\n"
                       "Program the servo without a backup?")
                        .arg(settings::printableFileName(folder), cause));
}

QString Form1::afterFailedProgramming(bool frameSent) const {
    QString more;
    if (frameSent)
        more += tr("The servo may hold the new settings.") + QLatin1Char(' ');
    if (m_lastBackup.isEmpty())
        return more + tr("No backup was taken before programming.");
    return more + tr("What it held before is in the backup %1; File, Restore a backup… "
                     "loads it into the editors.")
                      .arg(settings::printableFileName(m_lastBackup));
}

// A run cut off by closing the window (Exit, CLOSE, a signal) has no window left to
// tell it in: whoever closed it from a terminal reads what the servo may hold.
void Form1::sayCutOff() const {
    std::fprintf(
        stderr, "tessaro: %s\n",
        qPrintable(
            tr("%1: programming was cut off after its frame went out.").arg(cmbCOM->currentText()) +
            QLatin1Char(' ') + afterFailedProgramming(true)));
}

// Sends the editors' settings, checks the acknowledgement and reads the servo back.
void Form1::programServo(bool resetRequested) {
    const QByteArray before = m_link.settingsBlock();
    const QByteArray block = m_link.blockFor(editorValues());
    const link::ProgramOutcome sent = m_link.programPort(cmbCOM->currentIndex(), block);
    if (sent.status == link::ProgramStatus::Error || m_link.cancelled())
        recordWrite(sent, before, block, false);
    if (sent.status == link::ProgramStatus::Error) {
        showLinkError(sent.failure, afterFailedProgramming(sent.frameSent));
        // Nothing is programming any more; the editors stay off until Connect finds the servo.
        setProgrammingLook(false);
        return;
    }
    if (sent.status == link::ProgramStatus::WrongAcknowledgement && !m_link.cancelled())
        platform::showMessage(this, link::message(link::ErrorProgrammingText) +
                                        QStringLiteral("\n\n") + afterFailedProgramming(true));
    if (m_link.cancelled()) {
        if (sent.frameSent)
            sayCutOff();
        setProgrammingLook(false);
        return;
    }
    // A read-back that fails says the servo may hold the new settings, and where the old ones are.
    m_readBackNote = afterFailedProgramming(true);
    connectToServo();
    if (m_link.cancelled())
        sayCutOff();
    recordWrite(sent, before, block, true);
    m_readBackNote.clear();
    setEditorFramesEnabled(true);
    setProgrammingLook(false);
    if (resetRequested)
        selectTransmitter(settings::StandardIndex);
}

} // namespace tessaro::app
