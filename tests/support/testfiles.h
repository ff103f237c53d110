// Files a test makes, a lock held by a live program, and a child's full disk.
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <csignal>
#include <functional>
#include <sys/resource.h>

// Writes text to path, its folder made first; whether all of it was written.
inline bool putFile(const QString &path, const QByteArray &text = {}) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(text) == text.size();
}

// Starts `sleep 30` in holder and writes its pid, ten wide, then rest to the lock file.
inline bool holdLock(QProcess &holder, const QString &lock, const QByteArray &rest) {
    holder.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    return holder.waitForStarted() &&
           putFile(lock, QByteArray::number(holder.processId()).rightJustified(10) + rest);
}

// For a child: a full disk after limit bytes (none for 0), with SIGXFSZ ignored.
inline std::function<void()> limitFileSize(qint64 limit) {
    return [limit = rlim_t(limit)] {
        const rlimit rl{limit, limit};
        if (limit && ::signal(SIGXFSZ, SIG_IGN) != SIG_ERR)
            ::setrlimit(RLIMIT_FSIZE, &rl);
    };
}
