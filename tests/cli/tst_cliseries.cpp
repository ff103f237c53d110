// tessaro-cli series end to end: a virtual servo on a pty, unplugged and
// plugged back as the next servo whenever the program asks.
#include "seriesplay.h"
#include "settings/backups.h"
#include "support/ptyservo.h"

#include <QtTest>
#include <csignal>

using namespace tessaro;

class CliSeriesTest : public QObject {
    Q_OBJECT

private slots:
    void threeServosOneRefusingTheAcknowledgement_data();
    void threeServosOneRefusingTheAcknowledgement();
};

void CliSeriesTest::threeServosOneRefusingTheAcknowledgement_data() {
    QTest::addColumn<QString>("count"); // empty: Ctrl+C after the first servo's line
    QTest::addColumn<QStringList>("out");
    QTest::addColumn<int>("code");
    QTest::newRow("--count 3") << "3"
                               << QStringList{"1  \"SERVO001\"  verified",
                                              "2  \"SERVO002\"  acknowledgement wrong or missing",
                                              "3  \"SERVO003\"  verified", "2 verified, 1 failed"}
                               << 11;
    QTest::newRow("Ctrl+C") << QString() << QStringList{"1  \"SERVO001\"  verified", "1 verified"}
                            << 0;
}

void CliSeriesTest::threeServosOneRefusingTheAcknowledgement() {
    QFETCH(QString, count);
    QFETCH(QStringList, out);
    QFETCH(int, code);

    QTemporaryDir dir;
    auto pty = startPtyServo(dir.path(), 1);
    QVERIFY(pty);
    const QByteArray base = pty->block();
    servoemu::SeriesPlay play(
        servoemu::parseSeries(QStringLiteral("SERVO001,SERVO002:wrong-ack,SERVO003"), base).servos);
    play.begin(*pty);
    const settings::ServoSettings wanted{
        base, {120, 80, 10, 1, 1, 0}}; // the name in the file is not the servos'
    const QString file = dir.filePath(QStringLiteral("wanted.json"));
    QVERIFY(!settings::saveSettings(file, wanted));

    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    cli.setProcessEnvironment(env);
    QStringList args{"series", file, "--port-folder", dir.path()};
    if (!count.isEmpty())
        args << "--count" << count;
    QString err;
    connect(&cli, &QProcess::readyReadStandardError, this, [&] {
        while (cli.canReadLine()) {
            const QString line = QString::fromUtf8(cli.readLine());
            // The user unplugs when told and plugs the next one in when asked.
            if (line.contains(QLatin1String("unplug it")) ||
                (line.contains(QLatin1String("plug in a servo")) && err.contains("unplug it")))
                play.step(*pty);
            err += line;
        }
    });
    cli.setReadChannel(QProcess::StandardError);
    bool interrupted = false; // once: a second Ctrl+C ends the program at once
    connect(&cli, &QProcess::readyReadStandardOutput, this, [&] {
        if (count.isEmpty() && !std::exchange(interrupted, true))
            ::kill(pid_t(cli.processId()), SIGINT);
    });
    cli.start(QStringLiteral(TESSARO_CLI), args);
    QVERIFY(cli.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(cli.state() == QProcess::NotRunning, 60000);

    QCOMPARE(QString::fromUtf8(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts), out);
    QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
    QCOMPARE(cli.exitCode(), code);
    if (play.isPlugged())
        play.step(*pty);
    // Each servo done holds the file's settings around its own name; the others are untouched.
    const int done = out.size() - 1;
    for (int i = 0; i < 3; ++i) {
        const QByteArray held = play.servos()[std::size_t(i)].block;
        const QByteArray name = QByteArray("SERVO00") + char('1' + i);
        const QByteArray expected =
            i < done ? settings::buildBlock(name, settings::editorValuesFor(wanted.values),
                                            base.right(settings::TailLen))
                     : QByteArray(base).replace(0, settings::NameLen, name);
        QCOMPARE(held, expected);
    }
    QCOMPARE(
        int(settings::listBackups(dir.filePath(QStringLiteral("data/tessaro/backups"))).size()),
        done);
}

QTEST_GUILESS_MAIN(CliSeriesTest)
#include "tst_cliseries.moc"
