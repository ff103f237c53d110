// Every fault mode of the virtual servo, for a read and for a programming run, through
// the library and through tessaro-cli: the outcome each documents, the port closed,
// nothing of a refused reply kept, a trace ending with the verdict and the port closed.
#include "link/trace.h"
#include "servoemu/replay.h"
#include "support/ptyservo.h"

#include <QtTest>

using namespace tessaro;

using servoemu::Fault;

namespace {

// Checksums with letters, so that the lower-case faults show.
const QByteArray Held = servoemu::Responder::defaultBlock();
const QByteArray Programmed("OS2403A105DC50640000020000000000"); // throw 80, checksum 9A
const QByteArray Refused("OS2403A105DC5A648000020000000000");    // centre -128

// What each fault ends in, as tessaro-cli's exit codes (the library's outcomes as it
// reports them), and tessaro-cli's words. The library's programming run meets the fault
// once the servo was read, as PROGRAM after Connect; tessaro-cli reads with it before it
// programs, so a failed read ends its run there, with the read's code and no frame sent.
// The window is left out: its Connect and PROGRAM run these exchanges, and what it shows
// of each outcome is tst_windowstates' and tst_windowexchanges'. tessaro-cli runs on a
// pty, so only where it adds something; why it does not:
const char *const AsNone = "a read meets no acknowledgement: it is none's read";
const char *const AtRead = "set ends at its read, as the read row; silent's shows nothing is sent";
const char *const Early = "on a pty the answer comes when the servo's thread runs; on a loaded "
                          "machine that may be after the first settle wait, where it counts";
struct Outcome {
    const char *fault;
    int read, program;
    const char *says;           // tessaro-cli's failure, after "tessaro-cli: "
    const char *notRun[2] = {}; // why tessaro-cli leaves out its read, its programming run
};
const QString Ack = "COM1: wrong acknowledgement: expected \"9A\", got ";
// clang-format off
const Outcome Outcomes[] = {
    {"none", 0, 0, ""},
    // Not a fault mode: a centre no editor can show; the block is refused whole.
    {"refused", 3, 3, "COM1: .*\\(centre field: -128\\)"},
    // No acknowledgement either: the frame is not stored.
    {"silent", 2, 5, "no servo answered on COM1$"},
    // Reply faults leave the acknowledgement alone: the read back fails. Asked
    // again five times, then given up: replies came, but none passed.
    {"wrong-checksum", 2, 2, "COM1: the servo's replies never passed the checksum$", {{}, AtRead}},
    {"lowercase-checksum", 2, 2, "COM1: the servo's replies never passed the checksum$", {{}, AtRead}},
    // Too few or too many bytes are no reply; the words say how many came.
    {"short-reply", 2, 2, "COM1: a reply of the wrong length \\(35 of 36 bytes\\)$", {{}, AtRead}},
    {"long-reply", 2, 2, "COM1: a reply of the wrong length \\(37 of 36 bytes\\)$", {{}, AtRead}},
    // An answer within the first settle wait is thrown away, the acknowledgement too.
    {"early-reply", 2, 5, "", {Early, Early}},
    // Acknowledgement faults do not touch a read. The frame is stored all the same.
    {"wrong-ack", 0, 5, "\"9B\"$", {AsNone}},
    {"no-ack", 0, 5, "none$", {AsNone}},
    {"short-ack", 0, 5, "1 bytes$", {AsNone}},
    {"long-ack", 0, 5, "3 bytes$", {AsNone}},
    {"lowercase-ack", 0, 5, "\"9a\"$", {AsNone}},
};
// clang-format on

int code(const link::ReadOutcome &r) {
    return std::array{2, 0, 3, 4}[int(r.status)]; // NoReply, Read, Refused, Error
}

// Connect's search; for a programming run then the fault, the frame and the read back.
struct Run {
    int code, lastRead; // the run's, its last read's
    QByteArray kept;    // what the servo held at the last read that passed
};
Run runLibrary(LinkRig &link, bool program, Fault fault) {
    servoemu::Responder &servo = link.servos->at(1);
    servo.setFault(program ? Fault::None : fault);
    link.session.FindComPorts();
    const link::SearchOutcome search = link.session.search();
    const int read = code(search.tried.back());
    if (!program || read != 0)
        return {read, read, read == 0 ? servo.block() : QByteArray()};
    servo.setFault(fault);
    const QByteArray before = servo.block();
    const link::ProgramOutcome sent = link.session.programPort(search.found, Programmed);
    const int back = code(link.session.readPort(search.found));
    return {sent.status == link::ProgramStatus::WrongAcknowledgement ? 5 : back, back,
            back == 0 ? servo.block() : before};
}

// True when the trace's last records, bytes aside, are the verdict of a last read that
// ended in code, then the port closed.
bool endsWithVerdict(const QByteArray &trace, int code) {
    const QString verdict = code == 3   ? "reply valid, settings refused: .*"
                            : code == 2 ? "(no reply: \\d+ of 36 bytes|giving up after 6 requests)"
                                        : "reply valid, checksum [0-9A-F]{2}";
    return QString::fromLatin1(trace)
        .remove(QRegularExpression(".* ms  (sent|received) .*\n"))
        .contains(QRegularExpression(" ms  " + verdict + "\n[^\n]+ ms  closed\n\\z"));
}

int rows = 0, leftOut = 0;

} // namespace

class TestFaultBattery : public QObject {
    Q_OBJECT

    static const Outcome *find(const QString &fault) {
        const auto *o = std::find_if(std::begin(Outcomes), std::end(Outcomes),
                                     [&](const Outcome &o) { return fault == o.fault; });
        return o == std::end(Outcomes) ? nullptr : o;
    }
    // Reads and programming runs are functions of their own, which CTest runs side by side;
    // the library's programming runs in two, the faults a read meets (or not in the table)
    // and the rest.
    enum class Rows { All, ReadFaults, Others };
    static void addRows(bool program, Rows which = Rows::All) {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("program");
        for (const QString &fault : servoemu::faultNames() + QStringList{"none", "refused"})
            if (which == Rows::All ||
                (!find(fault) || find(fault)->read) == (which == Rows::ReadFaults))
                QTest::addRow("%s, %s", qPrintable(fault), program ? "program" : "read")
                    << fault << program;
    }
    // The fault's row in the table, counted.
    static const Outcome *outcome(const QString &fault) {
        ++rows;
        return find(fault);
    }

private slots:
    void cleanupTestCase() {
        qInfo("fault battery: %d rows, %d of them left out for their reason", rows, leftOut);
    }

    void libraryRead_data() { addRows(false); }
    void libraryRead() { library(); }
    void libraryProgramReadFaults_data() { addRows(true, Rows::ReadFaults); }
    void libraryProgramReadFaults() { library(); }
    void libraryProgramOthers_data() { addRows(true, Rows::Others); }
    void libraryProgramOthers() { library(); }
    void cliRead_data() { addRows(false); }
    void cliRead() { cli(); }
    void cliProgram_data() { addRows(true); }
    void cliProgram() { cli(); }

private:
    void library() {
        QFETCH(QString, fault);
        QFETCH(bool, program);
        const Outcome *want = outcome(fault);
        QVERIFY2(want, "a fault with no outcome in the table");
        LinkRig link;
        link.servos->add(1, Held);
        if (fault == "refused") { // over a block read before: neither is kept
            link.session.FindComPorts();
            QCOMPARE(code(link.session.readPort(0)), 0);
            link.servos->at(1).setBlock(Refused);
        }
        link::clearKeptTrace();
        const Run run =
            runLibrary(link, program, servoemu::faultFromName(fault).value_or(Fault::None));
        QCOMPARE(run.code, program ? want->program : want->read);
        QVERIFY(!link.session.port().portOpen() && !link.session.clock().running());
        QCOMPARE(link.session.settingsBlock(), run.kept);
        const QByteArray trace = link::keptTrace();
        QVERIFY(endsWithVerdict(trace, run.lastRead));
        // Replayed from its trace by a servo holding another block, the run and its trace are
        // the same. A programming run's trace holds a read with the fault: the read back.
        if (!program)
            return;
        servoemu::Replay replay(servoemu::parseTrace(trace).steps);
        QStringList notices;
        replay.setNotice([&](const QString &line) { notices << line; });
        LinkRig replayed;
        replayed.servos->add(1, "OTHERSRV05DC5A640000020000000000")
            .setScript([&](const QByteArray &sent, int n) { return replay.answer(sent, n); });
        link::clearKeptTrace();
        QCOMPARE(runLibrary(replayed, program, Fault::None).code, run.code);
        const QRegularExpression times(" +[0-9.]+ ms  ");
        QCOMPARE(QString(link::keptTrace()).replace(replayed.dir.path(), "").remove(times),
                 QString(trace).replace(link.dir.path(), "").remove(times));
        QVERIFY2(notices.isEmpty() && replay.remaining() == 0, qPrintable(notices.join('\n')));
        // Past its end it answers nothing, and says so; a text with no bytes sent is no trace.
        QVERIFY(!replay.answer("U", link::FrameLength) && notices.size() == 1);
        QVERIFY(!servoemu::parseTrace("COM1  read  1 ms  closed").problem.isEmpty());
    }

    // tessaro-cli read, or set, against a servo on a pty in its own folder.
    void cli() {
        QFETCH(QString, fault);
        QFETCH(bool, program);
        const Outcome *want = outcome(fault);
        QVERIFY2(want, "a fault with no outcome in the table");
        if (want->notRun[program] && ++leftOut)
            QSKIP(want->notRun[program]);
        const QTemporaryDir dir;
        auto servo = startPtyServo(dir.path(), 1, fault == "refused" ? Refused : Held,
                                   servoemu::faultFromName(fault).value_or(Fault::None));
        QVERIFY(servo);
        QProcess p; // its backups, its journal in its own folder
        qputenv("HOME", dir.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", dir.filePath("data").toLocal8Bit());
        p.start(TESSARO_CLI, (program ? QStringList{"set", "--throw", "80"} : QStringList{"read"})
                                 << "--port-folder" << dir.path() << "--trace"
                                 << dir.filePath("trace"));
        QVERIFY(p.waitForFinished(60000));
        const int got = p.exitCode();
        QCOMPARE(got, program && want->read == 0 ? want->program : want->read);
        const QString err = p.readAllStandardError();
        QVERIFY2(got == 0 || err.contains(QRegularExpression(
                                 "^tessaro-cli: " + (got == 5 ? Ack : "") + want->says,
                                 QRegularExpression::MultilineOption)),
                 qPrintable(err));
        // Settings shown, and a frame sent, only after a read that passed.
        const bool passed = got == 0 || got == 5;
        QCOMPARE(p.readAllStandardOutput().isEmpty(), !passed);
        QCOMPARE(servo->programmingFrameCount(), int(program && passed));
        QFile trace(dir.filePath("trace"));
        QVERIFY(trace.open(QIODevice::ReadOnly) &&
                endsWithVerdict(trace.readAll(), got == 5 ? 0 : got));
    }
};

QTEST_GUILESS_MAIN(TestFaultBattery)
#include "tst_faultbattery.moc"
