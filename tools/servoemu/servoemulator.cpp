#include "servoemu/servoemulator.h"

#include "link/portlocator.h"
#include "settings/wholefile.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace tessaro::servoemu {

namespace {

// A frame whose bytes stop coming for this long is given up (resynchronise).
constexpr int64_t FrameGapUs = 250'000;

int64_t nowUs() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

QString sysError(const char *what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

void setCloexec(int fd) {
    const int flags = ::fcntl(fd, F_GETFD);
    if (flags >= 0)
        ::fcntl(fd, F_SETFD, flags | FD_CLOEXEC);
}

// Byte arrays handed between the threads are never shared copies, so no
// reference count crosses threads (and thread sanitizers stay quiet).
QByteArray deepCopy(const QByteArray &bytes) {
    return QByteArray(bytes.constData(), bytes.size());
}

} // namespace

ServoEmulator::ServoEmulator(const Options &options)
    : m_portFolder(options.portFolder),
      m_responder(deepCopy(options.block.isEmpty() ? defaultBlock() : options.block)),
      m_replyDelayMs(std::max(0, options.replyDelayMs)),
      m_byteTimeUs(std::max(0, options.byteTimeUs)) {
    m_responder.setFault(options.fault, options.faultCount);
    m_responder.setScript(options.script);
    m_responder.setLogger([this](const QString &line) { m_pendingLog << line; });
}

ServoEmulator::~ServoEmulator() {
    stop();
}

QString ServoEmulator::start() {
    if (isRunning())
        return {};

    int master = -1, slave = -1;
    if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0)
        return sysError("openpty");
    setCloexec(master);
    setCloexec(slave);

    termios tio{};
    if (::tcgetattr(slave, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::cfsetispeed(&tio, B19200);
        ::cfsetospeed(&tio, B19200);
        tio.c_cflag |= CLOCAL | CREAD;
        tio.c_cc[VMIN] = 1;
        tio.c_cc[VTIME] = 0;
        ::tcsetattr(slave, TCSANOW, &tio);
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);

    const char *name = ::ptsname(master);
    char ttyBuf[256];
    if (!name && ::ttyname_r(slave, ttyBuf, sizeof ttyBuf) == 0)
        name = ttyBuf;
    if (!name) {
        const QString error = sysError("ptsname");
        ::close(master);
        ::close(slave);
        return error;
    }

    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) {
        const QString error = sysError("pipe2");
        ::close(master);
        ::close(slave);
        return error;
    }

    {
        std::lock_guard lock(m_mutex);
        m_master = master;
        m_slave = slave;
        m_wakePipe[0] = pipeFds[0];
        m_wakePipe[1] = pipeFds[1];
        m_slavePath = QString::fromLocal8Bit(name);
        m_stopRequested = false;
        m_jobs.clear();
        m_writeBlocked = false;
        // A frame cut off by a pulled cable does not continue on the new line.
        m_responder.dropPartialFrame();
        m_pendingLog.clear();
    }
    m_thread = std::thread(&ServoEmulator::run, this, master, pipeFds[0]);

    const int com = comNumber();
    const QString error = com > 0 ? publishAs(com) : QString();
    if (!error.isEmpty()) {
        stopThread();
        closeFds();
    }
    return error;
}

void ServoEmulator::stop() {
    pullCable();
    std::lock_guard lock(m_mutex);
    m_com = 0;
}

bool ServoEmulator::isRunning() const {
    std::lock_guard lock(m_mutex);
    return m_master >= 0;
}

void ServoEmulator::pullCable() {
    removeLink();
    stopThread();
    closeFds();
}

void ServoEmulator::wake() {
    int fd;
    {
        std::lock_guard lock(m_mutex);
        fd = m_wakePipe[1];
    }
    if (fd >= 0) {
        const char c = 1;
        [[maybe_unused]] auto n = ::write(fd, &c, 1);
    }
}

void ServoEmulator::stopThread() {
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard lock(m_mutex);
        m_stopRequested = true;
    }
    wake();
    m_thread.join();
}

void ServoEmulator::closeFds() {
    std::lock_guard lock(m_mutex);
    for (int *fd : {&m_master, &m_slave, &m_wakePipe[0], &m_wakePipe[1]}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
    m_slavePath.clear();
    m_jobs.clear();
    m_writeBlocked = false;
    m_changed.notify_all();
}

QString ServoEmulator::publishAs(int comNumber, bool replace) {
    if (comNumber < 1)
        return QStringLiteral("invalid COM number %1").arg(comNumber);
    QString slave;
    QString oldLink;
    {
        std::lock_guard lock(m_mutex);
        slave = m_slavePath;
        oldLink = m_link;
        m_com = comNumber;
    }
    if (slave.isEmpty())
        return {}; // published when started

    const QString folder = m_portFolder.isEmpty() ? link::ensureVirtualPortFolder() : m_portFolder;
    if (folder.isEmpty())
        return QStringLiteral("no private folder for virtual ports is available");
    const QString link = QDir(folder).filePath(QStringLiteral("COM%1").arg(comNumber));
    if (!oldLink.isEmpty() && oldLink != link)
        removeLink();

    const QByteArray target = QFile::encodeName(slave);
    const QByteArray linkName = QFile::encodeName(link);
    // A link left by a servo that is gone is removed here.
    link::PortLocator::onlyFolder(folder).devicePath(comNumber);
    char buf[4096];
    const ssize_t n = ::readlink(linkName.constData(), buf, sizeof buf - 1);
    const QByteArray existing = n >= 0 ? QByteArray(buf, int(n)) : QByteArray();
    struct stat st {};
    if (n >= 0 && existing != target && ::stat(linkName.constData(), &st) == 0 && !replace)
        return QStringLiteral("COM%1 is already published (%2 -> %3); remove that link "
                              "if no emulator serves it")
            .arg(comNumber)
            .arg(link, QString::fromLocal8Bit(existing));
    // The lock first: the link is never there without the proof that its servo lives.
    if (const settings::FileFailure failure = settings::writeWholeFile(
            link::publishedLock(link), QByteArray::number(::getpid()) + "\ntessaro-servo\n\n"))
        return failure.text();
    if (existing != target) {
        const QByteArray tmp = linkName + ".tmp." + QByteArray::number(::getpid());
        ::unlink(tmp.constData());
        if (::symlink(target.constData(), tmp.constData()) != 0 ||
            ::rename(tmp.constData(), linkName.constData()) != 0) {
            const QString error = sysError("symlink") + QStringLiteral(" (%1)").arg(link);
            ::unlink(tmp.constData());
            return error;
        }
    }
    std::lock_guard lock(m_mutex);
    m_link = link;
    return {};
}

void ServoEmulator::removeLink() {
    QString link, slave;
    {
        std::lock_guard lock(m_mutex);
        link = m_link;
        slave = m_slavePath;
        m_link.clear();
    }
    if (link.isEmpty())
        return;
    const QByteArray linkName = QFile::encodeName(link);
    char buf[4096];
    const ssize_t n = ::readlink(linkName.constData(), buf, sizeof buf - 1);
    if (n >= 0 && QByteArray(buf, int(n)) == QFile::encodeName(slave)) {
        ::unlink(linkName.constData());
        QFile::remove(link::publishedLock(link));
    }
}

int ServoEmulator::comNumber() const {
    std::lock_guard lock(m_mutex);
    return m_com;
}

QString ServoEmulator::linkPath() const {
    std::lock_guard lock(m_mutex);
    return m_link;
}

QString ServoEmulator::slavePath() const {
    std::lock_guard lock(m_mutex);
    return m_slavePath;
}

QByteArray ServoEmulator::block() const {
    std::lock_guard lock(m_mutex);
    return deepCopy(m_responder.block());
}

void ServoEmulator::setBlock(const QByteArray &b) {
    const QByteArray copy = deepCopy(b);
    std::lock_guard lock(m_mutex);
    m_responder.setBlock(copy);
}

void ServoEmulator::setFault(Fault fault, int count) {
    std::lock_guard lock(m_mutex);
    m_responder.setFault(fault, count);
}

Fault ServoEmulator::fault() const {
    std::lock_guard lock(m_mutex);
    return m_responder.fault();
}

int ServoEmulator::faultRemaining() const {
    std::lock_guard lock(m_mutex);
    return m_responder.faultRemaining();
}

void ServoEmulator::setReplyDelayMs(int ms) {
    std::lock_guard lock(m_mutex);
    m_replyDelayMs = std::max(0, ms);
}

void ServoEmulator::setByteTimeUs(int us) {
    std::lock_guard lock(m_mutex);
    m_byteTimeUs = std::max(0, us);
}

QByteArray ServoEmulator::received() const {
    std::lock_guard lock(m_mutex);
    return deepCopy(m_responder.received());
}

void ServoEmulator::clearReceived() {
    std::lock_guard lock(m_mutex);
    m_responder.clearReceived();
}

bool ServoEmulator::waitForReceived(int bytes, int timeoutMs) const {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return m_responder.received().size() >= bytes; });
}

bool ServoEmulator::waitForIdle(int timeoutMs) const {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return m_jobs.empty(); });
}

int ServoEmulator::readRequestCount() const {
    std::lock_guard lock(m_mutex);
    return m_responder.readRequestCount();
}

int ServoEmulator::programmingFrameCount() const {
    std::lock_guard lock(m_mutex);
    return m_responder.programmingFrameCount();
}

int ServoEmulator::storedFrameCount() const {
    std::lock_guard lock(m_mutex);
    return m_responder.storedFrameCount();
}

int ServoEmulator::answerCount() const {
    std::lock_guard lock(m_mutex);
    return m_answers;
}

void ServoEmulator::setLogger(std::function<void(const QString &)> logger) {
    std::lock_guard lock(m_mutex);
    m_logger = std::move(logger);
}

void ServoEmulator::log(const QString &line) {
    std::function<void(const QString &)> logger;
    {
        std::lock_guard lock(m_mutex);
        logger = m_logger;
    }
    if (logger)
        logger(line);
}

void ServoEmulator::flushLog() {
    QStringList lines;
    {
        std::lock_guard lock(m_mutex);
        lines.swap(m_pendingLog);
    }
    for (const QString &line : lines)
        log(line);
}

void ServoEmulator::sendRaw(const QByteArray &bytes) {
    if (bytes.isEmpty())
        return;
    {
        std::lock_guard lock(m_mutex);
        if (m_master < 0)
            return;
        Job job;
        job.bytes = deepCopy(bytes);
        job.dueUs = nowUs();
        job.paced = false;
        job.isAnswer = false;
        m_jobs.push_back(job);
    }
    wake();
}

// ---- the emulator's thread -------------------------------------------------

void ServoEmulator::queueAnswer(const Answer &answer, int64_t now) {
    Job job;
    job.bytes = answer.bytes;
    job.paced = !answer.early;
    job.groupFrom = answer.groupFrom;
    job.dueUs = answer.early ? now : now + int64_t(m_replyDelayMs) * 1000;
    if (!m_jobs.empty()) {
        const Job &last = m_jobs.back();
        const int64_t lastEnd =
            last.dueUs + (last.paced ? int64_t(last.bytes.size()) * m_byteTimeUs : 0);
        job.dueUs = std::max(job.dueUs, lastEnd);
    }
    m_jobs.push_back(job);
}

void ServoEmulator::expirePartialFrame(int64_t now) {
    if (m_responder.inFrame() && now - m_lastByteUs > FrameGapUs)
        m_responder.dropPartialFrame();
}

void ServoEmulator::handleInput(const QByteArray &data, int64_t now) {
    {
        std::lock_guard lock(m_mutex);
        expirePartialFrame(now);
        for (const Answer &answer : m_responder.receive(data))
            queueAnswer(answer, now);
        m_lastByteUs = now;
        m_changed.notify_all();
    }
    flushLog();
}

bool ServoEmulator::writeDue(int masterFd, int64_t now, int64_t *nextDueUs) {
    std::lock_guard lock(m_mutex);
    *nextDueUs = -1;
    while (!m_jobs.empty()) {
        Job &job = m_jobs.front();
        int upTo = job.bytes.size();
        if (job.paced && m_byteTimeUs > 0) {
            if (now < job.dueUs)
                upTo = 0;
            else
                upTo =
                    int(std::min<int64_t>(job.bytes.size(), (now - job.dueUs) / m_byteTimeUs + 1));
        } else if (now < job.dueUs) {
            upTo = 0;
        }
        if (job.groupFrom >= 0 && upTo > job.groupFrom)
            upTo = job.bytes.size();
        if (upTo > job.written) {
            const ssize_t n =
                ::write(masterFd, job.bytes.constData() + job.written, size_t(upTo - job.written));
            if (n < 0) {
                if (errno == EAGAIN || errno == EINTR) {
                    m_writeBlocked = errno == EAGAIN;
                    return true;
                }
                return false;
            }
            job.written += int(n);
            if (job.written < upTo) {
                m_writeBlocked = true;
                return true;
            }
        }
        if (job.written < job.bytes.size()) {
            *nextDueUs = job.paced && m_byteTimeUs > 0
                             ? job.dueUs + int64_t(job.written) * m_byteTimeUs
                             : job.dueUs;
            return true;
        }
        if (job.isAnswer)
            ++m_answers;
        m_jobs.pop_front();
        m_changed.notify_all();
    }
    return true;
}

void ServoEmulator::run(int masterFd, int wakeFd) {
    // Writes to a pty whose other side has gone must not kill the process.
    sigset_t sigs;
    sigemptyset(&sigs);
    sigaddset(&sigs, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &sigs, nullptr);

    char buf[512];
    for (;;) {
        int64_t now = nowUs();
        int64_t nextDue = -1;
        if (!writeDue(masterFd, now, &nextDue)) {
            log(QStringLiteral("write failed: %1").arg(sysError("write")));
            nextDue = -1;
            std::lock_guard lock(m_mutex);
            m_jobs.clear();
            m_changed.notify_all();
        }
        bool blocked, inFrame;
        {
            std::lock_guard lock(m_mutex);
            blocked = m_writeBlocked;
            inFrame = m_responder.inFrame();
            if (m_stopRequested)
                return;
        }

        int64_t wakeAt = -1;
        if (nextDue >= 0 && !blocked)
            wakeAt = nextDue;
        if (inFrame) {
            const int64_t expiry = m_lastByteUs + FrameGapUs + 1;
            wakeAt = wakeAt < 0 ? expiry : std::min(wakeAt, expiry);
        }

        pollfd fds[2] = {{masterFd, short(POLLIN | (blocked ? POLLOUT : 0)), 0},
                         {wakeFd, POLLIN, 0}};
        timespec ts{};
        timespec *timeout = nullptr;
        if (wakeAt >= 0) {
            const int64_t wait = std::max<int64_t>(0, wakeAt - now);
            ts.tv_sec = wait / 1'000'000;
            ts.tv_nsec = (wait % 1'000'000) * 1000;
            timeout = &ts;
        }
        const int r = ::ppoll(fds, 2, timeout, nullptr);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            log(QStringLiteral("emulator stopped: %1").arg(sysError("poll")));
            return;
        }
        if (fds[1].revents & POLLIN) {
            while (::read(wakeFd, buf, sizeof buf) > 0) {
            }
        }
        if (fds[0].revents & POLLOUT) {
            std::lock_guard lock(m_mutex);
            m_writeBlocked = false;
        }
        now = nowUs();
        if (fds[0].revents & (POLLIN | POLLHUP | POLLERR)) {
            const ssize_t n = ::read(masterFd, buf, sizeof buf);
            if (n > 0) {
                handleInput(QByteArray(buf, int(n)), now);
            } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
                // With our own slave fd open this does not happen; do not spin if it does.
                ::usleep(10'000);
            }
        }
        {
            std::lock_guard lock(m_mutex);
            expirePartialFrame(now);
        }
        flushLog();
    }
}

} // namespace tessaro::servoemu
