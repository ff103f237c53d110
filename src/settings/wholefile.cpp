#include "settings/wholefile.h"

#include "settings/translate.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaro::settings {

namespace {

FileFailure systemFailure(const QString &path, int error, const char *what) {
    return FileFailure::at(path)
        .saying(tr(what).arg(qt_error_string(error)))
        .withSystemError(error);
}

FileFailure noName(const QString &path) {
    return FileFailure::at(path).saying(tr("no file name was given")).withSystemError(ENOENT);
}

QString kindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return tr("a folder");
    if (S_ISFIFO(mode))
        return tr("a FIFO");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return tr("a device");
    if (S_ISSOCK(mode))
        return tr("a socket");
    return tr("not a regular file");
}

FileFailure notRegular(const QString &path, mode_t mode) {
    return FileFailure::at(path).saying(
        tr("is %1, not a settings file; it was left untouched").arg(kindOf(mode)));
}

FileFailure tooLarge(const QString &path, qint64 limit) {
    return FileFailure::at(path)
        .saying(tr("is larger than %1 bytes, too large for a settings file").arg(limit))
        .withSystemError(EFBIG);
}

// The file a path names, through any links, so the link itself is kept.
std::optional<QString> linkTarget(QString path) {
    struct stat st {};
    for (int depth = 0; lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
         ++depth) {
        if (depth == 40)
            return std::nullopt;
        path = QFileInfo(path).symLinkTarget();
    }
    return path;
}

// The rename itself reaches the disk only with its folder.
void syncFolder(const QString &path) {
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

ReadResult readSmallFile(const QString &path, qint64 limit) {
    if (path.isEmpty())
        return {{}, noName(path)};
    // Non-blocking, so a FIFO with no writer cannot hold the program up.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {{},
                systemFailure(path, errno,
                              QT_TRANSLATE_NOOP("tessaro::settings", "cannot be opened: %1"))};
    struct stat st {};
    ReadResult result;
    if (::fstat(fd, &st) != 0)
        result.failure = systemFailure(
            path, errno, QT_TRANSLATE_NOOP("tessaro::settings", "cannot be read: %1"));
    else if (!S_ISREG(st.st_mode))
        result.failure =
            FileFailure::at(path).saying(tr("is %1, not a settings file").arg(kindOf(st.st_mode)));
    else if (st.st_size > limit)
        result.failure = tooLarge(path, limit);
    // The size may change under us: read one byte past the limit to tell.
    result.bytes.resize(result.failure ? 0 : limit + 1);
    qint64 total = 0;
    while (!result.failure && total < result.bytes.size()) {
        const ssize_t n = ::read(fd, result.bytes.data() + total, result.bytes.size() - total);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            result.failure = systemFailure(
                path, errno, QT_TRANSLATE_NOOP("tessaro::settings", "cannot be read: %1"));
        if (n <= 0)
            break;
        total += n;
    }
    ::close(fd);
    if (!result.failure && total > limit)
        result.failure = tooLarge(path, limit);
    result.bytes.resize(result.failure ? 0 : total);
    return result;
}

int writeAllBytes(int fd, const QByteArray &bytes) {
    for (qint64 done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        done += n;
    }
    return 0;
}

namespace {

// Writes all of bytes to fd and syncs it; 0 or the errno.
int writeAndSync(int fd, const QByteArray &bytes) {
    if (const int error = writeAllBytes(fd, bytes))
        return error;
    return ::fsync(fd) == 0 ? 0 : errno;
}

// A hidden temporary file beside path, synced, then hard-linked to path, which
// link(2) never replaces.
FileFailure writeNewFile(const QString &path, const QByteArray &bytes) {
    const QFileInfo info(path);
    QByteArray temp = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") +
                                        info.fileName() + QStringLiteral(".XXXXXX"));
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC); // mode 0600
    if (fd < 0)
        return systemFailure(
            path, errno,
            QT_TRANSLATE_NOOP("tessaro::settings", "cannot be written: %1; no file was made"));
    int error = writeAndSync(fd, bytes);
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error && ::link(temp.constData(), QFile::encodeName(path).constData()) != 0)
        error = errno;
    ::unlink(temp.constData());
    if (error == EEXIST)
        return FileFailure::at(path).saying(tr("exists already")).withSystemError(EEXIST);
    if (error)
        return systemFailure(
            path, error,
            QT_TRANSLATE_NOOP("tessaro::settings", "cannot be written: %1; no file was made"));
    syncFolder(path);
    return {};
}

} // namespace

FileFailure writeWholeFile(const QString &path, const QByteArray &bytes, bool privateFile,
                           WriteMode mode) {
    if (path.isEmpty())
        return noName(path);
    if (mode == WriteMode::NewOnly)
        return writeNewFile(path, bytes);
    const auto target = linkTarget(path);
    if (!target)
        return systemFailure(path, ELOOP,
                             QT_TRANSLATE_NOOP("tessaro::settings", "cannot be written: %1"));
    struct stat st {};
    const bool existed = ::stat(QFile::encodeName(*target).constData(), &st) == 0;
    if (existed && !S_ISREG(st.st_mode))
        return notRegular(path, st.st_mode);
    // A file that was not there before is not "left as it was".
    const char *kept =
        existed
            ? QT_TRANSLATE_NOOP("tessaro::settings", "cannot be written: %1; it was left as it was")
            : QT_TRANSLATE_NOOP("tessaro::settings", "cannot be written: %1; no file was made");

    QSaveFile file(*target);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return FileFailure::at(path)
            .saying(tr("cannot be written: %1").arg(file.errorString()))
            .withSystemError(errno);
    // commit() does not report a failed flush of Qt's own buffer
    // (QTBUG-75077), so each step is checked here before it.
    int error = 0;
    if (privateFile && ::fchmod(file.handle(), S_IRUSR | S_IWUSR) != 0)
        error = errno;
    errno = 0;
    if (!error && (file.write(bytes) != bytes.size() || !file.flush()))
        error = errno ? errno : EIO;
    if (!error && ::fsync(file.handle()) != 0)
        error = errno;
    if (error) {
        file.cancelWriting();
        return systemFailure(path, error, kept);
    }
    if (!file.commit())
        return FileFailure::at(path)
            .saying(tr(kept).arg(file.errorString()))
            .withSystemError(errno);
    syncFolder(*target);
    return {};
}

} // namespace tessaro::settings
