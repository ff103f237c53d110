// The window and the About dialog in German: the language the desktop asks
// for, every caption whole in its control, and a catalogue with nothing left open.
#include "about/frmabout.h"
#include "platform/translation.h"
#include "support/windowrig.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>

using namespace tessaro;
using platform::LocaleEnvironment;

class TestWindowGerman : public QObject {
    Q_OBJECT

    // Each caption of the widget fits the rectangle it is given.
    static void checkWhole(QWidget &top) {
        for (QLabel *l : top.findChildren<QLabel *>()) {
            if (l->text().isEmpty())
                continue;
            const QRect room = l->contentsRect();
            const bool fits = l->wordWrap()
                                  ? l->heightForWidth(room.width()) <= room.height()
                                  : l->fontMetrics().horizontalAdvance(l->text()) <= room.width();
            QVERIFY2(fits, qPrintable(l->objectName() + QLatin1Char(' ') + l->text()));
        }
        for (QAbstractButton *b : top.findChildren<QAbstractButton *>()) {
            if (!b->text().isEmpty())
                QVERIFY2(b->sizeHint().width() <= b->width(), qPrintable(b->text()));
        }
    }

private slots:
    void languageFromTheDesktop_data() {
        QTest::addColumn<QByteArray>("lcAll");
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QString>("installed");
        QTest::newRow("LANGUAGE over C.UTF-8")
            << QByteArray() << QByteArray("C.UTF-8") << QByteArray("fr:de") << "de";
        QTest::newRow("LC_ALL=C hides LANGUAGE")
            << QByteArray("C") << QByteArray("de_DE.UTF-8") << QByteArray("de") << "";
        QTest::newRow("English first")
            << QByteArray() << QByteArray("de_DE.UTF-8") << QByteArray("en_GB:de") << "";
        QTest::newRow("LANG alone")
            << QByteArray() << QByteArray("de_AT.UTF-8") << QByteArray() << "de";
    }
    void languageFromTheDesktop() {
        QFETCH(QByteArray, lcAll);
        QFETCH(QByteArray, lang);
        QFETCH(QByteArray, language);
        QFETCH(QString, installed);
        QCOMPARE(platform::installTranslator(*qApp, {lcAll, {}, lang, language}).left(2),
                 installed);
    }

    void captionsWhole() {
        QTemporaryDir ports;
        app::Form1 w(link::PortLocator::onlyFolder(ports.path()));
        w.show();
        QCOMPARE(w.findChild<QAbstractButton *>("Connect")->text(), QString("Verbinden"));
        checkWhole(w);
        about::frmAbout d;
        d.Form_Load();
        d.show();
        QCOMPARE(d.windowTitle(), QString("Über Tessaro"));
        checkWhole(d);
    }

    void noUnfinishedEntry() {
        QFile ts(QStringLiteral(TESSARO_SOURCE_DIR "/translations/tessaro_de.ts"));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        const QByteArray text = ts.readAll();
        QVERIFY(text.count("<message>") > 100);
        QCOMPARE(text.count("type=\"unfinished\""), 0);
    }
};

QTEST_MAIN(TestWindowGerman)
#include "tst_windowgerman.moc"
