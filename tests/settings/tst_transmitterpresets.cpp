// Choosing a transmitter make or "Unknown" in the Tx Compatibility list.
#include "support/settingswindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>

namespace {

struct Entry {
    int index;
    QString name;
    int centre, barMax;
    QString widthAtTop;
};

} // namespace

class TestTransmitterPresets : public QObject {
    Q_OBJECT

private slots:
    // From JR (throw 90, centre 0, ±45) with the speed moved; "Standard" moves no bar
    // but the throw's and yet widens the range.
    void entryLoadsCentreAndRange_data() {
        QTest::addColumn<Entry>("e");
        QTest::newRow("Unknown, nothing read") << Entry{0, "Unknown", 0, 50, "2000 uS"};
        QTest::newRow("Standard") << Entry{1, "Standard", 0, 50, "2000 uS"};
        QTest::newRow("Futaba") << Entry{2, "Futaba", 22, 45, "1972 uS"};
        QTest::newRow("Hitec") << Entry{3, "Hitec", 0, 55, "2050 uS"};
        QTest::newRow("JR") << Entry{4, "JR", 0, 45, "1950 uS"};
        QTest::newRow("Multiplex") << Entry{5, "Multiplex", 100, 55, "2150 uS"};
    }

    void entryLoadsCentreAndRange() {
        QFETCH(Entry, e);
        SettingsWindow w;
        QCOMPARE(w.get<QComboBox>("CmbServo")->count(), 6);
        QCOMPARE(w.get<QComboBox>("CmbServo")->itemText(e.index), e.name);
        w.chooseTransmitter(4);
        w.bar("ScrollSpeed")->setValue(30);
        w.chooseTransmitter(e.index);
        QCOMPARE(QList<int>({w.bar("ScrollThrow")->value(), w.bar("ScrollCentre")->value(),
                             w.bar("ScrollSpeed")->value(), w.bar("ScrollPosition")->minimum(),
                             w.bar("ScrollPosition")->maximum()}),
                 QList<int>({90, e.centre, 100, -e.barMax, e.barMax}));
        QCOMPARE(w.form->gaugeInputs().RefCentre, e.centre);
        w.bar("ScrollPosition")->setValue(e.barMax);
        QCOMPARE(w.text("TWidth"), e.widthAtTop);
        QCOMPARE(w.text("TPercent"), QStringLiteral("100 %"));
        QCOMPARE(w.staleGauge(), QString());
    }

    void makesKeepServoValuesAndUnknownRestoresThem() {
        SettingsWindow w(servoBlock(120, 60, -10, 1, 5, 1)); // Reverse and Reset to Default
        // Already at the servo's values: on Connect only the gauges' references change.
        w.bar("ScrollSpeed")->setValue(60);
        w.bar("ScrollDeadband")->setValue(5);
        w.bar("ScrollPosition")->setValue(25);
        w.connectServo();
        // Both boxes checked, with their picture and caption; the test position back at 0.
        const auto boxes = [&] {
            return QStringList{QString::number(w.get<QCheckBox>("Check1")->checkState()),
                               QString::number(w.get<QCheckBox>("CkReset")->checkState()),
                               w.get("PServo")->property("pictureFile").toString(),
                               w.text("CProgram"), w.text("LWidth")};
        };
        const QStringList fromServo{"2", "2", "servon.gif", "RESET", "Pulse width for 0 degrees"};
        QCOMPARE(boxes(), fromServo);
        QCOMPARE(w.bar("ScrollThrow")->value(), 120);
        QCOMPARE(w.staleGauge(), QString());
        const QByteArray sentByConnect = w.sent();

        w.bar("ScrollSpeed")->setValue(30);
        w.bar("ScrollDeadband")->setValue(12);
        w.chooseTransmitter(5); // Multiplex: throw 90, centre 100, 550/450
        QCOMPARE(QList<int>({w.bar("ScrollThrow")->value(), w.bar("ScrollSpeed")->value(),
                             w.bar("ScrollDeadband")->value(), w.form->gaugeInputs().RefThrow}),
                 QList<int>({90, 60, 12, 90}));
        QCOMPARE(boxes(), fromServo);

        w.bar("ScrollCentre")->setValue(-10);
        w.get<QCheckBox>("Check1")->setChecked(false);
        w.get<QCheckBox>("CkReset")->setChecked(false);
        w.bar("ScrollPosition")->setValue(20);
        w.chooseTransmitter(0);
        QCOMPARE(QList<int>({w.bar("ScrollThrow")->value(), w.bar("ScrollSpeed")->value(),
                             w.bar("ScrollCentre")->value(), w.bar("ScrollDeadband")->value(),
                             w.bar("ScrollPosition")->maximum()}),
                 QList<int>({120, 60, -10, 5, 67})); // 60 × 500/450
        QCOMPARE(boxes(), fromServo);
        QCOMPARE(w.text("LServoName"), QStringLiteral("TESTSRV1"));
        // The centre bar stood at the servo's value already, yet its reference moved.
        QCOMPARE(w.staleGauge(), QString());
        QCOMPARE(w.sent(), sentByConnect);
    }
};

QTEST_MAIN(TestTransmitterPresets)
#include "tst_transmitterpresets.moc"
