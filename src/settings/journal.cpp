#include "settings/journal.h"

#include "settings/backups.h"
#include "settings/codepage.h"
#include "settings/settingsblock.h"
#include "settings/translate.h"
#include "settings/wholefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaro::settings {

namespace {

struct VerdictName {
    Verdict verdict;
    const char *key;
    const char *text;
};

constexpr std::array<VerdictName, 6> VerdictNames{{
    {Verdict::Verified, "verified", QT_TRANSLATE_NOOP("tessaro::settings", "verified")},
    {Verdict::ReadBackDifferent, "read-back-different",
     QT_TRANSLATE_NOOP("tessaro::settings", "read back different")},
    {Verdict::WrongAcknowledgement, "wrong-acknowledgement",
     QT_TRANSLATE_NOOP("tessaro::settings", "acknowledgement wrong or missing")},
    {Verdict::NoReadBack, "no-read-back",
     QT_TRANSLATE_NOOP("tessaro::settings", "no answer on the read-back")},
    {Verdict::Interrupted, "interrupted", QT_TRANSLATE_NOOP("tessaro::settings", "interrupted")},
    {Verdict::PortLost, "port-lost", QT_TRANSLATE_NOOP("tessaro::settings", "port lost")},
}};

const VerdictName &nameOf(Verdict verdict) {
    for (const VerdictName &n : VerdictNames)
        if (n.verdict == verdict)
            return n;
    return VerdictNames.front();
}

QString hex(const QByteArray &block) {
    return QString::fromLatin1(block.toHex().toUpper());
}

// A block field: empty, or 32 bytes given as hex.
std::optional<QByteArray> blockField(const QJsonObject &o, const char *key) {
    const QString text = o.value(QLatin1String(key)).toString();
    const QByteArray bytes = QByteArray::fromHex(text.toLatin1());
    if (text.isEmpty())
        return QByteArray();
    if (bytes.size() != BlockLength || text.size() != 2 * BlockLength)
        return std::nullopt;
    return bytes;
}

FileFailure systemFailure(const QString &path, int error, const char *what) {
    return FileFailure::at(path)
        .saying(tr(what).arg(qt_error_string(error)))
        .withSystemError(error);
}

} // namespace

QString verdictKey(Verdict verdict) {
    return QLatin1String(nameOf(verdict).key);
}

std::optional<Verdict> verdictFromKey(const QString &key) {
    for (const VerdictName &n : VerdictNames)
        if (key == QLatin1String(n.key))
            return n.verdict;
    return std::nullopt;
}

QString verdictText(Verdict verdict) {
    return tr(nameOf(verdict).text);
}

QByteArray JournalRecord::name() const {
    return (before.size() == BlockLength ? before : sent).mid(NamePos, NameLen);
}

QString journalPath() {
    const QString backups = backupFolder();
    return backups.isEmpty() ? QString()
                             : QFileInfo(backups).path() + QStringLiteral("/journal.jsonl");
}

QByteArray journalLine(const JournalRecord &r) {
    const QJsonObject o{
        {QStringLiteral("time"), r.time.toUTC().toString(Qt::ISODateWithMs)},
        {QStringLiteral("program"), r.program},
        {QStringLiteral("version"), r.version},
        {QStringLiteral("port"), r.port},
        {QStringLiteral("device"), r.device},
        {QStringLiteral("name"), fromWindows1252(r.name())},
        {QStringLiteral("before"), hex(r.before)},
        {QStringLiteral("sent"), hex(r.sent)},
        {QStringLiteral("readBack"), hex(r.readBack)},
        {QStringLiteral("verdict"), verdictKey(r.verdict)},
        {QStringLiteral("backup"), r.backup},
    };
    return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<JournalRecord> parseJournalLine(const QByteArray &line) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    const QJsonObject o = doc.object();
    const auto text = [&o](const char *key) { return o.value(QLatin1String(key)).toString(); };
    JournalRecord r;
    r.time = QDateTime::fromString(text("time"), Qt::ISODateWithMs);
    const auto verdict = verdictFromKey(text("verdict"));
    const auto before = blockField(o, "before");
    const auto sent = blockField(o, "sent");
    const auto readBack = blockField(o, "readBack");
    if (!r.time.isValid() || !verdict || !before || !sent || !readBack || sent->isEmpty())
        return std::nullopt;
    r.time = r.time.toUTC();
    r.program = text("program");
    r.version = text("version");
    r.port = text("port");
    r.device = text("device");
    r.before = *before;
    r.sent = *sent;
    r.readBack = *readBack;
    r.verdict = *verdict;
    r.backup = text("backup");
    return r;
}

FileFailure appendJournalRecord(const JournalRecord &record, const QString &path) {
    if (path.isEmpty())
        return FileFailure::at({}).saying(tr("there is no home folder for the journal"));
    const QString dir = QFileInfo(path).absolutePath();
    if (!makePrivateFolder(dir))
        return systemFailure(dir, errno,
                             QT_TRANSLATE_NOOP("tessaro::settings", "cannot make the folder: %1"));
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0600);
    if (fd < 0)
        return systemFailure(path, errno,
                             QT_TRANSLATE_NOOP("tessaro::settings", "cannot open the journal: %1"));
    const auto failed = [fd, &path](int error, const char *what) {
        ::close(fd);
        return systemFailure(path, error, what);
    };
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return failed(errno, QT_TRANSLATE_NOOP("tessaro::settings", "cannot open the journal: %1"));
    if (!S_ISREG(st.st_mode) || st.st_uid != ::getuid()) {
        ::close(fd);
        return FileFailure::at(path).saying(
            tr("the journal is not a regular file of your own; it was left untouched"));
    }
    if ((st.st_mode & 077) && ::fchmod(fd, 0600) != 0)
        return failed(
            errno, QT_TRANSLATE_NOOP("tessaro::settings", "cannot make the journal private: %1"));
    // Another program appending waits here, so lines never interleave.
    while (::flock(fd, LOCK_EX) != 0)
        if (errno != EINTR)
            return failed(errno,
                          QT_TRANSLATE_NOOP("tessaro::settings", "cannot lock the journal: %1"));
    if (::fstat(fd, &st) != 0)
        return failed(errno, QT_TRANSLATE_NOOP("tessaro::settings", "cannot open the journal: %1"));
    QByteArray line = journalLine(record);
    // A record torn by a power cut keeps its own line; this one starts a new one.
    char last = '\n';
    if (st.st_size > 0 && ::pread(fd, &last, 1, st.st_size - 1) == 1 && last != '\n')
        line.prepend('\n');
    if (const int error = writeAllBytes(fd, line)) {
        // Whole or absent: what part of the line got in goes again.
        [[maybe_unused]] const int cut = ::ftruncate(fd, st.st_size);
        return failed(error,
                      QT_TRANSLATE_NOOP("tessaro::settings", "cannot write to the journal: %1"));
    }
    if (::fsync(fd) != 0)
        return failed(errno,
                      QT_TRANSLATE_NOOP("tessaro::settings", "cannot write to the journal: %1"));
    ::close(fd); // releases the lock
    return {};
}

JournalRead readJournal(const QString &path) {
    JournalRead read;
    if (path.isEmpty())
        return read;
    QFile file(path);
    const QFileInfo info(path);
    if (!info.exists())
        return read;
    if (!info.isFile()) {
        read.failure = FileFailure::at(path).saying(tr("the journal is not a regular file"));
        return read;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        read.failure =
            FileFailure::at(path).saying(tr("cannot read the journal: %1").arg(file.errorString()));
        return read;
    }
    // Only the newest MaxJournalRead bytes, from the start of a line.
    if (file.size() > MaxJournalRead) {
        file.seek(file.size() - MaxJournalRead);
        file.readLine(MaxJournalRead);
        read.warnings
            << tr("%1: only the newest %2 MB are read").arg(path).arg(MaxJournalRead >> 20);
    }
    qint64 lineNumber = 0;
    while (!file.atEnd()) {
        ++lineNumber;
        QByteArray line = file.readLine(MaxJournalLine + 1);
        if (!line.endsWith('\n')) {
            if (!file.atEnd()) {
                // Skip the rest of an overlong line.
                while (!file.atEnd() && !line.endsWith('\n'))
                    line = file.readLine(MaxJournalLine + 1);
                read.warnings << tr("%1, line %2: longer than %3 bytes; skipped")
                                     .arg(path)
                                     .arg(lineNumber)
                                     .arg(MaxJournalLine);
            } else {
                read.warnings << tr("%1, line %2: a record cut off (the write never finished); "
                                    "skipped")
                                     .arg(path)
                                     .arg(lineNumber);
            }
            continue;
        }
        line.chop(1);
        if (line.isEmpty())
            continue;
        if (auto record = parseJournalLine(line))
            read.records.push_back(std::move(*record));
        else
            read.warnings << tr("%1, line %2: not a record; skipped").arg(path).arg(lineNumber);
    }
    return read;
}

} // namespace tessaro::settings
