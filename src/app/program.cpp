#include "app/checkvalue.h"
#include "app/form1.h"
#include "app/linkexchange.h"
#include "link/messages.h"
#include "platform/ledcircle.h"
#include "platform/messagebox.h"
#include "settings/backups.h"
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
    const bool resetRequested = CkReset->checkState() == Qt::Checked;
    setEditorFramesEnabled(false);
    setProgrammingLook(true);
    programServo(resetRequested);
}

settings::EditorValues Form1::editorValues() const {
    return {ScrollPosition->value(),
            HalfThrow,
            {ScrollThrow->value(), ScrollSpeed->value(), ScrollCentre->value(), checkValue(Check1),
             ScrollDeadband->value(), checkValue(CkReset)}};
}

// What the servo held goes to a backup first. The window programs on even
// when that fails, and says so on standard error.
void Form1::backUpServo() {
    const auto held = settings::settingsFromBlock(m_link.settingsBlock());
    const settings::FileFailure failure =
        held ? settings::saveBackup(*held, QDateTime::currentDateTimeUtc()).failure
             : settings::FileFailure{{}, {}, 0, tr("no settings were read from the servo")};
    if (!failure)
        return;
    std::fprintf(stderr, "tessaro: %s\n",
                 qPrintable(tr("no backup was made before programming: %1")
                                .arg(failure.path.isEmpty() ? failure.words : failure.text())));
}

// Sends the editors' settings, checks the acknowledgement and reads the servo back.
void Form1::programServo(bool resetRequested) {
    backUpServo();
    const link::ProgramOutcome sent =
        m_link.programPort(cmbCOM->currentIndex(), m_link.blockFor(editorValues()));
    if (sent.status == link::ProgramStatus::Error) {
        showLinkError(sent.failure);
        // Nothing is programming any more; the editors stay off until Connect finds the servo.
        setProgrammingLook(false);
        return;
    }
    if (sent.status == link::ProgramStatus::WrongAcknowledgement && !m_link.cancelled())
        platform::showMessage(this, link::message(link::ErrorProgrammingText));
    if (m_link.cancelled()) {
        setProgrammingLook(false);
        return;
    }
    connectToServo();
    setEditorFramesEnabled(true);
    setProgrammingLook(false);
    if (resetRequested)
        selectTransmitter(settings::StandardIndex);
}

} // namespace tessaro::app
