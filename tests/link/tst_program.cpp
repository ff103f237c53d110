// PROGRAM and RESET into a virtual servo, checked by the bytes it received.
#include "app/form1.h"
#include "link/messages.h"
#include "link/protocol.h"
#include "platform/ledcircle.h"
#include "support/messageboxcatcher.h"
#include "support/servorig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using servoemu::Fault;

class TestProgram : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void unchangedSettingsGoOutExactly();
    void resetFrameAndStandardAfterwards();
    void testPulseWidthTravelsInFrame();
    void badAcknowledgement_data();
    void badAcknowledgement();
    void vanishedPortReturnsToIdleLook();
    void secondPressDuringWaitIsRefused();
    void connectAndPresetsLockedDuringWait();
    void closeDuringAcknowledgementWait();

private:
    QByteArray sentFrame() const;

    std::unique_ptr<ServoRig> m_rig;
    std::unique_ptr<Form1> m_form;
    std::unique_ptr<MessageBoxCatcher> m_boxes;
    servoemu::ServoEmulator *m_servo = nullptr;
};

void TestProgram::init() {
    m_rig = std::make_unique<ServoRig>();
    m_servo = m_rig->add(1, {ExampleBlock});
    QVERIFY(m_servo);
    m_form = std::make_unique<Form1>();
    m_form->show();
    m_boxes = std::make_unique<MessageBoxCatcher>();
    m_form->Connect_Click();
    QCOMPARE(m_form->ServoFound, 2);
    m_servo->clearReceived();
}

void TestProgram::cleanup() {
    m_form.reset();
    m_rig.reset();
    m_boxes.reset();
}

QByteArray TestProgram::sentFrame() const {
    return m_servo->received().left(protocol::FrameLength);
}

void TestProgram::unchangedSettingsGoOutExactly() {
    m_form->CProgram_Click();
    QCOMPARE(sentFrame(), QByteArray("\x0C"
                                     "1234567805DC5A640000020000000000"
                                     "72"
                                     "\x0D"));
    // Read back afterwards: the search and the final read.
    QCOMPARE(m_servo->received().mid(protocol::FrameLength), QByteArray("UU"));
    QVERIFY(m_boxes->texts.isEmpty());
    QCOMPARE(m_form->LProg->text(), QStringLiteral("Idle"));
    QVERIFY(m_form->LED_Prog->isHidden());
    QVERIFY(!m_form->Fr_Prog->isEnabled());
    QVERIFY(m_form->Fr_ThrowSpeed->isEnabled());
    QVERIFY(m_form->CProgram->isEnabled());
}

void TestProgram::resetFrameAndStandardAfterwards() {
    m_form->ScrollCentre->setValue(-5);
    m_form->Check1->setCheckState(Qt::Checked);
    m_form->CkReset->setCheckState(Qt::Checked);
    QCOMPARE(m_form->CProgram->text(), QStringLiteral("RESET"));
    m_form->CProgram_Click();
    QCOMPARE(sentFrame(), QByteArray("\x0C"
                                     "1234567805D75A64FB01020100000000"
                                     "90"
                                     "\x0D"));
    // The servo restored its defaults; the window then chose "Standard".
    QCOMPARE(m_form->CmbServo->currentIndex(), 1);
    QCOMPARE(m_form->CmbServo->currentText(), QStringLiteral("Standard"));
    QCOMPARE(m_form->ScrollThrow->value(), 90);
    QCOMPARE(m_form->ScrollCentre->value(), 0);
    QCOMPARE(m_form->CkReset->checkState(), Qt::Unchecked);
    QCOMPARE(m_form->CProgram->text(), QStringLiteral("PROGRAM"));
    QVERIFY(m_boxes->texts.isEmpty());
}

void TestProgram::testPulseWidthTravelsInFrame() {
    m_form->ScrollPosition->setValue(45);
    m_form->CProgram_Click();
    QCOMPARE(sentFrame().mid(9, 4), QByteArray("079E"));
}

void TestProgram::badAcknowledgement_data() {
    QTest::addColumn<int>("fault");
    QTest::newRow("wrong") << int(Fault::WrongAck);
    QTest::newRow("none") << int(Fault::NoAck);
    QTest::newRow("one byte") << int(Fault::ShortAck);
    QTest::newRow("three bytes") << int(Fault::LongAck);
    QTest::newRow("lower case") << int(Fault::LowerCaseAck);
}

void TestProgram::badAcknowledgement() {
    QFETCH(int, fault);
    // A block whose checksum has letters, so the lower-case fault shows.
    m_form->ScrollThrow->setValue(32);
    m_servo->setFault(Fault(fault), 1);
    m_servo->setByteTimeUs(0);
    m_form->CProgram_Click();
    QCOMPARE(m_boxes->texts, QStringList{QStringLiteral("Error Programming")});
    QCOMPARE(m_boxes->titles, QStringList{QStringLiteral("Tessaro")});
    // The run still reads the servo back and returns to Idle.
    QCOMPARE(m_form->ServoFound, 2);
    QCOMPARE(m_form->LProg->text(), QStringLiteral("Idle"));
    QVERIFY(m_form->LED_Prog->isHidden());
}

void TestProgram::vanishedPortReturnsToIdleLook() {
    m_servo->pullCable();
    m_form->CProgram_Click();
    QCOMPARE(m_boxes->texts.size(), 1);
    QVERIFY2(m_boxes->texts[0].startsWith(QStringLiteral("COM1")), qPrintable(m_boxes->texts[0]));
    QCOMPARE(m_form->LProg->text(), QStringLiteral("Idle"));
    QVERIFY(m_form->LED_Prog->isHidden());
    QVERIFY(!m_form->Fr_Prog->isEnabled());
    QVERIFY(!m_form->Fr_ThrowSpeed->isEnabled());
    QVERIFY(!m_form->Frame1->isEnabled());
    QVERIFY(!m_form->MSComm1.portOpen());

    QVERIFY(m_servo->plugBack());
    m_form->Connect_Click();
    QCOMPARE(m_form->ServoFound, 2);
    QVERIFY(m_form->Fr_ThrowSpeed->isEnabled());
    QVERIFY(m_form->Frame1->isEnabled());
}

void TestProgram::secondPressDuringWaitIsRefused() {
    QTimer::singleShot(20, m_form.get(), [this] { m_form->CProgram_Click(); });
    m_form->CProgram_Click();
    m_rig->waitIdle();
    QCOMPARE(m_servo->programmingFrameCount(), 1);
    QCOMPARE(m_servo->received().count(protocol::StartByte), 1);
}

void TestProgram::connectAndPresetsLockedDuringWait() {
    m_form->ScrollCentre->setValue(-5);
    QTimer::singleShot(20, m_form.get(), [this] {
        m_form->Connect_Click();
        m_form->CmbServo->setCurrentIndex(2);
        emit m_form->CmbServo->activated(2);
    });
    m_form->CProgram_Click();
    m_rig->waitIdle();
    QCOMPARE(sentFrame().mid(17, 2), QByteArray("FB"));
    QCOMPARE(m_servo->received().mid(protocol::FrameLength), QByteArray("UU"));
    // The refused preset left the list as it was.
    QCOMPARE(m_form->CmbServo->currentIndex(), -1);
    QCOMPARE(m_form->ScrollCentre->value(), -5);
}

void TestProgram::closeDuringAcknowledgementWait() {
    m_servo->setFault(Fault::NoAck);
    QTimer::singleShot(20, m_form.get(), [this] { m_form->Frm_Exit_Click(); });
    m_form->CProgram_Click();
    QVERIFY(m_boxes->texts.isEmpty());
    QVERIFY(!m_form->MSComm1.portOpen());
    QCOMPARE(m_servo->received().size(), protocol::FrameLength);
    QTRY_VERIFY(!m_form->isVisible());
}

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
