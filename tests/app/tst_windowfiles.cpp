// The File menu over an in-process servo: files both ways through the built
// tessaro-cli, a backup restored (or none, then the question before programming
// without one), the entries off during an exchange, the backups folder opened.
#include "settings/backups.h"
#include "settings/codepage.h"
#include "support/windowrig.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMimeData>
#include <QProcess>

using namespace tessaro;

class TestWindowFiles : public QObject {
    Q_OBJECT

    // File and list dialogs are answered as they come: the file typed, the first entry.
    QTimer m_answer;
    QString m_typed;
    QString m_proposed; // the dialog's file as it opened
    QStringList m_listed;
    QList<QUrl> m_opened;

public:
    TestWindowFiles() {
        connect(&m_answer, &QTimer::timeout, this, [this] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (auto *files = qobject_cast<QFileDialog *>(dialog)) {
                m_proposed = files->selectedFiles().value(0);
                files->selectFile(m_typed);
            } else if (auto *list = qobject_cast<QInputDialog *>(dialog))
                m_listed = list->comboBoxItems();
            else
                return;
            QMetaObject::invokeMethod(dialog, "accept");
        });
        m_answer.start(5);
    }
    Q_INVOKABLE void openUrl(const QUrl &url) { m_opened << url; }

private slots:
    // With no backups Restore says so; then a file where the backups folder would
    // go makes every backup fail. The file entries are off while the question waits.
    void noBackupAsksFirst_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("No: nothing sent") << false;
        QTest::newRow("Yes: programmed") << true;
    }
    void noBackupAsksFirst() {
        QFETCH(bool, yes);
        WindowRig rig;
        QVERIFY(rig.openConnected());
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
        QCOMPARE(rig.boxes.titles, QStringList({"Tessaro", "Tessaro"}));
        const QString folder = rig.folder() + "/data/tessaro/backups";
        QCOMPARE(rig.boxes.texts.value(0), "There are no backups of this servo in " + folder + ".");
        QVERIFY(rig.boxes.texts.value(1).contains(folder) && during == "00001");
        QCOMPARE(rig.servos().at(1).received().isEmpty(), !yes);
        QVERIFY(rig.value("ScrollSpeed") == 90 && rig.editorsEnabled());
    }

    // The backup RESET took comes back: the editors take it, the gauges mark what
    // differs from the servo's defaults, PROGRAM sends it. Its folder goes to the desktop.
    void restoreOneBackup() {
        const QByteArray held("1234567805DC78500000020000000000"); // throw 120, speed 80
        WindowRig rig;
        QVERIFY(rig.openConnected(held));
        rig.get("CkReset")->setProperty("checked", true);
        rig.click("CProgram");
        rig.get<QAction>("Frm_RestoreBackup")->trigger();
        const std::vector<settings::BackupEntry> kept = settings::listBackups();
        QCOMPARE(kept.size(), 1u);
        QCOMPARE(m_listed, QStringList(kept[0].time.toLocalTime().toString(Qt::ISODate) +
                                       ": throw 120, speed 80, centre 0, reverse 0, deadband 2"));
        QVERIFY(rig.value("ScrollThrow") == 120 && rig.value("ScrollSpeed") == 80);
        QVERIFY(rig.form().gaugeInputs().RefSpeed == 100 && rig.staleGauge().isEmpty());
        rig.servos().at(1).clearReceived();
        rig.click("CProgram");
        QCOMPARE(rig.servos().at(1).received().left(link::FrameLength), link::buildFrame(held));
        QDesktopServices::setUrlHandler("file", this, "openUrl");
        rig.get<QAction>("Frm_BackupFolder")->trigger();
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(m_opened, QList({QUrl::fromLocalFile(rig.folder() + "/data/tessaro/backups")}));
        QVERIFY(rig.boxes.texts.isEmpty());
    }

    // tessaro-cli saves its servo (on a pty of its own), the window opens the file and saves
    // it changed, tessaro-cli takes that; a field out of range changes nothing and is named.
    void commandLineBothWays() {
        WindowRig rig;
        QVERIFY(rig.openConnected());
        QTemporaryDir ports;
        const auto servo = startPtyServo(ports.path(), 1, "OTHERSRV05DC78320A00100000000000");
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
        const QByteArray sent = link::buildFrame("OTHERSRV05E646320A00100000000000");
        const QByteArray out = cli({"write", m_typed, "--dry-run"});
        QVERIFY2(out.contains("frame text  " + settings::printableText(sent).toLatin1()), out);
        // Saved around the servo's own name; with the throw out of range it is refused,
        // dropped onto the window as opened.
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
};

QTEST_MAIN(TestWindowFiles)
#include "tst_windowfiles.moc"
