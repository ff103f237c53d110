// Where ports are looked for, and when no port can be used, the Linux cause Connect
// names: no adapter, one this user may not open, or one another program holds. The
// adapters here are virtual servos' pseudo-terminals linked into the test's own folder.
#include "link/portcauses.h"
#include "support/ptyservo.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

using namespace tessaro::link;

namespace {

// The text a Connect would show with this folder's ports.
QString connectText(const QString &folder) {
    Session session(PortLocator::onlyFolder(folder));
    session.FindComPorts();
    return session.readPort(0).failure.words;
}

} // namespace

class TestPortCauses : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_folder.isValid());
        m_pty = startPtyServo(m_folder.path(), 1);
        QVERIFY(m_pty);
    }

    // No test reaches a real device: an adapter planted where the system's fallback looks is
    // found by the system's locator, and by one given its path as COM1 (--port PATH), which
    // changes no other port; a test's locator never opens it.
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
        // No ports published in runtime; dev stands in for the system's device folder.
        const QTemporaryDir runtime, dev, empty;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        const auto adapter = startPtyServo(dev.path(), 0);
        QVERIFY(adapter && QFile::link(adapter->slavePath(), dev.filePath("ttyUSB0")));
        auto ports = locator == "system" ? PortLocator::system(dev.path())
                                         : PortLocator::onlyFolder(dev.path());
        if (locator == "path") {
            ports = PortLocator::onlyFolder(empty.path());
            ports.com1Path = dev.filePath(QStringLiteral("ttyUSB0"));
        }
        Session session(ports);
        session.FindComPorts();
        QCOMPARE(session.portTable(), listed);
        QCOMPARE(session.readPort(0).status, listed.empty() ? ReadStatus::Error : ReadStatus::Read);
        QVERIFY(adapter->waitForIdle(1000));
        QCOMPARE(adapter->received(), QByteArray(qsizetype(listed.size()), ReadRequest));
    }

    void noAdapterSaysCheckTheCable() {
        const QTemporaryDir empty;
        const QString text = connectText(empty.path());
        QVERIFY2(text.contains(QLatin1String("No USB serial adapter")), qPrintable(text));
        QVERIFY(text.contains(QLatin1String("dmesg")));
    }

    // Each form of lock file; the binary one with bytes that read as text too.
    void lockPidInEachForm_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<qint64>("pid");
        const auto binary = [](qint32 pid) {
            return QByteArray(reinterpret_cast<const char *>(&pid), 4);
        };
        QTest::newRow("uucp") << QByteArray("     12345 minicom user\n") << 12345ll;
        QTest::newRow("qlockfile") << QByteArray("12345\nsleep\nhost\n") << 12345ll;
        QTest::newRow("binary, \"5\\n\"") << binary(0x0A35) << 2613ll;
        QTest::newRow("text in four bytes") << QByteArray("123\n") << 123ll;
        QTest::newRow("no pid") << QByteArray("sleep\n") << 0ll;
    }
    void lockPidInEachForm() {
        QFETCH(QByteArray, content);
        QTEST(lockPid(content), "pid");
    }

    // Another program's lock file, as it writes it: a live holder's makes the port busy
    // and is kept, another user's too (the check may not signal it); a gone process's is stale.
    void lockFilesOfOtherPrograms_data() {
        QTest::addColumn<QByteArray>("form");
        QTest::addColumn<bool>("onTarget");
        QTest::addColumn<bool>("live");
        QTest::addColumn<bool>("nobody"); // the holder runs as nobody, the check as daemon
        const QByteArray qlockfile("%1\nsleep\nhost\n");
        QTest::newRow("qlockfile, live") << qlockfile << false << true << false;
        QTest::newRow("binary, live") << QByteArray() << true << true << false;
        QTest::newRow("uucp, gone") << QByteArray("%1\n") << true << false << false;
        QTest::newRow("another user's") << qlockfile << false << true << true;
    }
    void lockFilesOfOtherPrograms() {
        QFETCH(QByteArray, form);
        QFETCH(bool, onTarget);
        QFETCH(bool, live);
        QFETCH(bool, nobody);
        if (nobody && geteuid() != 0)
            QSKIP("only root can start a process as another user here");
        QProcess child;
        if (nobody)
            child.setChildProcessModifier([] {
                if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                    ::_exit(127);
            });
        child.start(QStringLiteral("sleep"), {live ? QStringLiteral("30") : QStringLiteral("0")});
        QVERIFY(child.waitForStarted());
        const qint32 pid = static_cast<qint32>(child.processId());
        if (!live)
            QVERIFY(child.waitForFinished());
        const QByteArray content = form.isEmpty()
                                       ? QByteArray(reinterpret_cast<const char *>(&pid), 4)
                                       : QString::fromLatin1(form).arg(pid, 10).toLatin1();
        QString name = onTarget ? m_pty->slavePath().mid(5) : m_folder.filePath("COM1");
        QFile lock(m_folder.filePath(QStringLiteral("LCK..") + name.replace('/', '_')));
        QVERIFY(putFile(lock.fileName(), content));
        if (nobody)
            QVERIFY(::chmod(QFile::encodeName(m_folder.path()).constData(), 0755) == 0 &&
                    ::seteuid(1) == 0);
        const QString text = connectText(m_folder.path());
        QVERIFY(!nobody || ::seteuid(0) == 0);
        QVERIFY(lock.remove()); // kept, stale or not: remove() fails on a file that is gone
        child.kill();
        child.waitForFinished();
        QVERIFY2(
            live ? text.contains(QStringLiteral("held by another program: sleep (pid %1)").arg(pid))
                 : text.isEmpty(),
            qPrintable(text));
    }

    void connectListsAgainWhenPortsAppear() {
        const QTemporaryDir later;
        Session session(PortLocator::onlyFolder(later.path()));
        QVERIFY(QFile::link(m_pty->slavePath(), later.filePath(QStringLiteral("COM4"))));
        QVERIFY(session.listedPortsGone());
        session.FindComPorts();
        QCOMPARE(session.portTable(), std::vector<int>{4});
        QVERIFY(!session.listedPortsGone());
        QVERIFY(QFile::remove(later.filePath(QStringLiteral("COM4"))));
        QVERIFY(session.listedPortsGone());
    }

    // Last: it takes the pty away from this user.
    void forbiddenAdapterNamesDeviceGroupAndRemedy() {
        // Root opens anything, so the probe runs as nobody; a user's own pty is closed to itself.
        const bool root = geteuid() == 0;
        QVERIFY(::chmod(QFile::encodeName(m_folder.path()).constData(), 0755) == 0 &&
                (root ? ::seteuid(65534) == 0
                      : ::chmod(QFile::encodeName(m_pty->slavePath()).constData(), 0) == 0));
        const QString text = connectText(m_folder.path());
        QVERIFY(!root || ::seteuid(0) == 0);
        for (const char *part : {"may not open", "adduser", "log in again", "60-tessaro.rules"})
            QVERIFY2(text.contains(QLatin1String(part)), qPrintable(text));
        QVERIFY2(text.contains(m_folder.filePath(QStringLiteral("COM1"))), qPrintable(text));
    }

private:
    QTemporaryDir m_folder;
    std::unique_ptr<tessaro::servoemu::ServoEmulator> m_pty;
};

QTEST_GUILESS_MAIN(TestPortCauses)
#include "tst_portcauses.moc"
