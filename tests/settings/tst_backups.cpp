// Backups: named safely for servo and moment, never overwritten, kept private.
#include "settings/backups.h"

#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <stddef.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tessaro;

namespace {
settings::ServoSettings servo(const QByteArray &name, int centre = 0) {
    settings::EditorValues v;
    v.fields.centre = centre;
    return *settings::settingsFromBlock(settings::buildBlock(name, v, "00000000"));
}
QStringList paths(const std::vector<settings::BackupEntry> &entries) {
    QStringList out;
    std::transform(entries.begin(), entries.end(), std::back_inserter(out),
                   [](const auto &e) { return e.path; });
    return out;
}
const QDateTime When(QDate(2026, 12, 6), QTime(23, 15), Qt::UTC);

// From here on, the process is killed with SIGKILL as it links or renames a file into place.
bool killAtLinkOrRename() {
    static constexpr auto Kill = +[](int) { ::kill(::getpid(), SIGKILL); };
    std::vector<sock_filter> filter{
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(struct seccomp_data, nr))};
    std::vector<int> calls{__NR_linkat, __NR_renameat, __NR_renameat2};
#ifdef __NR_link
    calls.insert(calls.end(), {__NR_link, __NR_rename});
#endif
    for (std::size_t i = 0; i < calls.size(); ++i)
        filter.push_back(
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __u32(calls[i]), __u8(calls.size() - i), 0));
    filter.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    filter.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_TRAP));
    struct sock_fprog program = {__u16(filter.size()), filter.data()};
    return ::signal(SIGSYS, Kill) != SIG_ERR && ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}
} // namespace

class TestBackups : public QObject {
    Q_OBJECT
    QTemporaryDir home;

private slots:
    void initTestCase() {
        QVERIFY(home.isValid());
        qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    }

    void firstBackupIsNamedForUtcTimeInAPrivateFolder() {
        const QDateTime plusOne(QDate(2026, 1, 2), QTime(0, 30, 5), Qt::OffsetFromUTC, 3600);
        const QString path = settings::saveBackup(servo("12345678"), plusOne).path;
        QCOMPARE(path, home.filePath("tessaro/backups/12345678-20260101T233005Z.json"));
        // Owner, group and other bits (the 0x0700 "user" bits only mirror one of them).
        QCOMPARE(QFileInfo(settings::backupFolder()).permissions() & 0x7077,
                 QFile::Permissions(0x7000));
        QCOMPARE(QFileInfo(path).permissions() & 0x7077, QFile::Permissions(0x6000));
        QCOMPARE(paths(settings::listBackups()), QStringList{path});
        QCOMPARE(settings::listBackups().front().time, plusOne);
    }

    void fileIsNamedForServo_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("file");
        QTest::newRow("unsafe") << QByteArray("a/\xE9 .-_9") << "a___.-_9";
        QTest::newRow("trailing blanks") << QByteArray("a b     ") << "a_b";
        QTest::newRow("all blank") << QByteArray(8, ' ') << "servo";
    }

    void fileIsNamedForServo() {
        QFETCH(QByteArray, name);
        QFETCH(QString, file);
        QTemporaryDir dir;
        QCOMPARE(settings::saveBackup(servo(name), When, dir.path()).path,
                 dir.filePath(file + "-20261206T231500Z.json"));
    }

    void sameSecondNeverOverwritesAndListsInOrder() {
        QTemporaryDir dir;
        QStringList saved;
        const QString later =
            settings::saveBackup(servo("00000000"), When.addSecs(1), dir.path()).path;
        for (int n = 1; n <= 11; ++n)
            saved << settings::saveBackup(servo("12345678", n), When, dir.path()).path;
        QCOMPARE(saved.last(), dir.filePath("12345678-20261206T231500Z-11.json"));
        for (int n = 1; n <= 11; ++n)
            QCOMPARE(settings::loadSettings(saved[n - 1]).settings->values.centre, n);
        QCOMPARE(paths(settings::listBackups(dir.path())), saved + QStringList{later});
    }

    void killedMidwayLeavesNoVisibleFile() {
        QTemporaryDir dir;
        const pid_t child = ::fork();
        if (child == 0) {
            if (killAtLinkOrRename())
                settings::saveBackup(servo("12345678"), When, dir.path());
            ::_exit(1);
        }
        int status = 0;
        QVERIFY(child > 0 && ::waitpid(child, &status, 0) == child);
        QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL,
                 qPrintable(QString::number(status, 16)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
        QVERIFY(settings::listBackups(dir.path()).empty());
        // The name is free for the next backup.
        QCOMPARE(settings::saveBackup(servo("12345678"), When, dir.path()).path,
                 dir.filePath("12345678-20261206T231500Z.json"));
    }

    void everyByteInANameGivesAListedBackup_data() {
        QTest::addColumn<QByteArray>("name");
        for (int b = 0; b < 256; ++b)
            QTest::addRow("%02x", b) << QByteArray(1, char(b)) + "." + char(b) + "x";
    }

    void everyByteInANameGivesAListedBackup() {
        QFETCH(QByteArray, name);
        QTemporaryDir dir;
        const QString path =
            settings::saveBackup(servo(name.leftJustified(8)), When, dir.path()).path;
        QVERIFY(!QFileInfo(path).fileName().startsWith('.'));
        QCOMPARE(QFileInfo(path).absolutePath(), dir.path());
        QCOMPARE(paths(settings::listBackups(dir.path())), QStringList{path});
    }
};

QTEST_GUILESS_MAIN(TestBackups)
#include "tst_backups.moc"
