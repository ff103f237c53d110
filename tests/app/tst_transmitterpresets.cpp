// Choosing a transmitter make or "Unknown" in the Tx Compatibility list.
#include "support/settingswindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>

namespace {

struct Entry {
    int index, centre, barMax;
    QString name, widthAtTop;
};

} // namespace

class TestTransmitterPresets : public QObject {
    Q_OBJECT

private slots:
    // From JR (±45), speed moved: "Standard" moves no other bar yet widens the range.
    void entryLoadsCentreAndRange_data() {
        QTest::addColumn<Entry>("e");
        QTest::newRow("Unknown, nothing read") << Entry{0, 0, 50, "Unknown", "2000 uS"};
        QTest::newRow("Standard") << Entry{1, 0, 50, "Standard", "2000 uS"};
        QTest::newRow("Futaba") << Entry{2, 22, 45, "Futaba", "1972 uS"};
        QTest::newRow("Hitec") << Entry{3, 0, 55, "Hitec", "2050 uS"};
        QTest::newRow("JR") << Entry{4, 0, 45, "JR", "1950 uS"};
        QTest::newRow("Multiplex") << Entry{5, 100, 55, "Multiplex", "2150 uS"};
    }

    void entryLoadsCentreAndRange() {
        QFETCH(Entry, e);
        SettingsWindow w;
        QCOMPARE(w.get<QComboBox>("CmbServo")->itemText(e.index), e.name);
        w.chooseTransmitter(4);
        w.set({{"Speed", 30}});
        w.chooseTransmitter(e.index);
        QCOMPARE(w.values({"Throw", "Centre", "Speed"}), QList<int>({90, e.centre, 100}));
        QCOMPARE(w.form->gaugeInputs().RefCentre, e.centre);
        QCOMPARE(QPair(w.bar("Position")->minimum(), w.bar("Position")->maximum()),
                 QPair(-e.barMax, e.barMax));
        w.set({{"Position", e.barMax}});
        QCOMPARE(QStringList({w.text("TWidth"), w.text("TPercent")}),
                 QStringList({e.widthAtTop, "100 %"}));
        QCOMPARE(w.staleGauge(), QString());
    }

    void makesKeepServoValuesAndUnknownRestoresThem() {
        SettingsWindow w(servoBlock(120, 60, -10, 0, 5, 1)); // Reset to Default, not Reverse
        // Already at the servo's values: on Connect only the gauges' references change.
        w.set({{"Speed", 60}, {"Deadband", 5}, {"Position", 25}});
        w.get<QCheckBox>("Check1")->setChecked(true);
        w.connectServo();
        // The boxes as the servo has them, with picture and caption; the test position at 0.
        const auto fromServo = [&] {
            return QStringList{QString::number(w.get<QCheckBox>("Check1")->checkState()),
                               QString::number(w.get<QCheckBox>("CkReset")->checkState()),
                               w.pictureFile(), w.text("CProgram"), w.text("LWidth")};
        };
        const QStringList boxes{"0", "2", "servop.gif", "RESET", "Pulse width for 0 degrees"};
        QCOMPARE(fromServo(), boxes);
        QCOMPARE(w.values({"Throw", "Centre"}), QList<int>({120, -10}));
        QCOMPARE(w.staleGauge(), QString());
        const QByteArray sentByConnect = w.sent();

        w.set({{"Speed", 30}, {"Deadband", 12}});
        w.chooseTransmitter(5); // Multiplex: throw 90, centre 100, 550/450
        QCOMPARE(w.values({"Throw", "Speed", "Deadband"}), QList<int>({90, 60, 12}));
        QCOMPARE(w.form->gaugeInputs().RefThrow, 90);
        QCOMPARE(fromServo(), boxes);

        w.get<QCheckBox>("Check1")->setChecked(true);
        w.get<QCheckBox>("CkReset")->setChecked(false);
        w.set({{"Centre", -10}, {"Position", 20}});
        w.chooseTransmitter(0);
        QCOMPARE(w.values({"Throw", "Speed", "Centre", "Deadband"}), QList<int>({120, 60, -10, 5}));
        QCOMPARE(w.bar("Position")->maximum(), 67); // 60 × 500/450
        QCOMPARE(fromServo(), boxes);
        QCOMPARE(w.text("LServoName"), QStringLiteral("TESTSRV1"));
        // The centre bar stood at the servo's value already, yet its reference moved.
        QCOMPARE(w.staleGauge(), QString());
        QCOMPARE(w.sent(), sentByConnect);
    }
};

QTEST_MAIN(TestTransmitterPresets)
#include "tst_transmitterpresets.moc"
