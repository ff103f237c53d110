// The Reverse and Reset to Default boxes as the user changes them.
#include "support/settingswindow.h"

#include <QCheckBox>
#include <QTest>

namespace {

// States 0 clear, 1 checked, 2 grey; the test position put at 30 before each.
struct Change {
    const char *box;
    QList<int> states;
    QString picture, caption;
    int position;
};

} // namespace

class TestReverseAndReset : public QObject {
    Q_OBJECT

private slots:
    void boxChanges_data() {
        QTest::addColumn<Change>("c");
        // clang-format off
        QTest::newRow("start-up") << Change{"Check1", {}, "servop.gif", "PROGRAM", 0};
        QTest::newRow("reverse") << Change{"Check1", {1}, "servon.gif", "PROGRAM", 30};
        QTest::newRow("reverse cleared") << Change{"Check1", {1, 0}, "servop.gif", "PROGRAM", 30};
        QTest::newRow("reverse grey") << Change{"Check1", {1, 2}, "servon.gif", "PROGRAM", 30};
        QTest::newRow("reset") << Change{"CkReset", {1}, "servop.gif", "RESET", 0};
        QTest::newRow("reset cleared") << Change{"CkReset", {1, 0}, "servop.gif", "PROGRAM", 0};
        QTest::newRow("reset grey") << Change{"CkReset", {1, 2}, "servop.gif", "RESET", 0};
        // clang-format on
    }

    void boxChanges() {
        QFETCH(Change, c);
        SettingsWindow w;
        const Qt::CheckState checkStates[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
        for (int state : c.states) {
            w.set({{"Position", 30}});
            w.get<QCheckBox>(c.box)->setCheckState(checkStates[state]);
        }
        QCOMPARE(QStringList({w.pictureFile(), w.text("CProgram"), w.text("LWidth")}),
                 QStringList({c.picture, c.caption,
                              QString("Pulse width for %1 degrees").arg(c.position)}));
        QCOMPARE(w.staleGauge(), QString());
    }
};

QTEST_MAIN(TestReverseAndReset)
#include "tst_reverseandreset.moc"
