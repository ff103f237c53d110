// The window over a virtual servo on a real pty in the test's own folder: one
// window for the cases in their order, connected at the start.
#include "settings/backups.h"
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

    // PROGRAM reads the servo on the port first: another one swapped in (its link
    // replaced) or none answering gets nothing; the same one changed meanwhile is
    // backed up as it is now.
    void programReadsTheServoFirst_data() {
        QTest::addColumn<QByteArray>("there"); // "": silent
        QTest::addColumn<QString>("box");
        QTest::newRow("another servo") << QByteArray("OTHERSRV05DC78320A00100000000000")
                                       << "Another servo is on COM1 now, not the \"12345678\"";
        QTest::newRow("changed behind the window")
            << QByteArray("1234567805DC78500000020000000000") << "";
        QTest::newRow("no servo") << QByteArray() << "No servo answered on COM1. Nothing was sent.";
    }
    void programReadsTheServoFirst() {
        QFETCH(QByteArray, there);
        QFETCH(QString, box);
        const auto other =
            startPtyServo(m_rig->folder(), 0, there.isEmpty() ? ExampleBlock : there,
                          there.isEmpty() ? servoemu::Fault::Silent : servoemu::Fault::None);
        QVERIFY(other && other->publishAs(1, true).isEmpty());
        m_rig->click("CProgram");
        QCOMPARE(m_rig->boxes.texts.value(0).left(box.size()), box);
        QCOMPARE(other->programmingFrameCount(), box.isEmpty() ? 1 : 0);
        const auto kept = settings::listBackups();
        QCOMPARE(!kept.empty() && settings::loadSettings(kept.back().path).settings->block == there,
                 box.isEmpty());
        QVERIFY(m_servo->received().isEmpty() && m_servo->publishAs(1, true).isEmpty());
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
        QVERIFY(m_rig->text("LServoName") == "Not found" && !m_rig->editorsEnabled());
        QVERIFY(!QFileInfo(m_rig->folder() + "/COM1").isSymLink()); // the adapter's link went
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
