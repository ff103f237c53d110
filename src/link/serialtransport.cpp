#include "link/transport.h"

#include <QFile>
#include <QFileInfo>
#include <QSerialPort>
#include <fcntl.h>
#include <unistd.h>

namespace tessaro::link {

namespace {

class SerialTransport : public Transport {
public:
    SerialTransport() {
        connect(&m_port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
            if (e != QSerialPort::ResourceError && e != QSerialPort::ReadError &&
                e != QSerialPort::WriteError)
                return;
            if (!m_port.isOpen())
                return;
            // Qt keeps raising read errors on a dead device; close now so nothing spins.
            m_port.close();
            emit lost();
        });
    }

    OpenFailure open(const QString &path, qint32 baud, QString *reason) override {
        // Most of the 21 port numbers have no device; saying so here spares the
        // serial layer's lock file for each, which the port listing would pay for.
        if (!QFileInfo::exists(path)) {
            *reason = QStringLiteral("No such file or directory");
            return OpenFailure::NotFound;
        }
        m_port.setPortName(path);
        if (!m_port.open(QIODevice::ReadWrite)) {
            *reason = m_port.errorString();
            return failureKind(path);
        }
        m_port.setBaudRate(baud);
        m_port.setDataBits(QSerialPort::Data8);
        m_port.setParity(QSerialPort::NoParity);
        m_port.setStopBits(QSerialPort::OneStop);
        m_port.setFlowControl(QSerialPort::NoFlowControl);
        m_port.clearError();
        return OpenFailure::None;
    }
    void close() override {
        if (m_port.isOpen())
            m_port.close();
    }
    bool isOpen() const override { return m_port.isOpen(); }
    bool write(const QByteArray &bytes) override {
        const bool ok = m_port.write(bytes) == bytes.size();
        m_port.flush();
        return ok;
    }
    qint64 bytesAvailable() const override { return m_port.bytesAvailable(); }
    QByteArray readAll() override { return m_port.readAll(); }
    QString errorString() const override { return m_port.errorString(); }
    bool exists(const QString &path) const override { return QFileInfo::exists(path); }

private:
    OpenFailure failureKind(const QString &path) const {
        switch (m_port.error()) {
        case QSerialPort::DeviceNotFoundError:
            return OpenFailure::NotFound;
        case QSerialPort::PermissionError:
            // Qt says "permission" for a held lock too; the mode bits tell them apart,
            // judged for the user the open ran as.
            return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), R_OK | W_OK,
                               AT_EACCESS) != 0
                       ? OpenFailure::Permission
                       : OpenFailure::Busy;
        default:
            return OpenFailure::Other;
        }
    }

    QSerialPort m_port;
};

} // namespace

std::unique_ptr<Transport> makeSerialTransport() {
    return std::make_unique<SerialTransport>();
}

} // namespace tessaro::link
