// The journal: records whole or absent under a torn line, two writers and a
// full disk; each verdict from the link's outcomes. The history is tested
// through the window (tst_windowfiles) and tessaro-cli (tst_cli).
#include "link/writeverdict.h"
#include "settings/journal.h"
#include "support/testfiles.h"

#include <QtTest>
#include <sys/wait.h>
#include <unistd.h>

using namespace tessaro;
using settings::Verdict;

namespace {

const QByteArray Held("OS2403A105DC5A640000020000000000");    // throw 90, centre 0
const QByteArray Changed("OS2403A105D77864FB00020000000000"); // throw 120, centre -5

settings::JournalRecord record(int second, const QByteArray &before = Held,
                               const QByteArray &sent = Changed, Verdict v = Verdict::Verified) {
    const QDateTime time(QDate(2026, 12, 9), QTime(4, 0, second), Qt::UTC);
    return {time, "test", "1", "COM1", "/dev/x", before, sent, sent, v, QString()};
}

// Runs append in count child processes at once; how many succeeded.
int inChildren(int count, const std::function<bool()> &append) {
    for (int i = 0; i < count; ++i)
        if (::fork() == 0)
            ::_exit(append() ? 0 : 1);
    int succeeded = 0, status = 0;
    while (::wait(&status) > 0)
        succeeded += WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return succeeded;
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
        QTest::addColumn<link::ProgramStatus>("status");
        QTest::addColumn<std::optional<link::ReadStatus>>("readBack"); // none: no read-back made
        QTest::addColumn<bool>("interrupted");
        QTest::addColumn<Verdict>("verdict");
        using P = link::ProgramStatus;
        using R = std::optional<link::ReadStatus>;
        const R read = link::ReadStatus::Read, none;
        QTest::newRow("read back different")
            << P::Acknowledged << read << false << Verdict::ReadBackDifferent;
        QTest::newRow("wrong acknowledgement")
            << P::WrongAcknowledgement << read << false << Verdict::WrongAcknowledgement;
        QTest::newRow("no answer on the read-back")
            << P::Acknowledged << R(link::ReadStatus::NoReply) << false << Verdict::NoReadBack;
        QTest::newRow("interrupted") << P::Acknowledged << none << true << Verdict::Interrupted;
        QTest::newRow("port lost, programming") << P::Error << none << false << Verdict::PortLost;
        QTest::newRow("port lost, read-back")
            << P::Acknowledged << R(link::ReadStatus::Error) << false << Verdict::PortLost;
    }
    void everyVerdict() {
        QFETCH(link::ProgramStatus, status);
        QFETCH(std::optional<link::ReadStatus>, readBack);
        QFETCH(bool, interrupted);
        QFETCH(Verdict, verdict);
        // What a read-back finds: the block sent, or the one held before for a difference.
        const QByteArray read = readBack != link::ReadStatus::Read      ? QByteArray()
                                : verdict == Verdict::ReadBackDifferent ? Held
                                                                        : Changed;
        link::ProgramOutcome sent;
        sent.status = status;
        QCOMPARE(link::writeVerdict(sent, readBack, Changed, read, interrupted), verdict);
        auto r = record(1, Held, Changed, verdict);
        r.readBack = read;
        QVERIFY(!settings::appendJournalRecord(r, journal()));
        const settings::JournalRead back = settings::readJournal(journal());
        QVERIFY(back.records.size() == 1 &&
                settings::journalLine(back.records[0]) == settings::journalLine(r));
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
        QVERIFY(f.open(QIODevice::Append) && f.write(damage) == damage.size() && f.flush());
        settings::JournalRead read = settings::readJournal(journal());
        QVERIFY2(read.records.size() == 2 && read.warnings.size() == 1 &&
                     read.warnings[0].contains(warning),
                 qPrintable(read.warnings.join('\n')));
        QVERIFY(!settings::appendJournalRecord(record(3), journal()));
        read = settings::readJournal(journal());
        QVERIFY(read.records.size() == 3 && read.records[2].time == record(3).time);
    }

    // Two processes appending at once: every record whole, none lost.
    void twoWritersAtOnce() {
        const int succeeded = inChildren(2, [this] {
            for (int i = 0; i < 300; ++i)
                if (settings::appendJournalRecord(record(i % 60), journal()))
                    return false;
            return true;
        });
        QCOMPARE(succeeded, 2);
        const settings::JournalRead read = settings::readJournal(journal());
        QVERIFY(read.records.size() == 600 && read.warnings.isEmpty());
    }

    // A full disk (RLIMIT_FSIZE): a failure, and the file keeps only whole records.
    void cannotBeWritten() {
        QVERIFY(!settings::appendJournalRecord(record(1), journal()));
        const qint64 size = QFileInfo(journal()).size();
        const int succeeded = inChildren(1, [this, size] {
            limitFileSize(size + 40)();
            const settings::FileFailure f = settings::appendJournalRecord(record(2), journal());
            return f && f.systemError == EFBIG;
        });
        QCOMPARE(succeeded, 1);
        QCOMPARE(QFileInfo(journal()).size(), size);
    }
};

QTEST_GUILESS_MAIN(TestJournal)
#include "tst_journal.moc"
