// No test reaches a real device: an adapter planted where the system's
// fallback looks is found by the system locator, and never by a test's.
#include "link/session.h"
#include "support/ptyservo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPortLocator : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void systemLocatorFindsThePlantedAdapter();
    void testLocatorNeverOpensIt();
    void sharedPortFolderIsNotUsed();

private:
    QTemporaryDir m_runtime; // the private runtime folder, with no ports published
    QTemporaryDir m_dev;     // stands in for the system's device folder
    std::unique_ptr<servoemu::ServoEmulator> m_adapter;
};

void TestPortLocator::init() {
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    m_adapter = startPtyServo(m_dev.path(), 0, servoemu::ServoEmulator::defaultBlock());
    QVERIFY(m_adapter);
    QVERIFY(QFile::link(m_adapter->slavePath(), m_dev.filePath(QStringLiteral("ttyUSB0"))));
}

void TestPortLocator::cleanup() {
    m_adapter.reset();
    QFile::remove(m_dev.filePath(QStringLiteral("ttyUSB0")));
}

void TestPortLocator::systemLocatorFindsThePlantedAdapter() {
    servolink::Session session(servolink::PortLocator::system(m_dev.path()));
    session.FindComPorts();
    QCOMPARE(session.portTable(), std::vector<int>{1});
    QCOMPARE(session.readPort(0).status, servolink::ReadStatus::Read);
    QCOMPARE(m_adapter->received(), QByteArray(1, protocol::ReadRequest));
}

void TestPortLocator::testLocatorNeverOpensIt() {
    const auto ports = servolink::PortLocator::onlyFolder(m_dev.path());
    for (int n = servolink::FirstPort; n <= servolink::LastPort; ++n)
        QCOMPARE(ports.devicePath(n), m_dev.filePath(QStringLiteral("COM%1").arg(n)));
    servolink::Session session(ports);
    session.FindComPorts();
    QVERIFY(session.portTable().empty());
    QCOMPARE(session.readPort(0).status, servolink::ReadStatus::Error);
    QCOMPARE(session.programPort(0, m_adapter->block()).status, servolink::ProgramStatus::Error);
    QVERIFY(m_adapter->waitForIdle(1000));
    QCOMPARE(m_adapter->received(), QByteArray());
}

void TestPortLocator::sharedPortFolderIsNotUsed() {
    // Anyone able to write there could point the program at any device.
    const QString folder = m_runtime.filePath(QStringLiteral("tessaro-ports"));
    QVERIFY(QDir().mkdir(folder));
    QVERIFY(QFile::link(m_adapter->slavePath(), folder + QStringLiteral("/COM2")));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(servolink::PortLocator::system(m_dev.path()).devicePath(2),
             folder + QStringLiteral("/COM2"));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                      QFile::WriteOther | QFile::ExeOther);
    QCOMPARE(servolink::PortLocator::system(m_dev.path()).devicePath(2),
             m_dev.filePath(QStringLiteral("ttyUSB1")));
}

QTEST_GUILESS_MAIN(TestPortLocator)
#include "tst_portlocator.moc"
