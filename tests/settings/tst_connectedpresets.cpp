// Presets, "Unknown" and the editors with a servo connected on a virtual port.
#include "app/form1.h"
#include "settings/presets.h"
#include "support/messageboxcatcher.h"
#include "support/servorig.h"
#include "support/settingswindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <memory>

namespace {
const ServoValues Servo{120, 60, -10, 1, 5, 0};
constexpr int ServoPort = 3;
} // namespace

class ConnectedPresetsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void makeKeepsServoSpeedAndBoxes_data();
    void makeKeepsServoSpeedAndBoxes();
    void unknownRestoresEveryServoValue();
    void editorsAndPresetsSendNothing();

private:
    std::unique_ptr<ServoRig> m_rig;
    std::unique_ptr<MessageBoxCatcher> m_boxes;
    std::unique_ptr<Form1> m_form;
    servoemu::ServoEmulator *m_servo = nullptr;
};

void ConnectedPresetsTest::init() {
    m_rig = std::make_unique<ServoRig>();
    m_servo = m_rig->add(ServoPort, {servoBlock(Servo)});
    QVERIFY(m_servo);
    m_boxes = std::make_unique<MessageBoxCatcher>();
    m_form = std::make_unique<Form1>();
    m_form->Connect_Click();
    QCOMPARE(m_form->LServoName->text(), QString::fromLatin1(TestServoName));
    QCOMPARE(m_form->ScrollThrow->value(), Servo.throwDeg);
}

void ConnectedPresetsTest::cleanup() {
    m_form.reset();
    m_boxes.reset();
    m_rig.reset();
}

void ConnectedPresetsTest::makeKeepsServoSpeedAndBoxes_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("centre");
    QTest::addColumn<int>("barMax");
    QTest::addColumn<QString>("widthAtTop");
    QTest::newRow("Standard") << 1 << 0 << 50 << "2000 uS";
    QTest::newRow("Futaba") << 2 << 22 << 45 << "1972 uS";
    QTest::newRow("Multiplex") << 5 << 100 << 55 << "2150 uS";
}

void ConnectedPresetsTest::makeKeepsServoSpeedAndBoxes() {
    QFETCH(int, index);
    QFETCH(int, barMax);
    Form1 &w = *m_form;
    w.ScrollSpeed->setValue(30);
    chooseTransmitter(w, index);
    QCOMPARE(w.ScrollThrow->value(), 90);
    QTEST(w.ScrollCentre->value(), "centre");
    QCOMPARE(w.ScrollSpeed->value(), Servo.speed);
    QCOMPARE(w.ScrollDeadband->value(), Servo.deadband);
    QVERIFY(w.Check1->isChecked());
    QCOMPARE(w.ScrollPosition->maximum(), barMax);
    QCOMPARE(w.ScrollPosition->minimum(), -barMax);
    w.ScrollPosition->setValue(barMax);
    QTEST(w.TWidth->text(), "widthAtTop");
}

void ConnectedPresetsTest::unknownRestoresEveryServoValue() {
    Form1 &w = *m_form;
    chooseTransmitter(w, 5);
    w.ScrollDeadband->setValue(12);
    w.Check1->click();
    w.CkReset->click();
    chooseTransmitter(w, presets::UnknownIndex);
    QCOMPARE(w.ScrollThrow->value(), Servo.throwDeg);
    QCOMPARE(w.ScrollSpeed->value(), Servo.speed);
    QCOMPARE(w.ScrollCentre->value(), Servo.centre);
    QCOMPARE(w.ScrollDeadband->value(), Servo.deadband);
    QVERIFY(w.Check1->isChecked());
    QVERIFY(!w.CkReset->isChecked());
    QCOMPARE(w.CProgram->text(), QStringLiteral("PROGRAM"));
    QCOMPARE(w.ScrollPosition->maximum(), 67); // 60 x 500/450
    QCOMPARE(w.ServoName, TestServoName);
    QCOMPARE(w.LServoName->text(), QString::fromLatin1(TestServoName));
}

void ConnectedPresetsTest::editorsAndPresetsSendNothing() {
    Form1 &w = *m_form;
    m_rig->waitIdle();
    m_servo->clearReceived();
    for (int i = 0; i < 5; ++i)
        w.ScrollPosition->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    w.ScrollThrow->triggerAction(QAbstractSlider::SliderSingleStepSub);
    w.ScrollCentre->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    chooseTransmitter(w, 2);
    chooseTransmitter(w, presets::UnknownIndex);
    w.Check1->click();
    QCOMPARE(w.LWidth->text(), QStringLiteral("Pulse width for 5 degrees"));
    QVERIFY(!w.MSComm1.portOpen());
    QVERIFY(!m_servo->waitForReceived(1, 300));
    QCOMPARE(m_servo->received(), QByteArray());
    QVERIFY(m_boxes->texts.isEmpty());
}

QTEST_MAIN(ConnectedPresetsTest)
#include "tst_connectedpresets.moc"
