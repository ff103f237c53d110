// Servos in the test process: a transport over servoemu::Responders at
// <folder>/COMn, with no pty, no threads and no clock of its own. An answer
// becomes readable at the first readAll() after the write that asked for it,
// so it lands just after AwaitReply's discard step; an early answer is
// readable at once and so is discarded.
#pragma once

#include "link/session.h"
#include "link/transport.h"
#include "responder.h"

#include <QTemporaryDir>
#include <map>
#include <memory>
#include <set>

// The worked-example block: name 12345678, throw 90, speed 100, centre 0, deadband 2.
inline const QByteArray ExampleBlock("1234567805DC5A640000020000000000");

class ServoTransport : public servolink::Transport {
public:
    explicit ServoTransport(QString folder) : m_folder(std::move(folder)) {}

    servoemu::Responder &add(int com, const QByteArray &block = ExampleBlock);
    servoemu::Responder &at(int com) { return *m_servos.at(path(com)); }
    // The adapter pulled out: an open port is lost and the device is gone.
    void pullCable(int com);
    void plugBack(int com) { m_pulled.erase(path(com)); }
    // Opening the port fails this way while it is set (None clears it).
    void refuse(int com, servolink::OpenFailure why) { m_refused[path(com)] = why; }
    QString path(int com) const { return m_folder + QStringLiteral("/COM%1").arg(com); }

    servolink::OpenFailure open(const QString &path, qint32 baud, QString *reason) override;
    void close() override;
    bool isOpen() const override { return m_open != nullptr; }
    bool write(const QByteArray &bytes) override; // each write is kept in writes
    qint64 bytesAvailable() const override { return m_readable.size(); }
    QByteArray readAll() override;
    QString errorString() const override { return {}; }
    bool exists(const QString &path) const override;

    QList<QByteArray> writes;

private:
    QString m_folder;
    std::map<QString, std::unique_ptr<servoemu::Responder>> m_servos;
    std::map<QString, servolink::OpenFailure> m_refused;
    std::set<QString> m_pulled;
    servoemu::Responder *m_open = nullptr;
    QString m_openPath;
    QByteArray m_readable;
    QByteArray m_due; // readable from the next readAll() on
};

// A session over in-process servos; ports outside its folder do not exist for it.
struct LinkRig {
    QTemporaryDir dir;
    ServoTransport *servos = new ServoTransport(dir.path());
    servolink::Session session{servolink::PortLocator::onlyFolder(dir.path()),
                               std::unique_ptr<servolink::Transport>(servos)};
};
