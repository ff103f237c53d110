// The window as start-up leaves it: "Not connected", every group in place.
#include "app/form1.h"
#include "platform/ledcircle.h"
#include "support/privateportfolder.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTest>

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void captionAndClientSize();
    void groupsAtTheirPositions_data();
    void groupsAtTheirPositions();
    void notConnectedState();
    void transmitterListHasSixEntriesNoneChosen();
    void stateStartValues();
    void backgroundEverywhere();
    void readableUnderDarkDesktop_data();
    void readableUnderDarkDesktop();
    void screenReaderNamesAreCaptions();
    void screenReaderNamesFollowCaptionChanges_data();
    void screenReaderNamesFollowCaptionChanges();
    void servoNameIsPlainText();
    void normalServoPictureShown();
    void pictureFromProgramFolderElseBuiltIn();
    void tabVisitsControlsInReadingOrder();
    void textsFitTheirControls();

private:
    std::unique_ptr<PrivatePortFolder> m_ports;
    std::unique_ptr<Form1> m_form;
};

void TestStartup::init() {
    m_ports = std::make_unique<PrivatePortFolder>();
    m_form = std::make_unique<Form1>();
    m_form->show();
}

void TestStartup::cleanup() {
    m_form.reset();
    m_ports.reset();
}

void TestStartup::captionAndClientSize() {
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Korvane Tessaro"));
    QCOMPARE(m_form->centralWidget()->size(), QSize(505, 552));
    QCOMPARE(m_form->Frm_Exit->text(), QStringLiteral("Exit"));
    QCOMPARE(m_form->Frm_About->text(), QStringLiteral("About"));
}

void TestStartup::groupsAtTheirPositions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    // Design positions in twips divided by 15.
    QTest::newRow("Frame2") << "Frame2" << QRect(8, 0, 105, 81);
    QTest::newRow("Frame7") << "Frame7" << QRect(120, 0, 161, 81);
    QTest::newRow("Picture1") << "Picture1" << QRect(312, 0, 179, 101);
    QTest::newRow("Fr_ThrowSpeed") << "Fr_ThrowSpeed" << QRect(8, 96, 169, 297);
    QTest::newRow("Fr_CentreDead") << "Fr_CentreDead" << QRect(184, 96, 169, 297);
    QTest::newRow("Frame9") << "Frame9" << QRect(360, 96, 137, 121);
    QTest::newRow("Fr_Tx") << "Fr_Tx" << QRect(360, 224, 137, 65);
    QTest::newRow("Fr_Prog") << "Fr_Prog" << QRect(360, 328, 137, 65);
    QTest::newRow("Fr_Position") << "Fr_Position" << QRect(8, 392, 345, 153);
    QTest::newRow("Frame1") << "Frame1" << QRect(360, 392, 137, 81);
    QTest::newRow("Frame3") << "Frame3" << QRect(360, 480, 137, 65);
}

void TestStartup::groupsAtTheirPositions() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    auto *w = m_form->findChild<QWidget *>(name);
    QVERIFY(w);
    QCOMPARE(w->geometry(), geometry);
}

void TestStartup::notConnectedState() {
    for (QWidget *w :
         {static_cast<QWidget *>(m_form->Frame1), static_cast<QWidget *>(m_form->Frame9),
          static_cast<QWidget *>(m_form->Fr_ThrowSpeed),
          static_cast<QWidget *>(m_form->Fr_CentreDead),
          static_cast<QWidget *>(m_form->Fr_Position), static_cast<QWidget *>(m_form->CProgram),
          static_cast<QWidget *>(m_form->CkReset), static_cast<QWidget *>(m_form->CmbServo),
          static_cast<QWidget *>(m_form->Fr_Prog), static_cast<QWidget *>(m_form->LProg)})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QVERIFY(m_form->Connect->isEnabled());
    QVERIFY(m_form->Close->isEnabled());
    QVERIFY(m_form->cmbCOM->isHidden());
    QVERIFY(m_form->LED1->isHidden());
    QVERIFY(m_form->LED_Prog->isHidden());
    QCOMPARE(m_form->LProg->text(), QStringLiteral("Idle"));
    QCOMPARE(m_form->LServoName->text(), QString());
    QCOMPARE(m_form->LServoRev->text(), QString());
    QCOMPARE(m_form->CProgram->text(), QStringLiteral("PROGRAM"));
    QCOMPARE(m_form->Close->text(), QStringLiteral("CLOSE"));
    QCOMPARE(m_form->CkReset->text(), QStringLiteral(" Reset to Default"));
    QVERIFY(!m_form->Timer1.isActive());
    QCOMPARE(m_form->Timer1.interval(), 10);
}

void TestStartup::transmitterListHasSixEntriesNoneChosen() {
    const QStringList expected = {"Unknown", "Standard", "Futaba", "Hitec", "JR", "Multiplex"};
    QStringList entries;
    for (int i = 0; i < m_form->CmbServo->count(); ++i)
        entries << m_form->CmbServo->itemText(i);
    QCOMPARE(entries, expected);
    QCOMPARE(m_form->CmbServo->currentIndex(), -1);
    QCOMPARE(m_form->CmbServo->placeholderText(), QStringLiteral("Unknown"));
}

void TestStartup::stateStartValues() {
    QCOMPARE(m_form->RefThrow, 90);
    QCOMPARE(m_form->RefSpeed, 100);
    QCOMPARE(m_form->RefCentre, 0);
    QCOMPARE(m_form->RefDeadband, qint16(2));
    QCOMPARE(m_form->ThrowScale, 500.0 / 450.0);
    QCOMPARE(m_form->TickCount, qint16(0));
    QCOMPARE(m_form->ServoName, QByteArray(8, ' '));
    QVERIFY(m_form->SettingsBlock.isEmpty());
    QCOMPARE(m_form->ScrollThrow->value(), 90);
    QCOMPARE(m_form->ScrollSpeed->value(), 100);
    QCOMPARE(m_form->ScrollCentre->value(), 0);
    QCOMPARE(m_form->ScrollDeadband->value(), 2);
    QCOMPARE(m_form->ScrollPosition->value(), 0);
}

void TestStartup::backgroundEverywhere() {
    const QColor grey(0xE0, 0xE0, 0xE0);
    QCOMPARE(m_form->palette().color(QPalette::Window), grey);
    for (QWidget *w : m_form->centralWidget()->findChildren<QWidget *>()) {
        if (qobject_cast<QFrame *>(w) || qobject_cast<QAbstractButton *>(w))
            QVERIFY2(w->palette().color(QPalette::Window) == grey, qPrintable(w->objectName()));
    }
}

namespace {
QString spokenName(QWidget *w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}
} // namespace

void TestStartup::readableUnderDarkDesktop_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPalette::ColorRole>("text");
    QTest::addColumn<QPalette::ColorRole>("ground");
    QTest::newRow("button") << "Connect" << QPalette::ButtonText << QPalette::Button;
    QTest::newRow("check box") << "Check1" << QPalette::WindowText << QPalette::Window;
    QTest::newRow("servo name") << "LServoName" << QPalette::WindowText << QPalette::Window;
    QTest::newRow("Tx list") << "CmbServo" << QPalette::ButtonText << QPalette::Button;
    QTest::newRow("Tx list shown") << "CmbServo" << QPalette::PlaceholderText << QPalette::Button;
    QTest::newRow("readout") << "TWidth" << QPalette::Text << QPalette::Base;
    QTest::newRow("menu bar") << "menu" << QPalette::ButtonText << QPalette::Window;
}

void TestStartup::readableUnderDarkDesktop() {
    QFETCH(QString, name);
    QFETCH(QPalette::ColorRole, text);
    QFETCH(QPalette::ColorRole, ground);
    const QPalette desktop = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(desktop); });
    QApplication::setPalette(QPalette(QColor(0x30, 0x30, 0x30), QColor(0x30, 0x30, 0x30)));
    Form1 w;
    QWidget *widget = name == "menu" ? w.menuBar() : w.findChild<QWidget *>(name);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor ink = widget->palette().color(group, text);
        const QColor paper = widget->palette().color(group, ground);
        QVERIFY2(ink.lightness() < 128 && paper.lightness() > 192,
                 qPrintable(QStringLiteral("%1 on %2").arg(ink.name(), paper.name())));
    }
}

void TestStartup::screenReaderNamesAreCaptions() {
    for (QWidget *w : m_form->centralWidget()->findChildren<QWidget *>()) {
        const QString name = spokenName(w);
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            QCOMPARE(name, button->text());
        else if (auto *label = qobject_cast<QLabel *>(w); label && label->pixmap().isNull())
            QCOMPARE(name, label->text());
        else if (qobject_cast<QScrollBar *>(w) || qobject_cast<QLineEdit *>(w) ||
                 qobject_cast<QComboBox *>(w) || w->inherits("ChartViewer"))
            QVERIFY2(!name.isEmpty(), qPrintable(w->objectName()));
    }
}

void TestStartup::screenReaderNamesFollowCaptionChanges_data() {
    QTest::addColumn<Qt::CheckState>("reset");
    QTest::addColumn<QString>("servoName");
    QTest::addColumn<QString>("programCaption");
    QTest::newRow("reset requested") << Qt::Checked << "TESTSRV1"
                                     << "RESET";
    QTest::newRow("reset cleared") << Qt::Unchecked << "Not found"
                                   << "PROGRAM";
    QTest::newRow("markup in name") << Qt::Unchecked << "<b>ABCDE"
                                    << "PROGRAM";
}

void TestStartup::screenReaderNamesFollowCaptionChanges() {
    QFETCH(Qt::CheckState, reset);
    QFETCH(QString, servoName);
    m_form->CkReset->setCheckState(reset == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    m_form->CkReset->setCheckState(reset);
    m_form->LServoName->setText(servoName);
    QTEST(m_form->CProgram->text(), "programCaption");
    QTEST(spokenName(m_form->CProgram), "programCaption");
    QCOMPARE(spokenName(m_form->LServoName), servoName);
}

void TestStartup::servoNameIsPlainText() {
    const QString name = QStringLiteral("<b>ABCDE");
    m_form->LServoName->setText(name);
    QCOMPARE(m_form->LServoName->textFormat(), Qt::PlainText);
    QCOMPARE(m_form->LServoName->text(), name);
}

void TestStartup::normalServoPictureShown() {
    QCOMPARE(m_form->PServo->property("pictureFile").toString(), QStringLiteral("servop.gif"));
    QCOMPARE(m_form->PServo->pixmap().size(), QSize(100, 80));
    QCOMPARE(m_form->Picture1->pixmap().size(), QSize(178, 101));
}

void TestStartup::pictureFromProgramFolderElseBuiltIn() {
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/servon.gif");
    QFile::remove(beside);
    m_form->Check1->setCheckState(Qt::Checked);
    QCOMPARE(m_form->PServo->pixmap().toImage(),
             QPixmap(QStringLiteral(":/pictures/servon.gif")).toImage());

    // A picture in the program's folder wins over the built-in copy.
    QImage red(100, 80, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(beside, "GIF") || red.save(beside, "PNG"));
    m_form->Check1->setCheckState(Qt::Unchecked);
    m_form->Check1->setCheckState(Qt::Checked);
    QFile::remove(beside);
    QCOMPARE(m_form->PServo->pixmap().toImage().pixelColor(50, 40), QColor(Qt::red));
}

void TestStartup::tabVisitsControlsInReadingOrder() {
    QStringList chain;
    for (QWidget *w = m_form->cmbCOM; chain.size() < 40; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty())
            chain << w->objectName();
        if (w->nextInFocusChain() == m_form->cmbCOM)
            break;
    }
    const QStringList expected = {"cmbCOM",         "Connect",        "ScrollThrow", "ScrollSpeed",
                                  "ScrollCentre",   "ScrollDeadband", "Check1",      "CmbServo",
                                  "ScrollPosition", "TWidth",         "TPercent",    "CkReset",
                                  "CProgram",       "Close"};
    QCOMPARE(chain, expected);
}

void TestStartup::textsFitTheirControls() {
    // Fonts and controls scale together, so what fits at 100 % fits at 200 % too.
    m_form->LServoName->setText(QStringLiteral("WWWWWWWW"));
    for (QWidget *w : m_form->centralWidget()->findChildren<QWidget *>()) {
        auto *label = qobject_cast<QLabel *>(w);
        if (label && (label->wordWrap() || label->text().isEmpty()))
            continue;
        if (label || qobject_cast<QAbstractButton *>(w))
            QVERIFY2(w->sizeHint().width() <= w->width(),
                     qPrintable(QStringLiteral("%1 needs %2 px, has %3")
                                    .arg(label ? label->text() : w->objectName())
                                    .arg(w->sizeHint().width())
                                    .arg(w->width())));
    }
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
