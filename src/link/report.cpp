#include "link/report.h"

#include "link/portcauses.h"
#include "link/trace.h"
#include "settings/backups.h"
#include "settings/journal.h"
#include "settings/wholefile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaro::link {

namespace {

constexpr qint64 FactLimit = 64 * 1024;

// The first line of a small file, or empty.
QString firstLine(const QString &path) {
    const settings::ReadResult r = settings::readSmallFile(path, FactLimit);
    if (r.failure)
        return {};
    return QString::fromUtf8(r.bytes.split('\n').constFirst()).trimmed();
}

QString orNotFound(const QString &fact, const QString &where) {
    return fact.isEmpty() ? QStringLiteral("not found (%1)").arg(where) : fact;
}

QString distribution(const ReportRoots &roots) {
    const QString path = roots.etc + QStringLiteral("/os-release");
    const settings::ReadResult r = settings::readSmallFile(path, FactLimit);
    for (const QByteArray &line : r.bytes.split('\n')) {
        if (!line.startsWith("PRETTY_NAME="))
            continue;
        QString value = QString::fromUtf8(line.mid(12)).trimmed();
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) &&
            value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2);
        return value;
    }
    return orNotFound({}, path);
}

QString userName(uid_t uid) {
    const passwd *pw = ::getpwuid(uid);
    return pw ? QString::fromLocal8Bit(pw->pw_name) : QString::number(uid);
}

QString groupName(gid_t gid) {
    const group *gr = ::getgrgid(gid);
    return gr ? QString::fromLocal8Bit(gr->gr_name) : QString::number(gid);
}

QString modeText(mode_t mode) {
    QString text = S_ISCHR(mode)   ? QStringLiteral("c")
                   : S_ISREG(mode) ? QStringLiteral("-")
                                   : QStringLiteral("?");
    const char *letters = "rwxrwxrwx";
    for (int bit = 0; bit < 9; ++bit)
        text += (mode & (0400 >> bit)) ? QLatin1Char(letters[bit]) : QLatin1Char('-');
    return text;
}

bool inGroup(gid_t gid) {
    if (::getegid() == gid)
        return true;
    gid_t groups[256];
    const int n = ::getgroups(256, groups);
    for (int i = 0; i < n; ++i)
        if (groups[i] == gid)
            return true;
    return false;
}

// "owner root, group dialout, mode crw-rw----" and whether this user may open it.
QStringList deviceFacts(const QString &device) {
    struct stat st {};
    const QByteArray name = QFile::encodeName(device);
    if (::stat(name.constData(), &st) != 0)
        return {QStringLiteral("%1: %2").arg(device, QString::fromLocal8Bit(std::strerror(errno)))};
    QStringList out{
        QStringLiteral("%1: owner %2, group %3, mode %4")
            .arg(device, userName(st.st_uid), groupName(st.st_gid), modeText(st.st_mode))};
    if (::faccessat(AT_FDCWD, name.constData(), R_OK | W_OK, AT_EACCESS) == 0) {
        out << QStringLiteral("this user may open it: yes");
    } else {
        QString why = QString::fromLocal8Bit(std::strerror(errno));
        if (!inGroup(st.st_gid))
            why += QStringLiteral("; this user is not in group %1").arg(groupName(st.st_gid));
        out << QStringLiteral("this user may open it: no (%1)").arg(why);
    }
    return out;
}

// A refused port in the link's own English words, with the holder where a lock names it.
QString portCause(const PortProbe &probe, const PortLocator &where) {
    QString text = QString::fromLatin1(openFailureName(probe.failure.cause));
    if (!probe.failure.systemText.isEmpty())
        text += QStringLiteral(" (%1)").arg(probe.failure.systemText);
    const QString holder = liveLockHolder(probe.device(), where.lockFolders + systemLockFolders());
    if (!holder.isEmpty())
        text += QStringLiteral(", held by %1").arg(holder);
    return text;
}

QStringList portLines(Session &session) {
    const PortLocator &where = session.port().ports();
    QStringList out;
    for (int n : session.portTable())
        out << QStringLiteral("COM%1  %2  can be used").arg(n).arg(where.devicePath(n));
    for (const PortProbe &probe : session.refusedPorts()) {
        const bool there = !QFileInfo(probe.device()).symLinkTarget().isEmpty() ||
                           QFileInfo::exists(probe.device());
        if (probe.failure.cause == OpenFailure::NotFound && !there)
            continue;
        out << QStringLiteral("COM%1  %2  %3")
                   .arg(probe.number())
                   .arg(probe.device(), portCause(probe, where));
    }
    if (out.isEmpty()) {
        QStringList looked;
        if (!where.virtualFolder.isEmpty())
            looked << QStringLiteral("COMn in %1").arg(where.virtualFolder);
        if (!where.fallbackPattern.isEmpty())
            looked << where.fallbackPattern.arg(QLatin1Char('n'));
        if (!where.com1Path.isEmpty())
            looked << where.com1Path;
        out << QStringLiteral("no port found (looked for %1)")
                   .arg(looked.join(QStringLiteral(", ")));
    }
    return out;
}

// The USB ids above a device in sysfs: the nearest folder with idVendor.
QString usbIds(QString folder, const QString &sysRoot) {
    for (int up = 0; up < 8 && folder.startsWith(sysRoot) && folder.size() > sysRoot.size(); ++up) {
        const QString vendor = firstLine(folder + QStringLiteral("/idVendor"));
        if (!vendor.isEmpty())
            return QStringLiteral("%1:%2").arg(vendor,
                                               firstLine(folder + QStringLiteral("/idProduct")));
        folder = QFileInfo(folder).path();
    }
    return {};
}

QStringList adapterLines(const ReportRoots &roots) {
    const QString classFolder = roots.sys + QStringLiteral("/class/tty");
    const QString sysRoot = QFileInfo(roots.sys).canonicalFilePath();
    const QStringList names = QDir(classFolder)
                                  .entryList({QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*")},
                                             QDir::AllEntries | QDir::System, QDir::Name);
    if (names.isEmpty())
        return {QStringLiteral("none: no ttyUSB or ttyACM device in %1").arg(classFolder)};
    QStringList out;
    for (const QString &name : names) {
        const QString device =
            QFileInfo(classFolder + QLatin1Char('/') + name + QStringLiteral("/device"))
                .canonicalFilePath();
        const QString driver =
            QFileInfo(QFileInfo(device + QStringLiteral("/driver")).symLinkTarget()).fileName();
        const QString ids = device.isEmpty() ? QString() : usbIds(device, sysRoot);
        out << QStringLiteral("%1: USB %2, driver %3")
                   .arg(name, ids.isEmpty() ? QStringLiteral("ids not found") : ids,
                        driver.isEmpty() ? QStringLiteral("not found") : driver);
        for (const QString &fact : deviceFacts(roots.dev + QLatin1Char('/') + name))
            out << QStringLiteral("  ") + fact;
    }
    return out;
}

// The running programs known to take serial adapters for themselves.
QStringList grabberLines(const ReportRoots &roots) {
    std::set<QString> running;
    const QStringList pids = QDir(roots.proc).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (pids.isEmpty())
        return {QStringLiteral("running programs: not found (%1)").arg(roots.proc)};
    for (const QString &pid : pids) {
        bool number = false;
        pid.toInt(&number);
        if (number)
            running.insert(
                firstLine(roots.proc + QLatin1Char('/') + pid + QStringLiteral("/comm")));
    }
    QStringList out;
    for (const char *name : {"ModemManager", "brltty"})
        out << QStringLiteral("%1: %2").arg(QLatin1String(name),
                                            running.count(QLatin1String(name))
                                                ? QStringLiteral("running")
                                                : QStringLiteral("not running"));
    return out;
}

QStringList dataLines() {
    const settings::BackupFolder backups = settings::findBackupFolder();
    QStringList out;
    if (backups.path.isEmpty()) {
        out << QStringLiteral("backups folder: not found (%1)").arg(backups.failure.text());
    } else {
        out << QStringLiteral("backups folder: %1%2")
                   .arg(backups.path, backups.failure
                                          ? QStringLiteral(" (%1)").arg(backups.failure.text())
                                          : QString());
        out << QStringLiteral("backups: %1")
                   .arg(QFileInfo(backups.path).isDir()
                            ? QString::number(settings::listBackups(backups.path).size())
                            : QStringLiteral("none, the folder is not there"));
    }
    const QString journal = settings::journalPath();
    const int records = journalRecordCount(journal);
    out << QStringLiteral("journal records: %1")
               .arg(records < 0
                        ? QStringLiteral("none, no journal at %1")
                              .arg(journal.isEmpty() ? QStringLiteral("not known") : journal)
                        : QString::number(records));
    return out;
}

void section(QStringList &out, const char *title, const QStringList &lines) {
    out << QString() << QLatin1String(title);
    for (const QString &line : lines)
        out << QStringLiteral("  ") + line;
}

QString known(const QString &fact) {
    return fact.isEmpty() ? QStringLiteral("not known") : fact;
}

} // namespace

SessionFacts SessionFacts::fromEnvironment() {
    SessionFacts facts;
    facts.kind = qEnvironmentVariable("XDG_SESSION_TYPE");
    if (facts.kind.isEmpty())
        facts.kind = qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ? QStringLiteral("wayland")
                     : qEnvironmentVariableIsSet("DISPLAY")       ? QStringLiteral("x11")
                                                                  : QString();
    facts.scale = qEnvironmentVariable("QT_SCALE_FACTOR");
    facts.language = QLocale::system().name();
    return facts;
}

int journalRecordCount(const QString &path) {
    if (path.isEmpty() || !QFileInfo::exists(path))
        return -1;
    const settings::JournalRead read = settings::readJournal(path);
    return read.failure ? -1 : int(read.records.size());
}

QString reportFileName() {
    return QStringLiteral("tessaro-report-%1.txt").arg(QDate::currentDate().toString(Qt::ISODate));
}

QByteArray bugReport(Session &session, const SessionFacts &desktop, const ReportRoots &roots) {
    const QByteArray trace = keptTrace();
    QStringList out{
        QStringLiteral("Tessaro bug report, written %1")
            .arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODate)),
        QStringLiteral("It holds only what follows; read it before you send it."),
        QString(),
        QStringLiteral("program: %1 %2, Qt %3")
            .arg(QCoreApplication::applicationName(), known(QCoreApplication::applicationVersion()),
                 QLatin1String(qVersion())),
        QStringLiteral("distribution: %1").arg(distribution(roots)),
        QStringLiteral("kernel: %1")
            .arg(orNotFound(firstLine(roots.proc + QStringLiteral("/sys/kernel/osrelease")),
                            roots.proc + QStringLiteral("/sys/kernel/osrelease"))),
        QStringLiteral("session: %1, scale %2, language %3")
            .arg(known(desktop.kind), known(desktop.scale), known(desktop.language))};
    section(out, "Ports as Connect sees them", portLines(session));
    section(out, "USB serial adapters", adapterLines(roots));
    section(out, "Programs that take serial adapters", grabberLines(roots));
    section(out, "Backups and journal", dataLines());
    out << QString()
        << (trace.isEmpty() ? QStringLiteral("Kept trace: empty, nothing went over the wire")
                            : QStringLiteral("Kept trace (the last %1 KiB at most):")
                                  .arg(KeptTraceLimit / 1024));
    return out.join(QLatin1Char('\n')).toUtf8() + '\n' + trace;
}

settings::FileFailure saveBugReport(const QString &path, const QByteArray &report) {
    return settings::writeWholeFile(path, report, true);
}

} // namespace tessaro::link
