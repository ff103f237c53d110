#include "platform/serialport.h"

#include "platform/portnames.h"

#include <QFile>
#include <QSerialPort>
#include <unistd.h>

SerialError::SerialError(int n, const QString &text)
    : std::runtime_error(text.toStdString()), number(n), description(text) {}

SerialPortControl::SerialPortControl(QObject *parent)
    : QObject(parent), m_port(new QSerialPort(this)) {
    connect(m_port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        if (e != QSerialPort::ResourceError && e != QSerialPort::ReadError &&
            e != QSerialPort::WriteError)
            return;
        if (!m_port->isOpen())
            return;
        // Qt keeps raising read errors on a dead device; close now so nothing spins.
        // Qt's text here comes from a stale errno (a hung-up tty just reads end of file).
        m_lastLostReason = QStringLiteral("%1 (%2): the device was disconnected")
                               .arg(portLabel(), m_port->portName());
        m_port->close();
        emit portLost(m_lastLostReason);
    });
}

SerialPortControl::~SerialPortControl() {
    if (m_port->isOpen())
        m_port->close();
}

QString SerialPortControl::devicePath(int n) {
    return portnames::devicePathFor(n);
}

QString SerialPortControl::portLabel() const {
    return QStringLiteral("COM%1").arg(m_commPort);
}

void SerialPortControl::setCommPort(int n) {
    if (m_port->isOpen())
        throw SerialError(serialerrors::PortAlreadyOpen, QStringLiteral("Port already open"));
    if (n < FirstPort || n > LastPort)
        throw SerialError(serialerrors::InvalidPortNumber,
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
        throw SerialError(8009,
                          QStringLiteral("The specified settings are invalid: %1").arg(settings));
    m_settings = settings;
    m_baud = baud;
}

SerialError SerialPortControl::errorFromPort(int number, const QString &what) const {
    return SerialError(number,
                       QStringLiteral("%1 (%2): %3").arg(portLabel(), m_port->portName(), what));
}

void SerialPortControl::setPortOpen(bool open) {
    if (!open) {
        if (m_port->isOpen())
            m_port->close();
        return;
    }
    if (m_port->isOpen())
        throw SerialError(serialerrors::PortAlreadyOpen, QStringLiteral("Port already open"));
    m_lastLostReason.clear();
    m_port->setPortName(devicePath(m_commPort));
    if (!m_port->open(QIODevice::ReadWrite)) {
        const QByteArray path = QFile::encodeName(m_port->portName());
        switch (m_port->error()) {
        case QSerialPort::DeviceNotFoundError:
            throw errorFromPort(serialerrors::DeviceUnavailable, m_port->errorString());
        case QSerialPort::PermissionError:
            if (::access(path.constData(), R_OK | W_OK) != 0)
                throw errorFromPort(serialerrors::AccessDenied,
                                    QStringLiteral("Permission denied. Add your user to the "
                                                   "'dialout' group (sudo adduser $USER dialout) "
                                                   "and log in again."));
            throw errorFromPort(serialerrors::PortBusy,
                                QStringLiteral("The port is in use by another program"));
        default:
            throw errorFromPort(serialerrors::DeviceUnavailable, m_port->errorString());
        }
    }
    // Raw 8N1 without flow control; a pseudo-terminal accepts these too.
    m_port->setBaudRate(m_baud);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    m_port->clearError();
}

bool SerialPortControl::portOpen() const {
    return m_port->isOpen();
}

void SerialPortControl::requireOpen() const {
    if (m_port->isOpen())
        return;
    // After a pulled cable, say why the port is gone rather than just that it is.
    throw SerialError(serialerrors::PortNotOpen,
                      m_lastLostReason.isEmpty()
                          ? QStringLiteral("Operation valid only when the port is open")
                          : m_lastLostReason);
}

void SerialPortControl::output(const QByteArray &bytes) {
    requireOpen();
    if (m_port->write(bytes) != bytes.size())
        throw errorFromPort(serialerrors::ReadWriteFailed, m_port->errorString());
    m_port->flush();
}

int SerialPortControl::inBufferCount() const {
    requireOpen();
    return static_cast<int>(m_port->bytesAvailable());
}

QByteArray SerialPortControl::input() {
    requireOpen();
    if (m_inputLen > 0)
        return m_port->read(m_inputLen);
    return m_port->readAll();
}
