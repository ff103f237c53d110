// The File menu over an in-process servo: the question before programming
// without a backup, the entries off during an exchange, and restoring with none.
#include "settings/settingsfile.h"
#include "support/windowrig.h"

#include <QDir>
#include <QFileDialog>
#include <QMenu>

using namespace tessaro;

class TestWindowFiles : public QObject {
    Q_OBJECT

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
        QDir(rig.folder()).mkpath("data");
        QFile blocker(rig.folder() + "/data/tessaro");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
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
        QVERIFY(rig.boxes.texts.value(1).contains(folder) && during == "0000");
        QCOMPARE(rig.servos().at(1).received().isEmpty(), !yes);
        QVERIFY(rig.value("ScrollSpeed") == 90 && rig.editorsEnabled());
    }

    // Saved, then opened again; a field out of range changes nothing and is named.
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
                f.write(settings::settingsJson(*saved).replace("70", "999")) && f.flush());
        rig.setValue("ScrollThrow", 100);
        typed = bad;
        rig.get<QAction>("Frm_OpenSettings")->trigger();
        QVERIFY(rig.boxes.texts.value(0).startsWith(bad) && rig.value("ScrollThrow") == 100);
        typed = path;
        rig.get<QAction>("Frm_OpenSettings")->trigger();
        QVERIFY(rig.value("ScrollThrow") == 70 && rig.form().gaugeInputs().RefThrow == 90);
    }
};

QTEST_MAIN(TestWindowFiles)
#include "tst_windowfiles.moc"
