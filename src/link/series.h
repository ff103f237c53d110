// A series: one servo after another programmed with the same settings. The
// loop runs inside the event loop and never blocks it: each step is one
// exchange (which pumps events while it waits) or one timer wait, and the
// next step is queued, never called. Each servo's outcome leaves as one
// SeriesResult; the front ends only show what they are given.
#pragma once

#include "link/failure.h"
#include "settings/filefailure.h"
#include "settings/settingsblock.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>

namespace tessaro::link {

class Session;
struct ReadOutcome;

enum class SeriesVerdict {
    Verified,   // programmed, acknowledged, read back the same
    AlreadySet, // held the settings already; nothing was sent
    ReadBackDiffers,
    AckWrong,    // the acknowledgement was wrong or missing
    NoReadBack,  // no answer on the read-back
    Interrupted, // stopped while its frame was out
    PortLost,    // the port went away or failed during its exchanges
    NoBackup,    // skipped: no backup could be taken; nothing was sent
    Unreadable,  // its reply never passed the checksum, or holds a field out of range
};
inline constexpr int SeriesVerdictCount = 9;

// "verified", "already set", ... in the user's language.
QString seriesVerdictText(SeriesVerdict verdict);
// Verified and AlreadySet are the good ends.
inline bool isGood(SeriesVerdict v) {
    return v == SeriesVerdict::Verified || v == SeriesVerdict::AlreadySet;
}

// One servo of the series: everything a record of its write needs.
struct SeriesResult {
    int number = 0;      // its place in the series, from 1
    QDateTime utc;       // when its outcome was known
    int port = 0;        // COM number
    QString device;      // the device behind the port
    QByteArray name;     // the servo's own 8 bytes
    QByteArray before;   // the block read before anything was sent
    QByteArray sent;     // the block sent; empty when nothing was
    QByteArray readBack; // the block read back; empty when none came
    SeriesVerdict verdict = SeriesVerdict::Unreadable;
    QString backup; // the backup file; empty when none was taken
    QString reason; // why it failed, in the link's or the file's words; empty when good
    settings::FileFailure journal; // its record could not be added to the journal
};

struct SeriesSummary {
    std::array<int, SeriesVerdictCount> counts{};
    int total() const;
    int failed() const;
    bool allGood() const { return failed() == 0; }
    // "6 verified, 1 already set, 1 failed": the zero counts left out, "no servo" for none.
    QString text() const;
};

// What the user is to do, or what the loop waits for.
enum class SeriesWait { PlugIn, Unplug, PortGone };
QString seriesWaitText(SeriesWait wait);

class SeriesRun : public QObject {
    Q_OBJECT

public:
    // Before every poll with no servo there this long passes; a servo plugged
    // in is noticed within a read's time-out plus this.
    static constexpr int PollGapMs = 150;
    // Silent polls in a row that mean the servo is unplugged.
    static constexpr int UnplugPolls = 2;

    // values: the settings each servo gets, around its own name and tail.
    // portIndex: the session's listed port. count: servos to do; 0 until stopped.
    // backupDir: where backups go, and the journal beside them; empty for the usual folders.
    SeriesRun(Session &session, int portIndex, const settings::BlockValues &values, int count = 0,
              bool backUp = true, QString backupDir = {}, QObject *parent = nullptr);

    void start();
    // Ends the wait or exchange under way; the servo whose frame was out is
    // reported as interrupted, then finished() follows.
    void stop();
    bool running() const { return m_state != State::Idle && m_state != State::Done; }
    const SeriesSummary &summary() const { return m_summary; }

signals:
    void waiting(tessaro::link::SeriesWait wait);
    // The one place each servo's outcome leaves the loop.
    void servoDone(const tessaro::link::SeriesResult &result);
    void finished(const tessaro::link::SeriesSummary &summary);

private:
    enum class State { Idle, AwaitServo, Program, ReadBack, AwaitUnplug, Done };

    void step();
    void queue(State next, int delayMs = 0);
    void awaitServo();
    void program();
    void readBack();
    void awaitUnplug();
    void finishServo(SeriesVerdict verdict, const QString &reason = {});
    settings::FileFailure record() const;
    void finish();
    void say(SeriesWait wait);
    bool stopSeen();
    bool portGone(const ReadOutcome &read);

    Session &m_session;
    const int m_index;
    const settings::BlockValues m_values;
    const int m_count;
    const bool m_backUp;
    const QString m_backupDir;
    QTimer m_timer;
    State m_state = State::Idle;
    bool m_stopRequested = false;
    bool m_saidWait = false;
    SeriesWait m_wait = SeriesWait::PlugIn;
    int m_silentPolls = 0;
    bool m_acknowledged = false;
    SeriesResult m_current;
    SeriesSummary m_summary;
};

} // namespace tessaro::link
