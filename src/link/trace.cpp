#include "link/trace.h"

#include "settings/codepage.h"
#include "settings/filenames.h"
#include "settings/wholefile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaro::link {

Q_LOGGING_CATEGORY(lcLink, "tessaro.link", QtWarningMsg)

namespace {

struct Sink {
    std::mutex mutex;
    int fd = -1;  // -1: standard error
    QString path; // empty: standard error
    bool failed = false;
    bool writing = false;   // startTrace() was called: records go to fd too
    bool forwarded = false; // turned on by logging rules: records go on to the next handler
    QtMessageHandler next = nullptr;
    std::deque<QString> kept;
    qsizetype keptSize = 0;
};

Sink &sink() {
    static Sink s;
    return s;
}

bool writeAll(int fd, const QByteArray &bytes) {
    return settings::writeAllBytes(fd, bytes) == 0;
}

QByteArray programName() {
    return QFile::encodeName(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

// The records are ASCII already but for a device's path and the system's
// words, which may hold anything: those characters are escaped too.
QByteArray asciiLine(const QString &message) {
    QByteArray line;
    line.reserve(message.size() + 1);
    for (const QChar c : message) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            line += char(c.unicode());
        else
            line += QString::fromLatin1(c.unicode() < 0x80 ? "\\x%1" : "\\u%1")
                        .arg(c.unicode(), c.unicode() < 0x80 ? 2 : 4, 16, QLatin1Char('0'))
                        .toLatin1();
    }
    return line + '\n';
}

void toSink(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    Sink &s = sink();
    if (!context.category || std::strcmp(context.category, lcLink().categoryName()) != 0) {
        if (s.next)
            s.next(type, context, message);
        return;
    }
    std::lock_guard lock(s.mutex);
    s.kept.push_back(message);
    s.keptSize += message.size() + 1;
    while (s.keptSize > KeptTraceLimit && !s.kept.empty()) {
        s.keptSize -= s.kept.front().size() + 1;
        s.kept.pop_front();
    }
    if (!s.writing) {
        if (s.forwarded && s.next)
            s.next(type, context, message);
        return;
    }
    if (s.fd < 0) {
        // Named as Qt's own handler names them.
        writeAll(STDERR_FILENO, QByteArray(lcLink().categoryName()) + ": " + asciiLine(message));
        return;
    }
    if (s.failed)
        return;
    if (writeAll(s.fd, asciiLine(message)))
        return;
    const int error = errno;
    s.failed = true;
    writeAll(STDERR_FILENO, programName() + ": " +
                                QCoreApplication::translate(
                                    "Trace", "the trace could not be written to %1: %2; going on "
                                             "without it")
                                    .arg(settings::printableFileName(s.path),
                                         QString::fromLocal8Bit(std::strerror(error)))
                                    .toLocal8Bit() +
                                '\n');
}

struct TraceFile {
    int fd = -1;
    QString problem; // why there is none
};

// Only a regular file is taken, and emptied once it is known to be one; a
// FIFO's wait or a device's truncation never happens.
TraceFile openTraceFile(const QString &path) {
    const QByteArray name = QFile::encodeName(path);
    const TraceFile notRegular{
        -1, QCoreApplication::translate("Trace", "%1 is not a regular file").arg(path)};
    struct stat st {};
    if (::stat(name.constData(), &st) == 0 && !S_ISREG(st.st_mode))
        return notRegular;
    const int fd =
        ::open(name.constData(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd >= 0 && ::fstat(fd, &st) == 0 && !S_ISREG(st.st_mode)) {
        ::close(fd);
        return notRegular;
    }
    if (fd >= 0 && ::ftruncate(fd, 0) == 0)
        return {fd, {}};
    const TraceFile failed{-1, QCoreApplication::translate("Trace", "%1: %2")
                                   .arg(path, QString::fromLocal8Bit(std::strerror(errno)))};
    if (fd >= 0)
        ::close(fd);
    return failed;
}

} // namespace

QString traceBytes(const QByteArray &bytes) {
    return QStringLiteral("%1 byte%2: %3  \"%4\"")
        .arg(bytes.size())
        .arg(bytes.size() == 1 ? QString() : QStringLiteral("s"))
        .arg(QString::fromLatin1(bytes.toHex(' ').toUpper()),
             settings::printableText(bytes, settings::TextSet::Ascii));
}

const char *openFailureName(OpenFailure cause) {
    switch (cause) {
    case OpenFailure::None:
        return "opened";
    case OpenFailure::NotFound:
        return "not found";
    case OpenFailure::Permission:
        return "permission denied";
    case OpenFailure::Busy:
        return "busy";
    case OpenFailure::Other:
        break;
    }
    return "failed";
}

QString startTrace(const QString &path) {
    Sink &s = sink();
    const TraceFile file = path.isEmpty() ? TraceFile{} : openTraceFile(path);
    if (!file.problem.isEmpty())
        return file.problem;
    const int fd = file.fd;
    {
        std::lock_guard lock(s.mutex);
        if (s.fd >= 0)
            ::close(s.fd);
        s.fd = fd;
        s.path = path;
        s.failed = false;
        s.writing = true;
    }
    keepTrace();
    qCDebug(lcLink).noquote() << QStringLiteral("%1 %2, trace begun %3")
                                     .arg(QCoreApplication::applicationName(),
                                          QCoreApplication::applicationVersion(),
                                          QDateTime::currentDateTimeUtc().toString(
                                              Qt::ISODateWithMs));
    return {};
}

void keepTrace() {
    Sink &s = sink();
    static std::once_flag once;
    std::call_once(once, [&s] {
        s.forwarded = lcLink().isDebugEnabled();
        s.next = qInstallMessageHandler(toSink);
        QLoggingCategory::setFilterRules(QStringLiteral("tessaro.link.debug=true"));
    });
}

QByteArray keptTrace() {
    Sink &s = sink();
    std::lock_guard lock(s.mutex);
    QByteArray text;
    text.reserve(s.keptSize);
    for (const QString &record : s.kept)
        text += asciiLine(record);
    return text;
}

void clearKeptTrace() {
    Sink &s = sink();
    std::lock_guard lock(s.mutex);
    s.kept.clear();
    s.keptSize = 0;
}

} // namespace tessaro::link
