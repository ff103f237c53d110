#include "link/portcauses.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <grp.h>
#include <sys/stat.h>

namespace tessaro::link {

namespace {

QString processName(qint64 pid) {
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(comm.readAll()).trimmed();
}

QString ownerGroup(const QString &device) {
    struct stat st {};
    if (::stat(QFile::encodeName(device).constData(), &st) != 0)
        return QStringLiteral("dialout");
    const group *g = ::getgrgid(st.st_gid);
    return g ? QString::fromLocal8Bit(g->gr_name) : QStringLiteral("dialout");
}

QString permissionText(const QString &device) {
    const QString group = ownerGroup(device);
    return QCoreApplication::translate(
               "Link",
               "The adapter %1 is present, but this user may not open it. It belongs to the "
               "group '%2': join it with  sudo adduser $USER %2  and log in again (a new login "
               "is needed), or install the udev rule 60-tessaro.rules that comes with the "
               "package, which lets the desktop user open the adapter.")
        .arg(device, group);
}

// QSerialPort's lock file name: the path without /dev/, slashes made underscores.
QString lockName(QString path) {
    if (path.startsWith(QLatin1String("/dev/")))
        path.remove(0, 5);
    return path.replace(QLatin1Char('/'), QLatin1Char('_'));
}

bool processAlive(qint64 pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

} // namespace

qint64 lockPid(const QByteArray &content) {
    // The binary form is the pid's four bytes. A pid is below 2^22, so one of them is 0,
    // which no text form holds; read as text, "5\n\0\0" (pid 2613) would be pid 5.
    if (content.size() == 4 && content.contains('\0')) {
        qint32 binary = 0;
        std::memcpy(&binary, content.constData(), 4);
        return binary > 0 ? binary : 0;
    }
    const QByteArray first = content.left(content.indexOf('\n')).simplified();
    bool ok = false;
    const qint64 pid = first.split(' ').first().toLongLong(&ok);
    return ok && pid > 0 ? pid : 0;
}

const QStringList &systemLockFolders() {
    // Where serial lock files are kept on Linux, QSerialPort's among them.
    static const QStringList folders = {QStringLiteral("/var/lock"), QStringLiteral("/run/lock"),
                                        QStringLiteral("/tmp"), QStringLiteral("/var/spool/locks"),
                                        QStringLiteral("/var/spool/uucp")};
    return folders;
}

bool lockHolderAlive(const QByteArray &content) {
    const qint64 pid = lockPid(content);
    return pid > 0 && processAlive(pid);
}

QString liveLockHolder(const QString &device, const QStringList &folders) {
    QStringList names = {lockName(device)};
    const QString target = QFileInfo(device).canonicalFilePath();
    if (!target.isEmpty())
        names << lockName(target);
    for (const QString &folder : folders) {
        for (const QString &name : names) {
            QFile lock(folder + QStringLiteral("/LCK..") + name);
            if (!lock.open(QIODevice::ReadOnly))
                continue;
            // Only a process that is gone leaves a stale lock; a live one's is its own.
            const qint64 pid = lockPid(lock.read(256));
            if (pid <= 0 || !processAlive(pid))
                continue;
            QString shown = processName(pid);
            if (shown.isEmpty()) {
                QString host, app;
                qint64 ignored = 0;
                QLockFile(lock.fileName()).getLockInfo(&ignored, &host, &app);
                shown = app;
            }
            return shown.isEmpty() ? QStringLiteral("pid %1").arg(pid)
                                   : QStringLiteral("%1 (pid %2)").arg(shown).arg(pid);
        }
    }
    return {};
}

QString busyText(const QString &device, const QStringList &lockFolders) {
    QStringList folders = lockFolders;
    for (const QString &f : systemLockFolders())
        if (!folders.contains(f))
            folders << f;
    const QString holder = liveLockHolder(device, folders);
    if (!holder.isEmpty())
        return QCoreApplication::translate(
                   "Link", "The adapter %1 is held by another program: %2. Close that "
                           "program, then try again.")
            .arg(device, holder);
    return QCoreApplication::translate(
               "Link", "The adapter %1 is held by another program. The usual holders are "
                       "ModemManager and brltty; stop them or install the udev rule "
                       "60-tessaro.rules, which keeps ModemManager away.")
        .arg(device);
}

QString openFailureText(OpenFailure failure, const QString &device, const QStringList &lockFolders,
                        int systemError) {
    switch (failure) {
    case OpenFailure::Permission:
        return permissionText(device);
    case OpenFailure::Busy:
        return busyText(device, lockFolders);
    case OpenFailure::NotFound:
        // A COMn link made to point at itself, or at a link back to it.
        if (systemError == ELOOP)
            return QCoreApplication::translate("Link", "the link loops back on itself");
        break;
    case OpenFailure::None:
    case OpenFailure::Other:
        break;
    }
    return {};
}

QString noUsablePortText(const std::vector<PortProbe> &refused) {
    // A port that exists but cannot be opened says more than the ones that are missing.
    for (OpenFailure kind : {OpenFailure::Permission, OpenFailure::Busy}) {
        for (const PortProbe &p : refused)
            if (p.failure.cause == kind)
                return p.failure.words.isEmpty() ? openFailureText(kind, p.device())
                                                 : p.failure.words;
    }
    return QCoreApplication::translate(
        "Link", "No USB serial adapter is present. Check the cable between the "
                "adapter and the computer; the command  sudo dmesg  shows whether "
                "the system saw the adapter when it was plugged in.");
}

} // namespace tessaro::link
