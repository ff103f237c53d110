#include "cli/servoport.h"

#include "cli/exitcodes.h"
#include "cli/interrupt.h"
#include "cli/output.h"
#include "link/messages.h"
#include "link/portcauses.h"
#include "settings/filenames.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>

namespace tessaro::cli {

using link::OpenFailure;
using link::ReadStatus;

bool isPresent(const QString &device) {
    const QFileInfo info(device);
    return !device.isEmpty() && (info.exists() || info.isSymLink());
}

QString failureWords(OpenFailure failure, const QString &device) {
    switch (failure) {
    case OpenFailure::None:
        return QCoreApplication::translate("cli", "can be used");
    case OpenFailure::NotFound:
        // A link left behind by an adapter or virtual servo that went away.
        return isPresent(device) ? QCoreApplication::translate("cli", "gone")
                                 : QCoreApplication::translate("cli", "no adapter");
    case OpenFailure::Permission:
        return QCoreApplication::translate("cli", "permission denied");
    case OpenFailure::Busy:
        return QCoreApplication::translate("cli", "busy");
    case OpenFailure::Other:
        break;
    }
    return QCoreApplication::translate("cli", "cannot be opened");
}

ServoPort::Opened ServoPort::fromOptions(const Options &options) {
    link::PortLocator locator = options.portFolder.isEmpty()
                                    ? link::PortLocator::system()
                                    : link::PortLocator::onlyFolder(options.portFolder);
    int wanted = 0;
    static const QRegularExpression comName(QStringLiteral("^COM(\\d+)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (const auto m = comName.match(options.port); m.hasMatch()) {
        wanted = m.captured(1).toInt();
        if (wanted < link::FirstPort || wanted > link::LastPort) {
            return {nullptr,
                    fail(Exit::Usage, QCoreApplication::translate(
                                          "cli", "--port %1: ports run from COM%2 to COM%3")
                                          .arg(options.port)
                                          .arg(link::FirstPort)
                                          .arg(link::LastPort))};
        }
    } else if (!options.port.isEmpty()) {
        // A device path is the one port there is, taken as COM1.
        locator = link::PortLocator{};
        locator.com1Path = options.port;
        wanted = 1;
    }
    return {std::unique_ptr<ServoPort>(new ServoPort(std::move(locator), wanted)), Exit::Ok};
}

ServoPort::Opened ServoPort::connected(const Options &options) {
    Opened opened = fromOptions(options);
    if (opened.port && (opened.code = opened.port->connect()) != Exit::Ok)
        opened.port.reset();
    return opened;
}

ServoPort::ServoPort(link::PortLocator locator, int wanted)
    : m_session(std::move(locator)), m_watch(m_session), m_wanted(wanted) {}

QString ServoPort::portName() const {
    const auto &table = m_session.portTable();
    return m_index < 0 ? QString() : QStringLiteral("COM%1").arg(table[m_index]);
}

settings::ServoSettings ServoPort::settings() const {
    return *settings::settingsFromBlock(m_session.settingsBlock());
}

// A link that loops back on itself is said in the link's words alone: "gone" would mislead.
static bool loops(const link::LinkFailure &failure) {
    return failure.cause == OpenFailure::NotFound && failure.systemError == ELOOP;
}

QString refusal(const link::LinkFailure &failure) {
    if (loops(failure))
        return failure.words;
    return failureWords(failure.cause, failure.device) + QStringLiteral(": ") + failure.words;
}

QString describe(const link::LinkFailure &failure) {
    if (failure.port == 0)
        return failure.words;
    const QString port = QStringLiteral("COM%1 (%2)").arg(failure.port).arg(failure.device);
    if (failure.cause == OpenFailure::None || loops(failure))
        return port + QStringLiteral(": ") + failure.words;
    return port + QLatin1Char(' ') + refusal(failure);
}

int ServoPort::noPortListed() {
    // Name each port that is there but refused; with none there, no adapter is plugged in.
    bool named = false;
    for (const link::PortProbe &probe : m_session.refusedPorts()) {
        if (probe.failure.cause == OpenFailure::NotFound && !isPresent(probe.device()))
            continue;
        message(describe(probe.failure));
        named = true;
    }
    if (named)
        return Exit::PortUnusable;
    const link::PortLocator &where = m_session.port().ports();
    QStringList looked;
    if (!where.virtualFolder.isEmpty())
        looked << QCoreApplication::translate("cli", "COMn in %1").arg(where.virtualFolder);
    if (!where.fallbackPattern.isEmpty())
        looked << where.fallbackPattern.arg(QLatin1Char('n'));
    if (!where.com1Path.isEmpty())
        looked << where.com1Path;
    return fail(Exit::PortUnusable,
                QCoreApplication::translate("cli", "no adapter: no port found (looked for %1). %2")
                    .arg(looked.join(QStringLiteral(", ")), link::noUsablePortText({})));
}

int ServoPort::connect() {
    m_session.FindComPorts();
    if (interruptSignal())
        return reportInterrupt();
    const auto &table = m_session.portTable();
    if (m_wanted > 0) {
        const auto it = std::find(table.begin(), table.end(), m_wanted);
        if (it == table.end()) {
            const auto &refused = m_session.refusedPorts();
            const auto probe = std::find_if(refused.begin(), refused.end(), [this](const auto &p) {
                return p.number() == m_wanted;
            });
            return fail(Exit::PortUnusable, describe(probe->failure));
        }
        m_index = static_cast<int>(it - table.begin());
        return readResult(m_session.readPort(m_index));
    }
    if (table.empty())
        return noPortListed();
    const link::SearchOutcome search = m_session.search();
    if (interruptSignal() && !search.tried.empty())
        return reportInterrupt(QStringLiteral("COM%1").arg(table[search.tried.size() - 1]));
    int errors = 0;
    QStringList silent;
    for (std::size_t i = 0; i < search.tried.size(); ++i) {
        const link::ReadOutcome &tried = search.tried[i];
        const QString name = QStringLiteral("COM%1").arg(table[i]);
        if (tried.status == ReadStatus::Error) {
            message(describe(tried.failure));
            ++errors;
        } else if (tried.lastVerdict == link::ReplyCheck::ChecksumMismatch) {
            message(checksumText(name));
        } else if (tried.status == ReadStatus::NoReply && tried.replyBytes > 0) {
            message(badReplyText(name, tried.replyBytes));
        } else {
            silent << name;
        }
    }
    m_index = search.found;
    if (m_index >= 0)
        return readResult(search.tried.back());
    // Some port opened and stayed silent: no servo; every one failing: the ports are the trouble.
    if (errors == static_cast<int>(table.size()))
        return Exit::PortUnusable;
    if (!silent.isEmpty())
        message(noReplyText(silent.join(QStringLiteral(", "))));
    return Exit::NoServo;
}

int ServoPort::choosePort() {
    m_session.FindComPorts();
    if (interruptSignal())
        return reportInterrupt();
    const auto &table = m_session.portTable();
    if (m_wanted == 0) {
        if (table.empty())
            return noPortListed();
        m_index = 0;
        return Exit::Ok;
    }
    const auto it = std::find(table.begin(), table.end(), m_wanted);
    if (it != table.end()) {
        m_index = static_cast<int>(it - table.begin());
        return Exit::Ok;
    }
    const auto &refused = m_session.refusedPorts();
    const auto probe = std::find_if(refused.begin(), refused.end(),
                                    [this](const auto &p) { return p.number() == m_wanted; });
    return fail(Exit::PortUnusable, describe(probe->failure));
}

QString ServoPort::noReplyText(const QString &ports) {
    return QCoreApplication::translate("cli", "no servo answered on %1").arg(ports);
}

QString ServoPort::badReplyText(const QString &port, int bytes) {
    if (bytes != link::FrameLength)
        return QCoreApplication::translate("cli",
                                           "%1: a reply of the wrong length (%2 of %3 bytes)")
            .arg(port)
            .arg(bytes)
            .arg(link::FrameLength);
    return QCoreApplication::translate("cli", "%1: a reply that is not a settings frame").arg(port);
}

QString ServoPort::checksumText(const QString &port) {
    return QCoreApplication::translate("cli", "%1: the servo's replies never passed the checksum")
        .arg(port);
}

int ServoPort::readAgain(const QString &backup) {
    return readResult(m_session.readPort(m_index), cutOffText(backup, true));
}

int ServoPort::readResult(const link::ReadOutcome &outcome, const QString &cutOff) {
    if (m_sent)
        m_readBack = outcome.status;
    if (interruptSignal())
        return reportInterrupt(portName(), cutOff);
    const QString after = cutOff.isEmpty() ? QString() : QStringLiteral(": ") + cutOff;
    switch (outcome.status) {
    case ReadStatus::Read:
        return Exit::Ok;
    case ReadStatus::Refused:
        return fail(Exit::Refused, QStringLiteral("%1: %2").arg(
                                       portName(), link::unshowableSettingsText(outcome.refusal)) +
                                       after);
    case ReadStatus::NoReply:
        if (outcome.lastVerdict == link::ReplyCheck::ChecksumMismatch)
            return fail(Exit::NoServo, checksumText(portName()) + after);
        if (outcome.replyBytes > 0)
            return fail(Exit::NoServo, badReplyText(portName(), outcome.replyBytes) + after);
        return fail(Exit::NoServo, noReplyText(portName()) + after);
    case ReadStatus::Error:
        break;
    }
    return fail(Exit::PortUnusable, describe(outcome.failure) + after);
}

QString cutOffText(const QString &backup, bool acknowledged) {
    const QString sent =
        acknowledged
            ? QCoreApplication::translate(
                  "ServoPort", "the frame was sent, and acknowledged, but not read back, so the "
                               "servo may already hold the new settings")
            : QCoreApplication::translate(
                  "ServoPort", "the frame was sent, but the servo's acknowledgement never came, "
                               "so the servo may already hold the new settings");
    if (backup.isEmpty())
        return sent + QCoreApplication::translate("ServoPort", "; no backup was taken");
    return sent + QCoreApplication::translate("ServoPort", "; its settings before are in %1, and  "
                                                           "tessaro-cli restore %1  puts them back")
                      .arg(settings::printableFileName(backup));
}

int ServoPort::program(const QByteArray &block, const QString &backup) {
    if (interruptSignal())
        return reportInterrupt(portName());
    const link::ProgramOutcome sent = m_session.programPort(m_index, block);
    m_sent = sent;
    m_readBack.reset();
    if (interruptSignal()) {
        if (!sent.frameSent)
            return reportInterrupt(portName());
        return reportInterrupt(
            portName(), cutOffText(backup, sent.status == link::ProgramStatus::Acknowledged));
    }
    const auto got = [&sent] {
        if (sent.replyBytes == 0)
            return QStringLiteral("none");
        if (sent.replyBytes != link::AckLength)
            return QStringLiteral("%1 bytes").arg(sent.replyBytes);
        return quoted(sent.reply);
    };
    switch (sent.status) {
    case link::ProgramStatus::Acknowledged:
        return Exit::Ok;
    case link::ProgramStatus::WrongAcknowledgement:
        return fail(
            Exit::WrongAck,
            QCoreApplication::translate("cli", "%1: wrong acknowledgement: expected \"%2\", got %3")
                .arg(portName(), QString::fromLatin1(link::frameChecksum(block)), got()));
    case link::ProgramStatus::Error:
        break;
    }
    if (sent.frameSent)
        return fail(Exit::PortUnusable,
                    describe(sent.failure) + QStringLiteral(": ") + cutOffText(backup, false));
    return fail(Exit::PortUnusable, describe(sent.failure));
}

} // namespace tessaro::cli
