// tessaro-cli as a user runs it: a separate process against virtual servos
// in the test's own port folder, its backups in the test's own data folder.
#include "link/protocol.h"
#include "settings/backups.h"
#include "settings/rounding.h"
#include "settings/settingsfile.h"
#include "support/ptyservo.h"
#include "support/testfiles.h"

#include <QtTest>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tessaro;

namespace {

// What eachOutcomeHasItsCodeAndWords sets up: the servo holds OddBlock; a live program holds
// the lock; standard output is /dev/full.
enum Setup { Plain, Odd, Lock, Full };

struct Run {
    int code = -1;
    QString out, err;
};

// Name with a Windows-1252 degree sign, centre -5, reversed.
const QByteArray OddBlock("AB\260CDEFG05D75A64FB010200TAIL1234");

// Whether pattern matches in text, ^ and $ at each line.
bool matches(const QString &pattern, const QString &text) {
    return QRegularExpression(pattern, QRegularExpression::MultilineOption).match(text).hasMatch();
}

} // namespace

class CliTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> ports;
    std::map<int, std::unique_ptr<servoemu::ServoEmulator>> servos;
    std::unique_ptr<QTemporaryDir> data;

    QString path(const QString &name) const { return data->filePath(name); }

    // A command line split on blanks; every command but backups sees the test's ports only.
    void start(QProcess &p, const QString &line) {
        QStringList args = QString(line).replace("%D", data->path()).split(' ');
        if (args.first() != "backups" && args.first() != "history")
            args << "--port-folder" << ports->path();
        p.setWorkingDirectory(data->path()); // a relative path the program takes stays in it
        p.start(TESSARO_CLI, args);
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

    servoemu::ServoEmulator *servo(int com, const QByteArray &block = {},
                                   servoemu::Fault fault = servoemu::Fault::None) {
        servos[com] = startPtyServo(ports->path(), com, block, fault);
        return servos[com].get();
    }

    // A settings file holding block, with one piece of its text replaced; empty if not written.
    QString settingsFile(const QString &name, const QByteArray &block, const QByteArray &from = {},
                         const QByteArray &to = {}) {
        const QByteArray json = settings::settingsJson(*settings::settingsFromBlock(block));
        return putFile(path(name), QByteArray(json).replace(from, to)) ? path(name) : QString();
    }

private slots:
    void init() {
        servos.clear();
        ports = std::make_unique<QTemporaryDir>();
        data = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", QFile::encodeName(path("data")));
    }

    // Each outcome has its exit code and the words of its cause. Nothing is sent.
    void eachOutcomeHasItsCodeAndWords_data() {
        QTest::addColumn<QString>("args");
        QTest::addColumn<int>("setup");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("said"); // a pattern for standard output and error
        const auto row = [](const char *name, const char *args, int code, const QString &said,
                            Setup setup = Plain) {
            QTest::newRow(name) << args << int(setup) << code << said;
        };
        row("read", "read", 0,
            "^port      COM1\nname      AB\u00B0CDEFG\nthrow     90\nspeed     100\n"
            "centre    -5 \\(1495 us\\)\nreverse   1\ndeadband  2\nreset     0\n"
            "tail      TAIL1234\n",
            Odd);
        row("read --json", "read --json", 0,
            "^\\{\"block\":\"" + QString::fromLatin1(OddBlock.toHex().toUpper()) +
                "\",\"centre\":-5,\"deadband\":2,\"name\":\"AB\u00B0CDEFG\",\"port\":\"COM1\","
                "\"pulse\":1495,\"reset\":0,\"reverse\":1,\"speed\":100,\"tail\":\"TAIL1234\","
                "\"throw\":90\\}$",
            Odd);
        row("set grey reverse", "set --reverse 2", 1, "--reverse 2 is outside 0 to 1");
        row("save -", "save -", 0, "\\A\\{\n    \"format\": 1,\n    \"name\": \"OS2403A1\"");
        row("backups --port-folder", "backups --port-folder %D", 0, "/tessaro/backups/OS2403A1-");
        row("no adapter", "read --port COM4", 4, "no adapter");
        row("ports", "ports", 0,
            "\\ACOM1  [^ ]+/COM1  can be used\nCOM3  [^ ]+/COM3  gone: [^\n]+\n"
            "COM5  [^ ]+/COM5  the link loops back on itself\n\\z");
        row("link loop", "read --port COM5", 4,
            "^tessaro-cli: COM5 \\([^ ]+/COM5\\): the link loops back on itself$");
        row("dry run", "write %D/other.json --dry-run", 0,
            "frame hex   0C 4F 53 32 34 30 33 41 31 30 35 44 43 35 41");
        row("backup of another servo", "restore %D/other.json", 8, "--force");
        for (const char *args :
             {"read", "read --json", "ports", "backups", "write %D/own.json --dry-run"})
            row(qPrintable(QString(args) + ", /dev/full"), args, 9,
                "^tessaro-cli: cannot write to standard output: No space left", Full);
        row("empty value", "read --port ", 1, "^tessaro-cli: --port is given an empty value$");
        row("reset --force", "reset --force", 1,
            "^tessaro-cli: option --force does not apply to reset$");
        row("given twice", "set --throw 50 --throw 60", 1,
            "^tessaro-cli: --throw is given more than once$");
        row("not a number", "set --throw abc", 1,
            "^tessaro-cli: --throw \"abc\" is not a whole number$");
        row("live lock, ports", "ports", 4, "COM1 .*busy: .*held by another program: sleep", Lock);
        row("live lock, read", "read", 4,
            "busy: .*held by another program: sleep \\(pid \\d+\\)\\. Close that program", Lock);
    }
    void eachOutcomeHasItsCodeAndWords() {
        QFETCH(QString, args);
        QFETCH(int, setup);
        QFETCH(QString, said);
        auto *s = servo(1, setup == Odd ? OddBlock : QByteArray());
        QVERIFY(s);
        settingsFile("other.json", ExampleBlock);
        const settings::ServoSettings own = *settings::settingsFromBlock(s->block());
        settingsFile("own.json", own.block);
        // COM3 leads nowhere, COM5 to itself.
        QVERIFY(QFile::link(path("gone"), ports->path() + "/COM3") &&
                QFile::link(ports->path() + "/COM5", ports->path() + "/COM5"));
        QVERIFY(!settings::saveBackup(own, QDateTime::currentDateTimeUtc()).failure);
        QProcess holder;
        QFile lock(ports->path() + "/LCK.." + s->slavePath().mid(5).replace('/', '_'));
        if (setup == Lock)
            QVERIFY(holdLock(holder, lock.fileName(), " sleep user\n"));
        const Run r = cli(args, {}, QString(setup == Full ? "/dev/full" : ""));
        holder.kill();
        holder.waitForFinished();
        QTEST(r.code, "code");
        QVERIFY2(matches(said, r.out + r.err), qPrintable(r.out + r.err));
        QCOMPARE(s->programmingFrameCount(), 0);
    }

    // Files, backups and the wire trace under faults: each refused with its reason, the
    // files there kept, nothing sent; the trace where each switch sends it.
    void filesAndTraceAtTheEdges_data() {
        QTest::addColumn<QString>("args");
        QTest::addColumn<int>("fileSizeLimit"); // 0: none
        QTest::addColumn<QByteArray>("env");    // "open": backup folder 0770; "HOME=": no home
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("err");  // matched once on standard error; empty: no trace there
        QTest::addColumn<QString>("file"); // matches trace.txt; "^old$": left as it was
        const QString first = "\\Atessaro-cli: [^\n]*";
        const auto row = [](const char *name, const char *args, int limit, const char *env,
                            int code, const QString &err, const QString &file = "^old$") {
            QTest::newRow(name) << args << limit << QByteArray(env) << code << err << file;
        };
        row("backup, disk full", "set --speed 50", 100, "", 7,
            first + "backup failed, nothing was sent: .*File too large");
        row("save, disk full", "save %D/kept.json", 100, "", 1,
            first + "kept.json: .*File too large; it was left as it");
        row("save a new file, disk full", "save %D/new.json", 100, "", 1,
            first + "new.json: .*File too large; no file was made$");
        row("save to a FIFO", "save %D/fifo", 0, "", 1,
            first + "fifo: is a FIFO, not a settings file; it was left");
        row("endless", "write /dev/zero", 0, "", 1, first + "/dev/zero: is a device");
        row("FIFO", "write %D/fifo", 0, "", 1, first + "fifo: is a FIFO");
        row("no name", "write ", 0, "", 1, first + "no file name was given; nothing");
        row("folder others can write", "set --speed 50", 0, "open", 7,
            first + "backups: others can write to the backup folder");
        row("no home", "set --speed 50", 0, "HOME=", 7,
            first + "there is no home folder for backups");
        const QString valid = R"(COM1  read +[\d.]+ ms  reply valid, checksum AB$)";
        row("--verbose", "read --verbose", 0, "", 0, "^tessaro.link: " + valid);
        row("--trace", "read --trace %D/trace.txt", 0, "", 0, "", "(?s)^tessaro-cli .*\n" + valid);
        // Its name is escaped, as every file name that reaches a terminal.
        row("--trace, disk full", "read --trace %D/tr\001ace", 200, "", 0,
            "trace could not be written to [^\n]*/tr\\\\x01ace: File too large; going");
        row("--trace, a FIFO", "read --trace %D/fifo", 0, "", 1,
            "--trace: [^\n]+/fifo is not a regular file$");
    }
    void filesAndTraceAtTheEdges() {
        QFETCH(QString, args);
        QFETCH(int, fileSizeLimit);
        QFETCH(QByteArray, env);
        QFETCH(QString, err);
        QFETCH(QString, file);
        auto *s = servo(1);
        const QString kept = settingsFile("kept.json", ExampleBlock);
        const QString backups = path("data/tessaro/backups");
        // Longer than any trace here, so one written over it without emptying it first shows.
        const QByteArray old = QByteArray("old\n").repeated(5000);
        QFile trace(path("trace.txt"));
        QVERIFY(s && ::mkfifo(qPrintable(path("fifo")), 0600) == 0 && QDir().mkpath(backups) &&
                putFile(trace.fileName(), old));
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
        const QRegularExpression::PatternOption lines = QRegularExpression::MultilineOption;
        if (err.isEmpty())
            QVERIFY2(!r.err.contains("tessaro.link"), qPrintable(r.err));
        else
            QVERIFY2(r.err.count(QRegularExpression(err, lines)) == 1, qPrintable(r.err));
        QCOMPARE(s->programmingFrameCount(), 0);
        QCOMPARE(QDir(backups).entryList(QDir::Files | QDir::Hidden), QStringList());
        QFile keptFile(kept);
        QVERIFY(keptFile.open(QIODevice::ReadOnly) &&
                keptFile.readAll() ==
                    settings::settingsJson(*settings::settingsFromBlock(ExampleBlock)));
        QVERIFY(trace.open(QIODevice::ReadOnly));
        const QString held = QString::fromLatin1(trace.readAll());
        QVERIFY2(matches(file, held), qPrintable(held.left(200)));
        QCOMPARE(held.contains("old\n"), file == "^old$");
    }

    // What a write will change, before it is sent; nothing sent when nothing changes
    // unless --force; diff's codes; the journal and the history each write leaves; the
    // frame each write sends, and what the servo holds after it.
    void writesPreviewDiffAndHistory_data() {
        QTest::addColumn<QString>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("said");      // a pattern for standard output and error
        QTest::addColumn<int>("frames");        // programming frames the servo got
        QTest::addColumn<QString>("history");   // a pattern for history's output
        QTest::addColumn<QByteArray>("fields"); // if given, a block holding the fields sent
        const auto row = [](const char *name, const char *args, int code, const QString &said,
                            int frames, const QString &history, const QByteArray &fields = {}) {
            QTest::newRow(name) << args << code << said << frames << history << fields;
        };
        const QString changes = "\\Athrow 90 \u2192 120\ncentre 0 \u2192 -5\n";
        const QString none = "\\A\\z", written = "  COM1  \"OS2403A1\"  throw 90 \u2192 120, "
                                                 "centre 0 \u2192 -5  verified  backup [^ ]+/"
                                                 "OS2403A1-[0-9TZ]+\\.json\n\\z";
        row("write", "write %D/changed.json", 0, changes, 1, written);
        row("--dry-run", "write %D/changed.json --dry-run", 0, changes + "frame hex", 0, none);
        row("nothing changes", "write %D/held.json", 0,
            "already holds these settings; nothing was sent", 0, none);
        row("--force", "write %D/held.json --force", 0, "programmed", 1,
            "no field changed  verified");
        row("reset", "reset", 0, "reset 0 \u2192 1", 1, "reset 0 \u2192 1",
            "OS2403A105DC5A640000020100000000");
        row("diff, same", "diff %D/held.json", 0, "holds the settings in", 0, none);
        row("diff, different", "diff %D/changed.json", 10, changes, 0, none);
        row("diff, two files", "diff %D/changed.json %D/held.json", 10, "\\Athrow 120 \u2192 90\n",
            0, none);
        row("journal cannot be written", "write %D/changed.json journal", 0,
            "programmed[^\n]+\ntessaro-cli: the write stands, but its record could not be "
            "added to the journal: [^\n]+journal.jsonl: ",
            1, "a backup with no record of its write");
        row("write, the servo's own name kept", "write %D/odd.json", 0, "programmed", 1,
            "verified  backup ", OddBlock);
        row("set", "set --speed 40 --centre -7 --reverse 1", 0, "programmed", 1,
            "speed 100 \u2192 40, centre 0 \u2192 -7, reverse 0 \u2192 1  verified",
            "OS2403A105D75A28F901020000000000");
        row("restore", "restore %D/own.json", 0, "programmed", 1, "verified  backup ",
            "OS2403A105DC7828EC00100000000000");
        row("restore --force", "restore %D/odd.json --force", 0, "all the same \\(--force\\)", 1,
            "verified  backup ", OddBlock);
    }
    void writesPreviewDiffAndHistory() {
        QFETCH(QString, args);
        QFETCH(int, frames);
        QFETCH(QString, said);
        QFETCH(QString, history);
        QFETCH(QByteArray, fields);
        auto *s = servo(1);
        QVERIFY(s);
        const QByteArray own = s->block();
        settingsFile("held.json", own);
        settingsFile("changed.json", own, "\"throw\": 90,\n    \"speed\": 100,\n    \"centre\": 0",
                     "\"throw\": 120,\n    \"speed\": 100,\n    \"centre\": -5");
        settingsFile("odd.json", OddBlock);
        settingsFile("own.json", "OS2403A105DC7828EC00100000000000");
        if (args.endsWith(" journal")) {
            args.chop(8);
            QVERIFY(QDir().mkpath(path("data/tessaro/journal.jsonl")));
        }
        const Run r = cli(args);
        QTEST(r.code, "code");
        QVERIFY2(matches(said, r.out + r.err), qPrintable(r.out + r.err));
        QCOMPARE(s->programmingFrameCount(), frames);
        const Run listed = cli("history OS2403A1");
        QVERIFY2(matches(history, listed.out), qPrintable(listed.out + listed.err));
        if (fields.isEmpty())
            return;
        const QByteArray got = s->received();
        const QByteArray frame = got.mid(got.indexOf(link::StartByte), link::FrameLength);
        // The frame the window's PROGRAM sends for these values at test position 0.
        const settings::BlockValues v = *settings::decodeBlock(fields).values;
        const settings::EditorValues e{0, settings::toInt16(v.throwDeg / 2.0), v};
        QCOMPARE(frame, link::buildFrame(settings::buildBlock(own.left(settings::NameLen), e,
                                                              own.right(settings::TailLen))));
        const bool reset = v.reset == 1;
        QCOMPARE(s->block(), reset ? servoemu::ServoEmulator::withFactorySettings(own)
                                   : frame.mid(1, settings::BlockLength));
        if (reset)
            QVERIFY2(r.out.contains("reset     0"), qPrintable(r.out));
    }

    // A name that is not UTF-8 is refused before the servo is read; no file of a like name is made.
    void namesThatAreNotText() {
        auto *s = servo(1);
        QVERIFY(s);
        QProcess p;
        p.start("/bin/sh", {"-c", "exec \"$0\" save \"$(printf \"$1\")\" --port-folder \"$2\"",
                            TESSARO_CLI, data->path() + "/lat\\351.json", ports->path()});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 1);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(err.contains("/lat\\xe9.json: the file name is not UTF-8 text"), qPrintable(err));
        QCOMPARE(QDir(data->path()).entryList(QDir::Files), QStringList());
        QVERIFY(s->received().isEmpty());
    }

    // A COMn link whose servo was killed leads to a pty that may be another program's
    // terminal now: nothing is sent into it, and the link and its lock go.
    void staleLinkIsNotOpened() {
        const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        QVERIFY(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
        const QString com1 = ports->path() + "/COM1",
                      pts = QString::fromLocal8Bit(::ptsname(master));
        const int slave = ::open(qPrintable(pts), O_RDWR | O_NOCTTY);
        QProcess gone;
        gone.start("true");
        QVERIFY(slave >= 0 && gone.waitForStarted());
        const QByteArray pid = QByteArray::number(gone.processId());
        QVERIFY(gone.waitForFinished());
        QFile lock(com1 + ".lock");
        QVERIFY(QFile::link(pts, com1) && putFile(lock.fileName(), pid + "\ntessaro-servo\n\n"));
        const Run r = cli("read");
        char got[16];
        const ssize_t n = ::read(master, got, sizeof got);
        ::close(slave);
        ::close(master);
        QCOMPARE(n, ssize_t(-1));
        QCOMPARE(r.code, 4);
        QVERIFY(!QFileInfo(com1).isSymLink() && !lock.exists());
    }

    // Something happens once the servo holds the read request or the frame: the
    // servo takes on other settings, the cable is pulled, or a signal comes.
    void cutShortMidway_data() {
        QTest::addColumn<QString>("args");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("event"); // a signal, or 0: the cable is pulled, -1: other settings
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("err");  // a pattern
        QTest::addColumn<int>("received"); // bytes the servo got in all: nothing more after it
        QTest::addColumn<int>("reads");    // read requests before the event; 0: a frame stored
        using F = servoemu::Fault;
        const auto row = [](const char *name, F fault, int event, int code, const QString &err,
                            int received, int reads, const char *args = "set --speed 40") {
            QTest::newRow(name) << args << int(fault) << event << code << err << received << reads;
        };
        const int frame = link::FrameLength;
        const QString sent = "the frame was sent, .*may already hold the new settings; its "
                             "settings before are in ([^ ]+), and  tessaro-cli restore \\1 ";
        row("other settings read back", F::None, -1, 6,
            "backups/[^\n]+\ntessaro-cli: speed: sent 40, read back 60\ntessaro-cli: "
            "deadband: sent 2, read back 3\n",
            2 + frame, 0);
        row("cable pulled after the frame", F::NoAck, 0, 4, sent, 1 + frame, 0);
        row("SIGTERM after the frame", F::NoAck, SIGTERM, 143,
            "^tessaro-cli: COM1: interrupted by SIGTERM: " + sent, 1 + frame, 0);
        const QString acked = "the frame was sent, and acknowledged, but not read back, "
                              ".*may already hold the new settings; its settings before are in "
                              "([^ ]+), and  tessaro-cli restore \\1 ";
        row("SIGINT during the read-back", F::None, SIGINT, 130,
            "^tessaro-cli: COM1: interrupted by SIGINT: " + acked, 2 + frame, 2);
        row("servo stopped during the read-back", F::None, 0, 4,
            "^tessaro-cli: COM1 \\([^)]+\\): the device was disconnected: " + acked, 2 + frame, 2);
        row("SIGINT while reading", F::WrongChecksum, SIGINT, 130,
            "^tessaro-cli: COM1: interrupted by SIGINT; nothing more was sent$", 1, 1, "read");
    }
    void cutShortMidway() {
        QFETCH(QString, args);
        QFETCH(int, fault);
        QFETCH(int, event);
        QFETCH(QString, err);
        auto *s = servo(1, {}, servoemu::Fault(fault));
        QVERIFY(s);
        s->setReplyDelayMs(400); // well inside the reply wait, and time enough to act before it
        QProcess p;
        start(p, args);
        QFETCH(int, reads);
        QTRY_VERIFY_WITH_TIMEOUT(reads ? s->readRequestCount() >= reads : s->storedFrameCount() > 0,
                                 10000);
        if (event > 0)
            QVERIFY(::kill(static_cast<pid_t>(p.processId()), event) == 0);
        else if (event == 0)
            s->pullCable(); // the pty's other end closes, as a pulled adapter hangs up
        else
            s->setBlock("OS2403A105DC5A3C0000030000000000");
        QVERIFY(p.waitForFinished(30000));
        QTEST(p.exitCode(), "code");
        const QString said = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(matches(err, said), qPrintable(said));
        QTEST(int(s->received().size()), "received");
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
