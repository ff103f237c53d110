#include "link/serialport.h"

#include "link/portcauses.h"

namespace tessaro::link {

SerialError::SerialError(SerialErrorNumber n, const QString &text)
    : std::runtime_error(text.toStdString()), number(n), description(text) {}

SerialPortControl::SerialPortControl(PortLocator ports, std::unique_ptr<Transport> transport)
    : m_ports(std::move(ports)),
      m_transport(transport ? std::move(transport) : makeSerialTransport()) {
    connect(m_transport.get(), &Transport::lost, this, [this] {
        // Qt's text here comes from a stale errno (a hung-up tty just reads end of file).
        m_lastLostReason =
            QStringLiteral("%1 (%2): the device was disconnected").arg(portLabel(), m_device);
    });
}

SerialPortControl::~SerialPortControl() {
    m_transport->close();
}

QString SerialPortControl::portLabel() const {
    return QStringLiteral("COM%1").arg(m_commPort);
}

void SerialPortControl::setCommPort(int n) {
    if (m_transport->isOpen())
        throw SerialError(SerialErrorNumber::PortAlreadyOpen, QStringLiteral("Port already open"));
    if (n < FirstPort || n > LastPort)
        throw SerialError(SerialErrorNumber::InvalidPortNumber,
                          QStringLiteral("Invalid port number %1").arg(n));
    m_commPort = n;
}

void SerialPortControl::setSettings(const QString &settings) {
    const QStringList parts = settings.split(QLatin1Char(','));
    bool ok = parts.size() == 4;
    const qint32 baud = ok ? parts[0].toInt(&ok) : 0;
    ok = ok && parts[1].compare(QLatin1String("N"), Qt::CaseInsensitive) == 0 &&
         parts[2] == QLatin1String("8") && parts[3] == QLatin1String("1") && baud > 0;
    if (!ok)
        throw SerialError(SerialErrorNumber::InvalidSettings,
                          QStringLiteral("The specified settings are invalid: %1").arg(settings));
    m_settings = settings;
    m_baud = baud;
}

SerialError SerialPortControl::errorFromPort(SerialErrorNumber number, const QString &what) const {
    return SerialError(number, QStringLiteral("%1 (%2): %3").arg(portLabel(), m_device, what));
}

void SerialPortControl::setPortOpen(bool open) {
    if (!open) {
        m_transport->close();
        return;
    }
    if (m_transport->isOpen())
        throw SerialError(SerialErrorNumber::PortAlreadyOpen, QStringLiteral("Port already open"));
    m_lastLostReason.clear();
    m_device = m_ports.devicePath(m_commPort);
    QString reason = QStringLiteral("no such device");
    m_lastOpenFailure =
        m_device.isEmpty() ? OpenFailure::NotFound : m_transport->open(m_device, m_baud, &reason);
    switch (m_lastOpenFailure) {
    case OpenFailure::None:
        return;
    case OpenFailure::Permission:
        throw errorFromPort(SerialErrorNumber::AccessDenied,
                            openFailureText(m_lastOpenFailure, m_device));
    case OpenFailure::Busy:
        throw errorFromPort(SerialErrorNumber::PortBusy,
                            openFailureText(m_lastOpenFailure, m_device));
    case OpenFailure::NotFound:
    case OpenFailure::Other:
        break;
    }
    throw errorFromPort(SerialErrorNumber::DeviceUnavailable, reason);
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
    throw SerialError(SerialErrorNumber::PortNotOpen,
                      m_lastLostReason.isEmpty()
                          ? QStringLiteral("Operation valid only when the port is open")
                          : m_lastLostReason);
}

void SerialPortControl::output(const QByteArray &bytes) {
    requireOpen();
    if (!m_transport->write(bytes))
        throw errorFromPort(SerialErrorNumber::ReadWriteFailed, m_transport->errorString());
}

int SerialPortControl::inBufferCount() const {
    requireOpen();
    return static_cast<int>(m_transport->bytesAvailable());
}

QByteArray SerialPortControl::input() {
    requireOpen();
    return m_transport->readAll();
}

} // namespace tessaro::link
