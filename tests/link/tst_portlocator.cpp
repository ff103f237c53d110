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

    // The system's locator finds it, and so does one given its path as COM1 (--port
    // PATH), which changes no other port; a test's locator never opens it.
    void onlyTheSystemOrItsPathOpensIt_data() {
        QTest::addColumn<QString>("locator");
        QTest::addColumn<std::vector<int>>("listed");
        QTest::newRow("system") << "system" << std::vector<int>{1};
        QTest::newRow("path as COM1") << "path" << std::vector<int>{1};
        QTest::newRow("test folder") << "folder" << std::vector<int>{};
    }
    void onlyTheSystemOrItsPathOpensIt() {
        QFETCH(QString, locator);
        QFETCH(std::vector<int>, listed);
        const QTemporaryDir empty;
        auto ports = locator == "system" ? link::PortLocator::system(m_dev->path())
                                         : link::PortLocator::onlyFolder(m_dev->path());
        if (locator == "path") {
            ports = link::PortLocator::onlyFolder(empty.path());
            ports.com1Path = m_dev->filePath(QStringLiteral("ttyUSB0"));
        }
        link::Session session(ports);
        session.FindComPorts();
        QCOMPARE(session.portTable(), listed);
        QCOMPARE(session.readPort(0).status,
                 listed.empty() ? link::ReadStatus::Error : link::ReadStatus::Read);
        QVERIFY(m_adapter->waitForIdle(1000));
        QCOMPARE(m_adapter->received(), QByteArray(qsizetype(listed.size()), link::ReadRequest));
    }
};

QTEST_GUILESS_MAIN(TestPortLocator)
#include "tst_portlocator.moc"
