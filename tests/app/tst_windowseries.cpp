// File, Program a series… in the window: the editors are off while it runs,
// and the window is back to a state it knows once it has ended.
#include "settings/settingsfile.h"
#include "support/windowrig.h"

#include <QFileDialog>
#include <QListWidget>
#include <QPushButton>

class TestWindowSeries : public QObject {
    Q_OBJECT

private slots:
    void editorsOffWhileItRunsAndNotConnectedAfter() {
        WindowRig rig;
        QVERIFY(rig.openConnected());
        const QString file = rig.folder() + "/wanted.json";
        QVERIFY(!tessaro::settings::saveSettings(file, {ExampleBlock, {120, 80, 10, 0, 1, 0}}));
        QTimer answer; // the file dialog, whenever it is up
        connect(&answer, &QTimer::timeout, this, [&] {
            if (auto *files = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                files->selectFile(file);
                QMetaObject::invokeMethod(files, "accept");
            }
        });
        answer.start(5);
        rig.get<QAction>("Frm_ProgramSeries")->trigger();
        auto *dialog = rig.form().findChild<QDialog *>("SeriesDialog");
        QVERIFY(dialog);
        auto *lines = dialog->findChild<QListWidget *>("seriesLines");
        QTRY_COMPARE_WITH_TIMEOUT(lines->count(), 1, 20000);
        QVERIFY2(lines->item(0)->text().endsWith("  \"12345678\"  verified"),
                 qPrintable(lines->item(0)->text()));
        QCOMPARE(dialog->findChild<QLabel *>("seriesNext")->text(), QString("unplug it"));
        // While it runs: no editors, no Connect, no servo name the lead may no longer hold.
        QCOMPARE(rig.onOff({"Frame1", "Fr_ThrowSpeed", "CProgram", "Connect", "CmbServo"}) +
                     rig.text("LServoName"),
                 QString("00000"));
        QVERIFY(!rig.get<QAction>("Frm_ProgramSeries")->isEnabled());
        auto *stop = dialog->findChild<QPushButton *>("seriesStop");
        stop->click();
        QTRY_COMPARE_WITH_TIMEOUT(stop->text(), QString("Close"), 20000);
        QCOMPARE(dialog->findChild<QLabel *>("seriesNext")->text(),
                 QString("Series ended: 1 verified"));
        QCOMPARE(rig.onOff({"Frame1", "CProgram", "Connect"}), QString("001"));
        QVERIFY(rig.get<QAction>("Frm_ProgramSeries")->isEnabled() && rig.boxes.texts.isEmpty());
    }
};

QTEST_MAIN(TestWindowSeries)
#include "tst_windowseries.moc"
