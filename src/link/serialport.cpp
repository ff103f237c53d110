#include "link/serialport.h"

#include "link/portcauses.h"
#include "link/serialerror.h"
#include "link/trace.h"

#include <cerrno>

namespace tessaro::link {

SerialPortControl::SerialPortControl(PortLocator ports, std::unique_ptr<Transport> transport)
    : m_ports(std::move(ports)),
      m_transport(transport ? std::move(transport) : makeSerialTransport()) {
    keepTrace();
    connect(m_transport.get(), &Transport::lost, this, [this] {
        // Qt's text here comes from a stale errno (a hung-up tty just reads end of file).
        m_lost = true;
        TESSARO_TRACE(*this) << "the device was disconnected";
    });
}

SerialPortControl::~SerialPortControl() {
    m_transport->close();
}

LinkFailure SerialPortControl::failure(const QString &words) const {
    LinkFailure f = LinkFailure::saying(words).at(m_commPort, m_device);
    return f;
}

void SerialPortControl::beginExchange(const char *what) {
    m_exchange = what;
    m_since.start();
}

QString SerialPortControl::traceHead() const {
    return QStringLiteral("%1 %2 %3 ms  ")
        .arg(QStringLiteral("COM%1").arg(m_commPort), -5)
        .arg(QLatin1String(m_exchange), -7)
        .arg(m_since.isValid() ? m_since.nsecsElapsed() / 1e6 : 0.0, 7, 'f', 1);
}

void SerialPortControl::setCommPort(int n) {
    if (m_transport->isOpen())
        throw SerialError(LinkFailure::saying(QStringLiteral("Port already open")));
    if (n < FirstPort || n > LastPort)
        throw SerialError(LinkFailure::saying(QStringLiteral("Invalid port number %1").arg(n)));
    m_commPort = n;
}

void SerialPortControl::setSettings(const QString &settings) {
    const QStringList parts = settings.split(QLatin1Char(','));
    bool ok = parts.size() == 4;
    const qint32 baud = ok ? parts[0].toInt(&ok) : 0;
    ok = ok && parts[1].compare(QLatin1String("N"), Qt::CaseInsensitive) == 0 &&
         parts[2] == QLatin1String("8") && parts[3] == QLatin1String("1") && baud > 0;
    if (!ok)
        throw SerialError(LinkFailure::saying(
            QStringLiteral("The specified settings are invalid: %1").arg(settings)));
    m_settings = settings;
    m_baud = baud;
}

void SerialPortControl::setPortOpen(bool open) {
    if (!open) {
        if (m_transport->isOpen())
            TESSARO_TRACE(*this) << "closed";
        m_transport->close();
        return;
    }
    if (m_transport->isOpen())
        throw SerialError(LinkFailure::saying(QStringLiteral("Port already open")));
    m_lost = false;
    m_device = m_ports.devicePath(m_commPort);
    // A live program's lock file makes the port busy: the serial layer would take
    // a lock file it cannot parse for a stale one and delete it.
    LinkFailure f =
        m_device.isEmpty()
            ? LinkFailure::openRefused(OpenFailure::NotFound, 0, QStringLiteral("no such device"))
        : !liveLockHolder(m_device, m_ports.lockFolders + systemLockFolders()).isEmpty()
            ? LinkFailure::openRefused(OpenFailure::Busy, EBUSY, QStringLiteral("locked"))
            : m_transport->open(m_device, m_baud);
    if (!f) {
        TESSARO_TRACE(*this) << m_device << " opened, " << m_settings;
        return;
    }
    f = f.at(m_commPort, m_device);
    f.words = openFailureText(f.cause, m_device, m_ports.lockFolders, f.systemError);
    if (f.words.isEmpty())
        f.words = f.systemText;
    TESSARO_TRACE(*this) << m_device << " not opened: " << openFailureName(f.cause) << " ("
                         << f.systemText << ')';
    throw SerialError(std::move(f));
}

bool SerialPortControl::deviceExists(int n) const {
    const QString device = m_ports.devicePath(n);
    return !device.isEmpty() && m_transport->exists(device);
}

bool SerialPortControl::portOpen() const {
    return m_transport->isOpen();
}

void SerialPortControl::requireOpen() const {
    if (m_transport->isOpen())
        return;
    // After a pulled cable, say why the port is gone rather than just that it is.
    if (m_lost)
        throw SerialError(failure(QStringLiteral("the device was disconnected")));
    throw SerialError(
        LinkFailure::saying(QStringLiteral("Operation valid only when the port is open")));
}

void SerialPortControl::output(const QByteArray &bytes) {
    requireOpen();
    if (!m_transport->write(bytes)) {
        LinkFailure f = failure(m_transport->errorString());
        f.systemText = f.words;
        TESSARO_TRACE(*this) << "sending " << traceBytes(bytes) << " failed: " << f.systemText;
        throw SerialError(std::move(f));
    }
    TESSARO_TRACE(*this) << "sent " << traceBytes(bytes);
}

int SerialPortControl::inBufferCount() const {
    requireOpen();
    return static_cast<int>(m_transport->bytesAvailable());
}

QByteArray SerialPortControl::input() {
    requireOpen();
    const QByteArray bytes = m_transport->readAll();
    if (!bytes.isEmpty())
        TESSARO_TRACE(*this) << "received " << traceBytes(bytes);
    return bytes;
}

QByteArray SerialPortControl::peekInput() {
    requireOpen();
    return m_transport->peek();
}

} // namespace tessaro::link
