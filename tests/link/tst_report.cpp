// The bug report over a machine made in the test's own folder: what stands
// between the user and the servo is named, and a fact not found never stops it.
#include "link/report.h"
#include "support/servotransport.h"
#include "support/testfiles.h"

#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace tessaro;

class TestReport : public QObject {
    Q_OBJECT

private slots:
    void namesWhatStandsInTheWay_data() {
        QTest::addColumn<QString>("machine");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("no adapter, nothing to be found")
            << "none"
            << QStringList{"  no port found (looked for COMn in ",
                           "  none: no ttyUSB or ttyACM device in ", "distribution: not found (",
                           "kernel: not found (", "running programs: not found ("};
        QTest::newRow("may not open")
            << "permission"
            << QStringList{"ttyUSB0: USB 0403:6001, driver ftdi_sio",
                           "mode -rw-------",
                           "ModemManager: running",
                           "may open it: no (Permission denied; this user is not in group ",
                           "kernel: 6.1.0-t",
                           "brltty: not running",
                           "distribution: Debian 12"};
        QTest::newRow("held by another program")
            << "busy"
            << QStringList{"  COM1  %1/COM1  busy (locked), held by sleep (pid ",
                           "/COM1 not opened: busy"};
    }
    void namesWhatStandsInTheWay() {
        QFETCH(QString, machine);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        const link::ReportRoots roots{dir.filePath("sys"), dir.filePath("proc"),
                                      dir.filePath("dev"), dir.filePath("etc")};
        if (machine != "none")
            QVERIFY(QDir().mkpath(roots.sys + "/class/tty") &&
                    putFile(roots.proc + "/1/comm", "init") &&
                    putFile(roots.etc + "/os-release", "PRETTY_NAME=\"Debian 12\"\n") &&
                    putFile(roots.proc + "/sys/kernel/osrelease", "6.1.0-t\n"));
        LinkRig link;
        QProcess holder;
        if (machine == "permission") {
            // As the kernel lays it out: the tty under its USB interface, a driver link.
            const QString usb = roots.sys + "/devices/usb1/1-1", tty = usb + "/1-1:1.0/ttyUSB0";
            QVERIFY(putFile(usb + "/idVendor", "0403") && putFile(usb + "/idProduct", "6001") &&
                    QDir().mkpath(tty) && QDir().mkpath(roots.sys + "/drivers/ftdi_sio") &&
                    QDir().mkpath(roots.sys + "/class/tty/ttyUSB0"));
            QVERIFY(QFile::link(roots.sys + "/drivers/ftdi_sio", tty + "/driver") &&
                    QFile::link(tty, roots.sys + "/class/tty/ttyUSB0/device"));
            const QByteArray device = QFile::encodeName(roots.dev + "/ttyUSB0");
            // Root's own, in a group root is not in, as dialout is before a user joins it.
            QVERIFY(putFile(device) && putFile(roots.proc + "/812/comm", "ModemManager\n") &&
                    ::chmod(device, 0600) == 0 &&
                    ::chmod(QFile::encodeName(dir.path()), 0755) == 0 &&
                    (geteuid() != 0 || ::chown(device, 0, 65534) == 0));
        } else if (machine == "busy") {
            link.servos->add(1);
            QVERIFY(holdLock(
                holder, link.dir.filePath("LCK.." + link.dir.filePath("COM1").replace('/', '_')),
                " sleep\n"));
        }
        link.session.FindComPorts();
        // Root opens anything: the report is made as nobody.
        const bool root = machine == "permission" && geteuid() == 0;
        QVERIFY(!root || ::seteuid(65534) == 0);
        const QByteArray report = link::bugReport(link.session, {}, roots);
        QVERIFY(!root || ::seteuid(0) == 0);
        holder.kill();
        holder.waitForFinished();
        QVERIFY(report.startsWith("Tessaro bug report, written ") &&
                report.contains("COM1  probe "));
        for (const QString &part : expected)
            QVERIFY2(report.contains(QString(part).replace("%1", link.dir.path()).toUtf8()),
                     qPrintable(part + "\nin\n" + report));
        // Not into a folder that is not there (saved whole: tst_windowfiles).
        QVERIFY(link::saveBugReport(dir.filePath("none/report.txt"), report) &&
                !QFileInfo::exists(dir.filePath("none")));
    }
};

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
