// The About dialog: its texts and make-up, readable under a dark desktop and
// whole at a larger font, the menu entry that opens it, and System Info.
#include "about/frmabout.h"
#include "app/form1.h"
#include "platform/version.h"
#include "support/messageboxcatcher.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <stdexcept>

using namespace tessaro;
using tessaro::about::frmAbout;
using tessaro::about::GetKeyValue;
using tessaro::app::Form1;

using platform::RootKey;

namespace {

// Values under "key|name"; keeps the buffer and access asked with and counts open keys.
struct FakeRegistry : platform::Registry {
    QMap<QString, QPair<quint32, QByteArray>> values;
    QString openPath;
    QByteArray buffer;
    quint32 access = 0;
    int openKeys = 0;

    bool openKey(RootKey, const QString &path, quint32 mask, Key &key) override {
        access = mask;
        openPath = path + '|';
        key = std::any_of(values.keyBegin(), values.keyEnd(),
                          [&](const QString &k) { return k.startsWith(openPath); });
        openKeys += int(key);
        return key;
    }
    bool queryValue(Key, const QString &name, quint32 &type, QByteArray &data,
                    quint32 &size) override {
        buffer = data;
        std::tie(type, data) = values.value(openPath + name);
        size = quint32(data.size());
        return type != 0;
    }
    void closeKey(Key key) override { openKeys -= int(key); }
};

// MSINFO PATH, Shared Tools folder ("": none); the launcher 0 starts, 1 fails, 2 throws, 3 real.
struct Launch {
    QString path, folder, launched;
    int launcher;
    bool unavailable, standIn = false;
};

// Dark text on a light ground in labels and buttons, enabled and disabled.
bool readable(QWidget *w) {
    const QPalette &p = w->palette();
    for (auto g : {QPalette::Active, QPalette::Disabled})
        for (auto [ink, ground] : {std::pair{QPalette::WindowText, QPalette::Window},
                                   {QPalette::ButtonText, QPalette::Button}})
            if (p.color(g, ink).lightness() >= 128 || p.color(g, ground).lightness() <= 192)
                return false;
    return true;
}

} // namespace

class TestAboutDialog : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    // 5730 x 4560 twips, window grey; a grey-over-white rule at 2880 twips.
    void makeUp() {
        frmAbout d;
        QCOMPARE(
            QStringList({d.windowTitle(), d.lblTitle->text(), d.lblVersion->text(), d.cmdOK->text(),
                         d.cmdSysInfo->text()}),
            QStringList({"About Tessaro", "Korvane Digital Servo PC interface",
                         QString("Version ") + platform::VersionText, "OK", "&System Info..."}));
        for (QPushButton *b : {d.cmdOK, d.cmdSysInfo}) // a screen reader hears the captions
            QCOMPARE(QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name),
                     b->text().remove('&'));
        QVERIFY(d.lblTitle->font().bold() && d.lblVersion->font().bold());
        const QRegularExpression description(
            "^This software enables programming of Korvane Ostrel Digital Servos when used in "
            "conjunction with 3-pin USB-to-Serial Adapter pn# TS-\u2060USB3P and a Linux PC with "
            "USB port \\(kernel with the cp210x driver\\)\\s+For more information, visit \\S+$");
        QVERIFY2(description.match(d.lblDescription->text()).hasMatch(),
                 qPrintable(d.lblDescription->text()));
        QVERIFY(d.lblDisclaimer->text().contains("GPL-3.0-or-later, from https://github.com/") &&
                d.lblDisclaimer->text().contains("tessaro-cli") &&
                d.lblDisclaimer->text().startsWith("NOTICE:") &&
                d.lblDisclaimer->text().endsWith("USE STRICTLY AT YOUR OWN RISK"));
        QVERIFY(!d.picIcon->pixmap().isNull());
        d.show();
        const QImage picture = d.grab().toImage();
        QVERIFY(picture.width() == 382 && picture.height() >= 304); // the notice may need more
        QCOMPARE(picture.pixelColor(2, 2), QColor(0xE0E0E0));
        QCOMPARE(picture.pixelColor(191, 192), QColor(0x808080));
        QCOMPARE(picture.pixelColor(191, 193), QColor(Qt::white));
    }

    // A dark desktop palette: the dialog and its message box keep dark text on their grey.
    void readableUnderDarkDesktop() {
        const QPalette desktop = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(desktop); });
        QApplication::setPalette(QPalette(QColor(0x30, 0x30, 0x30), QColor(0x30, 0x30, 0x30)));
        FakeRegistry none;
        frmAbout d;
        d.setSysInfoServices(none, [](const QString &) { return false; });
        d.show();
        MessageBoxCatcher boxes;
        bool boxReadable = false;
        boxes.witness = [&] { boxReadable = readable(QApplication::activeModalWidget()); };
        d.cmdSysInfo->click();
        QVERIFY(readable(&d) && boxReadable);
    }

    // At the design font the design size (makeUp); at a larger font the dialog
    // grows: every text fits its control and the rule stays between them.
    void nothingCutOffAtALargerFont() {
        const QFont desktop = QApplication::font();
        const auto restore = qScopeGuard([&] { QApplication::setFont(desktop); });
        QFont larger = desktop;
        larger.setPointSize(16);
        QApplication::setFont(larger);
        frmAbout d;
        d.show();
        for (QLabel *l : d.findChildren<QLabel *>()) {
            const QSize needed =
                l->wordWrap() ? QSize(l->width(), l->heightForWidth(l->width())) : l->sizeHint();
            QVERIFY2(needed.boundedTo(l->size()) == needed && d.rect().contains(l->geometry()),
                     qPrintable(l->objectName()));
        }
        for (QPushButton *b : {d.cmdOK, d.cmdSysInfo}) // the style's frame round the caption too
            QVERIFY2(b->sizeHint().boundedTo(b->size()) == b->sizeHint() &&
                         d.rect().contains(b->geometry()),
                     qPrintable(b->objectName()));
        QVERIFY(d.lblDescription->geometry().bottom() < d.Line1->y() &&
                d.Line2->y() < std::min(d.lblDisclaimer->y(), d.cmdOK->y()) &&
                d.lblDisclaimer->geometry().right() < d.cmdOK->x());
    }

    // Chosen again: the same dialog; after OK a fresh one. No parent: it outlives the window.
    void menuOpensOneModelessDialog() {
        Form1 w(link::PortLocator::onlyFolder(m_dir.path()));
        const auto open = [&] {
            w.findChild<QAction *>("Frm_About")->trigger();
            QPointer<frmAbout> shown;
            for (QWidget *top : QApplication::topLevelWidgets())
                if (top->isVisible() && qobject_cast<frmAbout *>(top))
                    shown = qobject_cast<frmAbout *>(top);
            return shown;
        };
        const QPointer<frmAbout> first = open();
        QVERIFY(first && !first->isModal() && !first->parentWidget());
        first->hide();
        QCOMPARE(open(), first);
        first->cmdOK->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QScopedPointer<frmAbout> fresh(open());
        QVERIFY(first.isNull() && fresh);
    }

    // Type 0: no such value. The text is "before" going in.
    void getKeyValue_data() {
        QTest::addColumn<quint32>("type");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("no NUL") << 1u << QByteArray("ABC") << "ABC";
        QTest::newRow("one NUL trimmed") << 1u << QByteArray("AB\0\0", 4) << QString::fromLatin1("AB\0", 3);
        QTest::newRow("number") << 4u << QByteArray("\x02\x01\0\0", 4) << "258";
        QTest::newRow("largest number") << 4u << QByteArray(4, '\xFF') << "4294967295";
        QTest::newRow("other type") << 3u << QByteArray("\x01\x02") << "before";
        QTest::newRow("no value") << 0u << QByteArray() << "";
        // clang-format on
    }

    void getKeyValue() {
        QFETCH(quint32, type);
        QFETCH(QByteArray, data);
        FakeRegistry reg;
        reg.values["SOFTWARE\\Test|Other"] = {1, "x"};
        reg.values["SOFTWARE\\Test|Value"] = {type, data};
        QString text = QStringLiteral("before");
        QCOMPARE(GetKeyValue(reg, RootKey::LocalMachine, "SOFTWARE\\Test", "Value", text),
                 type != 0);
        QTEST(text, "text");
        QCOMPARE(QPair(reg.access, reg.buffer), QPair(0x2003Fu, QByteArray(1024, '\0')));
        QVERIFY(!GetKeyValue(reg, RootKey::LocalMachine, "SOFTWARE\\None", "Value", text));
        QCOMPARE(text, QString());
        QCOMPARE(reg.openKeys, 0);
    }

    void startSysInfo_data() {
        QTest::addColumn<Launch>("l");
        QVERIFY(QDir(m_dir.path()).mkpath("tool"));
        const QString folder = m_dir.filePath("tool"), tool = folder + "/MSINFO32.EXE";
        QVERIFY(QFile(tool).open(QIODevice::WriteOnly));
        const QString other = "/opt/tool/info", none = m_dir.filePath("none");
        const QString installed = QStandardPaths::findExecutable("true");
        // clang-format off
        QTest::newRow("neither value") << Launch{"", "", "", 0, true};
        QTest::newRow("folder without tool") << Launch{"", m_dir.path(), "", 0, true};
        QTest::newRow("folder with tool") << Launch{"", folder, QDir::toNativeSeparators(tool), 0, false};
        QTest::newRow("path before folder") << Launch{other, folder, other, 0, false};
        QTest::newRow("launch fails") << Launch{other, "", other, 1, true};
        QTest::newRow("launch throws") << Launch{other, "", other, 2, true};
        QTest::newRow("missing program") << Launch{none, "", none, 3, true};
        QTest::newRow("installed program") << Launch{installed, "", installed, 3, false};
        QTest::newRow("stand-in, first installed") << Launch{"", "", installed, 3, false, true};
        // clang-format on
    }

    void startSysInfo() {
        QFETCH(Launch, l);
        FakeRegistry reg;
        for (const auto &[key, text] :
             {QPair(QString(platform::MsInfoKey) + "|PATH", l.path),
              {QString(platform::SharedToolsLocationKey) + "|MSINFO", l.folder}})
            if (!text.isEmpty())
                reg.values[key] = {1, QFile::encodeName(text) + '\0'};
        QStringList started;
        platform::SearchPathRegistry standIn({"tessaro-no-such-tool", "true", "sh"});
        frmAbout dialog;
        dialog.setSysInfoServices(l.standIn ? standIn : static_cast<platform::Registry &>(reg),
                                  [&](const QString &program) {
                                      started << program;
                                      if (l.launcher == 2)
                                          throw std::runtime_error("cannot start");
                                      return l.launcher == 3 ? about::startDetached(program)
                                                             : l.launcher == 0;
                                  });
        dialog.show();
        MessageBoxCatcher boxes;
        dialog.cmdSysInfo->click();
        QCOMPARE(started.join('|'), l.launched);
        const QStringList message{"System Information Is Unavailable At This Time"};
        QCOMPARE(boxes.texts, l.unavailable ? message : QStringList());
        QCOMPARE(boxes.titles, l.unavailable ? QStringList{"Tessaro"} : QStringList());
        QVERIFY(dialog.isVisible());
    }
};

QTEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"
