// The window and the About dialog in German: the desktop's language, every
// caption whole in its control, and a catalogue with nothing left open.
#include "about/frmabout.h"
#include "platform/translation.h"
#include "support/windowrig.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>

using namespace tessaro;

class TestWindowGerman : public QObject {
    Q_OBJECT

private slots:
    void languageFromTheDesktop_data() {
        QTest::addColumn<QByteArrayList>("env"); // LC_ALL, LANG, LANGUAGE
        QTest::addColumn<QString>("installed");
        QTest::newRow("LC_ALL=C hides LANGUAGE") << QByteArrayList{"C", "de_DE", "de"} << "";
        QTest::newRow("English first") << QByteArrayList{"", "de_DE", "en_GB:de"} << "";
        QTest::newRow("LANGUAGE over C.UTF-8") << QByteArrayList{"", "C.UTF-8", "fr:de"} << "de";
    }
    void languageFromTheDesktop() {
        QFETCH(QByteArrayList, env);
        QTEST(platform::installTranslator(*qApp, {env[0], {}, env[1], env[2]}).left(2),
              "installed");
    }

    void captionsWholeAndCatalogueFinished() {
        QTemporaryDir ports;
        app::Form1 w(link::PortLocator::onlyFolder(ports.path()));
        w.show();
        QCOMPARE(QStringList({w.findChild<QAbstractButton *>("Connect")->text(),
                              w.findChild<QLineEdit *>("TWidth")->text(),
                              w.findChild<QWidget *>("ChartCentre")->accessibleDescription()}),
                 QStringList({"Verbinden", "1500 µs", "Mitte 1500 µs"}));
        QCOMPARE(clippedText(w), QString());
        about::frmAbout d;
        d.Form_Load();
        d.show();
        QCOMPARE(d.windowTitle(), QString("Über Tessaro"));
        QCOMPARE(clippedText(d), QString());
        QFile ts(QStringLiteral(TESSARO_SOURCE_DIR "/translations/tessaro_de.ts"));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QCOMPARE(ts.readAll().count("type=\"unfinished\""), 0);
    }

    void qtsOwnTextsInGerman() {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
            QSKIP("qt6-translations-l10n is not installed: Qt's own texts stay English");
        QCOMPARE(QKeySequence(QKeySequence::Open).toString(QKeySequence::NativeText), "Strg+O");
    }
};

QTEST_MAIN(TestWindowGerman)
#include "tst_windowgerman.moc"
