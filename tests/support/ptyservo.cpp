#include "support/ptyservo.h"

#include <QTest>

std::unique_ptr<servoemu::ServoEmulator> startPtyServo(const QString &folder, int com,
                                                       const QByteArray &block) {
    servoemu::Options options;
    options.block = block;
    options.replyDelayMs = PtyReplyDelayMs;
    options.portFolder = folder;
    auto servo = std::make_unique<servoemu::ServoEmulator>(options);
    QString error;
    if (!servo->start(&error) || (com > 0 && !servo->publishAs(com, &error))) {
        QTest::qFail(qPrintable(error), __FILE__, __LINE__);
        return nullptr;
    }
    return servo;
}
