// The serial-port layer against real pseudo-terminals: the
// virtual servo's, published as COMn in a private port folder.
#include "link/protocol.h"
#include "link/portlocator.h"
#include "link/serialport.h"
#include "servoemulator.h"
#include "support/privateportfolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <memory>

using servoemu::Fault;
using servoemu::ServoEmulator;

namespace {

constexpr int Patience = 5000; // only so that a broken build cannot hang

QByteArray allByteValues() {
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(static_cast<char>(i));
    return bytes;
}

// The start-up settings, then the port number and InputLen 0.
void setUp(SerialPortControl &port, int com) {
    port.setRThreshold(0);
    port.setSettings(QStringLiteral("19200,N,8,1"));
    port.setInputMode(1);
    port.setSThreshold(0);
    port.setCommPort(com);
    port.setInputLen(0);
}

// Everything the port receives until `count` bytes have come, processing
// events between reads as the program's wait loop does.
QByteArray collect(SerialPortControl &port, int count) {
    QByteArray got;
    QElapsedTimer timer;
    timer.start();
    while (got.size() < count && timer.elapsed() < Patience && port.portOpen()) {
        QTest::qWait(5);
        got += port.input();
    }
    return got;
}

} // namespace

class TestSerialPort : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void missingDeviceRaisesErrorNamingPort();
    void missingAdapterRaisesError();
    void invalidPortNumberRejected();
    void operationsOnClosedPortRaise();
    void emptyBufferReadsNothing();
    void allByteValuesProgramToServo();
    void allByteValuesServoToProgram();
    void overLongAnswersArriveWhole_data();
    void overLongAnswersArriveWhole();
    void portHeldByAnotherOpenerFails();
    void reopenAfterClose();
    void pulledCableClosesThePort();

private:
    std::unique_ptr<PrivatePortFolder> m_folder;
    std::unique_ptr<ServoEmulator> m_emu;

    void startEmulator(int com, Fault fault = Fault::None);
};

void TestSerialPort::init() {
    m_folder = std::make_unique<PrivatePortFolder>();
}

void TestSerialPort::cleanup() {
    m_emu.reset();
    m_folder.reset();
}

void TestSerialPort::startEmulator(int com, Fault fault) {
    servoemu::Options o;
    o.fault = fault;
    m_emu = std::make_unique<ServoEmulator>(o);
    QString error;
    QVERIFY2(m_emu->start(&error), qPrintable(error));
    QVERIFY2(m_emu->publishAs(com, &error), qPrintable(error));
    QCOMPARE(SerialPortControl::devicePath(com), m_emu->linkPath());
}

void TestSerialPort::missingDeviceRaisesErrorNamingPort() {
    // COM3 published, but leading nowhere: the device has gone.
    const QString folder = portnames::ensureVirtualPortFolder();
    QVERIFY(!folder.isEmpty());
    const QString link = QDir(folder).filePath(QStringLiteral("COM3"));
    QVERIFY(QFile::link(m_folder->path() + QStringLiteral("/no-such-tty"), link));
    QCOMPARE(SerialPortControl::devicePath(3), link);

    SerialPortControl port;
    setUp(port, 3);
    try {
        port.setPortOpen(true);
        QFAIL("opening a missing device succeeded");
    } catch (const SerialError &e) {
        QVERIFY2(e.description.contains(QStringLiteral("COM3")), qPrintable(e.description));
        const QString reason = QString::fromLocal8Bit(std::strerror(ENOENT));
        QVERIFY2(e.description.contains(reason, Qt::CaseInsensitive), qPrintable(e.description));
        QCOMPARE(QString::fromStdString(e.what()), e.description);
    }
    QVERIFY(!port.portOpen());
}

void TestSerialPort::missingAdapterRaisesError() {
    // No virtual port: COM21 is the adapter's tty, which this machine lacks.
    const QString path = SerialPortControl::devicePath(21);
    if (QFile::exists(path))
        QSKIP("this machine has a device behind COM21");
    SerialPortControl port;
    setUp(port, 21);
    QVERIFY_THROWS_EXCEPTION(SerialError, port.setPortOpen(true));
    try {
        port.setPortOpen(true);
    } catch (const SerialError &e) {
        QVERIFY2(e.description.contains(QStringLiteral("COM21")), qPrintable(e.description));
        QVERIFY(e.number != 0);
    }
}

void TestSerialPort::invalidPortNumberRejected() {
    SerialPortControl port;
    for (int n : {0, 22, -1}) {
        try {
            port.setCommPort(n);
            QFAIL("an invalid port number was accepted");
        } catch (const SerialError &e) {
            QCOMPARE(e.number, serialerrors::InvalidPortNumber);
        }
    }
    port.setCommPort(21);
    QCOMPARE(port.commPort(), 21);
}

void TestSerialPort::operationsOnClosedPortRaise() {
    SerialPortControl port;
    setUp(port, 1);
    QVERIFY(!port.portOpen());
    port.setPortOpen(false); // closing a closed port is harmless
    QVERIFY_THROWS_EXCEPTION(SerialError, port.output(QByteArray("U")));
    QVERIFY_THROWS_EXCEPTION(SerialError, port.input());
    QVERIFY_THROWS_EXCEPTION(SerialError, port.inBufferCount());
}

void TestSerialPort::emptyBufferReadsNothing() {
    startEmulator(1);
    SerialPortControl port;
    setUp(port, 1);
    port.setPortOpen(true);
    QVERIFY(port.portOpen());
    QTest::qWait(20);
    QCOMPARE(port.inBufferCount(), 0);
    QCOMPARE(port.input(), QByteArray());
    QCOMPARE(port.input(), QByteArray());
    port.setPortOpen(false);
    QVERIFY(!port.portOpen());
}

void TestSerialPort::allByteValuesProgramToServo() {
    startEmulator(2, Fault::Silent); // records everything, answers nothing
    SerialPortControl port;
    setUp(port, 2);
    port.setPortOpen(true);
    port.output(allByteValues());
    port.output(QByteArray("\x0D\x0A\x11\x13\x03\x1A\x7F\xFF"));
    // A string goes out one byte per character too.
    port.output(QByteArray("U"));
    QVERIFY(m_emu->waitForReceived(256 + 8 + 1, Patience));
    QCOMPARE(m_emu->received(),
             allByteValues() + QByteArray("\x0D\x0A\x11\x13\x03\x1A\x7F\xFF") + "U");
    port.setPortOpen(false);
}

void TestSerialPort::allByteValuesServoToProgram() {
    startEmulator(2, Fault::Silent);
    SerialPortControl port;
    setUp(port, 2);
    port.setPortOpen(true);
    m_emu->sendRaw(allByteValues());
    m_emu->sendRaw(allByteValues());
    const QByteArray got = collect(port, 512);
    QCOMPARE(got, allByteValues() + allByteValues());
    QCOMPARE(port.inBufferCount(), 0);
    port.setPortOpen(false);
}

void TestSerialPort::overLongAnswersArriveWhole_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<bool>("program");
    QTest::addColumn<int>("expected");
    QTest::newRow("long-reply") << Fault::Long37 << false << protocol::FrameLength;
    QTest::newRow("long-ack") << Fault::LongAck << true << protocol::AckLength;
}

// As AwaitReply does: wait until at least N bytes are there, then
// count once more. The extra byte must already be there, or the program
// would take an over-long answer for a good one.
void TestSerialPort::overLongAnswersArriveWhole() {
    QFETCH(Fault, fault);
    QFETCH(bool, program);
    QFETCH(int, expected);
    startEmulator(6, fault);
    SerialPortControl port;
    setUp(port, 6);
    port.setPortOpen(true);
    if (program) {
        for (const QByteArray &w : protocol::programmingWrites(ServoEmulator::defaultBlock()))
            port.output(w);
    } else {
        port.output(QByteArray(1, protocol::ReadRequest));
    }
    QElapsedTimer timer;
    timer.start();
    while (port.inBufferCount() < expected && timer.elapsed() < Patience)
        QCoreApplication::processEvents();
    QCOMPARE(port.inBufferCount(), expected + 1);
    port.setPortOpen(false);
}

void TestSerialPort::portHeldByAnotherOpenerFails() {
    startEmulator(1);
    SerialPortControl holder;
    setUp(holder, 1);
    holder.setPortOpen(true);

    SerialPortControl second;
    setUp(second, 1);
    try {
        second.setPortOpen(true);
        QFAIL("a port held by another opener opened a second time");
    } catch (const SerialError &e) {
        QVERIFY2(e.description.contains(QStringLiteral("COM1")), qPrintable(e.description));
    }
    QVERIFY(!second.portOpen());
    QVERIFY(holder.portOpen());

    holder.setPortOpen(false);
    second.setPortOpen(true);
    QVERIFY(second.portOpen());
    second.setPortOpen(false);
}

void TestSerialPort::reopenAfterClose() {
    // One open per operation: the port opens and closes again and again.
    startEmulator(3);
    SerialPortControl port;
    setUp(port, 3);
    for (int i = 0; i < 3; ++i) {
        port.setPortOpen(true);
        port.output(QByteArray(1, protocol::ReadRequest));
        QCOMPARE(collect(port, protocol::FrameLength),
                 protocol::buildFrame(ServoEmulator::defaultBlock()));
        port.setPortOpen(false);
    }
    QCOMPARE(m_emu->readRequestCount(), 3);
}

void TestSerialPort::pulledCableClosesThePort() {
    startEmulator(4);
    SerialPortControl port;
    setUp(port, 4);
    QSignalSpy lost(&port, &SerialPortControl::portLost);
    port.setPortOpen(true);
    m_emu->pullCable();
    QTRY_VERIFY_WITH_TIMEOUT(!port.portOpen(), Patience);
    QCOMPARE(lost.count(), 1);
    QVERIFY2(lost.at(0).at(0).toString().contains(QStringLiteral("COM4")),
             qPrintable(lost.at(0).at(0).toString()));
    try {
        port.output(QByteArray("U"));
        QFAIL("writing to a pulled port succeeded");
    } catch (const SerialError &e) {
        QVERIFY2(e.description.contains(QStringLiteral("COM4")), qPrintable(e.description));
    }
    // The adapter plugged in again: the same COM number opens.
    QString error;
    QVERIFY2(m_emu->plugBack(&error), qPrintable(error));
    port.setPortOpen(true);
    port.output(QByteArray(1, protocol::ReadRequest));
    QCOMPARE(collect(port, protocol::FrameLength),
             protocol::buildFrame(ServoEmulator::defaultBlock()));
    port.setPortOpen(false);
}

QTEST_GUILESS_MAIN(TestSerialPort)
#include "tst_serialport.moc"
