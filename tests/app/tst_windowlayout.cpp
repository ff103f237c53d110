// The window's make-up: groups where the design puts them, one grey ground,
// pictures at their sizes (from beside the program, else built in), the Tab
// order, and texts that fit their controls.
#include "support/windowrig.h"

#include <QCheckBox>
#include <QLabel>

using namespace tessaro;
using tessaro::app::Form1;

class TestWindowLayout : public QObject {
    Q_OBJECT

    WindowRig m_rig;
    Form1 *m_form = nullptr;

private slots:
    void initTestCase() { m_form = &m_rig.open(); }

    void groupsAtDesignPositions_data() {
        QTest::addColumn<QRect>("geometry");
        // Design positions in twips divided by 15.
        QTest::newRow("Frame2") << QRect(8, 0, 105, 81);
        QTest::newRow("Frame7") << QRect(120, 0, 161, 81);
        QTest::newRow("Picture1") << QRect(312, 0, 179, 101);
        QTest::newRow("Fr_ThrowSpeed") << QRect(8, 96, 169, 297);
        QTest::newRow("Fr_CentreDead") << QRect(184, 96, 169, 297);
        QTest::newRow("Frame9") << QRect(360, 96, 137, 121);
        QTest::newRow("Fr_Tx") << QRect(360, 224, 137, 65);
        QTest::newRow("Fr_Prog") << QRect(360, 328, 137, 65);
        QTest::newRow("Fr_Position") << QRect(8, 392, 345, 153);
        QTest::newRow("Frame1") << QRect(360, 392, 137, 81);
        QTest::newRow("Frame3") << QRect(360, 480, 137, 65);
    }
    void groupsAtDesignPositions() {
        QFETCH(QRect, geometry);
        QCOMPARE(m_rig.get(QTest::currentDataTag())->geometry(), geometry);
    }

    void greyGroundAndPictures() {
        const QColor grey(0xE0, 0xE0, 0xE0);
        QCOMPARE(m_form->centralWidget()->size(), QSize(505, 552));
        for (QWidget *w : m_form->centralWidget()->findChildren<QWidget *>())
            if (qobject_cast<QFrame *>(w) || qobject_cast<QAbstractButton *>(w))
                QVERIFY2(w->palette().color(QPalette::Window) == grey, qPrintable(w->objectName()));
        QCOMPARE(m_rig.get<QLabel>("PServo")->pixmap().size(), QSize(100, 80));
        QCOMPARE(m_rig.get<QLabel>("Picture1")->pixmap().size(), QSize(178, 101));
    }

    void pictureFromProgramFolderElseBuiltIn() {
        auto *reverse = m_rig.get<QCheckBox>("Check1");
        auto *picture = m_rig.get<QLabel>("PServo");
        const QString beside = QCoreApplication::applicationDirPath() + "/servon.gif";
        QFile::remove(beside);
        reverse->setCheckState(Qt::Checked);
        QCOMPARE(picture->pixmap().toImage(), QPixmap(":/pictures/servon.gif").toImage());
        QImage red(100, 80, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(beside, "PNG"));
        reverse->setCheckState(Qt::Unchecked);
        reverse->setCheckState(Qt::Checked);
        QFile::remove(beside);
        QCOMPARE(picture->pixmap().toImage().pixelColor(50, 40), QColor(Qt::red));
    }

    void tabVisitsControlsInReadingOrder() {
        QStringList chain;
        QWidget *first = m_rig.get("cmbCOM");
        QWidget *w = first;
        do {
            if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty())
                chain << w->objectName();
            w = w->nextInFocusChain();
        } while (w != first && chain.size() < 40);
        QCOMPARE(chain,
                 QStringList({"cmbCOM", "Connect", "ScrollThrow", "ScrollSpeed", "ScrollCentre",
                              "ScrollDeadband", "Check1", "CmbServo", "ScrollPosition", "TWidth",
                              "TPercent", "CkReset", "CProgram", "Close"}));
    }

    void textsFitTheirControls() {
        m_rig.get<QLabel>("LServoName")->setText(QStringLiteral("WWWWWWWW"));
        for (QWidget *w : m_form->centralWidget()->findChildren<QWidget *>()) {
            auto *label = qobject_cast<QLabel *>(w);
            if (label && (label->wordWrap() || label->text().isEmpty()))
                continue;
            if (label || qobject_cast<QAbstractButton *>(w))
                QVERIFY2(w->sizeHint().width() <= w->width(), qPrintable(w->objectName()));
        }
    }
};

QTEST_MAIN(TestWindowLayout)
#include "tst_windowlayout.moc"
