// PROGRAM and Connect in a connected window: the programming look, what the
// window tells, the read-back, and clicks that come while an exchange waits.
#include "app/signalclose.h"
#include "settings/journal.h"
#include "support/windowrig.h"

#include <QTemporaryFile>
#include <csignal>
#include <unistd.h>

using namespace tessaro;

using servoemu::Fault;

const QByteArray Frame = link::buildFrame(ExampleBlock);

class TestWindowExchanges : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_rig = std::make_unique<WindowRig>();
        QVERIFY(m_rig->openConnected());
        m_rig->servos().at(1).clearReceived();
    }

    void lookWhileProgrammingAndAfter_data() {
        QTest::addColumn<Fault>("fault"); // NoAck: the cable is pulled during the wait
        QTest::addColumn<QString>("after");
        QTest::addColumn<QByteArray>("readBack");
        QTest::addColumn<QString>("box");               // %1: COM1's device
        QTest::addColumn<settings::Verdict>("verdict"); // the journal's
        using V = settings::Verdict;
        QTest::newRow("acknowledged")
            << Fault::None << "Idle 00011111" << QByteArray("UU") << "" << V::Verified;
        QTest::newRow("wrong acknowledgement")
            << Fault::WrongAck << "Idle 00011111" << QByteArray("UU") << "Error Programming"
            << V::WrongAcknowledgement;
        // Nothing is programming any more; the editors stay off until Connect finds the servo.
        QTest::newRow("cable pulled") << Fault::NoAck << "Idle 00000000" << QByteArray()
                                      << "COM1 (%1): the device was disconnected" << V::PortLost;
        QTest::newRow("cable pulled during the read-back")
            << Fault::Silent << "Idle 00011111" << QByteArray("U")
            << "COM1 (%1): the device was disconnected" << V::PortLost;
    }

    void lookWhileProgrammingAndAfter() {
        QFETCH(Fault, fault);
        QFETCH(QString, box);
        // Silent only for the read-back: the cable is pulled while the window waits for it.
        m_rig->servos().at(1).setFault(fault == Fault::Silent ? Fault::None : fault, 1);
        m_rig->setValue("ScrollPosition", 45);
        QString during;
        m_rig->get("CProgram")->setFocus();
        onceFrameSent([&] {
            during = look() + QString::number(m_rig->form().cursor().shape());
            if (fault == Fault::NoAck)
                m_rig->servos().pullCable(1);
            if (fault == Fault::Silent)
                m_rig->servos().at(1).setFault(fault, 1);
        });
        if (fault == Fault::Silent)
            onceFrameSent([this] { m_rig->servos().pullCable(1); }, 2 + link::FrameLength);
        QTest::keyClick(m_rig->get("CProgram"), Qt::Key_Return); // Enter presses it, as Space does
        QCOMPARE(during, "Programming 11100000" + QString::number(Qt::BusyCursor));
        QTEST(look(), "after");
        QCOMPARE(m_rig->form().cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(m_rig->form().focusWidget() == m_rig->get("CProgram"),
                 m_rig->get("CProgram")->isEnabled());
        const QString shown = m_rig->boxes.texts.join('|'); // then the backup taken before
        QCOMPARE(shown.section("\n\n", 0, 0), box.replace("%1", m_rig->servos().path(1)));
        QVERIFY(box.isEmpty() || (shown.contains("The servo may hold the new settings.") &&
                                  shown.contains(m_rig->folder() + "/data/tessaro/backups/1234")));
        QVERIFY(m_rig->boxes.plain);
        const QByteArray received = m_rig->servos().at(1).received();
        QCOMPARE(received.mid(10, 4), QByteArray("079E")); // test position 45: 1950 us
        QTEST(received.mid(1 + link::FrameLength), "readBack");
        const settings::JournalRead journal = settings::readJournal();
        QVERIFY(journal.records.size() == 1);
        QTEST(journal.records[0].verdict, "verdict");
    }

    void resetEndsWithStandard() {
        m_rig->setValue("ScrollCentre", -5);
        m_rig->get("Check1")->setProperty("checked", true);
        m_rig->get("CkReset")->setProperty("checked", true);
        m_rig->click("CProgram");
        QCOMPARE(m_rig->servos().at(1).received().mid(1, link::FrameLength),
                 link::buildFrame("1234567805D75A64FB01020100000000"));
        QCOMPARE(m_rig->text("CmbServo"), QStringLiteral("Standard"));
        QCOMPARE(m_rig->values({"ScrollThrow", "ScrollCentre"}), QList({90, 0}));
        QVERIFY(m_rig->boxes.texts.isEmpty());
    }

    void closeWaitsForTheExchange_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("how");
        for (const char *button : {"Connect", "CProgram"})
            for (const char *how :
                 {"Exit", "Ctrl+Q", "CLOSE", "close box, cable pulled", "SIGTERM"})
                QTest::addRow("%s, %s", button, how) << button << QString(how);
    }

    void closeWaitsForTheExchange() {
        QFETCH(QString, button);
        QFETCH(QString, how);
        const bool connect = button == QLatin1String("Connect");
        m_rig->servos().at(1).setFault(connect ? Fault::Silent : Fault::NoAck);
        bool openAfterClose = false;
        QString name;
        const std::function<void()> leave = [&] {
            name = m_rig->text("LServoName");
            if (how == "Exit")
                m_rig->get<QAction>("Frm_Exit")->trigger();
            else if (how == "CLOSE")
                m_rig->click("Close");
            else if (how == "Ctrl+Q")
                QTest::keyClick(&m_rig->form(), Qt::Key_Q, Qt::ControlModifier);
            else if (how == "SIGTERM")
                ::raise(SIGTERM);
            else { // the error that follows is no news to a user who is leaving
                m_rig->form().close();
                m_rig->servos().pullCable(1);
            }
            openAfterClose = m_rig->form().isVisible();
        };
        connect ? QTimer::singleShot(0, leave) : onceFrameSent(leave);
        // A signal closes as Exit does; what a cut-off frame may have left is said on stderr.
        QTemporaryFile said;
        const int stderrWas = ::dup(2);
        if (how == "SIGTERM") {
            app::closeOnSignals(m_rig->form());
            QVERIFY(said.open() && ::dup2(said.handle(), 2) == 2);
        }
        m_rig->click(qPrintable(button));
        ::dup2(stderrWas, 2);
        said.seek(0);
        ::close(stderrWas);
        QCOMPARE(QString(said.readAll())
                     .contains(": programming was cut off after its frame went "
                               "out. The servo may hold the new settings."),
                 how == "SIGTERM" && !connect);
        QVERIFY(openAfterClose);
        QVERIFY(m_rig->boxes.texts.isEmpty());
        QCOMPARE(m_rig->servos().at(1).received(), connect ? QByteArray("U") : "U" + Frame);
        QCOMPARE(name, connect ? QStringLiteral("..Searching") : QStringLiteral("12345678"));
        QTRY_VERIFY(!m_rig->form().isVisible());
    }

    void secondExchangeIsRefused_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QString>("second");
        QTest::newRow("Connect during Connect") << "Connect" << QByteArray("UU") << "Connect";
        QTest::newRow("PROGRAM during Connect") << "Connect" << QByteArray("UU") << "CProgram";
        const QByteArray programmed = "U" + Frame + "UU";
        QTest::newRow("Connect during PROGRAM") << "CProgram" << programmed << "Connect";
        QTest::newRow("preset during PROGRAM") << "CProgram" << programmed << "CmbServo";
    }

    void secondExchangeIsRefused() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        auto *presets = m_rig->get<QComboBox>("CmbServo");
        QTimer::singleShot(0, [&] {
            if (second == presets->objectName())
                m_rig->chooseTransmitter(2);
            else
                m_rig->click(qPrintable(second));
        });
        m_rig->click(qPrintable(first));
        QTEST(m_rig->servos().at(1).received(), "sent");
        QVERIFY(m_rig->boxes.texts.isEmpty());
        QCOMPARE(presets->currentIndex(), -1);
        QVERIFY(m_rig->editorsEnabled());
    }

private:
    // Runs act once the servo has received bytes: by default, in PROGRAM's wait for the ack.
    void onceFrameSent(const std::function<void()> &act, int bytes = 2) {
        auto *poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [this, poll, act, bytes] {
            if (m_rig->servos().at(1).received().size() >= bytes) {
                poll->deleteLater();
                poll->stop();
                act();
            }
        });
        poll->start(1);
    }

    QString look() const {
        return m_rig->text("LProg") + ' ' +
               m_rig->onOff({"LProg", "Fr_Prog", "LED_Prog", "Frame1", "Frame9", "Fr_ThrowSpeed",
                             "Fr_CentreDead", "Fr_Position"});
    }

    std::unique_ptr<WindowRig> m_rig;
};

QTEST_MAIN(TestWindowExchanges)
#include "tst_windowexchanges.moc"
