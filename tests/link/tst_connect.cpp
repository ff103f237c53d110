// Connect against virtual servos on real pseudo-terminals.
#include "app/form1.h"
#include "gauges/drawcharts.h"
#include "link/messages.h"
#include "link/protocol.h"
#include "platform/chartviewer.h"
#include "platform/ledcircle.h"
#include "support/messageboxcatcher.h"
#include "support/servorig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSerialPort>
#include <QTest>
#include <QTimer>

using servoemu::Fault;

namespace {
const QByteArray Request(1, protocol::ReadRequest);
}

class TestConnect : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void portsListedInOrder();
    void heldPortIsNotListed();
    void servoOnSecondPortStaysSelected();
    void noServoShowsTroubleshooting();
    void troubleshootingTextIsExact();
    void mismatchThenGoodIsFound();
    void endlessMismatchIsBounded();
    void unacceptableReplies_data();
    void unacceptableReplies();
    void vanishedPortReportsAndSearchGoesOn();
    void emptyPortListEndsNotFound();
    void fieldsDecodedIntoWindow();
    void outOfRangeBlockIsRejected();
    void unmovedEditorRedrawnForNewReference();
    void highByteNameShownAndKept();
    void connectDuringWaitIsRefused();
    void closeDuringWaitEndsCleanly();

private:
    void makeWindow();
    bool groupsEnabled() const;

    std::unique_ptr<ServoRig> m_rig;
    std::unique_ptr<Form1> m_form;
    std::unique_ptr<MessageBoxCatcher> m_boxes;
};

void TestConnect::init() {
    m_rig = std::make_unique<ServoRig>();
    m_boxes = std::make_unique<MessageBoxCatcher>();
}

void TestConnect::cleanup() {
    m_form.reset();
    m_rig.reset();
    m_boxes.reset();
}

void TestConnect::makeWindow() {
    m_form = std::make_unique<Form1>();
    m_form->show();
}

bool TestConnect::groupsEnabled() const {
    return m_form->Frame1->isEnabled() && m_form->Frame9->isEnabled() &&
           m_form->Fr_ThrowSpeed->isEnabled() && m_form->Fr_CentreDead->isEnabled() &&
           m_form->Fr_Position->isEnabled() && m_form->CProgram->isEnabled() &&
           m_form->CkReset->isEnabled();
}

void TestConnect::portsListedInOrder() {
    QVERIFY(m_rig->add(7, {ExampleBlock}));
    QVERIFY(m_rig->add(3, {ExampleBlock}));
    QVERIFY(m_rig->add(21, {ExampleBlock}));
    makeWindow();
    QCOMPARE(m_form->cmbCOM->count(), 3);
    QCOMPARE(m_form->cmbCOM->itemText(0), QStringLiteral("COM3"));
    QCOMPARE(m_form->cmbCOM->itemText(1), QStringLiteral("COM7"));
    QCOMPARE(m_form->cmbCOM->itemText(2), QStringLiteral("COM21"));
    QCOMPARE(m_form->cmbCOM->currentIndex(), 0);
    QCOMPARE(m_form->PortTable[0], 3);
    QCOMPARE(m_form->PortTable[1], 7);
    QCOMPARE(m_form->PortTable[2], 21);
    QCOMPARE(m_form->PortTable[3], 0);
    QVERIFY(m_boxes->texts.isEmpty());
}

void TestConnect::heldPortIsNotListed() {
    QVERIFY(m_rig->add(2, {ExampleBlock}));
    auto *held = m_rig->add(5, {ExampleBlock});
    QVERIFY(held);
    QSerialPort other(held->linkPath());
    QVERIFY(other.open(QIODevice::ReadWrite));
    makeWindow();
    QCOMPARE(m_form->cmbCOM->count(), 1);
    QCOMPARE(m_form->cmbCOM->itemText(0), QStringLiteral("COM2"));
}

void TestConnect::servoOnSecondPortStaysSelected() {
    QVERIFY(m_rig->add(3, {ExampleBlock, Fault::Silent}));
    QVERIFY(m_rig->add(7, {ExampleBlock}));
    makeWindow();
    m_form->Connect_Click();
    QCOMPARE(m_form->cmbCOM->currentText(), QStringLiteral("COM7"));
    QCOMPARE(m_rig->at(3)->received(), Request);
    QCOMPARE(m_rig->at(7)->received(), Request + Request);
    QCOMPARE(m_form->ServoFound, 2);
    QCOMPARE(m_form->LServoName->text(), QStringLiteral("12345678"));
    QCOMPARE(m_form->LServoRev->text(), QStringLiteral("Korvane Digital Servo Firmware Revision"));
    QVERIFY(groupsEnabled());
    QVERIFY(m_form->CmbServo->isEnabled());
    QVERIFY(!m_form->LED1->isHidden());
    QVERIFY(m_form->cmbCOM->isHidden());
    QVERIFY(!m_form->MSComm1.portOpen());
    QVERIFY(m_boxes->texts.isEmpty());
}

void TestConnect::noServoShowsTroubleshooting() {
    QVERIFY(m_rig->add(1, {ExampleBlock, Fault::Silent}));
    QVERIFY(m_rig->add(2, {ExampleBlock, Fault::Silent}));
    makeWindow();
    m_form->Connect_Click();
    QCOMPARE(m_boxes->texts, QStringList{messages::troubleshooting()});
    QCOMPARE(m_boxes->titles, QStringList{QStringLiteral("Tessaro")});
    QCOMPARE(m_boxes->buttonCounts, QList<int>{1});
    QCOMPARE(m_form->LServoName->text(), QStringLiteral("Not found"));
    QVERIFY(!groupsEnabled());
    QVERIFY(!m_form->cmbCOM->isHidden());
    QVERIFY(m_form->LED1->isHidden());
    // Each port once in the search, the last one again by the final read.
    QCOMPARE(m_rig->at(1)->received(), Request);
    QCOMPARE(m_rig->at(2)->received(), Request + Request);
}

void TestConnect::troubleshootingTextIsExact() {
    const QString text = messages::troubleshooting();
    const QStringList lines = text.split(QLatin1Char('\r'));
    QCOMPARE(lines.size(), 16);
    QVERIFY(!text.contains(QLatin1Char('\n')));
    QCOMPARE(lines[0], QStringLiteral("SERVO NOT DETECTED!"));
    QCOMPARE(lines[2], QStringLiteral("\u2022 Check connection of cable to PC and Servo"));
    QCOMPARE(lines[9], QStringLiteral("  Should have in 'Ports' section:"));
    QCOMPARE(lines[11], QStringLiteral("      \u2022 if so, note the COM port number"));
    QCOMPARE(lines[15], QStringLiteral("      \u2022 if not, uninstall and reinstall USB drivers"));
    QCOMPARE(lines[1] + lines[5] + lines[7], QString());
}

void TestConnect::mismatchThenGoodIsFound() {
    QVERIFY(m_rig->add(4, {ExampleBlock, Fault::WrongChecksum, 1}));
    makeWindow();
    m_form->Connect_Click();
    QCOMPARE(m_form->ServoFound, 2);
    QCOMPARE(m_rig->at(4)->received(), Request + Request + Request);
    QCOMPARE(m_form->SettingsBlock, ExampleBlock);
}

void TestConnect::endlessMismatchIsBounded() {
    QVERIFY(m_rig->add(4, {ExampleBlock, Fault::WrongChecksum}));
    makeWindow();
    m_form->Connect_Click();
    QCOMPARE(m_form->LServoName->text(), QStringLiteral("Not found"));
    // One request and five repeats in the search, as many in the final read.
    QCOMPARE(m_rig->at(4)->received(), Request.repeated(2 * (1 + protocol::MaxChecksumRetries)));
    QVERIFY(m_form->SettingsBlock.isEmpty());
    QCOMPARE(m_boxes->texts, QStringList{messages::troubleshooting()});
}

void TestConnect::unacceptableReplies_data() {
    QTest::addColumn<int>("fault");
    QTest::newRow("lower-case checksum") << int(Fault::LowerCaseChecksum);
    QTest::newRow("35 bytes") << int(Fault::Short35);
    QTest::newRow("37 bytes") << int(Fault::Long37);
    QTest::newRow("early reply") << int(Fault::EarlyReply);
}

void TestConnect::unacceptableReplies() {
    QFETCH(int, fault);
    // A block whose checksum has letters, so the lower-case fault shows.
    // Unpaced, so a 37-byte reply is all there when the wait counts it.
    QVERIFY(
        m_rig->add(1, {QByteArray("ABCDEFGH05DC5A640000020000000000"), Fault(fault), -1, 100, 0}));
    makeWindow();
    m_form->Connect_Click();
    QCOMPARE(m_form->LServoName->text(), QStringLiteral("Not found"));
    QVERIFY(m_form->SettingsBlock.isEmpty());
    QVERIFY(!groupsEnabled());
}

void TestConnect::vanishedPortReportsAndSearchGoesOn() {
    QVERIFY(m_rig->add(2, {ExampleBlock}));
    QVERIFY(m_rig->add(4, {ExampleBlock}));
    makeWindow();
    m_rig->at(2)->pullCable();
    m_form->Connect_Click();
    QCOMPARE(m_boxes->texts.size(), 1);
    QVERIFY2(m_boxes->texts[0].startsWith(QStringLiteral("COM2")), qPrintable(m_boxes->texts[0]));
    QCOMPARE(m_boxes->titles[0], QStringLiteral("Tessaro"));
    QCOMPARE(m_form->cmbCOM->currentText(), QStringLiteral("COM4"));
    QCOMPARE(m_form->ServoFound, 2);
}

void TestConnect::emptyPortListEndsNotFound() {
    makeWindow();
    QCOMPARE(m_form->cmbCOM->count(), 0);
    m_form->Connect_Click();
    QCOMPARE(m_boxes->texts, QStringList{QString::fromLatin1(messages::NoPortSelected)});
    QCOMPARE(m_form->LServoName->text(), QStringLiteral("Not found"));
    QVERIFY(!m_form->cmbCOM->isHidden());
}

void TestConnect::fieldsDecodedIntoWindow() {
    QVERIFY(m_rig->add(1, {QByteArray("1234567805D78C32FB01100100000000")}));
    makeWindow();
    m_form->Connect_Click();
    QCOMPARE(m_form->RefThrow, 140);
    QCOMPARE(m_form->RefSpeed, 50);
    QCOMPARE(m_form->RefCentre, -5);
    QCOMPARE(m_form->RefDeadband, qint16(16));
    QCOMPARE(m_form->ScrollThrow->value(), 140);
    QCOMPARE(m_form->ScrollSpeed->value(), 50);
    QCOMPARE(m_form->ScrollCentre->value(), -5);
    QCOMPARE(m_form->ScrollDeadband->value(), 16);
    QCOMPARE(m_form->Check1->checkState(), Qt::Checked);
    QCOMPARE(m_form->CkReset->checkState(), Qt::Checked);
    QCOMPARE(m_form->BlockTail, QByteArray("00000000"));
}

void TestConnect::outOfRangeBlockIsRejected() {
    QVERIFY(m_rig->add(1, {QByteArray("1234567805DC8D64FB00020000000000")}));
    makeWindow();
    m_form->Connect_Click();
    QCOMPARE(m_boxes->texts.size(), 1);
    QVERIFY2(m_boxes->texts[0].contains(QStringLiteral("throw field: 141")),
             qPrintable(m_boxes->texts[0]));
    QCOMPARE(m_form->LServoName->text(), QStringLiteral("Not found"));
    QVERIFY(!groupsEnabled());
    QVERIFY(m_form->LED1->isHidden());
    QVERIFY(m_form->SettingsBlock.isEmpty());
    QCOMPARE(m_form->RefThrow, 90);
    QCOMPARE(m_form->ScrollCentre->value(), 0);
}

void TestConnect::unmovedEditorRedrawnForNewReference() {
    // The centre editor already stands at the servo's value, so no change handling runs;
    // the gauge must still be redrawn, now as unchanged.
    QVERIFY(m_rig->add(1, {QByteArray("1234567805E15A640500020000000000")}));
    makeWindow();
    m_form->ScrollCentre->setValue(5);
    const QImage edited = m_form->ChartCentre->picture();
    m_form->Connect_Click();
    QCOMPARE(m_form->RefCentre, 5);
    const auto &centre = gauges::gaugeParams(gauges::GaugeId::Centre);
    QVERIFY(m_form->ChartCentre->picture() != edited);
    QCOMPARE(m_form->ChartCentre->picture(),
             gauges::drawGauge(centre, 1505, gaugeInputs(*m_form),
                               m_form->ChartCentre->devicePixelRatioF()));
}

void TestConnect::highByteNameShownAndKept() {
    const QByteArray name("\xC9l\xE8ve\x80\x99!", 8);
    QVERIFY(m_rig->add(1, {name + QByteArray("05DC5A640000020000000000")}));
    makeWindow();
    m_form->Connect_Click();
    QCOMPARE(m_form->ServoName, name);
    QCOMPARE(m_form->LServoName->text(), QStringLiteral("\u00C9l\u00E8ve\u20AC\u2122!"));
}

void TestConnect::connectDuringWaitIsRefused() {
    QVERIFY(m_rig->add(1, {ExampleBlock}));
    makeWindow();
    QTimer::singleShot(30, m_form.get(), [this] { m_form->Connect_Click(); });
    m_form->Connect_Click();
    QCOMPARE(m_form->ServoFound, 2);
    m_rig->waitIdle();
    QCOMPARE(m_rig->at(1)->received(), Request + Request);
}

void TestConnect::closeDuringWaitEndsCleanly() {
    QVERIFY(m_rig->add(1, {ExampleBlock, Fault::Silent}));
    makeWindow();
    QTimer::singleShot(30, m_form.get(), [this] { m_form->Close->click(); });
    m_form->Connect_Click();
    QCOMPARE(m_rig->at(1)->received(), Request);
    QVERIFY(m_boxes->texts.isEmpty());
    QVERIFY(!m_form->MSComm1.portOpen());
    QTRY_VERIFY(!m_form->isVisible());
}

QTEST_MAIN(TestConnect)
#include "tst_connect.moc"
