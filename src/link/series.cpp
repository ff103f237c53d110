#include "link/series.h"

#include "link/session.h"
#include "settings/backups.h"
#include "settings/journal.h"
#include "settings/rounding.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <optional>

namespace tessaro::link {

namespace {

// A servo its frame went out to ends with one of the journal's verdicts, in the journal's words.
std::optional<settings::Verdict> journalVerdict(SeriesVerdict verdict) {
    switch (verdict) {
    case SeriesVerdict::Verified:
        return settings::Verdict::Verified;
    case SeriesVerdict::ReadBackDiffers:
        return settings::Verdict::ReadBackDifferent;
    case SeriesVerdict::AckWrong:
        return settings::Verdict::WrongAcknowledgement;
    case SeriesVerdict::NoReadBack:
        return settings::Verdict::NoReadBack;
    case SeriesVerdict::Interrupted:
        return settings::Verdict::Interrupted;
    case SeriesVerdict::PortLost:
        return settings::Verdict::PortLost;
    case SeriesVerdict::AlreadySet:
    case SeriesVerdict::NoBackup:
    case SeriesVerdict::Unreadable:
        break;
    }
    return std::nullopt;
}

} // namespace

QString seriesVerdictText(SeriesVerdict verdict) {
    if (const auto written = journalVerdict(verdict))
        return settings::verdictText(*written);
    if (verdict == SeriesVerdict::AlreadySet)
        return QCoreApplication::translate("Series", "already set");
    if (verdict == SeriesVerdict::NoBackup)
        return QCoreApplication::translate("Series", "skipped, no backup");
    return QCoreApplication::translate("Series", "unreadable");
}

QString seriesWaitText(SeriesWait wait) {
    switch (wait) {
    case SeriesWait::PlugIn:
        return QCoreApplication::translate("Series", "plug in a servo");
    case SeriesWait::Unplug:
        return QCoreApplication::translate("Series", "unplug it");
    case SeriesWait::PortGone:
        break;
    }
    return QCoreApplication::translate("Series", "the port is gone; waiting for it to come back");
}

int SeriesSummary::total() const {
    int n = 0;
    for (int c : counts)
        n += c;
    return n;
}

int SeriesSummary::failed() const {
    return total() - counts[int(SeriesVerdict::Verified)] - counts[int(SeriesVerdict::AlreadySet)];
}

QString SeriesSummary::text() const {
    if (total() == 0)
        return QCoreApplication::translate("Series", "no servo");
    QStringList parts;
    if (const int n = counts[int(SeriesVerdict::Verified)])
        parts << QCoreApplication::translate("Series", "%1 verified").arg(n);
    if (const int n = counts[int(SeriesVerdict::AlreadySet)])
        parts << QCoreApplication::translate("Series", "%1 already set").arg(n);
    if (const int n = failed())
        parts << QCoreApplication::translate("Series", "%1 failed").arg(n);
    return parts.join(QStringLiteral(", "));
}

SeriesRun::SeriesRun(Session &session, int portIndex, const settings::BlockValues &values,
                     int count, bool backUp, QString backupDir, QObject *parent)
    : QObject(parent), m_session(session), m_index(portIndex), m_values(values), m_count(count),
      m_backUp(backUp), m_backupDir(std::move(backupDir)) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &SeriesRun::step);
}

void SeriesRun::start() {
    if (m_state != State::Idle)
        return;
    queue(State::AwaitServo);
}

void SeriesRun::stop() {
    m_stopRequested = true;
    m_session.cancel();
    // Between steps nothing runs: end at once. Inside one, the step sees it when its exchange ends.
    if (m_timer.isActive()) {
        m_timer.stop();
        step();
    }
}

void SeriesRun::queue(State next, int delayMs) {
    m_state = next;
    m_timer.start(delayMs);
}

bool SeriesRun::stopSeen() {
    // A cancel from outside (a signal's watch) is kept: the next exchange clears the session's.
    m_stopRequested = m_stopRequested || m_session.cancelled();
    return m_stopRequested;
}

void SeriesRun::say(SeriesWait wait) {
    if (m_saidWait && m_wait == wait)
        return;
    m_saidWait = true;
    m_wait = wait;
    emit waiting(wait);
}

void SeriesRun::step() {
    if (stopSeen()) {
        // A frame out is answered for; one not yet sent is simply not sent.
        if (m_state == State::ReadBack)
            return finishServo(SeriesVerdict::Interrupted);
        return finish();
    }
    // The window's own exchanges and ours take turns; come back when it is free.
    Session::Exchange exchange(m_session);
    if (!exchange)
        return queue(m_state, PollGapMs);
    switch (m_state) {
    case State::AwaitServo:
        return awaitServo();
    case State::Program:
        return program();
    case State::ReadBack:
        return readBack();
    case State::AwaitUnplug:
        return awaitUnplug();
    case State::Idle:
    case State::Done:
        return;
    }
}

bool SeriesRun::portGone(const ReadOutcome &read) {
    if (read.status != ReadStatus::Error)
        return false;
    say(SeriesWait::PortGone);
    return true;
}

void SeriesRun::awaitServo() {
    say(SeriesWait::PlugIn);
    const ReadOutcome read = m_session.readPort(m_index);
    if (stopSeen())
        return finish();
    if (portGone(read))
        return queue(State::AwaitServo, PollGapMs);
    if (m_wait == SeriesWait::PortGone)
        say(SeriesWait::PlugIn);
    const bool answered = read.status == ReadStatus::Read || read.status == ReadStatus::Refused ||
                          read.lastVerdict == ReplyCheck::ChecksumMismatch;
    if (!answered)
        return queue(State::AwaitServo, PollGapMs);

    m_current = {};
    m_current.number = m_summary.total() + 1;
    m_current.port = m_session.port().commPort();
    m_current.device = m_session.port().device();
    if (read.status == ReadStatus::Refused)
        return finishServo(SeriesVerdict::Unreadable, read.refusal);
    if (read.status != ReadStatus::Read)
        return finishServo(
            SeriesVerdict::Unreadable,
            QCoreApplication::translate("Series", "its replies never passed the checksum"));
    m_current.before = m_session.settingsBlock();
    m_current.name = m_session.servoName();
    const QByteArray block = m_session.blockFor(settings::editorValuesFor(m_values));
    if (block == m_current.before)
        return finishServo(SeriesVerdict::AlreadySet);
    if (m_backUp) {
        const settings::BackupResult backup =
            settings::saveBackup(*settings::settingsFromBlock(m_current.before),
                                 QDateTime::currentDateTimeUtc(), m_backupDir);
        if (backup.failure)
            return finishServo(SeriesVerdict::NoBackup, backup.failure.text());
        m_current.backup = backup.path;
    }
    m_current.sent = block;
    queue(State::Program);
}

void SeriesRun::program() {
    const ProgramOutcome sent = m_session.programPort(m_index, m_current.sent);
    if (!sent.frameSent) {
        m_current.sent.clear();
        if (stopSeen())
            return finish();
        return finishServo(SeriesVerdict::PortLost, sent.failure.words);
    }
    if (sent.cancelled || stopSeen())
        return finishServo(SeriesVerdict::Interrupted);
    if (sent.status == ProgramStatus::Error)
        return finishServo(SeriesVerdict::PortLost, sent.failure.words);
    // Read back even after a wrong acknowledgement, to tell what took.
    m_acknowledged = sent.status == ProgramStatus::Acknowledged;
    queue(State::ReadBack);
}

void SeriesRun::readBack() {
    const ReadOutcome read = m_session.readPort(m_index);
    if (read.status == ReadStatus::Read)
        m_current.readBack = m_session.settingsBlock();
    if (stopSeen())
        return finishServo(SeriesVerdict::Interrupted);
    if (read.status == ReadStatus::Error)
        return finishServo(SeriesVerdict::PortLost, read.failure.words);
    if (!m_acknowledged)
        return finishServo(SeriesVerdict::AckWrong);
    if (read.status == ReadStatus::Refused)
        return finishServo(SeriesVerdict::ReadBackDiffers, read.refusal);
    if (read.status != ReadStatus::Read)
        return finishServo(SeriesVerdict::NoReadBack);
    if (m_current.readBack != m_current.sent)
        return finishServo(SeriesVerdict::ReadBackDiffers);
    finishServo(SeriesVerdict::Verified);
}

void SeriesRun::finishServo(SeriesVerdict verdict, const QString &reason) {
    m_current.verdict = verdict;
    m_current.reason = reason;
    m_current.utc = QDateTime::currentDateTimeUtc();
    ++m_summary.counts[int(verdict)];
    if (!m_current.sent.isEmpty())
        m_current.journal = record();
    emit servoDone(m_current);
    if (stopSeen() || (m_count > 0 && m_summary.total() >= m_count))
        return finish();
    m_silentPolls = 0;
    say(SeriesWait::Unplug);
    queue(State::AwaitUnplug, PollGapMs);
}

// Every servo a frame went out to leaves a record; a failed record undoes nothing.
settings::FileFailure SeriesRun::record() const {
    // Only a servo its frame went out to is recorded: its verdict is one of the journal's.
    const settings::Verdict verdict =
        journalVerdict(m_current.verdict).value_or(settings::Verdict::PortLost);
    const settings::JournalRecord r{m_current.utc,
                                    QCoreApplication::applicationName(),
                                    QCoreApplication::applicationVersion(),
                                    QStringLiteral("COM%1").arg(m_current.port),
                                    m_current.device,
                                    m_current.before,
                                    m_current.sent,
                                    m_current.readBack,
                                    verdict,
                                    m_current.backup};
    return m_backupDir.isEmpty()
               ? settings::appendJournalRecord(r)
               : settings::appendJournalRecord(r, QFileInfo(m_backupDir).path() +
                                                      QStringLiteral("/journal.jsonl"));
}

void SeriesRun::awaitUnplug() {
    const ReadOutcome read = m_session.readPort(m_index);
    if (stopSeen())
        return finish();
    // A pulled adapter takes the servo with it.
    const bool silent = read.status == ReadStatus::Error ||
                        (read.status == ReadStatus::NoReply && read.replyBytes == 0 &&
                         read.lastVerdict != ReplyCheck::ChecksumMismatch);
    m_silentPolls = silent ? m_silentPolls + 1 : 0;
    if (m_silentPolls < UnplugPolls)
        return queue(State::AwaitUnplug, PollGapMs);
    queue(State::AwaitServo);
}

void SeriesRun::finish() {
    if (m_state == State::Done)
        return;
    m_timer.stop();
    m_state = State::Done;
    emit finished(m_summary);
}

} // namespace tessaro::link
