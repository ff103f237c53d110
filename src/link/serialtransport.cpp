#include "link/transport.h"

#include <QFile>
#include <QFileInfo>
#include <QSerialPort>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
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

    LinkFailure open(const QString &path, qint32 baud) override {
        // Most of the 21 port numbers have no device; saying so here spares the
        // serial layer's lock file for each, which the port listing would pay for.
        // stat's errno tells a link that loops (ELOOP) from one that leads nowhere.
        struct stat st {};
        if (::stat(QFile::encodeName(path).constData(), &st) != 0)
            return systemFailure(OpenFailure::NotFound, errno);
        m_port.setPortName(path);
        if (!m_port.open(QIODevice::ReadWrite))
            return failure(path);
        m_port.setBaudRate(baud);
        m_port.setDataBits(QSerialPort::Data8);
        m_port.setParity(QSerialPort::NoParity);
        m_port.setStopBits(QSerialPort::OneStop);
        m_port.setFlowControl(QSerialPort::NoFlowControl);
        m_port.clearError();
        return {};
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
    QByteArray peek() override { return m_port.peek(m_port.bytesAvailable()); }
    QString errorString() const override { return m_port.errorString(); }
    bool exists(const QString &path) const override { return QFileInfo::exists(path); }

private:
    static LinkFailure systemFailure(OpenFailure cause, int error) {
        return LinkFailure::openRefused(cause, error, QString::fromLocal8Bit(std::strerror(error)));
    }

    LinkFailure failure(const QString &path) const {
        LinkFailure f;
        f.systemText = m_port.errorString();
        switch (m_port.error()) {
        case QSerialPort::DeviceNotFoundError:
            f.cause = OpenFailure::NotFound;
            f.systemError = ENOENT;
            break;
        case QSerialPort::PermissionError:
            // Qt says "permission" for a held lock too; the mode bits tell them apart,
            // judged for the user the open ran as.
            if (::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), R_OK | W_OK,
                            AT_EACCESS) != 0) {
                f.cause = OpenFailure::Permission;
                f.systemError = errno;
            } else {
                f.cause = OpenFailure::Busy;
            }
            break;
        default:
            f.cause = OpenFailure::Other;
            break;
        }
        return f;
    }

    QSerialPort m_port;
};

} // namespace

std::unique_ptr<Transport> makeSerialTransport() {
    return std::make_unique<SerialTransport>();
}

} // namespace tessaro::link
