// The wire trace: what the port listing, a read and a programming run record.
#include "link/trace.h"
#include "support/servotransport.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tessaro;

using servoemu::Fault;

namespace {

QStringList records;

void keep(QtMsgType, const QMessageLogContext &context, const QString &message) {
    if (QByteArray(context.category) == "tessaro.link")
        records << message;
}

// The first part not found in the records after the one before it; empty when all are.
QString missing(const QStringList &parts) {
    const QString all = records.join('\n');
    qsizetype at = 0;
    for (const QString &part : parts) {
        at = all.indexOf(part, at);
        if (at < 0)
            return part + "\nin\n" + all;
        at += part.size();
    }
    return {};
}

} // namespace

class TestTrace : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QLoggingCategory::setFilterRules(QStringLiteral("tessaro.link.debug=true"));
        qInstallMessageHandler(keep);
    }

    void exchangeRecords_data() {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<Fault>("fault");      // on the first answer only
        QTest::addColumn<QString>("exchange"); // "probe": the port listing, COM1 busy
        QTest::addColumn<QStringList>("expected");
        const QString text = QStringLiteral("\"\\x0c1234567805DC5A640000020000000000");
        // clang-format off
        QTest::newRow("checksum wrong once") << ExampleBlock << Fault::WrongChecksum << "read" << QStringList{
            "/COM1 opened, 19200,N,8,1", "sent 1 byte: 55  \"U\"",
            "received 36 bytes: 0C 31 32 33 34 35 36 37 38 30 35 44 43 35 41", "37 33 0D  " + text + "73\\x0d\"",
            "checksum mismatch: expected 72, got \"73\"", "asking again, repeat 1 of 5", "sent 1 byte: 55",
            "reply valid, checksum 72", "closed"};
        QTest::newRow("bytes above 0x7F") << QByteArray("\xC9l\xE8ve\x80\x99!05DC5A640000020000000000") << Fault::None
            << "read" << QStringList{"\"\\x0c\\xc9l\\xe8ve\\x80\\x99!05DC5A64"};
        QTest::newRow("wrong acknowledgement") << ExampleBlock << Fault::WrongAck << "program" << QStringList{
            "sent 1 byte: 0C  \"\\x0c\"", "sent 34 bytes: 31 32", "sent 1 byte: 0D  \"\\x0d\"",
            "received 2 bytes: 37 33  \"73\"", "acknowledgement wrong: expected 72, got 2 bytes: 37 33", "closed"};
        QTest::newRow("no acknowledgement") << ExampleBlock << Fault::NoAck << "program" << QStringList{
            "no reply: 0 of 2 bytes", "acknowledgement wrong: expected 72, got no reply (0 bytes waiting)"};
        QTest::newRow("port listing") << ExampleBlock << Fault::None << "probe" << QStringList{
            "COM1  probe ", "/COM1 not opened: busy (cannot open ", "COM2  probe ", "/COM2 opened", "COM2  probe ",
            "closed", "COM3  probe ", "/COM3 not opened: not found", "COM21 probe "};
        // clang-format on
    }
    void exchangeRecords() {
        QFETCH(QByteArray, block);
        QFETCH(Fault, fault);
        QFETCH(QString, exchange);
        QFETCH(QStringList, expected);
        LinkRig link;
        link.servos->add(1, block).setFault(fault, 1);
        if (exchange == "probe") {
            link.servos->refuse(1, link::OpenFailure::Busy);
            link.servos->add(2);
        } else {
            link.session.FindComPorts();
        }
        records.clear();
        if (exchange == "program")
            link.session.programPort(0, ExampleBlock);
        else if (exchange == "read")
            link.session.readPort(0);
        else
            link.session.FindComPorts();
        QCOMPARE(missing(expected), QString());
        // Every record names the port and the exchange, is timed in it, and is plain ASCII.
        const QRegularExpression head("^COM\\d+ +" + exchange + " +\\d+\\.\\d ms  [\\x20-\\x7e]+$");
        for (const QString &record : records)
            QVERIFY2(head.match(record).hasMatch(), qPrintable(record));
    }

    // Last: the trace goes to a file from here on. The kept trace reads as the file
    // does, and holds the newest records, whole, within its bound.
    void keptTraceIsTheFilesNewestRecords() {
        QTemporaryDir dir;
        LinkRig link;
        link.servos->add(1).setFault(Fault::WrongChecksum, 1);
        link::clearKeptTrace();
        QCOMPARE(link::startTrace(dir.filePath("trace.txt")), QString());
        link.session.FindComPorts();
        link.session.readPort(0);
        QFile file(dir.filePath("trace.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(link::keptTrace(), file.readAll());
        for (int i = 0; i < 3000; ++i)
            qCDebug(link::lcLink).noquote()
                << QStringLiteral("record %1 ").arg(i, 5) + QString(40, 'x');
        const QByteArray kept = link::keptTrace();
        QVERIFY(kept.size() <= link::KeptTraceLimit && kept.size() > link::KeptTraceLimit - 100);
        QVERIFY(kept.startsWith("record ") &&
                kept.endsWith("record  2999 " + QByteArray(40, 'x') + '\n'));
    }
};

QTEST_GUILESS_MAIN(TestTrace)
#include "tst_trace.moc"
