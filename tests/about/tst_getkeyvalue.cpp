// Reading one registry value as text: trimming, types, failures, keys closed.
#include "about/sysinfo.h"
#include "support/fakeregistry.h"

#include <QtTest>

using registry::RootKey;

namespace {
const QString Key = QStringLiteral("SOFTWARE\\Test");
const QString Name = QStringLiteral("Value");
} // namespace

class GetKeyValueTest : public QObject {
    Q_OBJECT

private slots:
    void trimsOneTrailingNulOnly_data();
    void trimsOneTrailingNulOnly();
    void sizeBeyondTheBufferIsCutToTheBuffer();
    void dwordBecomesItsDecimalValue_data();
    void dwordBecomesItsDecimalValue();
    void otherTypeLeavesTextUntouched();
    void failureEmptiesTextAndFails_data();
    void failureEmptiesTextAndFails();
    void queriesWithFullAccessAndAnEmptyBuffer();
};

void GetKeyValueTest::trimsOneTrailingNulOnly_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("expected");
    QTest::newRow("terminated") << QByteArray("C:\\Tools\\msinfo32.exe\0", 22)
                                << QStringLiteral("C:\\Tools\\msinfo32.exe");
    QTest::newRow("unterminated") << QByteArray("ABC") << QStringLiteral("ABC");
    QTest::newRow("two NULs") << QByteArray("AB\0\0", 4) << QString::fromLatin1("AB\0", 3);
    QTest::newRow("only a NUL") << QByteArray("\0", 1) << QString();
    QTest::newRow("empty") << QByteArray() << QString();
}

void GetKeyValueTest::trimsOneTrailingNulOnly() {
    QFETCH(QByteArray, data);
    QFETCH(QString, expected);
    FakeRegistry reg;
    reg.setValue(Key, Name, {registry::StringType, data});
    QString text = QStringLiteral("before");
    QVERIFY(GetKeyValue(reg, RootKey::LocalMachine, Key, Name, text));
    QCOMPARE(text, expected);
    QCOMPARE(reg.openKeys, 0);
}

void GetKeyValueTest::sizeBeyondTheBufferIsCutToTheBuffer() {
    FakeRegistry reg;
    reg.setValue(Key, Name, {registry::StringType, QByteArray("abc"), 5000});
    QString text;
    QVERIFY(GetKeyValue(reg, RootKey::LocalMachine, Key, Name, text));
    QCOMPARE(text.size(), registry::BufferSize - 1);
    QVERIFY(text.startsWith(QLatin1String("abc")));
}

void GetKeyValueTest::dwordBecomesItsDecimalValue_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("expected");
    QTest::newRow("top byte zero") << QByteArray("\x02\x01\x00\x00", 4) << QStringLiteral("258");
    QTest::newRow("byte below 16") << QByteArray("\x01\x0A\x00\x00", 4) << QStringLiteral("2561");
    QTest::newRow("zero") << QByteArray(4, '\0') << QStringLiteral("0");
    QTest::newRow("all ones") << QByteArray(4, '\xFF') << QStringLiteral("4294967295");
}

void GetKeyValueTest::dwordBecomesItsDecimalValue() {
    QFETCH(QByteArray, data);
    QFETCH(QString, expected);
    FakeRegistry reg;
    reg.setValue(Key, Name, {registry::Dword32Type, data});
    QString text;
    QVERIFY(GetKeyValue(reg, RootKey::LocalMachine, Key, Name, text));
    QCOMPARE(text, expected);
}

void GetKeyValueTest::otherTypeLeavesTextUntouched() {
    FakeRegistry reg;
    reg.setValue(Key, Name, {3, QByteArray("\x01\x02\x03")});
    QString text = QStringLiteral("before");
    QVERIFY(GetKeyValue(reg, RootKey::LocalMachine, Key, Name, text));
    QCOMPARE(text, QStringLiteral("before"));
    QCOMPARE(reg.openKeys, 0);
}

void GetKeyValueTest::failureEmptiesTextAndFails_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("length");
    QTest::newRow("no key") << QStringLiteral("SOFTWARE\\Other") << Name << 1;
    QTest::newRow("no value") << Key << QStringLiteral("Other") << 1;
    QTest::newRow("larger than the buffer") << Key << Name << registry::BufferSize + 1;
}

void GetKeyValueTest::failureEmptiesTextAndFails() {
    QFETCH(QString, key);
    QFETCH(QString, name);
    QFETCH(int, length);
    FakeRegistry reg;
    reg.setValue(Key, Name, {registry::StringType, QByteArray(length, 'a')});
    QString text = QStringLiteral("before");
    QVERIFY(!GetKeyValue(reg, RootKey::LocalMachine, key, name, text));
    QCOMPARE(text, QString());
    QCOMPARE(reg.openKeys, 0);
}

void GetKeyValueTest::queriesWithFullAccessAndAnEmptyBuffer() {
    FakeRegistry reg;
    reg.setString(Key, Name, QStringLiteral("x"));
    QString text;
    QVERIFY(GetKeyValue(reg, RootKey::LocalMachine, Key, Name, text));
    QCOMPARE(reg.lastAccess, quint32(0x2003F));
    QCOMPARE(reg.lastBufferSize, qsizetype(1024));
    QVERIFY(reg.lastBufferAllNul);
}

QTEST_GUILESS_MAIN(GetKeyValueTest)
#include "tst_getkeyvalue.moc"
