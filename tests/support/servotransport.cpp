#include "support/servotransport.h"

#include <utility>

using servolink::OpenFailure;

servoemu::Responder &ServoTransport::add(int com, const QByteArray &block) {
    auto &servo = m_servos[path(com)];
    servo = std::make_unique<servoemu::Responder>(block);
    return *servo;
}

void ServoTransport::pullCable(int com) {
    m_pulled.insert(path(com));
    if (m_open && m_openPath == path(com)) {
        close();
        emit lost();
    }
}

bool ServoTransport::exists(const QString &path) const {
    return m_servos.count(path) && !m_pulled.count(path);
}

OpenFailure ServoTransport::open(const QString &path, qint32, QString *reason) {
    const auto refused = m_refused.find(path);
    const OpenFailure why = !exists(path)                ? OpenFailure::NotFound
                            : m_open                     ? OpenFailure::Busy
                            : refused != m_refused.end() ? refused->second
                                                         : OpenFailure::None;
    if (why != OpenFailure::None) {
        *reason = QStringLiteral("cannot open %1").arg(path);
        return why;
    }
    m_open = m_servos.at(path).get();
    m_openPath = path;
    return OpenFailure::None;
}

void ServoTransport::close() {
    m_open = nullptr;
    m_readable.clear();
    m_due.clear();
}

bool ServoTransport::write(const QByteArray &bytes) {
    if (!m_open)
        return false;
    writes << bytes;
    for (const servoemu::Answer &a : m_open->receive(bytes))
        (a.early ? m_readable : m_due) += a.bytes;
    return true;
}

QByteArray ServoTransport::readAll() {
    return std::exchange(m_readable, std::exchange(m_due, {}));
}
