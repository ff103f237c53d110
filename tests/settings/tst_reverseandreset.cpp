// The Reverse and Reset to Default boxes, clicked by the user and set from a
// decoded servo block.
#include "app/form1.h"
#include "settings/checkvalue.h"
#include "settings/presets.h"
#include "settings/settingsblock.h"
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
    void resetRenamesButtonAndCentresPosition();
    void decodedBlockSetsBothBoxes_data();
    void decodedBlockSetsBothBoxes();
    void clicksFromGreyNeverReturnToGrey_data();
    void clicksFromGreyNeverReturnToGrey();

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
    QTest::addColumn<bool>("startChecked");
    QTest::addColumn<Qt::CheckState>("state");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("caption");
    QTest::newRow("set") << 1 << false << Qt::Checked << "servon.gif"
                         << "RESET";
    QTest::newRow("cleared") << 0 << true << Qt::Unchecked << "servop.gif"
                             << "PROGRAM";
    // The grey state keeps the picture and caption of the state before it.
    QTest::newRow("grey after set") << 2 << true << Qt::PartiallyChecked << "servon.gif"
                                    << "RESET";
    QTest::newRow("grey after clear") << 2 << false << Qt::PartiallyChecked << "servop.gif"
                                      << "PROGRAM";
}

void ReverseAndResetTest::decodedBlockSetsBothBoxes() {
    QFETCH(int, flag);
    QFETCH(bool, startChecked);
    Form1 w;
    w.Check1->setChecked(startChecked);
    w.CkReset->setChecked(startChecked);
    w.ScrollPosition->setValue(25);
    w.SettingsBlock = servoBlock({90, 100, 0, flag, 2, flag});
    chooseTransmitter(w, presets::UnknownIndex);
    QTEST(w.Check1->checkState(), "state");
    QTEST(w.CkReset->checkState(), "state");
    QTEST(pictureFile(w), "picture");
    QTEST(w.CProgram->text(), "caption");
    QCOMPARE(w.ScrollPosition->value(), 0);
    // PROGRAM writes both fields back as they came.
    block::EditorValues v;
    v.reverse = checkValue(w.Check1);
    v.reset = checkValue(w.CkReset);
    const QByteArray built = block::build(TestServoName, v, "TAILTAIL");
    QCOMPARE(built.mid(block::ReversePos, 2), w.SettingsBlock.mid(block::ReversePos, 2));
    QCOMPARE(built.mid(block::ResetPos, 2), w.SettingsBlock.mid(block::ResetPos, 2));
}

void ReverseAndResetTest::clicksFromGreyNeverReturnToGrey_data() {
    QTest::addColumn<QString>("box");
    QTest::newRow("Reverse") << "Check1";
    QTest::newRow("Reset to Default") << "CkReset";
}

void ReverseAndResetTest::clicksFromGreyNeverReturnToGrey() {
    QFETCH(QString, box);
    Form1 w;
    enableEditors(w);
    w.SettingsBlock = servoBlock({90, 100, 0, 2, 2, 2});
    chooseTransmitter(w, presets::UnknownIndex);
    auto *check = w.findChild<QCheckBox *>(box);
    QCOMPARE(check->checkState(), Qt::PartiallyChecked);
    QList<Qt::CheckState> states;
    for (int i = 0; i < 4; ++i) {
        check->click();
        states << check->checkState();
    }
    QCOMPARE(states,
             QList<Qt::CheckState>({Qt::Checked, Qt::Unchecked, Qt::Checked, Qt::Unchecked}));
}

QTEST_MAIN(ReverseAndResetTest)
#include "tst_reverseandreset.moc"
