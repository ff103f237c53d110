#include "link/portlocator.h"

#include "link/portcauses.h"

#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaro::link {

namespace {

QString candidateFolder() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty())
        return QString::fromLocal8Bit(runtime) + QStringLiteral("/tessaro-ports");
    return QStringLiteral("/tmp/tessaro-ports-%1").arg(getuid());
}

QString comName(int n) {
    return QStringLiteral("/COM%1").arg(n);
}

bool isPrivateFolder(const QString &path) {
    struct stat st {};
    if (lstat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    // Anyone else able to plant a link here could point the program at any device.
    return S_ISDIR(st.st_mode) && st.st_uid == getuid() && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// A link published with a lock whose process is gone; a link with no lock is
// taken as it is (published by hand, or by something else).
bool servoGone(const QString &link) {
    QFile lock(publishedLock(link));
    if (!lock.open(QIODevice::ReadOnly))
        return false;
    if (lockHolderAlive(lock.read(256)))
        return false;
    struct stat st {};
    if (lstat(QFile::encodeName(link).constData(), &st) == 0 && st.st_uid == getuid()) {
        QFile::remove(link);
        lock.remove();
    }
    return true;
}

} // namespace

QString publishedLock(const QString &link) {
    return link + QStringLiteral(".lock");
}

QString PortLocator::devicePath(int n) const {
    if (n < FirstPort || n > LastPort)
        return {};
    if (n == 1 && !com1Path.isEmpty())
        return com1Path;
    if (!virtualFolder.isEmpty()) {
        const QString link = virtualFolder + comName(n);
        if (servoGone(link))
            return fallbackPattern.isEmpty() ? QString() : fallbackPattern.arg(n - 1);
        if (fallbackPattern.isEmpty() || QFileInfo(link).isSymLink())
            return link;
    }
    if (fallbackPattern.isEmpty())
        return {};
    return fallbackPattern.arg(n - 1);
}

PortLocator PortLocator::system(const QString &devFolder) {
    PortLocator ports;
    ports.virtualFolder = virtualPortFolder();
    // A CP210x adapter appears as ttyUSB0, which is COM1.
    ports.fallbackPattern = devFolder + QStringLiteral("/ttyUSB%1");
    return ports;
}

PortLocator PortLocator::onlyFolder(const QString &folder) {
    PortLocator ports;
    ports.virtualFolder = folder;
    ports.lockFolders = {folder};
    return ports;
}

QString virtualPortFolder() {
    const QString folder = candidateFolder();
    return isPrivateFolder(folder) ? folder : QString();
}

QString ensureVirtualPortFolder() {
    const QString folder = candidateFolder();
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    return isPrivateFolder(folder) ? folder : QString();
}

} // namespace tessaro::link
