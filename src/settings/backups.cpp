#include "settings/backups.h"

#include "settings/translate.h"
#include "settings/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace tessaro::settings {

namespace {

const QString TimeFormat = QStringLiteral("yyyyMMdd'T'HHmmss'Z'");

const QRegularExpression &backupName() {
    // The names safeName gives, and nothing else.
    static const QRegularExpression re(
        QStringLiteral("^[A-Za-z0-9_-][A-Za-z0-9._-]*-(\\d{8}T\\d{6}Z)(?:-(\\d+))?\\.json$"));
    return re;
}

// Anyone else able to write here could plant or replace a backup that restore then programs.
FileFailure folderFailure(const QString &dir) {
    const QByteArray name = QFile::encodeName(dir);
    struct stat st {};
    if (lstat(name.constData(), &st) == 0 && S_ISLNK(st.st_mode) && st.st_uid != getuid())
        return FileFailure::at(dir).saying(
            tr("the backup folder is a link owned by someone else; it is not used"));
    if (stat(name.constData(), &st) != 0)
        return {};
    if (!S_ISDIR(st.st_mode))
        return FileFailure::at(dir).saying(tr("the backup folder is not a folder"));
    if (st.st_uid != getuid())
        return FileFailure::at(dir).saying(
            tr("the backup folder belongs to someone else; it is not used"));
    if (st.st_mode & (S_IWGRP | S_IWOTH))
        return FileFailure::at(dir).saying(
            tr("others can write to the backup folder; it is not used "
               "until only its owner can (chmod 700)"));
    return {};
}

} // namespace

// The settings may name the servo and its programming history: private to the user.
bool makePrivateFolder(const QString &dir) {
    const QFileInfo info(dir);
    if (info.isDir())
        return true;
    const QString parent = info.absolutePath();
    return parent != info.absoluteFilePath() && makePrivateFolder(parent) &&
           QDir().mkdir(info.absoluteFilePath(),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
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
    // A leading dot would hide the backup from listings, and ".." is no file name.
    if (name.startsWith('.'))
        name[0] = '_';
    return name.isEmpty() ? QStringLiteral("servo") : QString::fromLatin1(name);
}

BackupFolder findBackupFolder() {
    // A relative XDG_DATA_HOME is to be ignored; so is a relative HOME, and no
    // home at all leaves nowhere to put backups (not "/.local/share").
    QString base = QFile::decodeName(qgetenv("XDG_DATA_HOME"));
    if (!QDir::isAbsolutePath(base)) {
        const QString home = QFile::decodeName(qgetenv("HOME"));
        if (!QDir::isAbsolutePath(home))
            return {{},
                    FileFailure().saying(
                        tr("there is no home folder for backups: HOME is not set to an absolute "
                           "path, nor is XDG_DATA_HOME"))};
        base = home + QStringLiteral("/.local/share");
    }
    BackupFolder folder{QDir::cleanPath(base + QStringLiteral("/tessaro/backups")), {}};
    folder.failure = folderFailure(folder.path);
    return folder;
}

QString backupFolder() {
    return findBackupFolder().path;
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
    const BackupFolder folder = dir.isEmpty() ? findBackupFolder() : BackupFolder{dir, {}};
    if (folder.failure)
        return {{}, folder.failure};
    if (!makePrivateFolder(folder.path))
        return {{},
                FileFailure::at(folder.path)
                    .saying(tr("cannot create the backup folder"))
                    .withSystemError(errno)};
    if (FileFailure failure = folderFailure(folder.path))
        return {{}, failure};
    const QByteArray json = settingsJson(settings);
    // Linked into place only once whole and synced, under a name no backup has yet.
    for (int n = 1;; ++n) {
        const QString path = BackupEntry::make(folder.path, settings.name(), utc, n).path;
        FileFailure failure = writeWholeFile(path, json, true, WriteMode::NewOnly);
        if (failure.systemError == EEXIST)
            continue;
        if (!failure && readSmallFile(path).bytes != json) {
            failure = FileFailure::at(path).saying(tr("the backup does not read back as written"));
            QFile::remove(path);
        }
        if (!failure)
            return {path, {}};
        return {{}, failure};
    }
}

std::vector<BackupEntry> listBackups(const QString &dir) {
    std::vector<BackupEntry> entries;
    if (dir.isEmpty())
        return entries;
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
