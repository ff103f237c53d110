// When no port can be used, Connect names the Linux cause: no adapter, one
// this user may not open, or one another program holds. The adapters here are
// virtual servos' pseudo-terminals linked into the test's own folder.
#include "support/ptyservo.h"

#include <QSerialPort>
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

    void noAdapterSaysCheckTheCable() {
        const QTemporaryDir empty;
        const QString text = connectText(empty.path());
        QVERIFY2(text.contains(QLatin1String("No USB serial adapter")), qPrintable(text));
        QVERIFY(text.contains(QLatin1String("dmesg")));
    }

    void heldAdapterNamesItsHolder() {
        QSerialPort holder(m_folder.filePath(QStringLiteral("COM1")));
        QVERIFY(holder.open(QIODevice::ReadWrite));
        const QString text = connectText(m_folder.path());
        QVERIFY2(text.contains(QLatin1String("held by another program")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("(pid %1)").arg(getpid())), qPrintable(text));
    }

    void connectListsAgainWhenPortsAppear() {
        const QTemporaryDir later;
        Session session(PortLocator::onlyFolder(later.path()));
        session.FindComPorts();
        QVERIFY(session.listedPortsGone());
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
        QVERIFY(::chmod(QFile::encodeName(m_folder.path()).constData(), 0755) == 0);
        if (!root)
            QVERIFY(::chmod(QFile::encodeName(m_pty->slavePath()).constData(), 0) == 0);
        if (root)
            QVERIFY(::seteuid(65534) == 0);
        const QString text = connectText(m_folder.path());
        if (root)
            QVERIFY(::seteuid(0) == 0);
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
