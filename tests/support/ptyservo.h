// A virtual servo on a real pseudo-terminal, published as COMn in the test's
// own folder, answering well after the link's discard step so that a loaded
// machine's late ticks cannot make a good reply look short.
#pragma once

#include "servoemulator.h"

#include <memory>

inline constexpr int PtyReplyDelayMs = 250;

// Null (the test has failed) when the pty or the link cannot be made; com 0 publishes nothing.
std::unique_ptr<servoemu::ServoEmulator> startPtyServo(const QString &folder, int com,
                                                       const QByteArray &block);
