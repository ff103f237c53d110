// No test reaches a real device: an adapter planted where the system's
// fallback looks is found by the system's locator and never by a test's.
#include "support/ptyservo.h"

using namespace tessaro;

class TestPortLocator : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_runtime; // no ports published there
    std::unique_ptr<QTemporaryDir> m_dev;     // stands in for the system's device folder
    std::unique_ptr<servoemu::ServoEmulator> m_adapter;

private slots:
    void init() {
        m_runtime = std::make_unique<QTemporaryDir>();
        m_dev = std::make_unique<QTemporaryDir>();
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime->path()));
        m_adapter = startPtyServo(m_dev->path(), 0);
        QVERIFY(m_adapter);
        QVERIFY(QFile::link(m_adapter->slavePath(), m_dev->filePath(QStringLiteral("ttyUSB0"))));
    }

    void systemLocatorFindsThePlantedAdapter() {
        link::Session session(link::PortLocator::system(m_dev->path()));
        session.FindComPorts();
        QCOMPARE(session.portTable(), std::vector<int>{1});
        QCOMPARE(session.readPort(0).status, link::ReadStatus::Read);
        QCOMPARE(m_adapter->received(), QByteArray(1, link::ReadRequest));
    }

    void testLocatorNeverOpensIt() {
        const auto ports = link::PortLocator::onlyFolder(m_dev->path());
        for (int n = link::FirstPort; n <= link::LastPort; ++n)
            QCOMPARE(ports.devicePath(n), m_dev->filePath(QStringLiteral("COM%1").arg(n)));
        link::Session session(ports);
        session.FindComPorts();
        QVERIFY(session.portTable().empty());
        QCOMPARE(session.readPort(0).status, link::ReadStatus::Error);
        QCOMPARE(session.programPort(0, ExampleBlock).status, link::ProgramStatus::Error);
        QVERIFY(m_adapter->waitForIdle(1000));
        QCOMPARE(m_adapter->received(), QByteArray());
    }

    // --port PATH: the planted adapter under another name serves as COM1, and
    // nothing else changes.
    void adapterAtAnyPathIsCom1() {
        const QTemporaryDir empty;
        auto ports = link::PortLocator::onlyFolder(empty.path());
        ports.com1Path = m_dev->filePath(QStringLiteral("ttyUSB0"));
        QCOMPARE(ports.devicePath(2), empty.filePath(QStringLiteral("COM2")));
        link::Session session(ports);
        session.FindComPorts();
        QCOMPARE(session.portTable(), std::vector<int>{1});
        QCOMPARE(session.readPort(0).status, link::ReadStatus::Read);
    }
};

QTEST_GUILESS_MAIN(TestPortLocator)
#include "tst_portlocator.moc"
