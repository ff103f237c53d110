// PROGRAM in the window: its look while it waits, what it tells, the read-back.
#include "support/windowrig.h"

using servoemu::Fault;

class TestProgramming : public QObject {
    Q_OBJECT

private slots:
    void init();
    void lookWhileProgrammingAndAfter_data();
    void lookWhileProgrammingAndAfter();
    void resetEndsWithStandard();

private:
    // LProg's text, then 1 for each of LProg, Fr_Prog, LED_Prog and the editor frames shown and on.
    QString look() const {
        QString on = m_rig->text("LProg") + ' ';
        for (const char *name : {"LProg", "Fr_Prog", "LED_Prog", "Frame1", "Frame9",
                                 "Fr_ThrowSpeed", "Fr_CentreDead", "Fr_Position"})
            on += !m_rig->get(name)->isHidden() && m_rig->get(name)->isEnabled() ? '1' : '0';
        return on;
    }

    std::unique_ptr<WindowRig> m_rig;
};

void TestProgramming::init() {
    m_rig = std::make_unique<WindowRig>();
    QVERIFY(m_rig->openConnected());
    m_rig->servos().at(1).clearReceived();
}

void TestProgramming::lookWhileProgrammingAndAfter_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("box"); // %1: COM1's device
    QTest::addColumn<QString>("after");
    QTest::addColumn<QByteArray>("readBack");
    QTest::newRow("acknowledged") << Fault::None << ""
                                  << "Idle 00011111" << QByteArray("UU");
    QTest::newRow("wrong acknowledgement") << Fault::WrongAck << "Error Programming"
                                           << "Idle 00011111" << QByteArray("UU");
    // Nothing is programming any more; the editors stay off until Connect finds the servo.
    QTest::newRow("cable pulled") << Fault::Silent << "COM1 (%1): the device was disconnected"
                                  << "Idle 00000000" << QByteArray();
}

void TestProgramming::lookWhileProgrammingAndAfter() {
    QFETCH(Fault, fault);
    QFETCH(QString, box);
    QFETCH(QString, after);
    QFETCH(QByteArray, readBack);
    m_rig->servos().at(1).setFault(fault, 1);
    m_rig->setValue("ScrollPosition", 45);
    QString during;
    QTimer::singleShot(0, [&] {
        during = look();
        if (fault == Fault::Silent)
            m_rig->servos().pullCable(1);
    });
    m_rig->click("CProgram");
    QCOMPARE(during, QStringLiteral("Programming 11100000"));
    QCOMPARE(look(), after);
    QCOMPARE(m_rig->boxes.join('|'), box.replace("%1", m_rig->servos().path(1)));
    QVERIFY(m_rig->plainBoxes);
    const QByteArray received = m_rig->servos().at(1).received();
    QCOMPARE(received.mid(9, 4), QByteArray("079E")); // test position 45: 1950 us
    QCOMPARE(received.mid(protocol::FrameLength), readBack);
}

void TestProgramming::resetEndsWithStandard() {
    m_rig->setValue("ScrollCentre", -5);
    m_rig->get("Check1")->setProperty("checked", true);
    m_rig->get("CkReset")->setProperty("checked", true);
    m_rig->click("CProgram");
    QCOMPARE(m_rig->servos().at(1).received().left(protocol::FrameLength),
             protocol::buildFrame("1234567805D75A64FB01020100000000"));
    QCOMPARE(m_rig->text("CmbServo"), QStringLiteral("Standard"));
    QCOMPARE(QList({m_rig->value("ScrollThrow"), m_rig->value("ScrollCentre")}), QList({90, 0}));
    QCOMPARE(m_rig->text("CProgram"), QStringLiteral("PROGRAM"));
    QVERIFY(m_rig->boxes.isEmpty());
}

QTEST_MAIN(TestProgramming)
#include "tst_programming.moc"
