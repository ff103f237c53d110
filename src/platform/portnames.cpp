#include "platform/portnames.h"

#include <QDir>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

namespace portnames {

namespace {

QString candidateFolder() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty())
        return QString::fromLocal8Bit(runtime) + QStringLiteral("/tessaro-ports");
    return QStringLiteral("/tmp/tessaro-ports-%1").arg(getuid());
}

} // namespace

bool isPrivateFolder(const QString &path) {
    struct stat st {};
    if (lstat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    // Anyone else able to plant a link here could point the program at any device.
    return S_ISDIR(st.st_mode) && st.st_uid == getuid() && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
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

QString devicePathFor(int portNumber) {
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(portNumber);
#else
    const QString folder = virtualPortFolder();
    if (!folder.isEmpty()) {
        const QString link = folder + QStringLiteral("/COM%1").arg(portNumber);
        if (QFileInfo(link).isSymLink())
            return link;
    }
    // A CP210x adapter appears as /dev/ttyUSB0, which is COM1.
    return QStringLiteral("/dev/ttyUSB%1").arg(portNumber - 1);
#endif
}

} // namespace portnames
