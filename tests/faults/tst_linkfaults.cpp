// What a hobbyist's bench does to the link: cables pulled, slow and noisy
// lines, a port someone else holds, the window closed mid-wait.
#include "app/form1.h"
#include "link/protocol.h"
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

class TestLinkFaults : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cablePulledDuringRead();
    void cablePulledDuringProgramming();
    void dribbledReply_data();
    void dribbledReply();
    void noiseBeforeTheReplyIsDiscarded();
    void noiseAfterTheFrameIsNoReply();
    void portHeldByAnotherProgram();
    void closedDuringEachWait_data();
    void closedDuringEachWait();

private:
    void makeWindow();

    std::unique_ptr<ServoRig> m_rig;
    std::unique_ptr<Form1> m_form;
    std::unique_ptr<MessageBoxCatcher> m_boxes;
};

void TestLinkFaults::init() {
    m_rig = std::make_unique<ServoRig>();
    m_boxes = std::make_unique<MessageBoxCatcher>();
}

void TestLinkFaults::cleanup() {
    m_form.reset();
    m_rig.reset();
    m_boxes.reset();
}

void TestLinkFaults::makeWindow() {
    m_form = std::make_unique<Form1>();
    m_form->show();
}

void TestLinkFaults::cablePulledDuringRead() {
    auto *servo = m_rig->add(1, {ExampleBlock});
    QVERIFY(servo);
    servo->setReplyDelayMs(400);
    makeWindow();
    QTimer::singleShot(200, m_form.get(), [servo] { servo->pullCable(); });
    m_form->Connect_Click();
    QVERIFY(!m_boxes->texts.isEmpty());
    QVERIFY2(m_boxes->texts[0].contains(QStringLiteral("disconnected")),
             qPrintable(m_boxes->texts[0]));
    QVERIFY(!m_form->MSComm1.portOpen());
    QCOMPARE(m_form->LServoName->text(), QStringLiteral("Not found"));

    QVERIFY(servo->plugBack());
    servo->setReplyDelayMs(ServoRig::ReplyDelayMs);
    m_boxes->texts.clear();
    m_form->Connect_Click();
    QCOMPARE(m_form->ServoFound, 2);
    QVERIFY(m_boxes->texts.isEmpty());
}

void TestLinkFaults::cablePulledDuringProgramming() {
    auto *servo = m_rig->add(1, {ExampleBlock});
    QVERIFY(servo);
    makeWindow();
    m_form->Connect_Click();
    QCOMPARE(m_form->ServoFound, 2);
    servo->setFault(Fault::NoAck);
    QTimer::singleShot(150, m_form.get(), [servo] { servo->pullCable(); });
    m_form->CProgram_Click();
    // Never reported as programmed: the serial layer's message, then the Idle look.
    QVERIFY(!m_boxes->texts.isEmpty());
    QVERIFY2(m_boxes->texts.join(QLatin1Char(' ')).contains(QStringLiteral("disconnected")),
             qPrintable(m_boxes->texts.join(QStringLiteral(" | "))));
    QCOMPARE(m_form->LProg->text(), QStringLiteral("Idle"));
    QVERIFY(!m_form->MSComm1.portOpen());

    QVERIFY(servo->plugBack());
    servo->setFault(Fault::None);
    m_form->Connect_Click();
    QCOMPARE(m_form->ServoFound, 2);
    QVERIFY(m_form->CProgram->isEnabled() && m_form->Frame1->isEnabled());
}

void TestLinkFaults::dribbledReply_data() {
    QTest::addColumn<int>("byteTimeUs");
    QTest::addColumn<int>("found");
    // After the 250 ms reply delay, 36 bytes at 5 ms each end well inside the wait
    // (580 ms); at 20 ms each they do not.
    QTest::newRow("complete in time") << 5000 << 2;
    QTest::newRow("too slow") << 20000 << 0;
}

void TestLinkFaults::dribbledReply() {
    QFETCH(int, byteTimeUs);
    QFETCH(int, found);
    auto *servo = m_rig->add(1, {ExampleBlock});
    QVERIFY(servo);
    servo->setByteTimeUs(byteTimeUs);
    makeWindow();
    QCOMPARE(m_form->Chk_Servo(0), found);
    m_rig->waitIdle();
}

void TestLinkFaults::noiseBeforeTheReplyIsDiscarded() {
    auto *servo = m_rig->add(1, {ExampleBlock});
    QVERIFY(servo);
    makeWindow();
    servo->sendRaw(QByteArray("\x0C\xFF\x00garbage\x0D", 11));
    m_form->Connect_Click();
    QCOMPARE(m_form->ServoFound, 2);
    QCOMPARE(m_form->SettingsBlock, ExampleBlock);
}

void TestLinkFaults::noiseAfterTheFrameIsNoReply() {
    auto *servo = m_rig->add(1, {ExampleBlock, Fault::Long37, -1, 100, 0});
    QVERIFY(servo);
    makeWindow();
    QCOMPARE(m_form->Chk_Servo(0), 0);
    QVERIFY(m_form->SettingsBlock.isEmpty());
}

void TestLinkFaults::portHeldByAnotherProgram() {
    auto *servo = m_rig->add(2, {ExampleBlock});
    QVERIFY(servo);
    QVERIFY(m_rig->add(3, {ExampleBlock}));
    makeWindow();
    QSerialPort other(servo->linkPath());
    QVERIFY(other.open(QIODevice::ReadWrite));
    m_form->Connect_Click();
    QCOMPARE(m_boxes->texts.size(), 1);
    QVERIFY2(m_boxes->texts[0].contains(QStringLiteral("in use")), qPrintable(m_boxes->texts[0]));
    QCOMPARE(m_form->cmbCOM->currentText(), QStringLiteral("COM3"));
    QCOMPARE(m_form->ServoFound, 2);
}

void TestLinkFaults::closedDuringEachWait_data() {
    QTest::addColumn<bool>("programming");
    QTest::addColumn<int>("afterMs");
    QTest::addColumn<int>("how");
    // 20 ms: first settle wait; 60 ms: second; 200 ms: the reply wait.
    for (bool programming : {false, true}) {
        for (int afterMs : {20, 60, 200}) {
            for (int how : {0, 1, 2}) {
                const char *names[] = {"Exit", "CLOSE", "close box"};
                QTest::addRow("%s after %d ms, %s", programming ? "PROGRAM" : "Connect", afterMs,
                              names[how])
                    << programming << afterMs << how;
            }
        }
    }
}

void TestLinkFaults::closedDuringEachWait() {
    QFETCH(bool, programming);
    QFETCH(int, afterMs);
    QFETCH(int, how);
    auto *servo = m_rig->add(1, {ExampleBlock});
    QVERIFY(servo);
    makeWindow();
    if (programming) {
        m_form->Connect_Click();
        QCOMPARE(m_form->ServoFound, 2);
    }
    servo->setFault(Fault::Silent);
    servo->clearReceived();
    QTimer::singleShot(afterMs, m_form.get(), [this, how] {
        if (how == 0)
            m_form->Frm_Exit->trigger();
        else if (how == 1)
            m_form->Close->click();
        else
            m_form->close();
    });
    programming ? m_form->CProgram_Click() : m_form->Connect_Click();
    QVERIFY(m_boxes->texts.isEmpty());
    QVERIFY(!m_form->MSComm1.portOpen());
    QVERIFY(!m_form->linkBusy());
    QTRY_VERIFY(!m_form->isVisible());
    // Nothing more went out after the close: one request, or one frame.
    QCOMPARE(servo->received().size(), programming ? protocol::FrameLength : 1);
}

QTEST_MAIN(TestLinkFaults)
#include "tst_linkfaults.moc"
