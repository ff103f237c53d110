// The bug report over a machine made in the test's own folder: what stands
// between the user and the servo is named, and a fact not found never stops it.
#include "link/report.h"
#include "settings/backups.h"
#include "support/servotransport.h"

#include <QProcess>
#include <QTest>
#include <unistd.h>

using namespace tessaro;

class TestReport : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;

    // A file with text, its folders made as needed.
    bool put(const QString &path, const QByteArray &text) {
        QFile file(path);
        return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
               file.write(text) == text.size();
    }

private slots:
    void initTestCase() {
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath("data")));
        QVERIFY(!settings::saveBackup(*settings::settingsFromBlock(ExampleBlock),
                                      QDateTime::currentDateTimeUtc())
                     .failure);
        QVERIFY(put(m_home.filePath("data/tessaro/journal"), "a\nb\nc\n"));
    }

    void namesWhatStandsInTheWay_data() {
        QTest::addColumn<QString>("machine");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("no adapter")
            << "no adapter"
            << QStringList{"Ports as Connect sees them\n  no port found (looked for COMn in ",
                           "USB serial adapters\n  none: no ttyUSB or ttyACM device in ",
                           "backups: 1", "journal records: 3", "COM1  probe "};
        QTest::newRow("may not open")
            << "permission"
            << QStringList{
                   "ttyUSB0: USB 0403:6001, driver ftdi_sio",
                   "/dev/ttyUSB0: owner ",
                   "mode -rw-------",
                   "this user may open it: no (Permission denied; this user is not in group ",
                   "ModemManager: running",
                   "brltty: not running",
                   "distribution: Debian GNU/Linux 12",
                   "kernel: 6.1.0-test"};
        QTest::newRow("held by another program")
            << "busy"
            << QStringList{"  COM1  %1/COM1  busy (locked), held by sleep (pid ", "COM1  probe ",
                           "/COM1 not opened: busy (locked)"};
        QTest::newRow("nothing to be found")
            << "nothing"
            << QStringList{"distribution: not found (", "kernel: not found (",
                           "running programs: not found (", "none: no ttyUSB or ttyACM device"};
    }
    void namesWhatStandsInTheWay() {
        QFETCH(QString, machine);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        link::ReportRoots roots{dir.filePath("sys"), dir.filePath("proc"), dir.filePath("dev"),
                                dir.filePath("etc")};
        if (machine != "nothing") {
            QVERIFY(QDir().mkpath(roots.sys + "/class/tty") &&
                    put(roots.proc + "/1/comm", "init\n"));
            QVERIFY(
                put(roots.etc + "/os-release", "ID=debian\nPRETTY_NAME=\"Debian GNU/Linux 12\"\n"));
            QVERIFY(put(roots.proc + "/sys/kernel/osrelease", "6.1.0-test\n"));
        }
        LinkRig link;
        QProcess holder;
        if (machine == "permission") {
            // As the kernel lays it out: the tty's device under its USB interface.
            const QString usb = roots.sys + "/devices/usb1/1-1";
            QVERIFY(put(usb + "/idVendor", "0403\n") && put(usb + "/idProduct", "6001\n"));
            QVERIFY(QDir().mkpath(usb + "/1-1:1.0/ttyUSB0") &&
                    QDir().mkpath(roots.sys + "/bus/usb-serial/drivers/ftdi_sio"));
            QVERIFY(QFile::link(roots.sys + "/bus/usb-serial/drivers/ftdi_sio",
                                usb + "/1-1:1.0/ttyUSB0/driver"));
            QVERIFY(QDir().mkpath(roots.sys + "/class/tty/ttyUSB0") &&
                    QFile::link(usb + "/1-1:1.0/ttyUSB0", roots.sys + "/class/tty/ttyUSB0/device"));
            QVERIFY(put(roots.dev + "/ttyUSB0", {}) &&
                    put(roots.proc + "/812/comm", "ModemManager\n"));
            QVERIFY(QFile::setPermissions(roots.dev + "/ttyUSB0",
                                          QFile::ReadOwner | QFile::WriteOwner));
            // A group root is not in, as dialout is for a user not yet added to it.
            QVERIFY(geteuid() != 0 ||
                    ::chown(QFile::encodeName(roots.dev + "/ttyUSB0").constData(), 0, 65534) == 0);
            QVERIFY(QFile::setPermissions(dir.path(), QFile::Permissions(0x7755)));
        } else if (machine == "busy") {
            link.servos->add(1);
            holder.start("sleep", {"30"});
            QVERIFY(holder.waitForStarted());
            QVERIFY(put(link.dir.filePath("LCK.." + link.dir.filePath("COM1").replace('/', '_')),
                        QByteArray::number(holder.processId()).rightJustified(10) + " sleep\n"));
        }
        link::clearKeptTrace();
        link.session.FindComPorts();
        // Root opens anything: the report is made as nobody.
        const bool root = machine == "permission" && geteuid() == 0;
        QVERIFY(!root || ::seteuid(65534) == 0);
        const QString report = QString::fromUtf8(link::bugReport(link.session, {}, roots));
        QVERIFY(!root || ::seteuid(0) == 0);
        holder.kill();
        holder.waitForFinished();
        QVERIFY(report.startsWith("Tessaro bug report, written "));
        QVERIFY(report.contains("session: not known, scale not known, language not known"));
        for (const QString &part : expected)
            QVERIFY2(report.contains(QString(part).replace("%1", link.dir.path())),
                     qPrintable(part + "\nin\n" + report));
    }

    // Whole or not at all: a report that cannot be written leaves nothing behind.
    void writtenWholeOrNotAtAll() {
        QTemporaryDir dir;
        const QByteArray report = "Tessaro bug report\n";
        QVERIFY(link::saveBugReport(dir.filePath("none/report.txt"), report));
        QVERIFY(!QFileInfo::exists(dir.filePath("none")));
        QVERIFY(!link::saveBugReport(dir.filePath("report.txt"), report));
        QFile saved(dir.filePath("report.txt"));
        QVERIFY(saved.open(QIODevice::ReadOnly) && saved.readAll() == report);
    }
};

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
