// The journal and the history over it: records whole or absent under a torn
// line, two writers and a full disk; each verdict from the link's outcomes;
// the history's order, changes and backups without a record.
#include "link/writeverdict.h"
#include "settings/history.h"
#include "settings/settingsfile.h"

#include <QtTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tessaro;
using settings::Verdict;

namespace {

const QByteArray Held("OS2403A105DC5A640000020000000000");    // throw 90, centre 0
const QByteArray Changed("OS2403A105D77864FB00020000000000"); // throw 120, centre -5

settings::JournalRecord record(int second, const QByteArray &before = Held,
                               const QByteArray &sent = Changed, Verdict v = Verdict::Verified) {
    return {QDateTime(QDate(2026, 12, 9), QTime(4, 0, second), Qt::UTC),
            "test",
            "1",
            "COM1",
            "/dev/x",
            before,
            sent,
            sent,
            v,
            {}};
}

// Runs append in count child processes at once; their exit codes.
QList<int> inChildren(int count, const std::function<bool()> &append) {
    QList<pid_t> pids;
    for (int i = 0; i < count; ++i)
        if (const pid_t pid = ::fork(); pid == 0)
            ::_exit(append() ? 0 : 1);
        else
            pids << pid;
    QList<int> codes;
    for (pid_t pid : pids) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        codes << (WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    }
    return codes;
}

} // namespace

class TestJournal : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString journal() const { return dir.filePath("j/journal.jsonl"); }

private slots:
    void init() { QFile::remove(journal()); }

    // Each verdict from the outcomes that give it, through a record and back.
    void everyVerdict_data() {
        QTest::addColumn<int>("status");   // ProgramStatus
        QTest::addColumn<int>("readBack"); // ReadStatus; -1: none made
        QTest::addColumn<QByteArray>("read");
        QTest::addColumn<bool>("interrupted");
        QTest::addColumn<int>("verdict");
        const int ack = int(link::ProgramStatus::Acknowledged), read = int(link::ReadStatus::Read);
        QTest::newRow("verified") << ack << read << Changed << false << int(Verdict::Verified);
        QTest::newRow("read back different")
            << ack << read << Held << false << int(Verdict::ReadBackDifferent);
        QTest::newRow("wrong acknowledgement")
            << int(link::ProgramStatus::WrongAcknowledgement) << read << Changed << false
            << int(Verdict::WrongAcknowledgement);
        QTest::newRow("no answer on the read-back")
            << ack << int(link::ReadStatus::NoReply) << QByteArray() << false
            << int(Verdict::NoReadBack);
        QTest::newRow("interrupted")
            << ack << -1 << QByteArray() << true << int(Verdict::Interrupted);
        QTest::newRow("port lost, programming") << int(link::ProgramStatus::Error) << -1
                                                << QByteArray() << false << int(Verdict::PortLost);
        QTest::newRow("port lost, read-back") << ack << int(link::ReadStatus::Error) << QByteArray()
                                              << false << int(Verdict::PortLost);
    }
    void everyVerdict() {
        QFETCH(int, status);
        QFETCH(int, readBack);
        QFETCH(QByteArray, read);
        QFETCH(bool, interrupted);
        link::ProgramOutcome sent;
        sent.status = link::ProgramStatus(status);
        const auto readStatus =
            readBack < 0 ? std::nullopt : std::optional(link::ReadStatus(readBack));
        const Verdict v = link::writeVerdict(sent, readStatus, Changed, read, interrupted);
        QTEST(int(v), "verdict");
        auto r = record(1, Held, Changed, v);
        r.readBack = read;
        QVERIFY(!settings::appendJournalRecord(r, journal()));
        const settings::JournalRead back = settings::readJournal(journal());
        QVERIFY(back.records.size() == 1 && back.warnings.isEmpty());
        QCOMPARE(settings::journalLine(back.records[0]), settings::journalLine(r));
        QCOMPARE(QFile(journal()).permissions() & 0x0077, QFile::Permissions());
    }

    // A torn last line is skipped with a warning and hides nothing; the next record
    // starts a line of its own. An overlong or foreign line is skipped alike.
    void tornAndDamagedLines_data() {
        QTest::addColumn<QByteArray>("damage");
        QTest::addColumn<QString>("warning");
        QTest::newRow("torn") << settings::journalLine(record(9)).left(50) << "cut off";
        QTest::newRow("overlong") << QByteArray(5000, 'x') + '\n' << "longer than 4096";
        QTest::newRow("not a record") << QByteArray("{\"time\": 1}\n") << "not a record";
    }
    void tornAndDamagedLines() {
        QFETCH(QByteArray, damage);
        QFETCH(QString, warning);
        QVERIFY(!settings::appendJournalRecord(record(1), journal()) &&
                !settings::appendJournalRecord(record(2), journal()));
        QFile f(journal());
        QVERIFY(f.open(QIODevice::Append) && f.write(damage) == damage.size());
        f.close();
        settings::JournalRead read = settings::readJournal(journal());
        QVERIFY2(read.records.size() == 2 && read.warnings.size() == 1 &&
                     read.warnings[0].contains(warning),
                 qPrintable(read.warnings.join('\n')));
        QVERIFY(!settings::appendJournalRecord(record(3), journal()));
        read = settings::readJournal(journal());
        QCOMPARE(read.records.size(), 3u);
        QCOMPARE(read.records[2].time, record(3).time);
    }

    // Two processes appending at once: every record whole, none lost.
    void twoWritersAtOnce() {
        const QList<int> codes = inChildren(2, [this] {
            for (int i = 0; i < 300; ++i)
                if (settings::appendJournalRecord(record(i % 60), journal()))
                    return false;
            return true;
        });
        QCOMPARE(codes, QList<int>({0, 0}));
        const settings::JournalRead read = settings::readJournal(journal());
        QCOMPARE(read.records.size(), 600u);
        QVERIFY(read.warnings.isEmpty());
    }

    // A full disk (RLIMIT_FSIZE) and a journal that is a device: a failure, and the
    // file keeps only whole records.
    void cannotBeWritten() {
        QVERIFY(!settings::appendJournalRecord(record(1), journal()));
        const qint64 size = QFileInfo(journal()).size();
        const QList<int> codes = inChildren(1, [this, size] {
            const rlimit rl{rlim_t(size + 40), rlim_t(size + 40)};
            ::signal(SIGXFSZ, SIG_IGN);
            ::setrlimit(RLIMIT_FSIZE, &rl);
            const settings::FileFailure f = settings::appendJournalRecord(record(2), journal());
            return f && f.systemError == EFBIG;
        });
        QCOMPARE(codes, QList<int>({0}));
        QCOMPARE(QFileInfo(journal()).size(), size);
        QVERIFY(settings::appendJournalRecord(record(2), "/dev/null"));
    }

    // Newest first; what each write changed; a backup no record names is a row of
    // its own with a state before only, one a record names is not.
    void historyMerges() {
        const QString backups = dir.filePath("backups");
        const auto held = *settings::settingsFromBlock(Held);
        const auto named = settings::saveBackup(held, record(5).time, backups);
        const auto orphan = settings::saveBackup(held, record(3).time, backups);
        QVERIFY(!named.failure && !orphan.failure);
        auto withBackup = record(5, Changed, Held);
        withBackup.backup = named.path;
        auto other = record(7);
        other.before.replace(0, 8, "OTHERSRV");
        for (const auto &r : {record(1), withBackup, other})
            QVERIFY(!settings::appendJournalRecord(r, journal()));
        const settings::History h = settings::loadHistory(Held.left(8), journal(), backups);
        QCOMPARE(h.entries.size(), 3u);
        QStringList rows;
        for (const settings::HistoryEntry &e : h.entries)
            rows << e.time.toString("ss") + " " + settings::changeTexts(e.changes()).join(", ") +
                        " " + e.backup + (e.afterValues ? " after" : "");
        QCOMPARE(rows,
                 QStringList({"05 throw 120 \u2192 90, centre -5 \u2192 0 " + named.path + " after",
                              "03  " + orphan.path,
                              "01 throw 90 \u2192 120, centre 0 \u2192 -5  after"}));
    }
};

QTEST_GUILESS_MAIN(TestJournal)
#include "tst_journal.moc"
