// Choosing a transmitter make or "Unknown" in the Tx Compatibility list.
#include "app/form1.h"
#include "platform/chartviewer.h"
#include "settings/presets.h"
#include "support/privateportfolder.h"
#include "support/settingswindow.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

class TransmitterPresetsTest : public QObject {
    Q_OBJECT

private slots:
    void makeLoadsCentreThrowAndRange_data();
    void makeLoadsCentreThrowAndRange();
    void standardMovesNoBarYetNarrowsRange();
    void makeSetsSpeedBackToReference();
    void unknownRestoresServoValues();
    void unknownWithoutShowableBlockKeepsValues_data();
    void unknownWithoutShowableBlockKeepsValues();
    void unmovedEditorsGaugeFollowsNewReference();

private:
    PrivatePortFolder m_ports;
};

namespace {

// Whether the gauge's readout, in the picture's top-right corner, is written in dark blue
// (unchanged setting) rather than white.
bool readoutIsDarkBlue(const ChartViewer *gauge) {
    const QImage picture = gauge->picture();
    for (int y = 5; y < 20; ++y) {
        for (int x = 110; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (c.blue() - c.red() > 60 && c.blue() - c.green() > 60)
                return true;
        }
    }
    return false;
}

} // namespace

void TransmitterPresetsTest::makeLoadsCentreThrowAndRange_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("centre");
    QTest::addColumn<int>("barMax");
    QTest::addColumn<QString>("widthAtTop");
    QTest::newRow("Standard") << 1 << 0 << 50 << "2000 uS";
    QTest::newRow("Futaba") << 2 << 22 << 45 << "1972 uS";
    QTest::newRow("Hitec") << 3 << 0 << 55 << "2050 uS";
    QTest::newRow("JR") << 4 << 0 << 45 << "1950 uS";
    QTest::newRow("Multiplex") << 5 << 100 << 55 << "2150 uS";
}

void TransmitterPresetsTest::makeLoadsCentreThrowAndRange() {
    QFETCH(int, index);
    QFETCH(int, centre);
    QFETCH(int, barMax);
    Form1 w;
    w.ScrollThrow->setValue(120);
    w.ScrollCentre->setValue(-40);
    chooseTransmitter(w, index);
    QCOMPARE(w.ScrollThrow->value(), 90);
    QCOMPARE(w.ScrollCentre->value(), centre);
    QCOMPARE(w.RefCentre, centre);
    QCOMPARE(w.ScrollPosition->minimum(), -barMax);
    QCOMPARE(w.ScrollPosition->maximum(), barMax);
    w.ScrollPosition->setValue(barMax);
    QTEST(w.TWidth->text(), "widthAtTop");
    QCOMPARE(w.TPercent->text(), QStringLiteral("100 %"));
}

void TransmitterPresetsTest::standardMovesNoBarYetNarrowsRange() {
    Form1 w;
    chooseTransmitter(w, 4); // JR: +/-45
    QSignalSpy throwMoves(w.ScrollThrow, &QScrollBar::valueChanged);
    QSignalSpy centreMoves(w.ScrollCentre, &QScrollBar::valueChanged);
    QSignalSpy speedMoves(w.ScrollSpeed, &QScrollBar::valueChanged);
    chooseTransmitter(w, 1);
    QCOMPARE(throwMoves.count() + centreMoves.count() + speedMoves.count(), 0);
    QCOMPARE(w.ScrollPosition->maximum(), 50);
    QCOMPARE(w.ScrollPosition->minimum(), -50);
}

void TransmitterPresetsTest::makeSetsSpeedBackToReference() {
    Form1 w;
    w.RefSpeed = 70;
    w.ScrollSpeed->setValue(40);
    chooseTransmitter(w, 2);
    QCOMPARE(w.ScrollSpeed->value(), 70);
    QCOMPARE(w.RefSpeed, 70);
}

void TransmitterPresetsTest::unknownRestoresServoValues() {
    Form1 w;
    w.SettingsBlock = servoBlock({120, 55, -30, 1, 9, 0});
    w.ServoName = QByteArrayLiteral("KEEPNAME");
    chooseTransmitter(w, 3); // Hitec's wide scale, to see it go back
    w.ScrollSpeed->setValue(10);
    chooseTransmitter(w, presets::UnknownIndex);
    QCOMPARE(w.RefThrow, 120);
    QCOMPARE(w.RefSpeed, 55);
    QCOMPARE(w.RefCentre, -30);
    QCOMPARE(w.RefDeadband, 9);
    QCOMPARE(w.ScrollThrow->value(), 120);
    QCOMPARE(w.ScrollSpeed->value(), 55);
    QCOMPARE(w.ScrollCentre->value(), -30);
    QCOMPARE(w.ScrollDeadband->value(), 9);
    QCOMPARE(w.Check1->checkState(), Qt::Checked);
    QCOMPARE(w.ThrowScale, presets::DefaultThrowScale);
    QCOMPARE(w.ScrollPosition->maximum(), 67); // 60 x 500/450
    QCOMPARE(w.ServoName, QByteArrayLiteral("KEEPNAME"));
}

void TransmitterPresetsTest::unknownWithoutShowableBlockKeepsValues_data() {
    QTest::addColumn<QByteArray>("block");
    QTest::newRow("nothing read yet") << QByteArray();
    QByteArray centreOutOfRange = servoBlock({120, 55, 0, 1, 9, 0});
    centreOutOfRange.replace(16, 2, "80");
    QTest::newRow("centre -128") << centreOutOfRange;
    QByteArray notHex = servoBlock({120, 55, 0, 1, 9, 0});
    notHex.replace(14, 2, "G1");
    QTest::newRow("speed not hex") << notHex;
}

void TransmitterPresetsTest::unknownWithoutShowableBlockKeepsValues() {
    QFETCH(QByteArray, block);
    Form1 w;
    w.SettingsBlock = block;
    chooseTransmitter(w, 5); // Multiplex: centre 100, scale 550/450
    chooseTransmitter(w, presets::UnknownIndex);
    QCOMPARE(w.ScrollThrow->value(), 90);
    QCOMPARE(w.ScrollCentre->value(), 100);
    QCOMPARE(w.ScrollSpeed->value(), 100);
    QCOMPARE(w.Check1->checkState(), Qt::Unchecked);
    QCOMPARE(w.ScrollPosition->maximum(), 50);
}

void TransmitterPresetsTest::unmovedEditorsGaugeFollowsNewReference() {
    Form1 w;
    w.SettingsBlock = servoBlock({90, 40, 0, 0, 2, 0});
    chooseTransmitter(w, 2); // Futaba: centre 22
    w.ScrollCentre->setValue(0);
    w.ScrollSpeed->setValue(40);
    QVERIFY(!readoutIsDarkBlue(w.ChartCentre));
    QVERIFY(!readoutIsDarkBlue(w.ChartSpeed));
    // Neither bar moves, but both references now equal the editors.
    chooseTransmitter(w, presets::UnknownIndex);
    QCOMPARE(w.ScrollCentre->value(), 0);
    QVERIFY(readoutIsDarkBlue(w.ChartCentre));
    QVERIFY(readoutIsDarkBlue(w.ChartSpeed));
}

QTEST_MAIN(TransmitterPresetsTest)
#include "tst_transmitterpresets.moc"
