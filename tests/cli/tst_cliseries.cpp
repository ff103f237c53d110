// tessaro-cli series end to end: a virtual servo on a pty, unplugged and
// plugged back as the next servo whenever the program asks.
#include "servoemu/seriesplay.h"
#include "settings/settingsfile.h"
#include "support/ptyservo.h"

#include <QtTest>
#include <csignal>

using namespace tessaro;

class CliSeriesTest : public QObject {
    Q_OBJECT

private slots:
    void threeServosOneRefusingTheAcknowledgement_data() {
        QTest::addColumn<QStringList>("count"); // none: Ctrl+C after the first servo's line
        QTest::addColumn<QString>("out");
        QTest::addColumn<int>("code");
        QTest::newRow("--count 3") << QStringList{"--count", "3"}
                                   << "1  \"SERVO001\"  verified\n2  \"SERVO002\"  acknowledgement "
                                      "wrong or missing\n3  \"SERVO003\"  verified\n2 verified, 1 "
                                      "failed\n"
                                   << 11;
        QTest::newRow("Ctrl+C") << QStringList() << "1  \"SERVO001\"  verified\n1 verified\n" << 0;
    }
    void threeServosOneRefusingTheAcknowledgement() {
        QFETCH(QStringList, count);
        QFETCH(QString, out);
        QFETCH(int, code);
        QTemporaryDir dir;
        auto pty = startPtyServo(dir.path(), 1);
        QVERIFY(pty);
        const QByteArray base = pty->block();
        servoemu::SeriesPlay play(
            servoemu::parseSeries("SERVO001,SERVO002:wrong-ack,SERVO003", base).servos);
        play.begin(*pty);
        const settings::ServoSettings wanted{base, {120, 80, 10, 1, 1, 0}}; // not the servos' name
        const QString file = dir.filePath("wanted.json");
        QVERIFY(!settings::saveSettings(file, wanted));

        QProcess cli; // its backups in the test's folder
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath("data")));
        cli.setReadChannel(QProcess::StandardError);
        QString err;
        connect(&cli, &QProcess::readyReadStandardError, this, [&] {
            while (cli.canReadLine()) {
                const QString line = cli.readLine();
                // The user unplugs when told and plugs the next one in when asked.
                if (line.contains("unplug it") ||
                    (line.contains("plug in a servo") && err.contains("unplug it")))
                    play.step(*pty);
                err += line;
            }
        });
        bool interrupted = false; // once: a second Ctrl+C ends the program at once
        connect(&cli, &QProcess::readyReadStandardOutput, this, [&] {
            if (count.isEmpty() && !std::exchange(interrupted, true))
                ::kill(pid_t(cli.processId()), SIGINT);
        });
        cli.start(TESSARO_CLI, QStringList{"series", file, "--port-folder", dir.path()} + count);
        QTRY_VERIFY_WITH_TIMEOUT(cli.state() == QProcess::NotRunning, 60000);
        QCOMPARE(cli.readAllStandardOutput(), out.toUtf8());
        QVERIFY(cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == code);
        if (play.isPlugged())
            play.step(*pty);
        // The servos done hold the file's settings around their own names; the rest as they came.
        const int done = int(out.count('\n')) - 1;
        for (int i = 0; i < 3; ++i) {
            const QByteArray name = QByteArray("SERVO00") + char('1' + i);
            QCOMPARE(play.servos()[std::size_t(i)].block,
                     i < done ? settings::buildBlock(name, settings::editorValuesFor(wanted.values),
                                                     base.right(8))
                              : QByteArray(base).replace(0, 8, name));
        }
    }
};

QTEST_GUILESS_MAIN(CliSeriesTest)
#include "tst_cliseries.moc"
