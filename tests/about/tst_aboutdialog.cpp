// The About dialog's make-up, texts, and OK.
#include "about/frmabout.h"
#include "app/version.h"

#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

class AboutDialogTest : public QObject {
    Q_OBJECT

private slots:
    void hasEveryControlByName();
    void captionIsAboutAndTheProgramTitle();
    void versionIsTheProgramsOwnVersion();
    void clientAreaAndBackground();
    void ruleIsGreyOverWhiteBetweenTheTexts();
    void titleAndVersionAreBold();
    void descriptionNamesTheAdapterThenTheWebAddress();
    void noticeFromNoticeToOwnRisk();
    void buttonsHaveCaptionsAccessKeyAndAccessibleNames();
    void iconIsShown();
    void okClosesAndUnloads();
};

void AboutDialogTest::hasEveryControlByName() {
    frmAbout dialog;
    for (const char *name :
         {"picIcon", "lblTitle", "lblVersion", "lblDescription", "lblDisclaimer"})
        QVERIFY2(dialog.findChild<QLabel *>(QLatin1String(name)), name);
    for (const char *name : {"cmdOK", "cmdSysInfo"})
        QVERIFY2(dialog.findChild<QPushButton *>(QLatin1String(name)), name);
    QCOMPARE(dialog.objectName(), QStringLiteral("frmAbout"));
}

void AboutDialogTest::captionIsAboutAndTheProgramTitle() {
    frmAbout dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About Tessaro"));
}

void AboutDialogTest::versionIsTheProgramsOwnVersion() {
    frmAbout dialog;
    QCOMPARE(dialog.lblVersion->text(), QStringLiteral("Version ") + QLatin1String(version::Text));
}

void AboutDialogTest::clientAreaAndBackground() {
    frmAbout dialog;
    dialog.show();
    QCOMPARE(dialog.size(), QSize(382, 304));
    QCOMPARE(dialog.palette().color(QPalette::Window), QColor(0xE0, 0xE0, 0xE0));
    QCOMPARE(dialog.grab().toImage().pixelColor(2, 2), QColor(0xE0, 0xE0, 0xE0));
}

void AboutDialogTest::ruleIsGreyOverWhiteBetweenTheTexts() {
    frmAbout dialog;
    dialog.show();
    const QImage picture = dialog.grab().toImage();
    QCOMPARE(picture.pixelColor(dialog.width() / 2, 192), QColor(0x80, 0x80, 0x80));
    QCOMPARE(picture.pixelColor(dialog.width() / 2, 193), QColor(Qt::white));
    QVERIFY(dialog.lblDescription->geometry().bottom() < 192);
    QVERIFY(dialog.lblDisclaimer->geometry().top() > 193);
}

void AboutDialogTest::titleAndVersionAreBold() {
    frmAbout dialog;
    QCOMPARE(dialog.lblTitle->text(), QStringLiteral("Korvane Digital Servo PC interface"));
    QVERIFY(dialog.lblTitle->font().bold());
    QVERIFY(dialog.lblVersion->font().bold());
    QVERIFY(!dialog.lblDescription->font().bold());
}

void AboutDialogTest::descriptionNamesTheAdapterThenTheWebAddress() {
    frmAbout dialog;
    const QString text = dialog.lblDescription->text();
    const QString start = QStringLiteral(
        "This software enables programming of Korvane Ostrel Digital Servos when used in "
        "conjunction with 3-pin USB-to-Serial Adapter pn# ");
    const QString pc = QStringLiteral(" and a Windows PC with USB port (ver Win98se or higher)");
    const QString visit = QStringLiteral("For more information, visit ");
    QVERIFY(text.startsWith(start));
    const qsizetype pcAt = text.indexOf(pc);
    QVERIFY(pcAt > start.size()); // a part number sits between the two
    const qsizetype visitAt = text.indexOf(visit);
    QVERIFY(visitAt > pcAt);
    QVERIFY(text.size() > visitAt + visit.size()); // followed by the web address
    QVERIFY(dialog.lblDescription->wordWrap());
}

void AboutDialogTest::noticeFromNoticeToOwnRisk() {
    frmAbout dialog;
    const QString text = dialog.lblDisclaimer->text();
    QVERIFY(text.startsWith(QStringLiteral("NOTICE:")));
    QVERIFY(text.endsWith(QStringLiteral("USE STRICTLY AT YOUR OWN RISK")));
    QVERIFY(text.contains(QStringLiteral("without charge")));
    QVERIFY(dialog.lblDisclaimer->wordWrap());
}

void AboutDialogTest::buttonsHaveCaptionsAccessKeyAndAccessibleNames() {
    frmAbout dialog;
    QCOMPARE(dialog.cmdOK->text(), QStringLiteral("OK"));
    QCOMPARE(dialog.cmdSysInfo->text(), QStringLiteral("&System Info..."));
    QCOMPARE(QKeySequence::mnemonic(dialog.cmdSysInfo->text()), QKeySequence(Qt::ALT | Qt::Key_S));
    QVERIFY(!dialog.cmdOK->accessibleName().isEmpty());
    QVERIFY(!dialog.cmdSysInfo->accessibleName().isEmpty());
}

void AboutDialogTest::iconIsShown() {
    frmAbout dialog;
    QVERIFY(!dialog.picIcon->pixmap().isNull());
    QCOMPARE(dialog.picIcon->pos(), QPoint(16, 16));
}

void AboutDialogTest::okClosesAndUnloads() {
    QPointer<frmAbout> dialog = new frmAbout;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    dialog->cmdOK->click();
    QVERIFY(!dialog->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialog.isNull());
}

QTEST_MAIN(AboutDialogTest)
#include "tst_aboutdialog.moc"
