// Clicks that come while an exchange waits: a close waits for it, another
// exchange or a preset is refused.
#include "support/windowrig.h"

#include <QAction>
#include <QComboBox>

namespace {
const QByteArray Frame = protocol::buildFrame(ExampleBlock);
} // namespace

class TestExchangeGuard : public QObject {
    Q_OBJECT

private slots:
    void init();
    void closeWaitsForTheExchange_data();
    void closeWaitsForTheExchange();
    void secondExchangeIsRefused_data();
    void secondExchangeIsRefused();

private:
    std::unique_ptr<WindowRig> m_rig;
};

void TestExchangeGuard::init() {
    m_rig = std::make_unique<WindowRig>();
    QVERIFY(m_rig->openConnected());
    m_rig->servos().at(1).clearReceived();
}

void TestExchangeGuard::closeWaitsForTheExchange_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("how");
    for (const char *button : {"Connect", "CProgram"}) {
        QTest::addRow("%s, Exit", button) << button << 0;
        QTest::addRow("%s, CLOSE", button) << button << 1;
        QTest::addRow("%s, close box", button) << button << 2;
    }
}

void TestExchangeGuard::closeWaitsForTheExchange() {
    QFETCH(QString, button);
    QFETCH(int, how);
    m_rig->servos().at(1).setFault(servoemu::Fault::Silent);
    bool openAfterClose = false;
    QString name;
    QTimer::singleShot(0, [&] {
        name = m_rig->text("LServoName");
        if (how == 0)
            m_rig->get<QAction>("Frm_Exit")->trigger();
        else if (how == 1)
            m_rig->click("Close");
        else
            m_rig->form().close();
        openAfterClose = m_rig->form().isVisible();
    });
    const bool connect = button == QLatin1String("Connect");
    m_rig->click(qPrintable(button));
    QVERIFY(openAfterClose);
    QVERIFY(m_rig->boxes.isEmpty());
    QCOMPARE(m_rig->servos().at(1).received(), connect ? QByteArray("U") : Frame);
    QCOMPARE(name, connect ? QStringLiteral("..Searching") : QStringLiteral("12345678"));
    QTRY_VERIFY(!m_rig->form().isVisible());
}

void TestExchangeGuard::secondExchangeIsRefused_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("Connect during Connect") << "Connect"
                                            << "Connect" << QByteArray("UU");
    QTest::newRow("PROGRAM during Connect") << "Connect"
                                            << "CProgram" << QByteArray("UU");
    QTest::newRow("Connect during PROGRAM") << "CProgram"
                                            << "Connect" << Frame + "UU";
    QTest::newRow("preset during PROGRAM") << "CProgram"
                                           << "CmbServo" << Frame + "UU";
}

void TestExchangeGuard::secondExchangeIsRefused() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QByteArray, sent);
    auto *presets = m_rig->get<QComboBox>("CmbServo");
    QTimer::singleShot(0, [&] {
        if (second == presets->objectName()) {
            presets->setCurrentIndex(2);
            emit presets->activated(2);
        } else {
            m_rig->click(qPrintable(second));
        }
    });
    m_rig->click(qPrintable(first));
    QCOMPARE(m_rig->servos().at(1).received(), sent);
    QVERIFY(m_rig->boxes.isEmpty());
    QCOMPARE(presets->currentIndex(), -1);
    QVERIFY(m_rig->editorsEnabled());
}

QTEST_MAIN(TestExchangeGuard)
#include "tst_exchangeguard.moc"
