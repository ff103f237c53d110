// The registry stand-in where there is none: the MSINFO path is an installed
// system-information program, and nothing else is answered.
#include "about/sysinfo.h"
#include "platform/registry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using registry::RootKey;
using registry::SearchPathRegistry;

namespace {

QString installProgram(const QTemporaryDir &dir, const QString &name) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("#!/bin/sh\n");
    file.close();
    file.setPermissions(file.permissions() | QFile::ExeOwner);
    return file.fileName();
}

bool readMsInfoPath(registry::Registry &reg, QString &text) {
    return GetKeyValue(reg, RootKey::LocalMachine, QLatin1String(registry::MsInfoKey),
                       QLatin1String(registry::MsInfoPathValue), text);
}

const QStringList Candidates = {QStringLiteral("sysinfo-a"), QStringLiteral("sysinfo-b")};

} // namespace

class SearchPathRegistryTest : public QObject {
    Q_OBJECT

private slots:
    void msInfoPathIsTheFirstInstalledProgram();
    void noInstalledProgramAnswersNothing();
    void answersNoOtherKeyOrValue();
};

void SearchPathRegistryTest::msInfoPathIsTheFirstInstalledProgram() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString b = installProgram(dir, QStringLiteral("sysinfo-b"));
    SearchPathRegistry reg(Candidates, {dir.path()});
    QString text;
    QVERIFY(readMsInfoPath(reg, text));
    QCOMPARE(text, b);

    const QString a = installProgram(dir, QStringLiteral("sysinfo-a"));
    QVERIFY(readMsInfoPath(reg, text));
    QCOMPARE(text, a);
}

void SearchPathRegistryTest::noInstalledProgramAnswersNothing() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SearchPathRegistry reg(Candidates, {dir.path()});
    QString text = QStringLiteral("before");
    QVERIFY(!readMsInfoPath(reg, text));
    QCOMPARE(text, QString());
}

void SearchPathRegistryTest::answersNoOtherKeyOrValue() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    installProgram(dir, QStringLiteral("sysinfo-a"));
    SearchPathRegistry reg(Candidates, {dir.path()});
    QString text;
    QVERIFY(!GetKeyValue(reg, RootKey::LocalMachine,
                         QLatin1String(registry::SharedToolsLocationKey),
                         QLatin1String(registry::MsInfoFolderValue), text));
    QVERIFY(!GetKeyValue(reg, RootKey::LocalMachine, QLatin1String(registry::MsInfoKey),
                         QStringLiteral("VERSION"), text));
}

QTEST_GUILESS_MAIN(SearchPathRegistryTest)
#include "tst_searchpathregistry.moc"
