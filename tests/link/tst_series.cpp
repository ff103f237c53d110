// The series loop over in-process servos plugged and unplugged in turn.
#include "link/series.h"
#include "seriesplay.h"
#include "settings/backups.h"
#include "support/servotransport.h"

#include <QtTest>

using namespace tessaro;
using link::SeriesVerdict;
using servoemu::Fault;

Q_DECLARE_METATYPE(std::vector<servoemu::SeriesServo>)
Q_DECLARE_METATYPE(QList<link::SeriesVerdict>)

namespace {

const settings::BlockValues Wanted{120, 80, 10, 0, 1, 0};

QByteArray wantedFor(const QByteArray &block) {
    return settings::buildBlock(block.left(settings::NameLen), settings::editorValuesFor(Wanted),
                                block.right(settings::TailLen));
}

servoemu::SeriesServo servo(const char *name, Fault fault = Fault::None) {
    return {QByteArray(name) + ExampleBlock.mid(settings::NameLen), fault, -1};
}

} // namespace

class SeriesTest : public QObject {
    Q_OBJECT

private slots:
    void eachServoGetsItsVerdict_data();
    void eachServoGetsItsVerdict();
};

void SeriesTest::eachServoGetsItsVerdict_data() {
    QTest::addColumn<std::vector<servoemu::SeriesServo>>("plugged");
    QTest::addColumn<bool>("backupFails");
    QTest::addColumn<bool>("pullAdapter"); // pulled before the first servo, then put back
    QTest::addColumn<QList<SeriesVerdict>>("verdicts");
    QTest::addColumn<QString>("summary");

    const servoemu::SeriesServo set{wantedFor(ExampleBlock), Fault::None, -1};
    QTest::newRow("three, the second refusing the acknowledgement")
        << std::vector{servo("SERVO001"), servo("SERVO002", Fault::WrongAck), servo("SERVO003")}
        << false << false
        << QList{SeriesVerdict::Verified, SeriesVerdict::AckWrong, SeriesVerdict::Verified}
        << "2 verified, 1 failed";
    QTest::newRow("one holding the settings already, one whose replies fail the checksum")
        << std::vector{set, servo("SERVO002", Fault::WrongChecksum)} << false << false
        << QList{SeriesVerdict::AlreadySet, SeriesVerdict::Unreadable} << "1 already set, 1 failed";
    QTest::newRow("no backup, nothing sent") << std::vector{servo("SERVO001")} << true << false
                                             << QList{SeriesVerdict::NoBackup} << "1 failed";
    QTest::newRow("the adapter pulled while waiting")
        << std::vector{servo("SERVO001")} << false << true << QList{SeriesVerdict::Verified}
        << "1 verified";
}

void SeriesTest::eachServoGetsItsVerdict() {
    QFETCH(std::vector<servoemu::SeriesServo>, plugged);
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
    const QString backups = rig.dir.filePath(QStringLiteral("backups"));
    if (backupFails)
        QVERIFY(QFile(backups).open(QIODevice::WriteOnly));
    if (pullAdapter)
        rig.servos->pullCable(1);

    link::SeriesRun run(rig.session, 0, Wanted, int(plugged.size()), true, backups);
    QList<link::SeriesResult> results;
    QList<link::SeriesWait> said;
    connect(&run, &link::SeriesRun::servoDone, this,
            [&](const link::SeriesResult &r) { results << r; });
    connect(&run, &link::SeriesRun::waiting, this, [&](link::SeriesWait wait) {
        said << wait;
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

    QCOMPARE(said.contains(link::SeriesWait::PortGone), pullAdapter);
    QCOMPARE(run.summary().text(), summary);
    QCOMPARE(run.summary().allGood(), summary.endsWith(QLatin1String("verified")) ||
                                          summary.endsWith(QLatin1String("already set")));
    QCOMPARE(results.size(), verdicts.size());
    if (play.isPlugged()) // the last one stays in when the count is reached
        play.step(lead);
    for (int i = 0; i < results.size(); ++i) {
        const link::SeriesResult &r = results[i];
        const QByteArray original = plugged[std::size_t(i)].block;
        const QByteArray held = play.servos()[std::size_t(i)].block;
        QCOMPARE(r.number, i + 1);
        QCOMPARE(r.verdict, verdicts[i]);
        QCOMPARE(r.port, 1);
        QCOMPARE(r.device, rig.servos->path(1));
        if (r.verdict == SeriesVerdict::Unreadable) {
            QVERIFY(r.before.isEmpty() && r.sent.isEmpty() && !r.reason.isEmpty());
            QCOMPARE(held, original);
            continue;
        }
        QCOMPARE(r.name, original.left(settings::NameLen));
        QCOMPARE(r.before, original);
        const bool written =
            r.verdict != SeriesVerdict::AlreadySet && r.verdict != SeriesVerdict::NoBackup;
        // What was sent is what it holds now; a servo not written holds what it held.
        QCOMPARE(r.sent, written ? wantedFor(original) : QByteArray());
        QCOMPARE(held, r.verdict == SeriesVerdict::NoBackup ? original : wantedFor(original));
        QCOMPARE(r.readBack, written ? held : QByteArray());
        if (written) {
            const auto backup = settings::loadSettings(r.backup);
            QVERIFY2(backup.settings, qPrintable(r.backup));
            QCOMPARE(backup.settings->block, original);
        } else {
            QVERIFY(r.backup.isEmpty());
        }
    }
}

QTEST_GUILESS_MAIN(SeriesTest)
#include "tst_series.moc"
