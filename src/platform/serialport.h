// Our stand-in for the serial-port control: a polled QSerialPort with the
// operations the link relies on. Failures raise SerialError, as the control
// raised run-time errors; the link procedures catch them.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <stdexcept>

class QSerialPort;

struct SerialError : std::runtime_error {
    SerialError(int number, const QString &description);
    int number;
    QString description;
};

namespace serialerrors {
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int InvalidPortNumber = 8002;
inline constexpr int PortAlreadyOpen = 8005;
inline constexpr int PortNotOpen = 8018;
inline constexpr int DeviceUnavailable = 8012;
inline constexpr int PortBusy = 8010;
inline constexpr int AccessDenied = 8015;
inline constexpr int ReadWriteFailed = 8020;
} // namespace serialerrors

class SerialPortControl : public QObject {
    Q_OBJECT

public:
    static constexpr int FirstPort = 1;
    static constexpr int LastPort = 21;

    explicit SerialPortControl(QObject *parent = nullptr);
    ~SerialPortControl() override;

    void setCommPort(int n);
    int commPort() const { return m_commPort; }

    // "19200,N,8,1" style line settings; only the forms the program uses are accepted.
    void setSettings(const QString &settings);
    QString settings() const { return m_settings; }
    void setInputMode(int mode) { m_inputMode = mode; }
    void setRThreshold(int n) { m_rThreshold = n; }
    void setSThreshold(int n) { m_sThreshold = n; }
    void setInputLen(int n) { m_inputLen = n; }

    void setPortOpen(bool open);
    bool portOpen() const;

    void output(const QByteArray &bytes);
    int inBufferCount() const;
    QByteArray input();

    // The device path behind port number n on this machine.
    static QString devicePath(int n);

signals:
    // Emitted when a read or resource error closed the port under the program.
    void portLost(const QString &description);

private:
    QString portLabel() const;
    void requireOpen() const;
    SerialError errorFromPort(int number, const QString &what) const;

    QSerialPort *m_port;
    int m_commPort = 1;
    QString m_settings = QStringLiteral("9600,N,8,1");
    qint32 m_baud = 9600;
    int m_inputMode = 0;
    int m_rThreshold = 0;
    int m_sThreshold = 0;
    int m_inputLen = 0;
    QString m_lastLostReason;
};
