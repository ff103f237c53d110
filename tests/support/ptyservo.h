// A virtual servo on a real pty, published in a test's own folder.
#pragma once

#include "servoemu/servoemulator.h"
#include "support/servotransport.h"

#include <QTest>

// A servo on a pty published as COMn in the folder (com 0: not published). It
// answers mid-wait (80 to 580 ms of ticks): a stalled program stretches its
// discard step, a stalled servo thread delays the reply; each gets 250 ms.
// Null, with the test failed, when it cannot start.
inline std::unique_ptr<tessaro::servoemu::ServoEmulator>
startPtyServo(const QString &folder, int com, const QByteArray &block = ExampleBlock,
              tessaro::servoemu::Fault fault = tessaro::servoemu::Fault::None) {
    auto servo = std::make_unique<tessaro::servoemu::ServoEmulator>(
        tessaro::servoemu::Options{block, fault, -1, 330, 521, folder});
    QString error = servo->start();
    if (error.isEmpty() && com != 0)
        error = servo->publishAs(com);
    if (error.isEmpty())
        return servo;
    QTest::qFail(qPrintable(error), __FILE__, __LINE__);
    return nullptr;
}
