// The Reverse and Reset to Default boxes, clicked by the user and set from a
// decoded servo block.
#include "app/form1.h"
#include "settings/presets.h"
#include "support/privateportfolder.h"
#include "support/settingswindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

class ReverseAndResetTest : public QObject {
    Q_OBJECT

private slots:
    void reverseSwapsPicture();
    void greyReverseLeavesPicture();
    void resetRenamesButtonAndCentresPosition();
    void decodedBlockSetsBothBoxes_data();
    void decodedBlockSetsBothBoxes();

private:
    PrivatePortFolder m_ports;
};

namespace {

QString pictureFile(const Form1 &w) {
    return w.PServo->property("pictureFile").toString();
}

} // namespace

void ReverseAndResetTest::reverseSwapsPicture() {
    Form1 w;
    enableEditors(w);
    QCOMPARE(pictureFile(w), QStringLiteral("servop.gif"));
    w.Check1->click();
    QCOMPARE(pictureFile(w), QStringLiteral("servon.gif"));
    QVERIFY(!w.PServo->pixmap().isNull());
    w.Check1->click();
    QCOMPARE(pictureFile(w), QStringLiteral("servop.gif"));
}

void ReverseAndResetTest::greyReverseLeavesPicture() {
    Form1 w;
    w.Check1->setCheckState(Qt::Checked);
    w.Check1->setCheckState(Qt::PartiallyChecked);
    QCOMPARE(pictureFile(w), QStringLiteral("servon.gif"));
}

void ReverseAndResetTest::resetRenamesButtonAndCentresPosition() {
    Form1 w;
    enableEditors(w);
    w.ScrollPosition->setValue(30);
    w.CkReset->click();
    QCOMPARE(w.CProgram->text(), QStringLiteral("RESET"));
    QCOMPARE(w.ScrollPosition->value(), 0);
    QCOMPARE(w.TWidth->text(), QStringLiteral("1500 uS"));
    w.ScrollPosition->setValue(-20);
    w.CkReset->click();
    QCOMPARE(w.CProgram->text(), QStringLiteral("PROGRAM"));
    QCOMPARE(w.ScrollPosition->value(), 0);
}

void ReverseAndResetTest::decodedBlockSetsBothBoxes_data() {
    QTest::addColumn<int>("flag");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("caption");
    QTest::newRow("set") << 1 << "servon.gif"
                         << "RESET";
    QTest::newRow("cleared") << 0 << "servop.gif"
                             << "PROGRAM";
}

void ReverseAndResetTest::decodedBlockSetsBothBoxes() {
    QFETCH(int, flag);
    Form1 w;
    // Start from the opposite state, so that the block changes both boxes.
    w.Check1->setChecked(!flag);
    w.CkReset->setChecked(!flag);
    w.ScrollPosition->setValue(25);
    w.SettingsBlock = servoBlock({90, 100, 0, flag, 2, flag});
    chooseTransmitter(w, presets::UnknownIndex);
    QCOMPARE(w.Check1->isChecked(), bool(flag));
    QCOMPARE(w.CkReset->isChecked(), bool(flag));
    QTEST(pictureFile(w), "picture");
    QTEST(w.CProgram->text(), "caption");
    QCOMPARE(w.ScrollPosition->value(), 0);
}

QTEST_MAIN(ReverseAndResetTest)
#include "tst_reverseandreset.moc"
