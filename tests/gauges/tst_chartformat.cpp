// Number formatting of the chart: whole numbers under "0", halves away from zero, a minus
// sign only for what stays negative, and a failure for what is not a number.
#include "platform/angularmeter.h"

#include <QTest>

class TestChartFormat : public QObject {
    Q_OBJECT

private slots:
    void formats_data();
    void formats();
    void notANumberFails();
    void unknownFormatFails();
};

void TestChartFormat::formats_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 1500.0 << "0"
                           << "1500";
    QTest::newRow("negative") << -35.0 << "0"
                              << "-35";
    QTest::newRow("half up") << 45.5 << "0"
                             << "46";
    QTest::newRow("half of even") << 2.5 << "0"
                                  << "3";
    QTest::newRow("negative half") << -45.5 << "0"
                                   << "-46";
    QTest::newRow("below half") << 85.5555 << "0"
                                << "86";
    QTest::newRow("small negative") << -0.4 << "0"
                                    << "0";
    QTest::newRow("negative zero") << -0.0 << "0"
                                   << "0";
    QTest::newRow("decimals") << 16.6666 << "0.00"
                              << "16.67";
    QTest::newRow("negative decimals") << -0.004 << "0.0"
                                       << "0.0";
}

void TestChartFormat::formats() {
    QFETCH(double, value);
    QFETCH(QString, format);
    QFETCH(QString, text);
    QCOMPARE(Chart::formatNumber(value, format), text);
}

void TestChartFormat::notANumberFails() {
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Chart::formatNumber(qQNaN(), "0"));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Chart::formatNumber(-qInf(), "0"));
}

void TestChartFormat::unknownFormatFails() {
    for (const char *format : {"", "#", "0.", "00", "0.0#", "{value}"})
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Chart::formatNumber(1.0, format));
}

QTEST_MAIN(TestChartFormat)
#include "tst_chartformat.moc"
