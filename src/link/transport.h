// The byte pipe under the port: a serial device through QSerialPort in the
// program, an in-process servo in the flow tests.
#pragma once

#include "link/failure.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

namespace tessaro::link {

class Transport : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Opens raw at the given speed, 8 data bits, no parity, 1 stop bit, no
    // flow control. On failure the cause and the system's error and words.
    virtual LinkFailure open(const QString &path, qint32 baud) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // False when not every byte could be handed to the device.
    virtual bool write(const QByteArray &bytes) = 0;
    virtual qint64 bytesAvailable() const = 0;
    virtual QByteArray readAll() = 0;
    // The received bytes not yet read, left where they are.
    virtual QByteArray peek() = 0;
    virtual QString errorString() const = 0;
    // Whether a device is there to open at all.
    virtual bool exists(const QString &path) const = 0;

signals:
    // The device went away under the open port (adapter pulled); it is closed now.
    void lost();
};

std::unique_ptr<Transport> makeSerialTransport();

} // namespace tessaro::link
