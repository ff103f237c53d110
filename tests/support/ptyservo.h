// A virtual servo on a real pty, published in a test's own folder.
#pragma once

#include "servoemulator.h"
#include "support/servotransport.h"

#include <QTest>

// A servo on a pty published as COMn in the folder (com 0: not published). The
// program's waits count ticks, so a stalled program stretches them: a reply
// that lands inside the settle-and-discard step (80 ms of ticks) is thrown away
// and the servo looks silent, as a freshly started tessaro-cli on a loaded
// machine saw. Answering in the middle of the wait (80 ms to 580 ms) leaves
// 250 ms for a stalled program and for a stalled servo thread alike.
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
