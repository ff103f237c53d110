// What the window shows is what a screen reader hears and the keys move; servo bytes are
// text; the servo's grey box state goes back to it; dark captions under a dark desktop.
#include "support/windowrig.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QScopeGuard>
#include <QScrollBar>

using namespace tessaro;

static QString heard(QWidget *w, QAccessible::Text what = QAccessible::Name) {
    return QAccessible::queryAccessibleInterface(w)->text(what);
}

// The example servo with the given name and reverse and reset fields.
static QByteArray servoBlock(const QByteArray &name, const char *reverse, const char *reset) {
    return name + "05DC5A6400" + reverse + "02" + reset + "00000000";
}

class TestWindowAccess : public QObject {
    Q_OBJECT

private slots:
    void captionsStayDarkUnderDarkDesktop_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPalette::ColorRole>("ink");
        QTest::addColumn<QPalette::ColorRole>("paper");
        QTest::newRow("button") << "Connect" << QPalette::ButtonText << QPalette::Button;
        QTest::newRow("check box") << "Check1" << QPalette::WindowText << QPalette::Window;
        QTest::newRow("Tx list") << "CmbServo" << QPalette::PlaceholderText << QPalette::Button;
        QTest::newRow("readout") << "TWidth" << QPalette::Text << QPalette::Base;
        QTest::newRow("menu bar") << "" << QPalette::ButtonText << QPalette::Window;
    }
    void captionsStayDarkUnderDarkDesktop() {
        QFETCH(QString, name);
        QFETCH(QPalette::ColorRole, ink);
        QFETCH(QPalette::ColorRole, paper);
        const QPalette desktop = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(desktop); });
        QApplication::setPalette(QPalette(QColor(0x30, 0x30, 0x30), QColor(0x30, 0x30, 0x30)));
        WindowRig rig;
        rig.open();
        QWidget *widget = name.isEmpty() ? rig.form().menuBar() : rig.get(qPrintable(name));
        for (auto group : {QPalette::Active, QPalette::Disabled})
            QVERIFY2(widget->palette().color(group, ink).lightness() < 128 &&
                         widget->palette().color(group, paper).lightness() > 192,
                     qPrintable(QString::number(group)));
    }

    void servoNameIsHeardAndShownAsText() {
        WindowRig rig;
        QVERIFY(rig.openConnected(servoBlock("<b>ABCDE", "00", "00")));
        auto *name = rig.get<QLabel>("LServoName");
        QCOMPARE(name->text(), QStringLiteral("<b>ABCDE"));
        QCOMPARE(name->textFormat(), Qt::PlainText);
        QCOMPARE(heard(name), name->text());
        rig.click("CkReset");
        QCOMPARE(heard(rig.get("CProgram")), QStringLiteral("RESET"));
    }

    // Each editor is heard as its gauge reads, and its arrow keys move it that way.
    void editorsAreDescribedAndMovedAsTheirGaugesShow_data() {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("heard");
        QTest::newRow("throw, half of it") << "ScrollThrow" << 140 << "78 deg.";
        QTest::newRow("centre as pulse") << "ScrollCentre" << -5 << "1495 uS";
        QTest::newRow("deadband") << "ScrollDeadband" << 7 << "7 uS";
        QTest::newRow("position") << "ScrollPosition" << -12 << "-12 deg.";
    }
    void editorsAreDescribedAndMovedAsTheirGaugesShow() {
        QFETCH(QString, bar);
        QFETCH(int, value);
        WindowRig rig;
        QVERIFY(rig.openConnected());
        auto *editor = rig.get<QScrollBar>(qPrintable(bar));
        editor->setValue(value);
        QTEST(heard(editor, QAccessible::Description), "heard");
        const int middle = (editor->minimum() + editor->maximum()) / 2;
        editor->setValue(middle);
        for (auto [key, at] :
             {std::pair{Qt::Key_Right, 1}, {Qt::Key_Up, 2}, {Qt::Key_Left, 1}, {Qt::Key_Down, 0}}) {
            QTest::keyClick(editor, key);
            QCOMPARE(editor->value(), middle + at);
        }
    }

    void greyCheckBoxesComeFromTheServoAndGoBack() {
        WindowRig rig;
        QVERIFY(rig.openConnected(servoBlock("GREYSRV1", "02", "02")));
        servoemu::Responder &servo = rig.servos().at(1);
        auto *reverse = rig.get<QCheckBox>("Check1");
        QCOMPARE(reverse->checkState(), Qt::PartiallyChecked);
        QCOMPARE(rig.get("PServo")->property("pictureFile").toString(), "servop.gif");
        QCOMPARE(rig.text("CProgram"), QStringLiteral("PROGRAM"));
        for (Qt::CheckState next : {Qt::Checked, Qt::Unchecked, Qt::Checked}) {
            reverse->click();
            QCOMPARE(reverse->checkState(), next);
        }
        rig.chooseTransmitter(0);
        servo.clearReceived();
        rig.click("CProgram");
        QCOMPARE(
            servo.received().mid(2 + settings::fieldOf(&settings::BlockValues::reverse).pos, 6),
            QByteArray("020202"));
    }
};

QTEST_MAIN(TestWindowAccess)
#include "tst_windowaccess.moc"
