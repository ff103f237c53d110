// System Info in the About dialog: where the tool is looked up, that it is
// started, and the one message for every way it cannot be.
#include "about/frmabout.h"
#include "support/fakeregistry.h"
#include "support/messageboxcatcher.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <stdexcept>

namespace {

const QString MsInfoKey = QLatin1String(registry::MsInfoKey);
const QString LocationKey = QLatin1String(registry::SharedToolsLocationKey);

struct Run {
    QStringList launched;
    QStringList texts;
    QStringList titles;
    QList<int> buttonCounts;
    bool dialogOpen = false;
};

// Presses System Info on an open About dialog over reg, launching with launch.
Run pressSysInfo(FakeRegistry &reg, sysinfo::Launcher launch) {
    Run run;
    auto dialog = std::make_unique<frmAbout>();
    dialog->setSysInfoServices(reg, [&run, launch](const QString &program) {
        run.launched << program;
        return launch(program);
    });
    dialog->show();
    MessageBoxCatcher catcher;
    dialog->cmdSysInfo->click();
    run.texts = catcher.texts;
    run.titles = catcher.titles;
    run.buttonCounts = catcher.buttonCounts;
    run.dialogOpen = dialog->isVisible();
    return run;
}

bool launchSucceeds(const QString &) {
    return true;
}

void verifyUnavailableOnce(const Run &run) {
    QCOMPARE(run.texts,
             QStringList{QStringLiteral("System Information Is Unavailable At This Time")});
    QCOMPARE(run.titles, QStringList{QStringLiteral("Tessaro")});
    QCOMPARE(run.buttonCounts, QList<int>{1});
    QVERIFY(run.dialogOpen);
}

} // namespace

class SysInfoLaunchTest : public QObject {
    Q_OBJECT

private slots:
    void neitherValueShowsUnavailable();
    void folderWithoutProgramFileShowsUnavailable();
    void missingFileFromFirstValueShowsUnavailable();
    void errorWhileLaunchingShowsUnavailable();
    void firstValueIsLaunchedBeforeTheFolder();
    void programFileInTheFolderIsLaunched();
    void realLauncherStartsAnInstalledProgram();
};

void SysInfoLaunchTest::neitherValueShowsUnavailable() {
    FakeRegistry reg;
    const Run run = pressSysInfo(reg, launchSucceeds);
    verifyUnavailableOnce(run);
    QVERIFY(run.launched.isEmpty());
}

void SysInfoLaunchTest::folderWithoutProgramFileShowsUnavailable() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    FakeRegistry reg;
    reg.setString(LocationKey, QStringLiteral("MSINFO"), dir.path());
    const Run run = pressSysInfo(reg, launchSucceeds);
    verifyUnavailableOnce(run);
    QVERIFY(run.launched.isEmpty());
}

void SysInfoLaunchTest::missingFileFromFirstValueShowsUnavailable() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString missing = dir.filePath(QStringLiteral("msinfo32"));
    FakeRegistry reg;
    reg.setString(MsInfoKey, QStringLiteral("PATH"), missing);
    const Run run = pressSysInfo(reg, sysinfo::startDetached);
    verifyUnavailableOnce(run);
    QCOMPARE(run.launched, QStringList{missing});
}

void SysInfoLaunchTest::errorWhileLaunchingShowsUnavailable() {
    FakeRegistry reg;
    reg.setString(MsInfoKey, QStringLiteral("PATH"), QStringLiteral("/opt/tool"));
    const Run run = pressSysInfo(
        reg, [](const QString &) -> bool { throw std::runtime_error("cannot start"); });
    verifyUnavailableOnce(run);
}

void SysInfoLaunchTest::firstValueIsLaunchedBeforeTheFolder() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile program(dir.filePath(QStringLiteral("MSINFO32.EXE")));
    QVERIFY(program.open(QIODevice::WriteOnly));
    FakeRegistry reg;
    reg.setString(MsInfoKey, QStringLiteral("PATH"), QStringLiteral("/opt/tool"));
    reg.setString(LocationKey, QStringLiteral("MSINFO"), dir.path());
    const Run run = pressSysInfo(reg, launchSucceeds);
    QCOMPARE(run.launched, QStringList{QStringLiteral("/opt/tool")});
    QVERIFY(run.texts.isEmpty());
}

void SysInfoLaunchTest::programFileInTheFolderIsLaunched() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile program(dir.filePath(QStringLiteral("MSINFO32.EXE")));
    QVERIFY(program.open(QIODevice::WriteOnly));
    FakeRegistry reg;
    reg.setString(LocationKey, QStringLiteral("MSINFO"), dir.path());
    const Run run = pressSysInfo(reg, launchSucceeds);
    QCOMPARE(run.launched, QStringList{QDir::toNativeSeparators(program.fileName())});
    QVERIFY(run.texts.isEmpty());
    QVERIFY(run.dialogOpen);
}

void SysInfoLaunchTest::realLauncherStartsAnInstalledProgram() {
    const QString trueProgram = QStandardPaths::findExecutable(QStringLiteral("true"));
    if (trueProgram.isEmpty())
        QSKIP("no 'true' program on the search path");
    FakeRegistry reg;
    reg.setString(MsInfoKey, QStringLiteral("PATH"), trueProgram);
    const Run run = pressSysInfo(reg, sysinfo::startDetached);
    QCOMPARE(run.launched, QStringList{trueProgram});
    QVERIFY(run.texts.isEmpty());
}

QTEST_MAIN(SysInfoLaunchTest)
#include "tst_sysinfolaunch.moc"
