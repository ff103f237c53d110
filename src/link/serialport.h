// Our stand-in for the serial-port control: a polled port with the
// operations the link relies on, over a transport. A failure raises an
// error inside the link (serialerror.h), as the control raised run-time
// errors; the session catches it and reports a LinkFailure.
#pragma once

#include "link/failure.h"
#include "link/portlocator.h"
#include "link/trace.h"
#include "link/transport.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <memory>

namespace tessaro::link {

class SerialPortControl : public QObject {
    Q_OBJECT

public:
    // A null transport means a real serial port.
    explicit SerialPortControl(PortLocator ports, std::unique_ptr<Transport> transport = nullptr);
    ~SerialPortControl() override;

    void setCommPort(int n);
    int commPort() const { return m_commPort; }
    const PortLocator &ports() const { return m_ports; }
    // The device the last open went to.
    const QString &device() const { return m_device; }

    // "19200,N,8,1" style line settings; only the forms the program uses are accepted.
    void setSettings(const QString &settings);
    QString settings() const { return m_settings; }

    void setPortOpen(bool open);
    bool portOpen() const;

    // Whether port n has a device behind it now.
    bool deviceExists(int n) const;

    void output(const QByteArray &bytes);
    int inBufferCount() const;
    // Every received byte not yet read; none is no failure.
    QByteArray input();
    // The received bytes not yet read, left in the buffer; for the trace.
    QByteArray peekInput();

    // The trace: an exchange (a probe, a read, a programming run) begins, and
    // its records are timed from here.
    void beginExchange(const char *what);
    // "COM1 read      80.2 ms  ", which begins each record.
    QString traceHead() const;

    // A failure on this port, named with its number and device.
    LinkFailure failure(const QString &words) const;

private:
    void requireOpen() const;

    PortLocator m_ports;
    std::unique_ptr<Transport> m_transport;
    int m_commPort = 1;
    QString m_device;
    QString m_settings = QStringLiteral("9600,N,8,1");
    qint32 m_baud = 9600;
    bool m_lost = false;
    const char *m_exchange = "";
    QElapsedTimer m_since;
};

} // namespace tessaro::link

// A trace record of the exchange on a SerialPortControl, streamed on; nothing
// is formatted while the trace is off.
#define TESSARO_TRACE(port) qCDebug(tessaro::link::lcLink).noquote().nospace() << (port).traceHead()
