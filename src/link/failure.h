// Why the link could not do what it was asked: one value for every failure,
// carried in the outcomes, so each front end can say it in its own way
// without taking the link's text apart.
#pragma once

#include <QString>

namespace tessaro::link {

// Why a port did not open.
enum class OpenFailure { None, NotFound, Permission, Busy, Other };

struct LinkFailure {
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
