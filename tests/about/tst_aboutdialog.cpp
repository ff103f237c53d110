// The About dialog's make-up, texts, and OK.
#include "about/frmabout.h"
#include "platform/version.h"

#include <QKeySequence>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

class AboutDialogTest : public QObject {
    Q_OBJECT

private slots:
    void hasEveryControlByName();
    void captionAndVersionComeFromTheProgram();
    void clientAreaBackgroundAndRule();
    void titleDescriptionAndNotice();
    void buttonsHaveCaptionsAccessKeyAndAccessibleNames();
    void okClosesAndUnloads();
};

void AboutDialogTest::hasEveryControlByName() {
    frmAbout dialog;
    for (const char *name :
         {"picIcon", "lblTitle", "lblVersion", "lblDescription", "lblDisclaimer"})
        QVERIFY2(dialog.findChild<QLabel *>(QLatin1String(name)), name);
    for (const char *name : {"cmdOK", "cmdSysInfo"})
        QVERIFY2(dialog.findChild<QPushButton *>(QLatin1String(name)), name);
    QVERIFY(!dialog.picIcon->pixmap().isNull());
}

void AboutDialogTest::captionAndVersionComeFromTheProgram() {
    frmAbout dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About Tessaro"));
    QCOMPARE(dialog.lblVersion->text(), QStringLiteral("Version ") + QLatin1String(version::Text));
}

void AboutDialogTest::clientAreaBackgroundAndRule() {
    frmAbout dialog;
    dialog.show();
    QCOMPARE(dialog.size(), QSize(382, 304));
    const QImage picture = dialog.grab().toImage();
    QCOMPARE(picture.pixelColor(2, 2), QColor(0xE0, 0xE0, 0xE0));
    // Grey over white at 2880 twips, between description and notice.
    QCOMPARE(picture.pixelColor(dialog.width() / 2, 192), QColor(0x80, 0x80, 0x80));
    QCOMPARE(picture.pixelColor(dialog.width() / 2, 193), QColor(Qt::white));
    QVERIFY(dialog.lblDescription->geometry().bottom() < 192);
    QVERIFY(dialog.lblDisclaimer->geometry().top() > 193);
}

void AboutDialogTest::titleDescriptionAndNotice() {
    frmAbout dialog;
    QCOMPARE(dialog.lblTitle->text(), QStringLiteral("Korvane Digital Servo PC interface"));
    QVERIFY(dialog.lblTitle->font().bold());
    QVERIFY(dialog.lblVersion->font().bold());

    const QString text = dialog.lblDescription->text();
    const QString start = QStringLiteral(
        "This software enables programming of Korvane Ostrel Digital Servos when used in "
        "conjunction with 3-pin USB-to-Serial Adapter pn# ");
    const qsizetype pcAt =
        text.indexOf(QStringLiteral(" and a Windows PC with USB port (ver Win98se or higher)"));
    const QString visit = QStringLiteral("For more information, visit ");
    const qsizetype visitAt = text.indexOf(visit);
    QVERIFY(text.startsWith(start));
    QVERIFY(pcAt > start.size());                  // after the part number
    QVERIFY(visitAt > pcAt);                       // on its own line
    QVERIFY(text.size() > visitAt + visit.size()); // followed by the web address

    const QString notice = dialog.lblDisclaimer->text();
    QVERIFY(notice.startsWith(QStringLiteral("NOTICE:")));
    QVERIFY(notice.endsWith(QStringLiteral("USE STRICTLY AT YOUR OWN RISK")));
    QVERIFY(dialog.lblDescription->wordWrap() && dialog.lblDisclaimer->wordWrap());
}

void AboutDialogTest::buttonsHaveCaptionsAccessKeyAndAccessibleNames() {
    frmAbout dialog;
    QCOMPARE(dialog.cmdOK->text(), QStringLiteral("OK"));
    QCOMPARE(dialog.cmdSysInfo->text(), QStringLiteral("&System Info..."));
    QCOMPARE(QKeySequence::mnemonic(dialog.cmdSysInfo->text()), QKeySequence(Qt::ALT | Qt::Key_S));
    QVERIFY(!dialog.cmdOK->accessibleName().isEmpty());
    QVERIFY(!dialog.cmdSysInfo->accessibleName().isEmpty());
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
