// The window's states: as start-up leaves it, and after Connect, with what it
// tells the user.
#include "link/messages.h"
#include "link/portcauses.h"
#include "support/windowrig.h"

#include <QRegularExpression>

using namespace tessaro;

using servoemu::Fault;

// Name bytes above 0x7F, every field off its start value.
const QByteArray Servo = QByteArray("\xC9l\xE8ve\x80\x99!", 8) + "05D78C32FB01100100000000";

class TestWindowStates : public QObject {
    Q_OBJECT

private slots:
    void notConnectedAtStartUp() {
        WindowRig rig;
        rig.servos().add(1);
        rig.open();
        QCOMPARE(rig.form().windowTitle(), QStringLiteral("Korvane Tessaro"));
        QCOMPARE(rig.onOff({"Frame1", "Frame9", "Fr_ThrowSpeed", "Fr_CentreDead", "Fr_Position",
                            "CProgram", "CkReset", "CmbServo", "Fr_Prog", "LProg", "Connect",
                            "Close", "cmbCOM", "LED1", "LED_Prog"}),
                 QStringLiteral("000000000011000"));
        QVERIFY(!rig.get("cmbCOM")->isVisible() && rig.text("cmbCOM") == QLatin1String("COM1"));
        QCOMPARE(QStringList({rig.text("LProg"), rig.text("LServoName"), rig.text("LServoRev"),
                              rig.text("LWidth"), rig.text("TWidth"), rig.text("TPercent")}),
                 QStringList({"Idle", "", "", "Pulse width for 0 degrees", "1500 uS", "0 %"}));
        QVERIFY(rig.range("ScrollPosition") == "-50..50" && rig.value("ScrollPosition") == 0);
        QCOMPARE(rig.get<QComboBox>("CmbServo")->currentIndex(), -1);
        QVERIFY(rig.form().focusWidget() == rig.get("Connect") &&
                rig.form().testAttribute(Qt::WA_KeyboardFocusChange));
        // The troubleshooting text's lines as their indents and bullets shape them; Linux advice.
        QString shape = link::troubleshootingText();
        for (const char *check :
             {"ls -l /dev/serial/by-id", "sudo dmesg", "cp210x", "dialout", "Save a bug report"})
            QVERIFY(shape.contains(check) && !shape.contains("Windows"));
        QVERIFY(shape.startsWith("SERVO NOT DETECTED!\r\r\u2022 Check connection"));
        shape.replace(QRegularExpression("[^ \u2022\r][^\r]*"), ".");
        QCOMPARE(shape.split('\r').join('|'),
                 ".||\u2022 .|\u2022 .|\u2022 .||.||\u2022 .|  .|      .|      \u2022 ."
                 "|      \u2022 .|  .|      \u2022 .|\u2022 .");
    }

    void stateAfterConnect_data() {
        QTest::addColumn<QByteArray>("block"); // empty: no servo at all
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("com1Refuses"); // an OpenFailure since start-up
        QTest::addColumn<bool>("com2");       // the servo is on COM2 too
        QTest::addColumn<QString>("box");     // %1: COM1's device
        const int busy = int(link::OpenFailure::Busy);
        QTest::newRow("found") << Servo << Fault::None << 0 << false << "";
        QTest::newRow("no reply") << Servo << Fault::Long37 << 0 << false
                                  << link::troubleshootingText();
        // The search stops at the servo whose block is refused.
        QTest::newRow("refused block")
            << QByteArray("1234567805DC8D640000020000000000") << Fault::None << 0 << true
            << link::unshowableSettingsText(QStringLiteral("throw field: 141"));
        QTest::newRow("no port listed")
            << QByteArray() << Fault::None << 0 << false << link::noUsablePortText({});
        QTest::newRow("COM1 in use") << Servo << Fault::None << busy << true << "COM1 (%1): %2";
    }

    void stateAfterConnect() {
        QFETCH(QByteArray, block);
        QFETCH(Fault, fault);
        QFETCH(int, com1Refuses);
        QFETCH(bool, com2);
        QFETCH(QString, box);
        WindowRig rig;
        if (!block.isEmpty())
            rig.servos().add(1, block).setFault(fault);
        if (com2)
            rig.servos().add(2, Servo);
        rig.open();
        if (com1Refuses)
            rig.servos().refuse(1, link::OpenFailure(com1Refuses));
        rig.click("Connect");

        const QString com1 = rig.servos().path(1);
        const auto cause = link::openFailureText(link::OpenFailure(com1Refuses), com1);
        QCOMPARE(rig.boxes.texts.join('|'), box.replace("%1", com1).replace("%2", cause));
        QVERIFY(rig.boxes.plain);
        const bool found = box.isEmpty() || com1Refuses;
        QCOMPARE(rig.onOff({"Frame1", "Frame9", "Fr_ThrowSpeed", "Fr_CentreDead", "Fr_Position",
                            "CProgram", "CkReset", "CmbServo", "cmbCOM", "LED1"}),
                 QLatin1String(found ? "1111111101" : "0000000010"));
        const auto refs = rig.form().gaugeInputs();
        QList<int> shown{refs.RefThrow, refs.RefSpeed, refs.RefCentre, refs.RefDeadband};
        for (const char *control :
             {"ScrollThrow", "ScrollSpeed", "ScrollCentre", "ScrollDeadband", "Check1", "CkReset"})
            shown << rig.get(control)->property(control[0] == 'S' ? "value" : "checked").toInt();
        QCOMPARE(shown, found ? QList<int>({140, 50, -5, 16, 140, 50, -5, 16, 1, 1})
                              : QList<int>({90, 100, 0, 2, 90, 100, 0, 2, 0, 0}));
        QCOMPARE(rig.text("LServoName"), found ? QStringLiteral("\u00C9l\u00E8ve\u20AC\u2122!")
                                               : QStringLiteral("Not found"));
        QCOMPARE(rig.text("LServoRev"),
                 found ? QStringLiteral("Korvane Digital Servo Firmware Revision") : QString());
    }

    // An adapter plugged in after start-up needs no restart.
    void adapterPluggedInAfterStartUp() {
        WindowRig rig;
        rig.open();
        rig.servos().add(1);
        rig.click("Connect");
        QCOMPARE(rig.text("LServoName"), QStringLiteral("12345678"));
    }

    // The search found the servo, the last read fails: what the box waits over.
    void finalReadFailingAfterTheSearch_data() {
        QTest::addColumn<int>("refuse"); // 0: the servo falls silent instead
        // Port list and LED1 at the box, after it, and after a good Connect, which hides the list.
        QTest::addColumn<QString>("look");
        QTest::newRow("no reply: list before the box, LED1 out after it") << 0 << "11 10 01";
        QTest::newRow("port in use: box before the list, LED1 kept")
            << int(link::OpenFailure::Busy) << "01 11 01";
    }

    void finalReadFailingAfterTheSearch() {
        QFETCH(int, refuse);
        WindowRig rig;
        rig.servos().add(1);
        rig.open();
        rig.servos().onRead = [&] {
            if (refuse)
                rig.servos().refuse(1, link::OpenFailure(refuse));
            else
                rig.servos().at(1).setFault(Fault::Silent);
        };
        QString atBox;
        rig.boxes.witness = [&] { atBox = rig.onOff({"cmbCOM", "LED1"}); };
        rig.click("Connect");
        QCOMPARE(rig.boxes.texts.size(), 1);
        const QString after = rig.onOff({"cmbCOM", "LED1"});
        rig.servos().plugBack(1);
        rig.servos().at(1).setFault(Fault::None);
        rig.click("Connect");
        QTEST(atBox + ' ' + after + ' ' + rig.onOff({"cmbCOM", "LED1"}), "look");
    }
};

QTEST_MAIN(TestWindowStates)
#include "tst_windowstates.moc"
