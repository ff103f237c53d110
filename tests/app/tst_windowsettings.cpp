// The settings as the user changes them in the window: the test range and readouts, the
// transmitter presets or the servo's values, the boxes' picture and caption, fresh gauges.
#include "support/windowrig.h"

#include <QCheckBox>

using namespace tessaro;

// Preset (3 Hitec, 4 JR, 0 none); the test position set before the throw when `first`.
struct Case {
    int preset, position, throwDeg, centre;
    bool first;
    int halfThrow, barMax, shown; // shown: the test position at the end
    QString width, percent;
};

struct Entry {
    int index, centre, barMax;
};

// Qt::CheckState values (2 checked, 1 grey); the test position put at 30 before each.
struct Change {
    const char *box;
    QList<int> states;
    QString picture, caption;
    int position;
};

class TestWindowSettings : public QObject {
    Q_OBJECT

private slots:
    void readoutsAndRange_data() {
        QTest::addColumn<Case>("c");
        // clang-format off
        QTest::newRow("centre 20 at the bottom") << Case{0, -50, 90, 20, false, 45, 50, -50, "1020 uS", "-100 %"};
        QTest::newRow("throw 30 pulls top in") << Case{0, 50, 30, 0, true, 15, 17, 17, "2010 uS", "102 %"};
        QTest::newRow("wide end past 100 %") << Case{3, 86, 140, 0, false, 70, 86, 86, "2053 uS", "101 %"};
        // clang-format on
    }
    void readoutsAndRange() {
        QFETCH(Case, c);
        WindowRig w;
        w.open();
        if (c.preset)
            w.chooseTransmitter(c.preset);
        w.setValue("ScrollPosition", c.first ? c.position : 0);
        w.setValue("ScrollThrow", c.throwDeg);
        if (!c.first)
            w.setValue("ScrollPosition", c.position);
        w.setValue("ScrollCentre", c.centre);
        QCOMPARE(w.range("ScrollPosition"), QString("%1..%2").arg(-c.barMax).arg(c.barMax));
        QCOMPARE(w.text("LWidth") + '|' + w.text("TWidth") + '|' + w.text("TPercent"),
                 QString("Pulse width for %1 degrees|%2|%3").arg(c.shown).arg(c.width, c.percent));
        const gauges::GaugeInputs in = w.form().gaugeInputs();
        QCOMPARE(QPair(in.PosMin, in.PosMax),
                 QPair(-c.halfThrow * in.ThrowScale, c.halfThrow * in.ThrowScale));
    }

    // From JR (±45), speed moved: each entry loads its centre and range, and no speed.
    void entryLoadsCentreAndRange_data() {
        QTest::addColumn<Entry>("e");
        QTest::newRow("Unknown, nothing read") << Entry{0, 0, 50};
        QTest::newRow("Multiplex") << Entry{5, 100, 55};
    }
    void entryLoadsCentreAndRange() {
        QFETCH(Entry, e);
        WindowRig w;
        w.open();
        w.chooseTransmitter(4);
        w.setValue("ScrollSpeed", 30);
        w.chooseTransmitter(e.index);
        QCOMPARE(w.values({"ScrollThrow", "ScrollCentre", "ScrollSpeed"}),
                 QList({90, e.centre, 100}));
        w.setValue("ScrollPosition", e.barMax + 1);
        QCOMPARE(w.value("ScrollPosition"), e.barMax);
        QCOMPARE(w.staleGauge(), QString());
    }

    void makesKeepServoValuesAndUnknownRestoresThem() {
        WindowRig w; // Reset to Default, not Reverse
        w.servos().add(
            1, settings::buildBlock("TESTSRV1", {0, 45, {120, 60, -10, 0, 5, 1}}, "TAILTAIL"));
        w.open();
        // Already at the servo's values: on Connect only the gauges' references change.
        w.setValue("ScrollSpeed", 60);
        w.setValue("ScrollDeadband", 5);
        w.setValue("ScrollPosition", 25);
        w.get<QCheckBox>("Check1")->setChecked(true);
        w.click("Connect");
        // The boxes as the servo has them, with picture and caption; the test position at 0.
        const auto fromServo = [&] {
            return QStringList{QString::number(w.get<QCheckBox>("Check1")->checkState()),
                               QString::number(w.get<QCheckBox>("CkReset")->checkState()),
                               w.pictureFile(), w.text("CProgram"), w.text("LWidth")};
        };
        const QStringList boxes{"0", "2", "servop.gif", "RESET", "Pulse width for 0 degrees"};
        QCOMPARE(fromServo(), boxes);
        QCOMPARE(w.staleGauge(), QString());
        const QByteArray sentByConnect = w.servos().writes.join();

        w.setValue("ScrollSpeed", 30);
        w.setValue("ScrollDeadband", 12);
        w.chooseTransmitter(5); // Multiplex: throw 90, centre 100, 550/450
        QCOMPARE(w.values({"ScrollThrow", "ScrollSpeed", "ScrollDeadband"}), QList({90, 60, 12}));
        QCOMPARE(fromServo(), boxes);

        w.get<QCheckBox>("Check1")->setChecked(true);
        w.get<QCheckBox>("CkReset")->setChecked(false);
        w.setValue("ScrollCentre", -10);
        w.setValue("ScrollPosition", 20);
        w.chooseTransmitter(0);
        QCOMPARE(w.values({"ScrollThrow", "ScrollSpeed", "ScrollCentre", "ScrollDeadband"}),
                 QList({120, 60, -10, 5}));
        QCOMPARE(w.range("ScrollPosition"), "-67..67"); // 60 × 500/450
        QCOMPARE(fromServo(), boxes);
        QCOMPARE(w.text("LServoName"), QStringLiteral("TESTSRV1"));
        // The centre bar stood at the servo's value already, yet its reference moved.
        QCOMPARE(w.staleGauge(), QString());
        QCOMPARE(w.servos().writes.join(), sentByConnect);
    }

    void boxChanges_data() {
        QTest::addColumn<Change>("c");
        // clang-format off
        QTest::newRow("start-up") << Change{"Check1", {}, "servop.gif", "PROGRAM", 0};
        QTest::newRow("reverse grey") << Change{"Check1", {2, 1}, "servon.gif", "PROGRAM", 30};
        QTest::newRow("reset cleared") << Change{"CkReset", {2, 0}, "servop.gif", "PROGRAM", 0};
        QTest::newRow("reset grey") << Change{"CkReset", {2, 1}, "servop.gif", "RESET", 0};
        // clang-format on
    }
    void boxChanges() {
        QFETCH(Change, c);
        WindowRig w;
        w.open();
        for (int state : c.states) {
            w.setValue("ScrollPosition", 30);
            w.get<QCheckBox>(c.box)->setCheckState(Qt::CheckState(state));
        }
        QCOMPARE(QStringList({w.pictureFile(), w.text("CProgram"), w.text("LWidth")}),
                 QStringList({c.picture, c.caption,
                              QString("Pulse width for %1 degrees").arg(c.position)}));
    }
};

QTEST_MAIN(TestWindowSettings)
#include "tst_windowsettings.moc"
