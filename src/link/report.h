// A bug report: the facts about this machine that decide whether a servo can
// be reached, and the kept trace, as one plain English text a user can read
// before sending it. Each fact may be missing; the report then says so and
// goes on. No widgets: the window and the command line pass what only they know.
#pragma once

#include "link/session.h"
#include "settings/filefailure.h"

#include <QByteArray>
#include <QString>

namespace tessaro::link {

// Where the system's facts are read; tests point them into their own folder.
struct ReportRoots {
    QString sys = QStringLiteral("/sys");
    QString proc = QStringLiteral("/proc");
    QString dev = QStringLiteral("/dev");
    QString etc = QStringLiteral("/etc");
};

// The desktop session as the front end sees it; empty: not known.
struct SessionFacts {
    QString kind; // "x11", "wayland", ...
    QString scale;
    QString language;
    // What the environment tells a program without a window.
    static SessionFacts fromEnvironment();
};

// The ports as Connect sees them: session's last FindComPorts().
QByteArray bugReport(Session &session, const SessionFacts &desktop, const ReportRoots &roots = {});

// The whole records of the journal at path; -1 when there is none or it
// cannot be read.
int journalRecordCount(const QString &path);

// "tessaro-report-2026-12-09.txt"
QString reportFileName();

// Written whole or not at all, readable by this user only.
settings::FileFailure saveBugReport(const QString &path, const QByteArray &report);

} // namespace tessaro::link
