// The File menu over an in-process servo: files both ways through the built
// tessaro-cli, a backup restored (or none, then the question before programming
// without one), the entries off during an exchange, a bug report saved.
#include "settings/backups.h"
#include "settings/codepage.h"
#include "support/windowrig.h"

#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>

using namespace tessaro;

class TestWindowFiles : public QObject {
    Q_OBJECT

    // File and list dialogs are answered as they come: the file typed, the first entry.
    QTimer m_answer;
    QString m_typed;
    QString m_proposed; // the dialog's file as it opened
    QStringList m_listed;

public:
    TestWindowFiles() {
        connect(&m_answer, &QTimer::timeout, this, [this] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (auto *files = qobject_cast<QFileDialog *>(dialog)) {
                m_proposed = files->selectedFiles().value(0);
                files->selectFile(m_typed);
                QMetaObject::invokeMethod(files, "accept");
            } else if (dialog && dialog->objectName() == "HistoryDialog")
                answerHistory(dialog);
        });
        m_answer.start(5);
    }

    // History: its rows kept, m_row chosen, m_button pressed, or Close when it is off.
    int m_row = 0;
    QString m_button;
    void answerHistory(QWidget *dialog) {
        auto *table = dialog->findChild<QTableWidget *>("historyTable");
        m_listed.clear();
        for (int row = 0; row < table->rowCount(); ++row)
            m_listed << table->item(row, 1)->text() + " | " + table->item(row, 2)->text();
        table->selectRow(m_row);
        auto *button = dialog->findChild<QPushButton *>(m_button);
        if (button->isEnabled())
            button->click();
        else
            QMetaObject::invokeMethod(dialog, "reject");
    }

private slots:
    // With no backups Restore says so; then a file where the backups folder would
    // go makes every backup fail. The file entries are off while the question waits.
    void noBackupAsksFirst_data() {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("home");
        QTest::newRow("No: nothing sent") << false << true;
        QTest::newRow("Yes: programmed") << true << true;
        QTest::newRow("no home") << false << false;
    }
    void noBackupAsksFirst() {
        QFETCH(bool, yes);
        QFETCH(bool, home);
        WindowRig rig;
        QVERIFY(rig.openConnected());
        const QByteArray homeFolder = qgetenv("HOME");
        if (!home) {
            qunsetenv("HOME");
            qunsetenv("XDG_DATA_HOME");
        }
        rig.get<QAction>("Frm_RestoreBackup")->trigger();
        QVERIFY(QDir(rig.folder()).mkpath("data") &&
                QFile(rig.folder() + "/data/tessaro").open(QIODevice::WriteOnly));
        QString during;
        rig.boxes.witness = [&] {
            for (auto *e : rig.form().findChild<QMenu *>("mnuFile")->actions())
                during += e->isSeparator() ? "" : e->isEnabled() ? "1" : "0";
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (yes && box->button(QMessageBox::Yes))
                box->button(QMessageBox::Yes)->click();
        };
        rig.setValue("ScrollSpeed", 90);
        rig.servos().at(1).clearReceived();
        rig.click("CProgram");
        // Programmed, the journal beside the backups cannot be written either: told, not undone.
        QCOMPARE(rig.boxes.titles.size(), yes ? 3 : 2);
        QVERIFY(!yes || rig.boxes.texts.value(2).contains("could not be added to the journal"));
        const QString folder = rig.folder() + "/data/tessaro/backups";
        qputenv("HOME", homeFolder);
        const QString none = "there is no home folder for backups";
        QCOMPARE(rig.boxes.texts.value(0).left(home ? -1 : none.size()),
                 home ? "There are no backups of this servo in " + folder + "." : none);
        QVERIFY(rig.boxes.texts.value(1).contains(home ? folder : "written.\n" + none));
        // Every entry off but Quit, which closes as Exit does.
        const int entries = during.size() / (yes ? 2 : 1);
        QVERIFY(!rig.boxes.texts.join("").contains(" .") && entries >= 5 &&
                during == (QString(entries - 1, '0') + '1').repeated(yes ? 2 : 1));
        QCOMPARE(rig.servos().at(1).received().size() > 1, yes); // the read before, then the frame
        QVERIFY(rig.value("ScrollSpeed") == 90 && rig.editorsEnabled());
    }

    // History: PROGRAM's write and an older backup no record names (not another servo's),
    // newest first, in the gauges' units; a row loads its state before or after, as Open does.
    void historyLoadsBeforeAndAfter_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<int>>("editors"); // throw, speed afterwards
        QTest::newRow("the write, before") << 0 << "loadBefore" << QList({120, 80});
        QTest::newRow("the write, after") << 0 << "loadAfter" << QList({120, 50});
        QTest::newRow("an old backup, before") << 1 << "loadBefore" << QList({100, 70});
        QTest::newRow("an old backup has no after") << 1 << "loadAfter" << QList({120, 30});
    }
    void historyLoadsBeforeAndAfter() {
        QFETCH(QList<int>, editors);
        QFETCH(int, row);
        QFETCH(QString, button);
        m_row = row;
        m_button = button;
        const QByteArray held("1234567805DC78500000020000000000"); // throw 120, speed 80
        WindowRig rig;
        QVERIFY(rig.openConnected(held));
        const auto old = settings::settingsFromBlock("1234567805DC64460000020000000000");
        const auto other = settings::settingsFromBlock("OTHERSRV05DC64460000020000000000");
        QVERIFY(!settings::saveBackup(*old, QDateTime::currentDateTimeUtc().addDays(-1)).failure &&
                !settings::saveBackup(*other, QDateTime::currentDateTimeUtc()).failure);
        rig.setValue("ScrollSpeed", 50);
        rig.click("CProgram");
        // An empty one, as a program killed midway once left, is told apart, not left out.
        const QString empty = "12345678-20000101T000000Z.json";
        QVERIFY(QFile(settings::backupFolder() + "/" + empty).open(QIODevice::WriteOnly));
        rig.setValue("ScrollSpeed", 30);
        rig.get<QAction>("Frm_RestoreBackup")->trigger();
        QVERIFY2(m_listed.size() == 2 && m_listed[0].startsWith("Speed ") &&
                     m_listed[0].endsWith(" | verified") && m_listed[1].startsWith("a backup"),
                 qPrintable(m_listed.join('\n')));
        QCOMPARE(rig.values({"ScrollThrow", "ScrollSpeed"}), editors);
        rig.servos().at(1).clearReceived();
        rig.click("CProgram");
        QCOMPARE(settings::decodeBlock(rig.servos().at(1).block()).values->speed, editors[1]);
        QVERIFY(rig.boxes.texts.size() == 1 && rig.boxes.texts[0].contains(empty));
    }

    // tessaro-cli saves its servo (on a pty of its own), the window opens the file and saves
    // it changed, tessaro-cli takes that; a field out of range changes nothing and is named.
    void commandLineBothWays() {
        WindowRig rig;
        QVERIFY(rig.openConnected());
        QTemporaryDir ports;
        const auto servo = startPtyServo(ports.path(), 1, "OTHERSRV05DC78320A01100000000000");
        QVERIFY(servo);
        const auto cli = [&](QStringList args) {
            QProcess p;
            p.start(TESSARO_CLI, args << "--port-folder" << ports.path());
            const bool ok = p.waitForFinished(30000) && p.exitCode() == 0;
            return ok ? p.readAll() : "failed: " + p.readAllStandardError();
        };
        m_typed = rig.folder() + "/cli.json";
        QCOMPARE(cli({"save", m_typed}), QByteArray());
        rig.get<QAction>("Frm_OpenSettings")->trigger();
        QCOMPARE(rig.values({"ScrollThrow", "ScrollSpeed", "ScrollCentre", "ScrollDeadband"}),
                 QList({120, 50, 10, 16}));
        rig.setValue("ScrollThrow", 70);
        m_typed = rig.folder() + "/window"; // saved as window.json, the servo's name proposed
        rig.get<QAction>("Frm_SaveSettings")->trigger();
        QCOMPARE(m_proposed, rig.folder() + "/12345678.json");
        m_typed += ".json";
        const QByteArray sent = link::buildFrame("OTHERSRV05E646320A01100000000000");
        const QByteArray out = cli({"write", m_typed, "--dry-run"});
        QVERIFY2(out.contains("frame text  " + settings::printableText(sent).toLatin1()), out);
        // The reverse box came from the file too. Saved around the servo's own name; with the
        // throw out of range it is refused, dropped onto the window as opened.
        QFile saved(m_typed), bad(rig.folder() + "/bad.json");
        QVERIFY(saved.open(QIODevice::ReadOnly) && bad.open(QIODevice::WriteOnly));
        const QByteArray json = saved.readAll();
        QVERIFY(json.contains("\"12345678\"") && bad.write(QByteArray(json).replace("70", "999")) &&
                bad.flush());
        rig.setValue("ScrollThrow", 80);
        QMimeData data;
        for (const QString &file : {m_typed, bad.fileName()}) {
            data.setUrls({QUrl::fromLocalFile(file)});
            QDragEnterEvent enter(QPoint(9, 9), Qt::CopyAction, &data, Qt::LeftButton, {});
            QDropEvent drop(QPointF(9, 9), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(&rig.form(), &enter);
            QApplication::sendEvent(&rig.form(), &drop);
        }
        QVERIFY(rig.boxes.texts.size() == 1 && rig.boxes.texts[0].startsWith(bad.fileName()) &&
                rig.value("ScrollThrow") == 70);
        QVERIFY(rig.text("LServoName") == "12345678" && rig.form().gaugeInputs().RefThrow == 90);
    }

    // A report saved after a failed Connect holds that Connect's trace, and says where it went.
    void bugReportHoldsTheFailedConnect() {
        WindowRig rig;
        rig.servos().add(1).setFault(servoemu::Fault::Silent);
        rig.open();
        rig.click("Connect");
        m_typed = rig.folder() + "/report.txt";
        rig.get<QAction>("Frm_BugReport")->trigger();
        QVERIFY(rig.boxes.titles.size() == 2 && rig.boxes.texts.value(1).contains(m_typed));
        QFile saved(m_typed);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray report = saved.readAll();
        QVERIFY2(report.contains("COM1  read ") && report.contains("no reply: 0 of 36 bytes"),
                 report);
    }
};

QTEST_MAIN(TestWindowFiles)
#include "tst_windowfiles.moc"
