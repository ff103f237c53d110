// A trace made against the virtual servo in each fault mode, replayed: the link
// sends the same bytes and comes to the same outcome.
#include "link/trace.h"
#include "servoemu/replay.h"
#include "support/servotransport.h"

#include <QTest>

using namespace tessaro;

// A read, or a programming run: what the link concluded.
static QStringList run(LinkRig &link, bool program) {
    link.session.FindComPorts();
    if (program) {
        const link::ProgramOutcome p =
            link.session.programPort(0, "1234567805DC50640000020000000000");
        return {QString::number(int(p.status)), p.reply, QString::number(p.replyBytes),
                p.failure.words};
    }
    const link::ReadOutcome r = link.session.readPort(0);
    return {QString::number(int(r.status) * 10 + r.repeats), QString::number(r.replyBytes),
            r.failure.words};
}

class TestReplay : public QObject {
    Q_OBJECT

private slots:
    void replaySendsAndEndsTheSame_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("program");
        // Each fault in the runs it changes: the acknowledgement's in programming only.
        for (const QString &fault : servoemu::faultNames() + QStringList{"none"}) {
            const bool both = fault == "silent" || fault == "early-reply";
            if (both || !fault.endsWith("ack"))
                QTest::addRow("%s read", qPrintable(fault)) << fault << false;
            if (both || fault.endsWith("ack"))
                QTest::addRow("%s program", qPrintable(fault)) << fault << true;
        }
    }
    void replaySendsAndEndsTheSame() {
        QFETCH(QString, fault);
        QFETCH(bool, program);
        link::clearKeptTrace();
        LinkRig original, replayed;
        original.servos->add(1).setFault(*servoemu::faultFromName(fault), 1);
        const QStringList outcome = run(original, program);
        servoemu::ParsedTrace trace = servoemu::parseTrace(link::keptTrace());
        QVERIFY(trace.problem.isEmpty());
        servoemu::Replay replay(std::move(trace.steps));
        QStringList notices;
        replay.setNotice([&](const QString &line) { notices << line; });
        replayed.servos->add(1, "OTHERSRV05DC5A640000020000000000")
            .setScript([&](const QByteArray &request, int expected) {
                return replay.answer(request, expected);
            });
        QCOMPARE(run(replayed, program), outcome);
        QCOMPARE(replayed.servos->writes, original.servos->writes);
        QVERIFY(notices.isEmpty() && replay.remaining() == 0);
        // Past the end it answers nothing, and says so.
        QVERIFY(!replay.answer("U", link::FrameLength));
        QVERIFY(notices.value(0).startsWith("past the end of the trace"));
        for (const QByteArray &text :
             {QByteArray("{\"name\": 1}"), QByteArray("COM1  read  1 ms  closed")})
            QVERIFY(!servoemu::parseTrace(text).problem.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestReplay)
#include "tst_replay.moc"
