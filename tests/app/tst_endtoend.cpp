// The window over a virtual servo on a real pty in the test's own folder: one
// window for the cases in their order, connected at the start.
#include "support/windowrig.h"

#include <QSerialPort>

using namespace tessaro;

class TestEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        m_rig = std::make_unique<WindowRig>(true);
        m_servo = startPtyServo(m_rig->folder(), 1);
        QVERIFY(m_servo);
        QVERIFY(m_rig->openConnected());
        QCOMPARE(m_servo->received(), QByteArray("UU"));
    }

    void init() {
        QVERIFY(m_servo->waitForIdle(1000));
        m_servo->clearReceived();
        m_rig->boxes.texts.clear();
    }

    void programAndReadBack() {
        m_rig->setValue("ScrollCentre", -5);
        m_rig->click("CProgram");
        const QByteArray block("1234567805D75A64FB00020000000000");
        QCOMPARE(m_servo->received(), link::buildFrame(block) + "UU");
        QCOMPARE(m_servo->block(), block);
        QVERIFY(m_rig->boxes.texts.isEmpty());
    }

    void portHeldByAnotherProgramIsInUse() {
        QSerialPort holder(m_rig->folder() + "/COM1");
        QVERIFY(holder.open(QIODevice::ReadWrite));
        m_rig->click("Connect");
        const QString said = m_rig->boxes.texts.value(0);
        QVERIFY2(said.startsWith("COM1 (" + holder.portName() + "): The adapter") &&
                     said.contains(QStringLiteral("held by another program: tst_endtoend (pid %1)")
                                       .arg(QCoreApplication::applicationPid())),
                 qPrintable(said));
        QVERIFY(m_servo->received().isEmpty());
    }

    void pulledCableThenPluggedBack() {
        QTimer::singleShot(0, [this] { m_servo->pullCable(); });
        m_rig->click("Connect");
        QCOMPARE(m_rig->boxes.texts.value(0),
                 "COM1 (" + m_rig->folder() + "/COM1): the device was disconnected");
        QVERIFY(m_rig->text("LServoName") == "Not found" && !m_rig->editorsEnabled());
        QCOMPARE(m_servo->plugBack(), QString());
        m_rig->boxes.texts.clear();
        m_rig->click("Connect");
        QCOMPARE(m_rig->text("LServoName"), QStringLiteral("12345678"));
        QVERIFY(m_rig->boxes.texts.isEmpty() && m_rig->editorsEnabled());
    }

private:
    std::unique_ptr<WindowRig> m_rig;
    std::unique_ptr<servoemu::ServoEmulator> m_servo;
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
