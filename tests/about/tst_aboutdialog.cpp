// The About dialog: its texts and make-up, OK, the menu entry that opens it, and System
// Info: reading a registry value as text, finding and starting the tool, the one message
// for every way it cannot be, and the registry stand-in where there is none.
#include "about/frmabout.h"
#include "app/form1.h"
#include "platform/version.h"
#include "support/messageboxcatcher.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <stdexcept>

using registry::RootKey;

namespace {

// Values in memory under "key|name", as type and bytes; counts the keys left open.
struct FakeRegistry : registry::Registry {
    QMap<QString, QPair<quint32, QByteArray>> values;
    quint32 access = 0;
    QString openPath;
    int openKeys = 0;

    bool openKey(RootKey, const QString &path, quint32 mask, Key &key) override {
        access = mask;
        openPath = path;
        key = std::any_of(values.keyBegin(), values.keyEnd(),
                          [&](const QString &k) { return k.startsWith(path + '|'); });
        openKeys += int(key);
        return key;
    }
    bool queryValue(Key, const QString &name, quint32 &type, QByteArray &data,
                    quint32 &size) override {
        const auto [t, bytes] = values.value(openPath + '|' + name);
        if (!t || bytes.size() > qsizetype(size))
            return false;
        data.replace(0, bytes.size(), bytes);
        type = t;
        size = quint32(bytes.size());
        return true;
    }
    void closeKey(Key key) override { openKeys -= int(key); }
    void setString(const QString &key, const QString &text) {
        if (!text.isEmpty())
            values[key] = {1, QFile::encodeName(text) + '\0'};
    }
};

struct Value {
    quint32 type; // 0: no such value
    QByteArray data;
    bool found;
    QString text; // "before" going in
};

// The MSINFO "PATH" value and the Shared Tools folder, empty for none. The launcher:
// 0 starts, 1 cannot, 2 throws, 3 is the real one.
struct Launch {
    QString path, folder;
    int launcher;
    QString launched;
    bool unavailable;
};

} // namespace

class TestAboutDialog : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void texts() {
        frmAbout d;
        QCOMPARE(d.windowTitle(), QStringLiteral("About Tessaro"));
        QCOMPARE(d.lblTitle->text(), QStringLiteral("Korvane Digital Servo PC interface"));
        QCOMPARE(d.lblVersion->text(), QStringLiteral("Version ") + QLatin1String(version::Text));
        QVERIFY(d.lblTitle->font().bold() && d.lblVersion->font().bold());
        const QRegularExpression description(
            "^This software enables programming of Korvane Ostrel Digital Servos when used in "
            "conjunction with 3-pin USB-to-Serial Adapter pn# \\S+ and a Windows PC with USB "
            "port \\(ver Win98se or higher\\)\\s+For more information, visit \\S+$");
        QVERIFY2(description.match(d.lblDescription->text()).hasMatch(),
                 qPrintable(d.lblDescription->text()));
        QVERIFY(d.lblDisclaimer->text().startsWith("NOTICE:"));
        QVERIFY(d.lblDisclaimer->text().endsWith("USE STRICTLY AT YOUR OWN RISK"));
        QVERIFY(d.lblDescription->wordWrap() && d.lblDisclaimer->wordWrap());
        QCOMPARE(d.cmdOK->text(), QStringLiteral("OK"));
        QCOMPARE(d.cmdSysInfo->text(), QStringLiteral("&System Info..."));
        QVERIFY(!d.picIcon->pixmap().isNull());
    }

    // 5730 x 4560 twips on the window's grey, with a grey-over-white rule at 2880 twips
    // between description and notice.
    void clientAreaRuleAndOk() {
        frmAbout d;
        d.show();
        QCOMPARE(d.size(), QSize(382, 304));
        const QImage picture = d.grab().toImage();
        QCOMPARE(picture.pixelColor(2, 2), QColor(0xE0E0E0));
        QCOMPARE(picture.pixelColor(d.width() / 2, 192), QColor(0x808080));
        QCOMPARE(picture.pixelColor(d.width() / 2, 193), QColor(Qt::white));
        QVERIFY(d.lblDescription->geometry().bottom() < 192);
        QVERIFY(d.lblDisclaimer->geometry().top() > 193);
        d.cmdOK->click();
        QVERIFY(!d.isVisible());
    }

    void menuOpensOneModelessDialog() {
        Form1 w(servolink::PortLocator::onlyFolder(m_dir.path()));
        QList<frmAbout *> opened;
        for (int i = 0; i < 2; ++i) {
            w.findChild<QAction *>("Frm_About")->trigger();
            for (QWidget *top : QApplication::topLevelWidgets())
                if (auto *d = qobject_cast<frmAbout *>(top); d && !opened.contains(d))
                    opened << d;
            QCOMPARE(opened.size(), 1);
            QVERIFY(opened.front()->isVisible() && !opened.front()->isModal());
            opened.front()->hide();
        }
    }

    void getKeyValue_data() {
        QTest::addColumn<Value>("v");
        // clang-format off
        QTest::newRow("string") << Value{1, QByteArray("C:\\msinfo32.exe\0", 16), true, "C:\\msinfo32.exe"};
        QTest::newRow("no NUL") << Value{1, "ABC", true, "ABC"};
        QTest::newRow("one NUL trimmed") << Value{1, QByteArray("AB\0\0", 4), true, QString::fromLatin1("AB\0", 3)};
        QTest::newRow("number") << Value{4, QByteArray("\x02\x01\0\0", 4), true, "258"};
        QTest::newRow("largest number") << Value{4, QByteArray(4, '\xFF'), true, "4294967295"};
        QTest::newRow("other type") << Value{3, "\x01\x02", true, "before"};
        QTest::newRow("no value") << Value{0, {}, false, ""};
        // clang-format on
    }

    void getKeyValue() {
        QFETCH(Value, v);
        FakeRegistry reg;
        reg.values["SOFTWARE\\Test|Other"] = {1, "x"};
        reg.values["SOFTWARE\\Test|Value"] = {v.type, v.data};
        QString text = QStringLiteral("before");
        QCOMPARE(GetKeyValue(reg, RootKey::LocalMachine, "SOFTWARE\\Test", "Value", text), v.found);
        QCOMPARE(text, v.text);
        QCOMPARE(reg.openKeys, 0);
        QCOMPARE(reg.access, 0x2003Fu);
        QVERIFY(!GetKeyValue(reg, RootKey::LocalMachine, "SOFTWARE\\None", "Value", text));
        QCOMPARE(text, QString());
    }

    void startSysInfo_data() {
        QTest::addColumn<Launch>("l");
        QVERIFY(QDir(m_dir.path()).mkpath("tool"));
        const QString folder = m_dir.filePath("tool"), tool = folder + "/MSINFO32.EXE";
        QFile program(tool);
        QVERIFY(program.open(QIODevice::WriteOnly));
        const QString other = "/opt/tool/info";
        const QString installed = QStandardPaths::findExecutable("true");
        // clang-format off
        QTest::newRow("neither value") << Launch{"", "", 0, "", true};
        QTest::newRow("folder without tool") << Launch{"", m_dir.path(), 0, "", true};
        QTest::newRow("folder with tool") << Launch{"", folder, 0, QDir::toNativeSeparators(tool), false};
        QTest::newRow("path before folder") << Launch{other, folder, 0, other, false};
        QTest::newRow("launch fails") << Launch{other, "", 1, other, true};
        QTest::newRow("launch throws") << Launch{other, "", 2, other, true};
        QTest::newRow("installed program") << Launch{installed, "", 3, installed, false};
        // clang-format on
    }

    void startSysInfo() {
        QFETCH(Launch, l);
        FakeRegistry reg;
        reg.setString(registry::MsInfoKey + QString("|PATH"), l.path);
        reg.setString(registry::SharedToolsLocationKey + QString("|MSINFO"), l.folder);
        QStringList started;
        frmAbout dialog;
        dialog.setSysInfoServices(reg, [&](const QString &program) {
            started << program;
            if (l.launcher == 2)
                throw std::runtime_error("cannot start");
            return l.launcher == 3 ? sysinfo::startDetached(program) : l.launcher == 0;
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

    // Where there is no registry, the MSINFO path is the first listed program installed.
    void searchPathStandsInForTheRegistry() {
        registry::SearchPathRegistry reg({"sysinfo-a", "sysinfo-b"}, {m_dir.path()});
        QString text = QStringLiteral("before");
        QVERIFY(!GetKeyValue(reg, RootKey::LocalMachine, registry::MsInfoKey, "PATH", text));
        QFile program(m_dir.filePath("sysinfo-b"));
        QVERIFY(program.open(QIODevice::WriteOnly));
        QVERIFY(program.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(GetKeyValue(reg, RootKey::LocalMachine, registry::MsInfoKey, "PATH", text));
        QCOMPARE(text, program.fileName());
    }
};

QTEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"
