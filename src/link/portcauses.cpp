#include "link/portcauses.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <grp.h>
#include <sys/stat.h>

namespace tessaro::link {

namespace {

// Where serial lock files are kept on Linux, QSerialPort's among them.
const QStringList LockFolders = {QStringLiteral("/var/lock"), QStringLiteral("/run/lock"),
                                 QStringLiteral("/tmp"), QStringLiteral("/var/spool/locks")};

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
    return QStringLiteral(
               "The adapter %1 is present, but this user may not open it. It belongs to the "
               "group '%2': join it with  sudo adduser $USER %2  and log in again (a new login "
               "is needed), or install the udev rule 60-tessaro.rules that comes with the "
               "package, which lets the desktop user open the adapter.")
        .arg(device, group);
}

QString busyText(const QString &device) {
    const QString holder = lockHolder(device);
    if (!holder.isEmpty())
        return QStringLiteral("The adapter %1 is held by another program: %2. Close it and "
                              "press Connect again.")
            .arg(device, holder);
    return QStringLiteral("The adapter %1 is held by another program. The usual holders are "
                          "ModemManager and brltty; stop them or install the udev rule "
                          "60-tessaro.rules, which keeps ModemManager away.")
        .arg(device);
}

// QSerialPort's lock file name: the path without /dev/, slashes made underscores.
QString lockName(QString path) {
    if (path.startsWith(QLatin1String("/dev/")))
        path.remove(0, 5);
    return path.replace(QLatin1Char('/'), QLatin1Char('_'));
}

} // namespace

QString lockHolder(const QString &device) {
    QStringList names = {lockName(device)};
    const QString target = QFileInfo(device).canonicalFilePath();
    if (!target.isEmpty())
        names << lockName(target);
    for (const QString &folder : LockFolders) {
        for (const QString &name : names) {
            const QString path = folder + QStringLiteral("/LCK..") + name;
            if (!QFileInfo::exists(path))
                continue;
            qint64 pid = 0;
            QString host, app;
            if (!QLockFile(path).getLockInfo(&pid, &host, &app) || pid <= 0)
                continue;
            const QString shown = processName(pid).isEmpty() ? app : processName(pid);
            return QStringLiteral("%1 (pid %2)").arg(shown).arg(pid);
        }
    }
    return {};
}

QString openFailureText(OpenFailure failure, const QString &device) {
    switch (failure) {
    case OpenFailure::Permission:
        return permissionText(device);
    case OpenFailure::Busy:
        return busyText(device);
    case OpenFailure::None:
    case OpenFailure::NotFound:
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
                return openFailureText(kind, p.device());
    }
    return QStringLiteral("No USB serial adapter is present. Check the cable between the "
                          "adapter and the computer; the command  sudo dmesg  shows whether "
                          "the system saw the adapter when it was plugged in.");
}

} // namespace tessaro::link
