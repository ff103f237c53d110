#include "settings/backups.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <tuple>

namespace tessaro::settings {

namespace {

const QString TimeFormat = QStringLiteral("yyyyMMdd'T'HHmmss'Z'");

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

BackupEntry BackupEntry::make(const QString &dir, const QByteArray &servoName, const QDateTime &utc,
                              int number) {
    const QDateTime time = utc.toUTC();
    QString stem =
        QStringLiteral("%1/%2-%3").arg(dir, safeName(servoName), time.toString(TimeFormat));
    if (number > 1)
        stem += QStringLiteral("-%1").arg(number);
    return {stem + QStringLiteral(".json"), time, number};
}

std::optional<BackupEntry> BackupEntry::fromPath(const QString &path) {
    const auto m = backupName().match(QFileInfo(path).fileName());
    const QDateTime read =
        m.hasMatch() ? QDateTime::fromString(m.captured(1), TimeFormat) : QDateTime();
    if (!read.isValid())
        return std::nullopt;
    return BackupEntry{path, QDateTime(read.date(), read.time(), Qt::UTC),
                       m.captured(2).isEmpty() ? 1 : m.captured(2).toInt()};
}

BackupResult saveBackup(const ServoSettings &settings, const QDateTime &utc, const QString &dir) {
    if (!makeFolder(dir))
        return {{}, {dir, {}, 0, QStringLiteral("cannot create the backup folder")}};
    // Claiming the name with an empty file first keeps two savers in the same
    // second apart; saveSettings then replaces it.
    for (int n = 1;; ++n) {
        const QString path = BackupEntry::make(dir, settings.name(), utc, n).path;
        QFile claim(path);
        if (claim.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            claim.close();
            FileFailure failure = saveSettings(path, settings);
            if (!failure)
                return {path, {}};
            claim.remove();
            return {{}, failure};
        }
        if (!claim.exists())
            return {{}, {path, {}, 0, claim.errorString()}};
    }
}

std::vector<BackupEntry> listBackups(const QString &dir) {
    std::vector<BackupEntry> entries;
    const QStringList names = QDir(dir).entryList({QStringLiteral("*.json")}, QDir::Files);
    for (const QString &name : names)
        if (auto entry = BackupEntry::fromPath(QDir(dir).filePath(name)))
            entries.push_back(std::move(*entry));
    std::sort(entries.begin(), entries.end(), [](const BackupEntry &a, const BackupEntry &b) {
        return std::tie(a.time, a.number, a.path) < std::tie(b.time, b.number, b.path);
    });
    return entries;
}

} // namespace tessaro::settings
