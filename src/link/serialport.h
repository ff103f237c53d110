// Our stand-in for the serial-port control: a polled port with the
// operations the link relies on, over a transport. Failures raise
// SerialError, as the control raised run-time errors; the link catches them.
#pragma once

#include "link/portlocator.h"
#include "link/transport.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>
#include <stdexcept>

namespace tessaro::link {

// The numbers the serial-port control gave its run-time errors.
enum class SerialErrorNumber : int {
    SubscriptOutOfRange = 9,
    InvalidPortNumber = 8002,
    PortAlreadyOpen = 8005,
    InvalidSettings = 8009,
    PortBusy = 8010,
    DeviceUnavailable = 8012,
    AccessDenied = 8015,
    PortNotOpen = 8018,
    ReadWriteFailed = 8020,
};

struct SerialError : std::runtime_error {
    SerialError(SerialErrorNumber number, const QString &description);
    SerialErrorNumber number;
    QString description;
};

class SerialPortControl : public QObject {
    Q_OBJECT

public:
    // A null transport means a real serial port.
    explicit SerialPortControl(PortLocator ports, std::unique_ptr<Transport> transport = nullptr);
    ~SerialPortControl() override;

    void setCommPort(int n);
    int commPort() const { return m_commPort; }
    const PortLocator &ports() const { return m_ports; }

    // "19200,N,8,1" style line settings; only the forms the program uses are accepted.
    void setSettings(const QString &settings);
    QString settings() const { return m_settings; }

    void setPortOpen(bool open);
    bool portOpen() const;
    // Why the last open failed; None after a successful one.
    OpenFailure lastOpenFailure() const { return m_lastOpenFailure; }

    // Whether port n has a device behind it now.
    bool deviceExists(int n) const;

    void output(const QByteArray &bytes);
    int inBufferCount() const;
    // Every received byte not yet read; none is no failure.
    QByteArray input();

private:
    QString portLabel() const;
    void requireOpen() const;
    SerialError errorFromPort(SerialErrorNumber number, const QString &what) const;

    PortLocator m_ports;
    std::unique_ptr<Transport> m_transport;
    int m_commPort = 1;
    QString m_device;
    QString m_settings = QStringLiteral("9600,N,8,1");
    qint32 m_baud = 9600;
    OpenFailure m_lastOpenFailure = OpenFailure::None;
    QString m_lastLostReason;
};

} // namespace tessaro::link
