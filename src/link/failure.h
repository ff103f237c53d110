// Why the link could not do what it was asked: one value for every failure,
// carried in the outcomes, so each front end can say it in its own way
// without taking the link's text apart.
#pragma once

#include <QString>

namespace tessaro::link {

// Why a port did not open.
enum class OpenFailure { None, NotFound, Permission, Busy, Other };

// Built by name only (saying, openRefused, at): two of its slots are texts,
// and a list of values in braces would let them swap without a word.
struct LinkFailure {
    LinkFailure() = default; // no failure; declared, so braces cannot fill the slots in order

    // The link's own words, with no cause from the system.
    static LinkFailure saying(const QString &words) {
        LinkFailure f;
        f.words = words;
        return f;
    }
    // A port that would not open, as the system put it.
    static LinkFailure openRefused(OpenFailure cause, int systemError, const QString &systemText) {
        LinkFailure f;
        f.cause = cause;
        f.systemError = systemError;
        f.systemText = systemText;
        return f;
    }
    // The same failure, naming the port and its device.
    LinkFailure at(int comPort, const QString &devicePath) const {
        LinkFailure f = *this;
        f.port = comPort;
        f.device = devicePath;
        return f;
    }

    int port = 0;                          // the COM number; 0 when no port was chosen
    QString device;                        // the device behind it; empty when none
    OpenFailure cause = OpenFailure::None; // None when the open was not what failed
    int systemError = 0;                   // errno, 0 when unknown
    QString systemText;                    // the system's own words, when it gave any
    // The link's words for the user, without the port and device in front.
    QString words;

    explicit operator bool() const { return cause != OpenFailure::None || !words.isEmpty(); }
};

// A port number the listing could not open.
struct PortProbe {
    LinkFailure failure; // names the port and its device
    int number() const { return failure.port; }
    const QString &device() const { return failure.device; }
};

} // namespace tessaro::link
