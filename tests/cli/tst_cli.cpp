// tessaro-cli as a user runs it: a separate process against virtual servos
// in the test's own port folder, its backups in the test's own data folder.
#include "link/portlocator.h"
#include "link/protocol.h"
#include "settings/backups.h"
#include "settings/rounding.h"
#include "settings/settingsfile.h"
#include "support/ptyservo.h"

#include <QtTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace tessaro;

namespace {

struct Run {
    int code = -1;
    QString out, err;
};

// Name with a Windows-1252 degree sign, centre -5, reversed.
const QByteArray OddBlock("AB\260CDEFG05D75A64FB010200TAIL1234");
const QByteArray RefusedBlock("OS2403A105DC5A648000020000000000"); // centre -128

settings::BlockValues fieldsOf(const QByteArray &b) {
    return *settings::decodeBlock(b).values;
}

// The frame the window's PROGRAM sends for these values at test position 0.
QByteArray windowFrame(const QByteArray &servoBlock, const settings::BlockValues &v) {
    const settings::EditorValues e{0, settings::toInt16(v.throwDeg / 2.0), v};
    return link::buildFrame(settings::buildBlock(servoBlock.left(settings::NameLen), e,
                                                 servoBlock.right(settings::TailLen)));
}

QByteArray programmingFrame(const servoemu::ServoEmulator *servo) {
    const QByteArray received = servo->received();
    return received.mid(received.indexOf(link::StartByte), link::FrameLength);
}

// For a child: a full disk after limit bytes (none for 0), with SIGXFSZ ignored.
std::function<void()> limitFileSize(int limit) {
    return [limit = rlim_t(limit)] {
        const rlimit rl{limit, limit};
        if (limit && ::signal(SIGXFSZ, SIG_IGN) != SIG_ERR)
            ::setrlimit(RLIMIT_FSIZE, &rl);
    };
}

} // namespace

class CliTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> ports;
    std::map<int, std::unique_ptr<servoemu::ServoEmulator>> servos;
    std::unique_ptr<QTemporaryDir> data;

    QString path(const QString &name) const { return data->filePath(name); }
    QString portFolder() const { return ports->path(); }

    // A command line split on blanks; every command but backups sees the test's ports only.
    void start(QProcess &p, const QString &line) {
        QStringList args = QString(line).replace(QStringLiteral("%D"), data->path()).split(' ');
        if (args.first() != QLatin1String("backups"))
            args << QStringLiteral("--port-folder") << portFolder();
        p.setWorkingDirectory(data->path()); // a relative path the program takes stays in it
        p.start(program(), args);
    }

    // Runs it to the end; inChild runs in the child before the program starts.
    Run cli(const QString &line, const std::function<void()> &inChild = {},
            const QString &out = {}) {
        QProcess p;
        p.setChildProcessModifier(inChild);
        if (!out.isEmpty())
            p.setStandardOutputFile(out);
        start(p, line);
        p.waitForFinished(30000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }

    // The build puts the tests in tests/ or a folder below it.
    static QString program() {
        const QString up = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
        const QString cli = QStringLiteral("/tools/cli/tessaro-cli");
        return QFile::exists(up + cli) ? up + cli : up + QStringLiteral("/..") + cli;
    }

    servoemu::ServoEmulator *servo(int com, const QByteArray &block = {},
                                   servoemu::Fault fault = servoemu::Fault::None) {
        servos[com] = startPtyServo(portFolder(), com, block, fault);
        return servos[com].get();
    }

    // A settings file holding block, with one piece of its text replaced.
    QString settingsFile(const QString &name, const QByteArray &block, const QByteArray &from = {},
                         const QByteArray &to = {}) {
        QFile f(path(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(settings::settingsJson(*settings::settingsFromBlock(block)).replace(from, to));
        return f.fileName();
    }

private slots:
    void init() {
        servos.clear();
        ports = std::make_unique<QTemporaryDir>();
        data = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", QFile::encodeName(path(QStringLiteral("data"))));
    }

    void readShowsEveryFieldAsTextAndJson() {
        QVERIFY(servo(1, OddBlock));
        const Run text = cli(QStringLiteral("read"));
        QCOMPARE(text.code, 0);
        for (const char *line : {"port      COM1", "name      AB\u00B0CDEFG", "throw     90",
                                 "centre    -5 (1495 us)", "reverse   1", "tail      TAIL1234"})
            QVERIFY2(text.out.contains(QString::fromUtf8(line)), qPrintable(text.out));
        const Run json = cli(QStringLiteral("read --json"));
        const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8()).object();
        QCOMPARE(o.value(QStringLiteral("name")).toString(), QStringLiteral("AB\u00B0CDEFG"));
        QCOMPARE(o.value(QStringLiteral("pulse")).toInt(), 1495);
        QCOMPARE(o.value(QStringLiteral("block")).toString().toLatin1(),
                 OddBlock.toHex().toUpper());
    }

    void eachOutcomeHasItsOwnExitCode_data() {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<int>("fault");
        QTest::addColumn<bool>("dataHomeIsAFile"); // so the backup folder cannot be made
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("said");
        QTest::addColumn<int>("frames"); // programming frames the servo received
        using F = servoemu::Fault;
        const QByteArray own; // the servo's default block
        QTest::newRow("bad file") << "write %D/bad.json" << own << int(F::None) << false << 1
                                  << "bad.json: field \"throw\": 150 is outside 30 to 140" << 0;
        QTest::newRow("set out of range") << "set --deadband 17" << own << int(F::None) << false
                                          << 1 << "--deadband 17 is outside 0 to 16" << 0;
        QTest::newRow("set grey reverse") << "set --reverse 2" << own << int(F::None) << false << 1
                                          << "--reverse 2 is outside 0 to 1" << 0;
        QTest::newRow("no servo answers")
            << "read" << own << int(F::Silent) << false << 2 << "no servo answered on COM1" << 0;
        QTest::newRow("refused block")
            << "read" << RefusedBlock << int(F::None) << false << 3 << "centre field: -128" << 0;
        QTest::newRow("no adapter")
            << "read --port COM4" << own << int(F::None) << false << 4 << "no adapter" << 0;
        QTest::newRow("wrong acknowledgement") << "set --speed 50" << own << int(F::WrongAck)
                                               << false << 5 << "wrong acknowledgement" << 1;
        QTest::newRow("three-byte acknowledgement")
            << "set --speed 50" << own << int(F::LongAck) << false << 5
            << "wrong acknowledgement: expected \"A6\", got 3 bytes" << 1;
        QTest::newRow("backup cannot be written")
            << "set --speed 50 --port COM1" << own << int(F::None) << true << 7
            << "backup failed, nothing was sent" << 0;
        QTest::newRow("dry run") << "write %D/other.json --dry-run" << own << int(F::None) << false
                                 << 0 << "frame hex   0C 4F 53 32 34 30 33 41 31 30 35 44 43 35 41"
                                 << 0;
        QTest::newRow("backup of another servo")
            << "restore %D/other.json" << own << int(F::None) << false << 8 << "--force" << 0;
    }
    void eachOutcomeHasItsOwnExitCode() {
        QFETCH(QString, args);
        QFETCH(QByteArray, block);
        QFETCH(int, fault);
        QFETCH(bool, dataHomeIsAFile);
        QFETCH(QString, said);
        auto *s = servo(1, block, servoemu::Fault(fault));
        QVERIFY(s);
        settingsFile(QStringLiteral("bad.json"), ExampleBlock, "\"throw\": 90", "\"throw\": 150");
        settingsFile(QStringLiteral("other.json"), ExampleBlock);
        if (dataHomeIsAFile)
            qputenv("XDG_DATA_HOME", QFile::encodeName(settingsFile("not-a-folder", ExampleBlock)));
        const Run r = cli(args);
        QTEST(r.code, "code");
        QVERIFY2((r.out + r.err).contains(said), qPrintable(r.out + r.err));
        QTEST(s->programmingFrameCount(), "frames");
    }

    // Files and backups under faults: each refused with its reason, the file kept, nothing sent.
    void filesAtTheEdgesAreRefused_data() {
        QTest::addColumn<QString>("args");
        QTest::addColumn<int>("fileSizeLimit"); // 0: none
        QTest::addColumn<QByteArray>("env");    // "open": backup folder 0770; "HOME=": no home
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("err"); // a pattern for standard error's first line
        const QByteArray none;
        QTest::newRow("backup, disk full") << "set --speed 50" << 100 << none << 7
                                           << "backup failed, nothing was sent: .*File too large";
        QTest::newRow("save, disk full") << "save %D/kept.json" << 100 << none << 1
                                         << "kept.json: .*File too large; it was left as it was";
        QTest::newRow("save to a FIFO") << "save %D/fifo" << 0 << none << 1
                                        << "fifo: is a FIFO, not a settings file; it was left";
        QTest::newRow("endless") << "write /dev/zero" << 0 << none << 1 << "/dev/zero: is a device";
        QTest::newRow("FIFO") << "write %D/fifo" << 0 << none << 1 << "fifo: is a FIFO";
        QTest::newRow("huge") << "write %D/sparse" << 0 << none << 1 << "larger than 65536 bytes";
        QTest::newRow("no name") << "write " << 0 << none << 1 << "no file name was given; nothing";
        QTest::newRow("escape in a key") << "write %D/esc.json" << 0 << none << 1
                                         << "field \"\\\\u001b\\[31m\" is not a settings field";
        QTest::newRow("folder others can write")
            << "set --speed 50" << 0 << QByteArray("open") << 7
            << "backups: others can write to the backup folder";
        QTest::newRow("no home") << "set --speed 50" << 0 << QByteArray("HOME=") << 7
                                 << "there is no home folder for backups";
    }
    void filesAtTheEdgesAreRefused() {
        QFETCH(QString, args);
        QFETCH(int, fileSizeLimit);
        QFETCH(QByteArray, env);
        QFETCH(QString, err);
        auto *s = servo(1);
        const QString kept = settingsFile(QStringLiteral("kept.json"), ExampleBlock);
        settingsFile(QStringLiteral("esc.json"), ExampleBlock, "{", "{\"\\u001b[31m\": 1,");
        QFile sparse(path(QStringLiteral("sparse")));
        const QString backups = path(QStringLiteral("data/tessaro/backups"));
        QVERIFY(s && ::mkfifo(qPrintable(path(QStringLiteral("fifo"))), 0600) == 0 &&
                QDir().mkpath(backups) && sparse.open(QIODevice::WriteOnly) &&
                sparse.resize(qint64(1) << 30));
        if (env == "open")
            QVERIFY(QFile::setPermissions(backups, QFile::Permissions(0x7770)));
        const QByteArray home = qgetenv("HOME");
        if (env == "HOME=") {
            qunsetenv("HOME");
            qputenv("XDG_DATA_HOME", "relative");
        }
        const Run r = cli(args, limitFileSize(fileSizeLimit));
        qputenv("HOME", home);
        QTEST(r.code, "code");
        QVERIFY2(QRegularExpression("^tessaro-cli: [^\n]*" + err).match(r.err).hasMatch() &&
                     !r.err.contains(QChar(0x1b)),
                 qPrintable(r.err));
        QCOMPARE(s->programmingFrameCount(), 0);
        QCOMPARE(QDir(backups).entryList(QDir::Files | QDir::Hidden), QStringList());
        QVERIFY(QFileInfo(path(QStringLiteral("fifo"))).isFile() == false);
        QFile file(kept);
        QVERIFY(file.open(QIODevice::ReadOnly) &&
                file.readAll() ==
                    settings::settingsJson(*settings::settingsFromBlock(ExampleBlock)));
    }

    // The wire trace: where each switch sends it, and a trace file that cannot be written.
    void traceGoesWhereAsked_data() {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QByteArray>("rules");  // QT_LOGGING_RULES
        QTest::addColumn<int>("fileSizeLimit"); // 0: none
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("err");  // matched once on standard error; empty: no trace there
        QTest::addColumn<QString>("file"); // matches trace.txt; "^old$": left as it was
        const QString valid = R"(COM1  read +[\d.]+ ms  reply valid, checksum AB$)";
        QTest::newRow("--verbose")
            << "read --verbose" << QByteArray() << 0 << 0 << "^tessaro.link: " + valid << "^old$";
        QTest::newRow("QT_LOGGING_RULES") << "read" << QByteArray("tessaro.link.debug=true") << 0
                                          << 0 << "^tessaro.link: " + valid << "^old$";
        QTest::newRow("--trace") << "read --trace %D/trace.txt" << QByteArray() << 0 << 0 << ""
                                 << "(?s)^tessaro-cli .*\n" + valid;
        QTest::newRow("--trace, disk full")
            << "read --trace %D/trace.txt" << QByteArray() << 200 << 0
            << "trace could not be written to [^\n]*/trace.txt: "
            << "^tessaro-cli ";
        QTest::newRow("--trace, a FIFO") << "read --trace %D/fifo" << QByteArray() << 0 << 1
                                         << "--trace: [^\n]+/fifo is not a regular file$"
                                         << "^old$";
    }
    void traceGoesWhereAsked() {
        QFETCH(QString, args);
        QFETCH(QByteArray, rules);
        QFETCH(int, fileSizeLimit);
        QFETCH(QString, err);
        QFETCH(QString, file);
        QVERIFY(servo(1));
        // Longer than any trace here, so one written over it without emptying it first shows.
        const QByteArray old = QByteArray("old\n").repeated(5000);
        QFile trace(path(QStringLiteral("trace.txt")));
        QVERIFY(trace.open(QIODevice::WriteOnly) && trace.write(old) == old.size());
        trace.close();
        QVERIFY(::mkfifo(QFile::encodeName(path(QStringLiteral("fifo"))).constData(), 0600) == 0);
        qputenv("QT_LOGGING_RULES", rules);
        const Run r = cli(args, limitFileSize(fileSizeLimit));
        qunsetenv("QT_LOGGING_RULES");
        QTEST(r.code, "code");
        const QRegularExpression::PatternOption lines = QRegularExpression::MultilineOption;
        if (err.isEmpty())
            QVERIFY2(!r.err.contains(QStringLiteral("tessaro.link")), qPrintable(r.err));
        else
            QVERIFY2(r.err.count(QRegularExpression(err, lines)) == 1, qPrintable(r.err));
        QVERIFY(trace.open(QIODevice::ReadOnly));
        const QString held = QString::fromLatin1(trace.readAll());
        QVERIFY2(held.contains(QRegularExpression(file, lines)), qPrintable(held.left(200)));
        QCOMPARE(held.contains(QStringLiteral("old\n")), file == QLatin1String("^old$"));
    }

    void writesSendTheWindowsFrameAndReadBack_data() {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QByteArray>("fields"); // a block holding the fields the frame carries
        const QByteArray ownName("OS2403A105DC7828EC00100000000000");
        QTest::newRow("write") << "write %D/odd.json" << OddBlock;
        QTest::newRow("set") << "set --speed 40 --centre -7 --reverse 1"
                             << QByteArray("OS2403A105D75A28F901020000000000");
        QTest::newRow("restore") << "restore %D/own.json" << ownName;
        QTest::newRow("restore --force") << "restore %D/odd.json --force" << OddBlock;
        QTest::newRow("reset") << "reset" << QByteArray("OS2403A105DC5A640000020100000000");
    }
    void writesSendTheWindowsFrameAndReadBack() {
        QFETCH(QString, args);
        QFETCH(QByteArray, fields);
        auto *s = servo(1);
        QVERIFY(s);
        const QByteArray own = s->block();
        settingsFile(QStringLiteral("odd.json"), OddBlock);
        settingsFile(QStringLiteral("own.json"), "OS2403A105DC7828EC00100000000000");
        const Run r = cli(args);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const QByteArray frame = programmingFrame(s);
        QCOMPARE(frame, windowFrame(own, fieldsOf(fields)));
        const bool reset = fieldsOf(fields).reset == 1;
        QCOMPARE(s->block(), reset ? servoemu::ServoEmulator::withFactorySettings(own)
                                   : frame.mid(1, settings::BlockLength));
        if (reset)
            QVERIFY2(r.out.contains(QStringLiteral("reset     0")), qPrintable(r.out));
        const Run listed = cli(QStringLiteral("backups"));
        QVERIFY2(listed.out.contains(QStringLiteral("\"OS2403A1\"")), qPrintable(listed.out));
    }

    void readBackThatDiffersNamesEachField() {
        auto *s = servo(1);
        QVERIFY(s);
        QProcess p;
        start(p, QStringLiteral("set --speed 40"));
        // The servo takes the frame, then holds other settings by the time it is read back.
        QTRY_COMPARE_WITH_TIMEOUT(s->storedFrameCount(), 1, 10000);
        s->setBlock("OS2403A105DC5A3C0000030000000000");
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 6);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(err.contains(QStringLiteral("speed: sent 40, read back 60")), qPrintable(err));
        QVERIFY2(err.contains(QStringLiteral("deadband: sent 2, read back 3")), qPrintable(err));
        QVERIFY2(!err.contains(QStringLiteral("throw:")), qPrintable(err));
    }

    void cablePulledAfterTheFrameNamesTheBackup() {
        auto *s = servo(1, {}, servoemu::Fault::NoAck);
        QVERIFY(s);
        QProcess p;
        start(p, QStringLiteral("set --speed 40"));
        QTRY_COMPARE_WITH_TIMEOUT(s->storedFrameCount(), 1, 10000);
        servos.clear(); // the pty's other end closes, as a pulled adapter hangs up
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 4);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(QRegularExpression("the frame was sent, .*may already hold the new settings; its "
                                    "settings before are in ([^ ]+), and  tessaro-cli restore \\1 ")
                     .match(err)
                     .hasMatch(),
                 qPrintable(err));
    }

    void fileSavedFromOneServoKeepsTheOthersNameAndTail() {
        auto *first = servo(1, OddBlock);
        auto *second = servo(2);
        QVERIFY(first && second);
        const QByteArray own = second->block();
        QCOMPARE(cli(QStringLiteral("save %D/saved.json --port COM1")).code, 0);
        const Run r = cli(QStringLiteral("write %D/saved.json --port COM2"));
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(programmingFrame(second), windowFrame(own, fieldsOf(OddBlock)));
        QCOMPARE(second->block().left(settings::NameLen), own.left(settings::NameLen));
        QCOMPARE(second->block().right(settings::TailLen), own.right(settings::TailLen));
    }

    // Output that cannot be written, bad option values and other programs' locks: each
    // said in the words of its cause, with nothing sent.
    void edgesOfTheCommandLine_data() {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("out"); // standard output's file; empty: a pipe
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("said"); // a pattern for standard output and error
        const QString full = QStringLiteral("/dev/full");
        const QString noSpace = "^tessaro-cli: cannot write to standard output: No space left";
        for (const char *args :
             {"read", "read --json", "ports", "backups", "write %D/own.json --dry-run"})
            QTest::newRow(args) << args << full << 9 << noSpace;
        QTest::newRow("empty value")
            << "read --port " << QString() << 1 << "^tessaro-cli: --port is given an empty value$";
        QTest::newRow("given twice") << "set --throw 50 --throw 60" << QString() << 1
                                     << "^tessaro-cli: --throw is given more than once$";
        QTest::newRow("not a number") << "set --throw abc" << QString() << 1
                                      << "^tessaro-cli: --throw \"abc\" is not a whole number$";
        QTest::newRow("live lock, ports")
            << "ports --lock" << QString() << 4 << "COM1 .*busy: .*held by another program: sleep";
        QTest::newRow("live lock, read")
            << "read --lock" << QString() << 4
            << "busy: .*held by another program: sleep \\(pid \\d+\\)\\. Close that program";
    }
    void edgesOfTheCommandLine() {
        QFETCH(QString, args);
        QFETCH(QString, out);
        QFETCH(QString, said);
        auto *s = servo(1);
        QVERIFY(s);
        settingsFile(QStringLiteral("own.json"), s->block());
        QVERIFY(!settings::saveBackup(*settings::settingsFromBlock(s->block()),
                                      QDateTime::currentDateTimeUtc(),
                                      path(QStringLiteral("data/tessaro/backups")))
                     .failure);
        QProcess holder;
        QFile lock(portFolder() + "/LCK.." + s->slavePath().mid(5).replace('/', '_'));
        const bool locked = args.endsWith(QLatin1String(" --lock"));
        if (locked) {
            args.chop(7);
            holder.start(QStringLiteral("sleep"), {QStringLiteral("30")});
            QVERIFY(holder.waitForStarted());
            const QByteArray pid = QByteArray::number(holder.processId()).rightJustified(10);
            QVERIFY(lock.open(QIODevice::WriteOnly) && lock.write(pid + " sleep user\n") == 22);
            lock.close();
        }
        const Run r = cli(args, {}, out);
        holder.kill();
        holder.waitForFinished();
        QTEST(r.code, "code");
        QVERIFY2(QRegularExpression(said, QRegularExpression::MultilineOption)
                     .match(r.out + r.err)
                     .hasMatch(),
                 qPrintable(r.out + r.err));
        QVERIFY(!r.err.contains(QLatin1String("QSerialPort")));
        QCOMPARE(s->programmingFrameCount(), 0);
        QCOMPARE(lock.exists(), locked);
    }

    void portsListsUsableAndGonePorts() {
        QVERIFY(servo(1));
        QVERIFY(QFile::link(path(QStringLiteral("gone")), portFolder() + QStringLiteral("/COM3")));
        const Run r = cli(QStringLiteral("ports"));
        QCOMPARE(r.code, 0);
        static const QRegularExpression listing(
            QStringLiteral("^COM1  [^ ]+/COM1  can be used\nCOM3  [^ ]+/COM3  gone: [^\n]+\n$"));
        QVERIFY2(listing.match(r.out).hasMatch(), qPrintable(r.out));
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
