// The About menu entry: one modeless dialog, shown again when chosen again.
#include "about/frmabout.h"
#include "app/form1.h"
#include "support/privateportfolder.h"

#include <QAction>
#include <QPointer>
#include <QPushButton>
#include <QtTest>
#include <memory>

namespace {

QList<frmAbout *> aboutDialogs() {
    QList<frmAbout *> dialogs;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *dialog = qobject_cast<frmAbout *>(w))
            dialogs << dialog;
    return dialogs;
}

} // namespace

class AboutMenuTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void choosingAboutTwiceShowsTheSameDialog();
    void dialogDoesNotBlockTheMainWindow();
    void aboutAfterOkShowsAFreshDialog();
    void dialogStaysOpenWhenTheMainWindowCloses();

private:
    std::unique_ptr<PrivatePortFolder> m_ports;
    std::unique_ptr<Form1> m_form;
};

void AboutMenuTest::init() {
    m_ports = std::make_unique<PrivatePortFolder>();
    m_form = std::make_unique<Form1>();
    m_form->show();
}

void AboutMenuTest::cleanup() {
    m_form.reset();
    qDeleteAll(aboutDialogs());
    m_ports.reset();
}

void AboutMenuTest::choosingAboutTwiceShowsTheSameDialog() {
    m_form->Frm_About->trigger();
    QCOMPARE(aboutDialogs().size(), 1);
    QPointer<frmAbout> first = aboutDialogs().constFirst();
    first->hide();

    m_form->Frm_About->trigger();
    QCOMPARE(aboutDialogs(), QList<frmAbout *>{first.data()});
    QVERIFY(first->isVisible());
}

void AboutMenuTest::dialogDoesNotBlockTheMainWindow() {
    m_form->Frm_About_Click();
    QCOMPARE(aboutDialogs().size(), 1);
    QVERIFY(!aboutDialogs().constFirst()->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void AboutMenuTest::aboutAfterOkShowsAFreshDialog() {
    m_form->Frm_About_Click();
    QPointer<frmAbout> first = aboutDialogs().constFirst();
    first->cmdOK->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());

    m_form->Frm_About_Click();
    QCOMPARE(aboutDialogs().size(), 1);
    QVERIFY(aboutDialogs().constFirst()->isVisible());
}

void AboutMenuTest::dialogStaysOpenWhenTheMainWindowCloses() {
    m_form->Frm_About_Click();
    QPointer<frmAbout> dialog = aboutDialogs().constFirst();
    m_form->Frm_Exit_Click();
    QVERIFY(!m_form->isVisible());
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->parentWidget(), nullptr);
}

QTEST_MAIN(AboutMenuTest)
#include "tst_aboutmenu.moc"
