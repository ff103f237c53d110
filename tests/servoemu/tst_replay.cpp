// A trace made against the virtual servo in each fault mode, replayed: the link
// sends the same bytes and comes to the same outcome.
#include "link/trace.h"
#include "replay.h"
#include "support/servotransport.h"

#include <QTest>

using namespace tessaro;
using servoemu::Fault;

namespace {

// A read, or a programming run: what the link concluded.
QString run(LinkRig &link, bool program) {
    link.session.FindComPorts();
    QString out;
    if (program) {
        const link::ProgramOutcome p =
            link.session.programPort(0, "1234567805DC50640000020000000000");
        out = QStringLiteral("program %1 %2 %3 %4; ")
                  .arg(int(p.status))
                  .arg(QString::fromLatin1(p.reply.toHex()))
                  .arg(p.replyBytes)
                  .arg(p.failure.words);
        return out;
    }
    const link::ReadOutcome r = link.session.readPort(0);
    return out + QStringLiteral("read %1 %2 %3 %4 %5")
                     .arg(int(r.status))
                     .arg(int(r.lastVerdict))
                     .arg(r.repeats)
                     .arg(r.replyBytes)
                     .arg(r.failure.words);
}

} // namespace

class TestReplay : public QObject {
    Q_OBJECT

private slots:
    void replaySendsAndEndsTheSame_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("program");
        const QStringList faults = servoemu::faultNames() + QStringList{QStringLiteral("none")};
        // Each fault in the runs it changes: the acknowledgement's in programming only.
        for (const QString &fault : faults) {
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
        LinkRig original;
        original.servos->add(1).setFault(*servoemu::faultFromName(fault), 1);
        const QString outcome = run(original, program);

        servoemu::ParsedTrace trace = servoemu::parseTrace(link::keptTrace());
        QVERIFY2(trace.problem.isEmpty(), qPrintable(trace.problem));
        servoemu::Replay replay(std::move(trace.steps));
        QStringList notices;
        replay.setNotice([&](const QString &line) { notices << line; });
        LinkRig replayed;
        replayed.servos->add(1, "OTHERSRV05DC5A640000020000000000")
            .setScript([&](const QByteArray &request, int expected) {
                return replay.answer(request, expected);
            });
        QCOMPARE(run(replayed, program), outcome);
        QCOMPARE(replayed.servos->writes, original.servos->writes);
        QCOMPARE(notices, QStringList());
        QCOMPARE(replay.remaining(), std::size_t(0));
        // Past the end it answers nothing, and says so.
        QCOMPARE(replay.answer("U", link::FrameLength), std::nullopt);
        QVERIFY(notices.value(0).startsWith("past the end of the trace"));
    }

    void notATraceIsRefused() {
        for (const QByteArray &text : {QByteArray(), QByteArray("{\"name\": \"12345678\"}\n"),
                                       QByteArray("COM1  read  1.0 ms  closed\n")})
            QVERIFY(!servoemu::parseTrace(text).problem.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestReplay)
#include "tst_replay.moc"
