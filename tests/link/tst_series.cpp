// The series loop over in-process servos plugged and unplugged in turn.
#include "link/series.h"
#include "servoemu/seriesplay.h"
#include "settings/backups.h"
#include "settings/journal.h"
#include "support/servotransport.h"

#include <QtTest>

using namespace tessaro;
using link::SeriesVerdict;
using Servos = std::vector<servoemu::SeriesServo>;
Q_DECLARE_METATYPE(Servos)
Q_DECLARE_METATYPE(QList<link::SeriesVerdict>)

const settings::BlockValues Wanted{120, 80, 10, 0, 1, 0};

QByteArray wantedFor(const QByteArray &block) {
    return settings::buildBlock(block.left(8), settings::editorValuesFor(Wanted), block.mid(24));
}

servoemu::SeriesServo servo(const char *name, servoemu::Fault fault = {}) {
    return {QByteArray(name) + ExampleBlock.mid(8), fault, -1};
}

class SeriesTest : public QObject {
    Q_OBJECT

private slots:
    void eachServoGetsItsVerdict_data() {
        QTest::addColumn<Servos>("plugged");
        QTest::addColumn<bool>("backupFails");
        QTest::addColumn<bool>("pullAdapter"); // pulled before the first servo, then put back
        QTest::addColumn<QList<SeriesVerdict>>("verdicts");
        QTest::addColumn<QString>("summary");
        using F = servoemu::Fault;
        QTest::newRow("three: one refusing the acknowledgement, one set already")
            << Servos{servo("SERVO001"), servo("SERVO002", F::WrongAck), {wantedFor(ExampleBlock)}}
            << false << false
            << QList{SeriesVerdict::Verified, SeriesVerdict::AckWrong, SeriesVerdict::AlreadySet}
            << "1 verified, 1 already set, 1 failed";
        QTest::newRow("the adapter pulled while waiting, then replies failing the checksum")
            << Servos{servo("SERVO001", F::WrongChecksum)} << false << true
            << QList{SeriesVerdict::Unreadable} << "1 failed";
        QTest::newRow("no backup, nothing sent") << Servos{servo("SERVO001")} << true << false
                                                 << QList{SeriesVerdict::NoBackup} << "1 failed";
    }
    void eachServoGetsItsVerdict() {
        QFETCH(Servos, plugged);
        QFETCH(bool, backupFails);
        QFETCH(bool, pullAdapter);
        QFETCH(QList<SeriesVerdict>, verdicts);
        QFETCH(QString, summary);
        LinkRig rig;
        servoemu::Responder &lead = rig.servos->add(1);
        rig.session.FindComPorts();
        servoemu::SeriesPlay play(plugged);
        play.begin(lead);
        // A file where the folder should be: no backup can be written.
        const QString backups = rig.dir.filePath("backups");
        QVERIFY(!backupFails || QFile(backups).open(QIODevice::WriteOnly));
        if (pullAdapter)
            rig.servos->pullCable(1);

        link::SeriesRun run(rig.session, 0, Wanted, int(plugged.size()), true, backups);
        QList<link::SeriesResult> results;
        connect(&run, &link::SeriesRun::servoDone, this, [&](auto r) { results << r; });
        connect(&run, &link::SeriesRun::waiting, this, [&](link::SeriesWait wait) {
            // Put back once missed: the series then finishes only if it waited for the port.
            if (wait == link::SeriesWait::PortGone)
                QTimer::singleShot(300, this, [&] { rig.servos->plugBack(1); });
            // The user unplugs the servo when told, and plugs in the next when asked.
            if (wait == link::SeriesWait::Unplug ||
                (wait == link::SeriesWait::PlugIn && !results.isEmpty()))
                play.step(lead);
        });
        QSignalSpy finished(&run, &link::SeriesRun::finished);
        run.start();
        QVERIFY(finished.wait(30000));
        QVERIFY(run.summary().text() == summary && results.size() == verdicts.size());
        if (play.isPlugged()) // the last one stays in when the count is reached
            play.step(lead);
        // The journal beside the backups: a record for each servo a frame went out to.
        const auto records = settings::readJournal(rig.dir.filePath("journal.jsonl")).records;
        QStringList journal, expected;
        for (const settings::JournalRecord &j : records)
            journal << j.name() + ' ' + settings::verdictKey(j.verdict) + ' ' + j.backup;
        for (int i = 0; i < results.size(); ++i) {
            const link::SeriesResult &r = results[i];
            if (!r.sent.isEmpty())
                expected << r.name + ' ' +
                                (r.verdict == SeriesVerdict::Verified ? "verified"
                                                                      : "wrong-acknowledgement") +
                                ' ' + r.backup;
            const QByteArray was = plugged[std::size_t(i)].block, now = wantedFor(was), none;
            const auto backup = settings::loadSettings(r.backup).settings;
            QVERIFY(r.number == i + 1 && r.verdict == verdicts[i]);
            const bool read = r.verdict != SeriesVerdict::Unreadable;
            const bool written = read && r.verdict != SeriesVerdict::AlreadySet &&
                                 r.verdict != SeriesVerdict::NoBackup;
            // Before, sent, read back, held at the end, and the backup, for each servo.
            QCOMPARE(QList({r.before, r.sent, r.readBack, play.servos()[std::size_t(i)].block,
                            backup ? backup->block : none}),
                     QList({read ? was : none, written ? now : none, written ? now : none,
                            written || r.verdict == SeriesVerdict::AlreadySet ? now : was,
                            written ? was : none}));
        }
        QCOMPARE(journal, expected);
    }
};

QTEST_GUILESS_MAIN(SeriesTest)
#include "tst_series.moc"
