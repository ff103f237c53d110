// Settings files load back byte for byte; bad ones are refused naming file and field.
#include "settings/settingsfile.h"
#include "settings/wholefile.h"
#include "support/testfiles.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace tessaro;

namespace {
const QByteArray Good = settings::buildBlock("12345678", {}, "00000000");

// A good file with one field's value text replaced, or the field dropped.
QByteArray with(const QString &key, const QByteArray &value) {
    const QRegularExpression line(QStringLiteral("\n *\"%1\": [^\n]*?(,?)(?=\n)").arg(key));
    const QString to = value.isNull() ? QString() : "\n\"" + key + "\": " + value + "\\1";
    return QString::fromUtf8(settings::settingsJson(*settings::settingsFromBlock(Good)))
        .replace(line, to)
        .toUtf8();
}
} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

private slots:
    void savedFileLoadsBackExactly_data() {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<bool>("refused"); // the file root's, in a sticky folder, written by nobody
        QTest::newRow("high bytes")
            << settings::buildBlock("\x80\x81\xE9\xFF\x8D\x9D\x90\x8F",
                                    {0, 70, {140, 1, -127, 1, 16, 1}}, "\xFF\x80 \"\\\x01\x7F~")
            << false;
        QTest::newRow("markup and nul")
            << settings::buildBlock(QByteArray("<b>&amp\0", 8), {0, 15, {30, 100, 127, 0, 0, 0}},
                                    QByteArray("\0</b>\t\r\n", 8))
            << false;
        QTest::newRow("rename refused") << Good << true;
    }

    void savedFileLoadsBackExactly() {
        QFETCH(QByteArray, block);
        QFETCH(bool, refused);
        const auto settings = settings::settingsFromBlock(block);
        QVERIFY(settings);
        QTemporaryDir dir;
        // Written through a link, which stays one.
        QVERIFY(QFile::link(dir.filePath("t.json"), dir.filePath("s.json")));
        // Root may rename over anyone's file, so the writer is nobody; only the rename fails.
        if (refused && geteuid() != 0)
            QSKIP("only root can write as another user here");
        QFile root(dir.filePath("t.json"));
        if (refused)
            QVERIFY(root.open(QIODevice::WriteOnly) &&
                    root.setPermissions(QFile::Permissions(0x6666)) &&
                    ::chmod(qPrintable(dir.path()), 01777) == 0 && ::seteuid(65534) == 0);
        const bool failed = bool(settings::saveSettings(dir.filePath("s.json"), *settings));
        QVERIFY(!refused || ::seteuid(0) == 0);
        QCOMPARE(failed, refused);
        if (refused)
            return;
        QVERIFY(QFileInfo(dir.filePath("s.json")).isSymLink());
        const auto loaded = settings::loadSettings(dir.filePath("s.json"));
        QVERIFY2(loaded.settings, qPrintable(loaded.failure.text()));
        QCOMPARE(loaded.settings->block, block);
        QCOMPARE(settings::settingsJson(*loaded.settings), settings::settingsJson(*settings));
    }

    void fileValuesLeaveTheBlockAlone() {
        const auto r = settings::parseSettings(
            with("throw", "120").replace("\"reset\": 0", "\"reset\": 2"), "a");
        QVERIFY2(r.settings, qPrintable(r.failure.text()));
        QCOMPARE(r.settings->block, Good);
    }

    void badFilesAreRefused_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("error");
        const auto row = [](const QByteArray &json, const char *error) {
            QTest::addRow("%s", error) << json << QString::fromUtf8(error);
        };
        row(with("speed", {}), R"(field "speed" is missing)");
        row(with("format", R"(1,"colour": 1)"), R"(field "colour" is not a settings field)");
        row(with("format", R"(1,"throw": 90)"), R"(field "throw" appears more than once)");
        row(with("format", R"(1,"\u0073peed": 9)"), R"(field "speed" appears more than once)");
        row(with("format", "1,\"\xC2\x9B\x1B\": 9"),
            R"(field "\u009b\u001b" is not a settings field)");
        row(with("block", '"' + QByteArray(200, 'A') + '"'),
            qPrintable("field \"block\": \"" + QByteArray(71, 'A') + "... is not 64 hex digits"));
        row(R"({"a" 1})", "not JSON: missing name separator at offset 5");
        row(with("name", R"("\",\"throw\":\"")"),
            R"(field "name": "\",\"throw\":\"" differs from the name in the block, "12345678")");
        row(with("throw", R"("90")"),
            R"(field "throw": "90" is not a whole number from 30 to 140)");
        row(with("speed", "50.5"), R"(field "speed": 50.5 is not a whole number from 1 to 100)");
        row(with("deadband", "true"),
            R"(field "deadband": true is not a whole number from 0 to 16)");
        for (const settings::Field &f : settings::Fields)
            for (const int v : {f.range.min - 1, f.range.max + 1})
                QTest::addRow("%s %d", f.key, v)
                    << with(f.key, QByteArray::number(v))
                    << QString::asprintf("field \"%s\": %d is outside %d to %d", f.key, v,
                                         f.range.min, f.range.max);
        row(with("format", "2"), R"(field "format": 2 is not 1)");
        row(with("format", R"("%2")"), R"(field "format": "%2" is not 1)");
        const QByteArray hex = Good.toHex().toUpper();
        for (const QByteArray &bad : {hex.chopped(2), hex.chopped(1) + 'G'})
            QTest::addRow("block %s", bad.right(2).constData())
                << with("block", '"' + bad + '"')
                << QString::asprintf(R"(field "block": "%s" is not 64 hex digits)",
                                     bad.constData());
        row(with("block", {}), "not JSON");
        row("[1]", "not a JSON object");
        // A file of just the bound is read (and refused for what it holds); a byte more is not.
        for (const qint64 size : {settings::MaxSettingsFileSize, settings::MaxSettingsFileSize + 1})
            QTest::addRow("%lld bytes", size)
                << with("speed", {}).leftJustified(size)
                << (size > 65536 ? "is larger than 65536 bytes" : R"(field "speed" is missing)");
    }

    void badFilesAreRefused() {
        QFETCH(QByteArray, json);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString file = dir.filePath("servo.json");
        QVERIFY(putFile(file, json));
        const auto r = settings::loadSettings(file);
        QVERIFY(!r.settings);
        QVERIFY2(r.failure.text().startsWith(file + ": " + error), qPrintable(r.failure.text()));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
