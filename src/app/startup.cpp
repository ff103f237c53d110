#include "app/form1.h"
#include "link/protocol.h"
#include "platform/ledcircle.h"
#include "settings/presets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {
const QStringList TransmitterEntries = {QStringLiteral("Unknown"), QStringLiteral("Standard"),
                                        QStringLiteral("Futaba"),  QStringLiteral("Hitec"),
                                        QStringLiteral("JR"),      QStringLiteral("Multiplex")};
constexpr int StartThrow = 90;
constexpr int StartCentre = 0;
constexpr int StartSpeed = 100;
constexpr qint16 StartDeadband = 2;
} // namespace

void Form1::Form_Load() {
    // 1. The background is set on every control as it is made (buildControls).
    // 2. Reference values.
    RefThrow = StartThrow;
    RefCentre = StartCentre;
    RefSpeed = StartSpeed;
    RefDeadband = StartDeadband;
    ThrowScale = presets::DefaultThrowScale;
    // 3. Throw gauge, test-position range and readouts.
    UpdateThrow();
    // 4. to 7. The other gauges at the editors' values.
    DrawSpeedChart(static_cast<qint16>(ScrollSpeed->value()));
    DrawCentreChart(static_cast<qint16>(1500 + ScrollCentre->value()));
    DrawDeadbandChart(static_cast<qint16>(ScrollDeadband->value()));
    DrawPositionChart(static_cast<qint16>(ScrollPosition->value()));
    // 8. The tick timer, stopped until a wait needs it.
    Timer1.setInterval(protocol::TickMs);
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.stop();
    // 9. to 13. The "Not connected" state.
    cmbCOM->hide();
    setEditorGroupsEnabled(false);
    LED1->hide();
    LED_Prog->hide();
    LProg->setText(QStringLiteral("Idle"));
    LProg->setEnabled(false);
    Fr_Prog->setEnabled(false);
    CmbServo->setEnabled(false);
    CmbServo->addItems(TransmitterEntries);
    CmbServo->setCurrentIndex(-1);
    // 14. and 15.
    TickCount = 0;
    ServoName = QByteArray(8, ' ');
    LServoName->clear();
    LServoRev->clear();
    // 16. The servo picture for the Reverse box's value.
    Check1_Click();
    // 17. Line settings; the port is polled, so no notifications.
    MSComm1.setRThreshold(0);
    MSComm1.setSettings(QStringLiteral("19200,N,8,1"));
    MSComm1.setInputMode(1);
    MSComm1.setSThreshold(0);
    // 18.
    FindComPorts();
}
