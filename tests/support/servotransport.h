// Servos in the test process: a transport over tessaro::servoemu::Responders at
// <folder>/COMn, with no pty and no clock but the link's. An answer is
// readable from the first readAll() after the write that asked for it, that
// is just after AwaitReply's discard step; an early one at once, so it is discarded.
#pragma once

#include "link/session.h"
#include "servoemu/responder.h"

#include <QTemporaryDir>
#include <functional>
#include <map>
#include <memory>
#include <utility>

// The worked-example block: name 12345678, throw 90, speed 100, centre 0, deadband 2.
inline const QByteArray ExampleBlock("1234567805DC5A640000020000000000");

class ServoTransport : public tessaro::link::Transport {
public:
    using OpenFailure = tessaro::link::OpenFailure;
    explicit ServoTransport(QString folder) : m_folder(std::move(folder)) {}

    tessaro::servoemu::Responder &add(int com, const QByteArray &block = ExampleBlock) {
        return *(m_servos[path(com)] = std::make_unique<tessaro::servoemu::Responder>(block));
    }
    tessaro::servoemu::Responder &at(int com) { return *m_servos.at(path(com)); }
    QString path(int com) const { return m_folder + QStringLiteral("/COM%1").arg(com); }
    // Opening fails this way from now on; NotFound: the adapter is pulled out.
    void refuse(int com, OpenFailure why) {
        m_refused[path(com)] = why;
        if (m_open && m_openPath == path(com) && why == OpenFailure::NotFound) {
            close();
            emit lost();
        }
    }
    void pullCable(int com) { refuse(com, OpenFailure::NotFound); }
    void plugBack(int com) { m_refused.erase(path(com)); }

    QList<QByteArray> writes;     // every write, as written
    std::function<void()> onRead; // called as readAll() starts
    // When set, an answer due arrives once it holds, looked at each time the link looks.
    std::function<bool()> arrives;

    tessaro::link::LinkFailure open(const QString &path, qint32) override {
        const OpenFailure cause = !exists(path)           ? OpenFailure::NotFound
                                  : m_refused.count(path) ? m_refused[path]
                                                          : OpenFailure::None;
        if (cause == OpenFailure::None)
            m_open = m_servos.at(m_openPath = path).get();
        return tessaro::link::LinkFailure::openRefused(cause, 0,
                                                       QStringLiteral("cannot open %1").arg(path));
    }
    void close() override {
        m_open = nullptr;
        m_readable = m_due = {};
    }
    bool isOpen() const override { return m_open; }
    bool write(const QByteArray &bytes) override {
        writes << bytes;
        for (const tessaro::servoemu::Answer &a : m_open->receive(bytes))
            (a.early ? m_readable : m_due) += a.bytes;
        return true;
    }
    qint64 bytesAvailable() const override {
        if (arrives && arrives())
            m_readable += std::exchange(m_due, {});
        return m_readable.size();
    }
    QByteArray readAll() override {
        if (onRead)
            std::exchange(onRead, nullptr)();
        return std::exchange(m_readable, arrives ? QByteArray() : std::exchange(m_due, {}));
    }
    QByteArray peek() override { return m_readable; }
    QString errorString() const override { return {}; }
    bool exists(const QString &path) const override {
        const auto refused = m_refused.find(path);
        return m_servos.count(path) &&
               (refused == m_refused.end() || refused->second != OpenFailure::NotFound);
    }

private:
    QString m_folder;
    std::map<QString, std::unique_ptr<tessaro::servoemu::Responder>> m_servos;
    std::map<QString, OpenFailure> m_refused;
    tessaro::servoemu::Responder *m_open = nullptr;
    QString m_openPath;
    mutable QByteArray m_readable, m_due;
};

// A session over in-process servos; nothing outside its folder exists for it.
struct LinkRig {
    QTemporaryDir dir;
    ServoTransport *servos = new ServoTransport(dir.path());
    tessaro::link::Session session{tessaro::link::PortLocator::onlyFolder(dir.path()),
                                   std::unique_ptr<tessaro::link::Transport>(servos)};
};
