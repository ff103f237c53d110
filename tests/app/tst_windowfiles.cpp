// The File menu over an in-process servo: the question before programming
// without a backup, the entries off during an exchange, and restoring with none.
#include "settings/settingsfile.h"
#include "support/windowrig.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>

using namespace tessaro;

class TestWindowFiles : public QObject {
    Q_OBJECT

private slots:
    // A file where the backups folder would go makes every backup fail.
    void noBackupAsksFirst_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("No: nothing sent") << false;
        QTest::newRow("Yes: programmed") << true;
    }
    void noBackupAsksFirst() {
        QFETCH(bool, yes);
        WindowRig rig;
        QVERIFY(rig.openConnected());
        QDir(rig.folder()).mkpath("data");
        QFile blocker(rig.folder() + "/data/tessaro");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        rig.boxes.witness = [yes] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (yes && box->button(QMessageBox::Yes))
                box->button(QMessageBox::Yes)->click();
        };
        rig.setValue("ScrollSpeed", 90);
        rig.servos().at(1).clearReceived();
        rig.click("CProgram");
        QCOMPARE(rig.boxes.titles, QStringList{"Tessaro"});
        QVERIFY(rig.boxes.texts.value(0).contains(rig.folder() + "/data/tessaro/backups"));
        QCOMPARE(rig.servos().at(1).received().isEmpty(), !yes);
        QCOMPARE(rig.value("ScrollSpeed"), 90);
        QVERIFY(rig.editorsEnabled());
    }

    // Saved by the window, then opened in it again after the editors moved; a
    // file with a field out of range changes nothing and names the file and field.
    void saveThenOpen() {
        WindowRig rig;
        QVERIFY(rig.openConnected());
        const QString path = rig.folder() + "/wing.json", bad = rig.folder() + "/bad.json";
        QTimer answer;
        QString typed;
        connect(&answer, &QTimer::timeout, [&] {
            if (auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                d->selectFile(typed);
                QMetaObject::invokeMethod(d, "accept");
            }
        });
        answer.start(5);
        rig.setValue("ScrollThrow", 70);
        typed = path;
        rig.get<QAction>("Frm_SaveSettings")->trigger();
        const auto saved = settings::loadSettings(path).settings;
        QVERIFY(saved && saved->name() == "12345678" && saved->values.throwDeg == 70);
        QFile f(bad);
        QVERIFY(f.open(QIODevice::WriteOnly) &&
                f.write(settings::settingsJson(*saved).replace("70", "999")) > 0);
        f.close();
        rig.setValue("ScrollThrow", 100);
        typed = bad;
        rig.get<QAction>("Frm_OpenSettings")->trigger();
        QVERIFY(rig.boxes.texts.value(0).startsWith(bad) && rig.value("ScrollThrow") == 100);
        typed = path;
        rig.get<QAction>("Frm_OpenSettings")->trigger();
        QCOMPARE(rig.value("ScrollThrow"), 70);
        QCOMPARE(rig.form().gaugeInputs().RefThrow, 90);
    }

    void entriesOffDuringExchangeAndNoBackups() {
        WindowRig rig;
        QVERIFY(rig.openConnected());
        QString during;
        const char *entries[] = {"Frm_OpenSettings", "Frm_SaveSettings", "Frm_RestoreBackup",
                                 "Frm_BackupFolder"};
        const auto states = [&] {
            QString s;
            for (const char *e : entries)
                s += rig.get<QAction>(e)->isEnabled() ? '1' : '0';
            return s;
        };
        QTimer::singleShot(0, [&] { during = states(); });
        rig.click("Connect");
        QCOMPARE(during + '|' + states(), QStringLiteral("0000|1111"));
        rig.get<QAction>("Frm_RestoreBackup")->trigger();
        QCOMPARE(rig.boxes.texts.value(0), "There are no backups of this servo in " + rig.folder() +
                                               "/data/tessaro/backups.");
    }
};

QTEST_MAIN(TestWindowFiles)
#include "tst_windowfiles.moc"
