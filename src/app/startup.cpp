#include "app/form1.h"
#include "platform/ledcircle.h"
#include "settings/editorranges.h"
#include "settings/presets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace tessaro::app {

void Form1::Form_Load() {
    // 1. The background is set on every control as it is made (buildControls).
    // 2. Reference values.
    m_state = gauges::GaugeInputs{}; // the test range is UpdateThrow's, just below
    // 3. Throw gauge, test-position range and readouts.
    UpdateThrow();
    // 4. to 7. The other gauges at the editors' values.
    for (const FieldBinding &b : fieldBindings())
        if (b.bar && b.gauge != gauges::GaugeId::Throw)
            showGauge(b, shownOnGauge(b, (this->*b.bar)->value()));
    DrawPositionChart(static_cast<qint16>(ScrollPosition->value()));
    // 8. The tick timer is the link's, stopped until a wait needs it.
    // 9. to 13. The "Not connected" state.
    cmbCOM->hide();
    setEditorGroupsEnabled(false);
    LED1->hide();
    LED_Prog->hide();
    LProg->setText(tr("Idle"));
    LProg->setEnabled(false);
    Fr_Prog->setEnabled(false);
    CmbServo->setEnabled(false);
    // The list is read by index, never by its text.
    CmbServo->addItems(settings::shownTxEntryNames());
    CmbServo->setCurrentIndex(-1);
    // 14. and 15. The link starts with eight blanks for a name.
    LServoName->clear();
    LServoRev->clear();
    // 16. The servo picture for the Reverse box's value.
    Check1_Click();
    // 17. The link sets the line when it is made; the port is polled.
    // 18.
    FindComPorts();
    // The keyboard starts on Connect.
    Connect->setFocus();
}

// Its focus frame shows from the start, as after a Tab; showing the window clears the flag.
void Form1::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    setAttribute(Qt::WA_KeyboardFocusChange);
}

} // namespace tessaro::app
