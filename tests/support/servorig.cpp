#include "support/servorig.h"

#include <QtDebug>

servoemu::ServoEmulator *ServoRig::add(int com, const servoemu::Options &options) {
    servoemu::Options tolerant = options;
    tolerant.replyDelayMs = ReplyDelayMs;
    auto servo = std::make_unique<servoemu::ServoEmulator>(tolerant);
    QString error;
    if (!servo->start(&error) || !servo->publishAs(com, &error)) {
        qWarning() << "virtual servo on COM" << com << "failed:" << error;
        return nullptr;
    }
    auto *raw = servo.get();
    m_servos[com] = std::move(servo);
    return raw;
}

servoemu::ServoEmulator *ServoRig::at(int com) const {
    const auto it = m_servos.find(com);
    return it == m_servos.end() ? nullptr : it->second.get();
}

void ServoRig::waitIdle() const {
    for (const auto &[com, servo] : m_servos)
        servo->waitForIdle(2000);
}
