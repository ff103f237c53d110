// The servo behind --port and --port-folder, over the window's own link
// session: the same port listing, read exchange, repeats and refusals.
// Every failure is reported here and comes back as its exit code.
#pragma once

#include "cli/exitcodes.h"
#include "cli/interrupt.h"
#include "cli/options.h"
#include "link/session.h"
#include "settings/settingsfile.h"

#include <memory>
#include <optional>

namespace tessaro::cli {

class ServoPort {
public:
    // A port, or why there is none, already reported, as its exit code.
    struct Opened {
        std::unique_ptr<ServoPort> port;
        int code = Exit::Ok;
    };
    // Usage errors (a --port that names no port) give no port.
    static Opened fromOptions(const Options &options);
    // fromOptions, then connect().
    static Opened connected(const Options &options);

    // Lists the ports, then reads the servo on the chosen port, or searches
    // the listed ports in order as Connect does.
    int connect();
    // Lists the ports and takes the one asked for, or the first listed,
    // without reading: a series waits for its first servo there.
    int choosePort();
    int portIndex() const { return m_index; }
    // Reads the servo again on the port where it answered, after a frame
    // went out: a failure says so and names the backup (cutOffText).
    int readAgain(const QString &backup);
    // Sends a programming frame and checks the acknowledgement.
    // backup: the file holding the servo's settings before, for the message when the
    // frame went out but its acknowledgement never came; empty when none was taken.
    int program(const QByteArray &block, const QString &backup = {});

    // Reports why no port is listed after FindComPorts: each one there but
    // refused, or where ports were looked for.
    int noPortListed();

    // What the last read found.
    settings::ServoSettings settings() const;
    // The last programming exchange, and the read after it: nullopt while none ran.
    const std::optional<link::ProgramOutcome> &lastProgram() const { return m_sent; }
    std::optional<link::ReadStatus> readBack() const { return m_readBack; }
    QString portName() const;
    link::Session &session() { return m_session; }

private:
    ServoPort(link::PortLocator locator, int wanted);
    // cutOff: added to a failure's words; empty when no frame went out before.
    int readResult(const link::ReadOutcome &outcome, const QString &cutOff = {});
    static QString badReplyText(const QString &port, int bytes);
    static QString noReplyText(const QString &ports);
    static QString checksumText(const QString &port);

    link::Session m_session;
    InterruptWatch m_watch; // after m_session, which it cancels
    int m_wanted;           // port number asked for; 0: search
    int m_index = -1;
    std::optional<link::ProgramOutcome> m_sent;
    std::optional<link::ReadStatus> m_readBack;
};

// A frame went out and what followed was cut off: the servo may hold the new
// settings; the backup named, with the command that puts it back.
QString cutOffText(const QString &backup, bool acknowledged);

// True when something is at the device path, a dangling link included.
bool isPresent(const QString &device);
// Why a port cannot be used, in a few words: "no adapter", "permission denied", "busy", ...
QString failureWords(link::OpenFailure failure, const QString &device);
// failureWords and the link's words: "busy: ...".
QString refusal(const link::LinkFailure &failure);
// A failure as the command line says it: "COM1 (/dev/ttyUSB0) busy: ...".
QString describe(const link::LinkFailure &failure);

} // namespace tessaro::cli
