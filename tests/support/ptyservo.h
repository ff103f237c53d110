// A virtual servo on a real pty, published in a test's own folder.
#pragma once

#include "servoemu/servoemulator.h"
#include "support/servotransport.h"

#include <QTest>

// A servo on a pty published as COMn in the folder (com 0: not published). It
// answers well after the discard step, so a loaded machine's late ticks cannot
// make a good reply look short. Null, with the test failed, when it cannot start.
inline std::unique_ptr<tessaro::servoemu::ServoEmulator>
startPtyServo(const QString &folder, int com, const QByteArray &block = ExampleBlock,
              tessaro::servoemu::Fault fault = tessaro::servoemu::Fault::None) {
    auto servo = std::make_unique<tessaro::servoemu::ServoEmulator>(
        tessaro::servoemu::Options{block, fault, -1, 250, 521, folder});
    QString error = servo->start();
    if (error.isEmpty() && com != 0)
        error = servo->publishAs(com);
    if (error.isEmpty())
        return servo;
    QTest::qFail(qPrintable(error), __FILE__, __LINE__);
    return nullptr;
}
