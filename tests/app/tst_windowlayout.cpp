// The window's make-up: one grey ground, pictures (beside the program, else built in; @2x
// when scaled), Tab order, texts that fit, one fixed size that scrolls on a smaller screen.
#include "platform/desktopfit.h"
#include "support/windowrig.h"

#include <QCheckBox>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

using namespace tessaro;
using tessaro::app::Form1;

class TestWindowLayout : public QObject {
    Q_OBJECT

    WindowRig m_rig;
    Form1 *m_form = nullptr;

public:
    // An ordinary screen, and one at 2x on 1280 x 1024 pixels (640 x 512 of the window's).
    static void initMain() {
        static QTemporaryDir dir;
        QFile config(dir.filePath("screens.json"));
        if (config.open(QIODevice::WriteOnly))
            config.write(R"({"screens": [
                {"name": "1 ordinary", "width": 1280, "height": 1024},
                {"name": "2 small", "x": 1280, "width": 1280, "height": 1024, "logicalDpi": 192}]})");
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
    }

private slots:
    void initTestCase() { m_form = &m_rig.open(); }

    void greyGroundAndPictures() {
        const QColor grey(0xE0, 0xE0, 0xE0);
        auto *area = m_form->findChild<QScrollArea *>();
        QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
        QVERIFY(!m_form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        // The grey shows between the two frames below the logo.
        const QPoint gap = area->widget()->mapTo(m_form, QPoint(356, 98));
        QCOMPARE(m_form->grab().toImage().pixelColor(gap), grey);
        for (QWidget *w : m_form->centralWidget()->findChildren<QWidget *>())
            if (qobject_cast<QFrame *>(w) || qobject_cast<QAbstractButton *>(w))
                QVERIFY2(w->palette().color(QPalette::Window) == grey, qPrintable(w->objectName()));
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

    // Content 505 x 552, scroll bars 16 across.
    void fittedSize_data() {
        QTest::addColumn<QSize>("room");
        QTest::addColumn<QSize>("fitted");
        QTest::newRow("just fits") << QSize(505, 552) << QSize(505, 552);
        QTest::newRow("too narrow: a bar along the foot") << QSize(500, 600) << QSize(500, 568);
        QTest::newRow("tiny") << QSize(20, 20) << QSize(64, 64);
    }
    void fittedSize() {
        QFETCH(QSize, room);
        QTEST(platform::fittedSize({505, 552}, room, 16), "fitted");
    }

    // A screen with less room than the window: the window fits and its client
    // scrolls. Back on the ordinary screen the window is whole again.
    void smallScreenScrollsTheClient() {
        QTemporaryDir ports;
        Form1 w(link::PortLocator::onlyFolder(ports.path()));
        QScreen *small = QGuiApplication::screens().value(1);
        QVERIFY(small && small->availableGeometry().height() == 512);
        w.move(small->availableGeometry().topLeft());
        w.show();
        auto *area = w.findChild<QScrollArea *>();
        QVERIFY(small->availableGeometry().contains(w.frameGeometry()));
        QTRY_VERIFY(area->verticalScrollBar()->isVisible());
        QVERIFY(!area->horizontalScrollBar()->isVisible());
        w.windowHandle()->setScreen(QGuiApplication::primaryScreen());
        QCOMPARE(area->size(), QSize(505, 552));
        QTRY_VERIFY(!area->verticalScrollBar()->isVisible());
    }

    // Scaled screens get the @2x copy, resampled to the ratio; the size shown stays.
    void picturesForThePixelRatio_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("1.5x") << ":/pictures/logo.png" << 1.5 << QSize(267, 152);
        QTest::newRow("2x, no large copy") << ":/pictures/tessaro.png" << 2.0 << QSize(64, 64);
    }
    void picturesForThePixelRatio() {
        QFETCH(QString, file);
        QFETCH(qreal, ratio);
        const QPixmap picture = platform::loadPicture(file, ratio);
        QTEST(picture.size(), "pixels");
        QCOMPARE(picture.deviceIndependentSize().toSize(), QPixmap(file).size());
    }

    void tabVisitsControlsInReadingOrder() {
        QStringList chain;
        QWidget *first = m_rig.get("cmbCOM"), *w = first;
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
        QCOMPARE(clippedText(*m_form), QString());
    }
};

QTEST_MAIN(TestWindowLayout)
#include "tst_windowlayout.moc"
