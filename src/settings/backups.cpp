#include "settings/backups.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <tuple>
#include <vector>

namespace tessaro::settings {

namespace {

const QRegularExpression &backupName() {
    static const QRegularExpression re(QStringLiteral("^.+-(\\d{8}T\\d{6}Z)(?:-(\\d+))?\\.json$"));
    return re;
}

QString safeName(QByteArray name) {
    while (name.endsWith(' '))
        name.chop(1);
    for (char &c : name) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                        (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-';
        if (!ok)
            c = '_';
    }
    return name.isEmpty() ? QStringLiteral("servo") : QString::fromLatin1(name);
}

// The settings may name the servo and its programming history: private to the user.
bool makeFolder(const QString &dir) {
    const QFileInfo info(dir);
    if (info.isDir())
        return true;
    const QString parent = info.absolutePath();
    return parent != info.absoluteFilePath() && makeFolder(parent) &&
           QDir().mkdir(info.absoluteFilePath(),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

QString backupFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/tessaro/backups");
}

QString saveBackup(const ServoSettings &settings, const QDateTime &utc, QString *error,
                   const QString &dir) {
    const auto fail = [error](const QString &problem) {
        if (error)
            *error = problem;
        return QString();
    };
    if (!makeFolder(dir))
        return fail(QStringLiteral("%1: cannot create the backup folder").arg(dir));

    const QString stem = QStringLiteral("%1/%2-%3")
                             .arg(dir, safeName(settings.name()),
                                  utc.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")));
    // Claiming the name with an empty file first keeps two savers in the same
    // second apart; the atomic saveBackup then replaces it.
    for (int n = 1;; ++n) {
        const QString path =
            n == 1 ? stem + QStringLiteral(".json") : QStringLiteral("%1-%2.json").arg(stem).arg(n);
        QFile claim(path);
        if (claim.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            claim.close();
            QString problem;
            if (saveSettings(path, settings, &problem))
                return path;
            claim.remove();
            return fail(problem);
        }
        if (!claim.exists())
            return fail(QStringLiteral("%1: %2").arg(path, claim.errorString()));
    }
}

QStringList listBackups(const QString &dir) {
    struct Entry {
        QString time;
        int n;
        QString path;
    };
    std::vector<Entry> entries;
    const QStringList names = QDir(dir).entryList({QStringLiteral("*.json")}, QDir::Files);
    for (const QString &name : names) {
        const auto m = backupName().match(name);
        if (m.hasMatch())
            entries.push_back({m.captured(1), m.captured(2).isEmpty() ? 1 : m.captured(2).toInt(),
                               QDir(dir).filePath(name)});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return std::tie(a.time, a.n, a.path) < std::tie(b.time, b.n, b.path);
    });
    QStringList paths;
    for (const Entry &e : entries)
        paths << e.path;
    return paths;
}

} // namespace tessaro::settings
