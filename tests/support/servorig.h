// Virtual servos on numbered ports of the test's own private port folder.
// Make the rig before the window, so the window's port listing sees them.
#pragma once

#include "servoemulator.h"
#include "support/privateportfolder.h"

#include <map>
#include <memory>

class ServoRig {
public:
    // Test servos answer well after the program's discard step (40 ms nominal), so a
    // loaded machine whose ticks run late still keeps the reply. A test may set its own.
    static constexpr int ReplyDelayMs = 250;

    // Starts a servo published as COMn; null (with a warning) when that fails.
    servoemu::ServoEmulator *add(int com, const servoemu::Options &options = {});
    servoemu::ServoEmulator *at(int com) const;
    // Waits until every servo has finished what it was answering.
    void waitIdle() const;

private:
    PrivatePortFolder m_folder;
    std::map<int, std::unique_ptr<servoemu::ServoEmulator>> m_servos;
};

// The worked-example block: name 12345678, throw 90, speed 100, centre 0, deadband 2.
inline const QByteArray ExampleBlock("1234567805DC5A640000020000000000");
