// The editors on the real window: what a change of the throw, centre and
// test position shows in the readouts and the test range.
#include "app/form1.h"
#include "settings/presets.h"
#include "support/privateportfolder.h"
#include "support/settingswindow.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>

class EditorsTest : public QObject {
    Q_OBJECT

private slots:
    void startUpShowsPositionZeroInNarrowedRange();
    void loweringThrowPullsPositionIn_data();
    void loweringThrowPullsPositionIn();
    void roundedBarEndReadsPast100Percent();
    void throwHalvesToEven_data();
    void throwHalvesToEven();
    void centreMovesWidthButNotPercent();
    void unchangedValueRunsNothing();
    void draggedThumbUpdatesReadouts();
    void screenReaderHearsWhatTheGaugeShows_data();
    void screenReaderHearsWhatTheGaugeShows();
    void arrowKeysMoveAsTheGaugeReads_data();
    void arrowKeysMoveAsTheGaugeReads();

private:
    PrivatePortFolder m_ports; // before any window, so that it lists no real port
};

namespace {

QStringList readoutTexts(const Form1 &w) {
    return {w.LWidth->text(), w.TWidth->text(), w.TPercent->text()};
}

QPair<int, int> range(const QScrollBar *bar) {
    return {bar->minimum(), bar->maximum()};
}

} // namespace

void EditorsTest::startUpShowsPositionZeroInNarrowedRange() {
    Form1 w;
    QCOMPARE(range(w.ScrollPosition), qMakePair(-50, 50));
    QCOMPARE(w.ScrollPosition->value(), 0);
    QCOMPARE(w.HalfThrow, 45);
    QCOMPARE(w.PosMax, 50.0);
    QCOMPARE(readoutTexts(w), QStringList({"Pulse width for 0 degrees", "1500 uS", "0 %"}));
}

void EditorsTest::loweringThrowPullsPositionIn_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("top") << 50 << 17
                         << QStringList({"Pulse width for 17 degrees", "2010 uS", "102 %"});
    QTest::newRow("bottom") << -50 << -17
                            << QStringList({"Pulse width for -17 degrees", "990 uS", "-102 %"});
}

void EditorsTest::loweringThrowPullsPositionIn() {
    QFETCH(int, from);
    Form1 w;
    w.ScrollPosition->setValue(from);
    w.ScrollThrow->setValue(30);
    QCOMPARE(range(w.ScrollPosition), qMakePair(-17, 17));
    QTEST(w.ScrollPosition->value(), "to");
    QTEST(readoutTexts(w), "texts");
    // The bounds stay unrounded for the position gauge.
    QCOMPARE(w.PosMax, 15 * presets::ScaleFull);
    QCOMPARE(w.PosMin, -15 * presets::ScaleFull);
}

void EditorsTest::roundedBarEndReadsPast100Percent() {
    Form1 w;
    w.ThrowScale = presets::ScaleWide;
    w.ScrollThrow->setValue(140);
    QCOMPARE(range(w.ScrollPosition), qMakePair(-86, 86));
    w.ScrollPosition->setValue(86);
    QCOMPARE(readoutTexts(w), QStringList({"Pulse width for 86 degrees", "2053 uS", "101 %"}));
}

void EditorsTest::throwHalvesToEven_data() {
    QTest::addColumn<int>("throwDeg");
    QTest::addColumn<int>("halfThrow");
    QTest::addColumn<int>("barMax");
    QTest::newRow("31") << 31 << 16 << 18;
    QTest::newRow("33") << 33 << 16 << 18;
    QTest::newRow("35") << 35 << 18 << 20;
}

void EditorsTest::throwHalvesToEven() {
    QFETCH(int, throwDeg);
    QFETCH(int, barMax);
    Form1 w;
    w.ScrollThrow->setValue(throwDeg);
    QTEST(int(w.HalfThrow), "halfThrow");
    QCOMPARE(range(w.ScrollPosition), qMakePair(-barMax, barMax));
}

void EditorsTest::centreMovesWidthButNotPercent() {
    Form1 w;
    w.ScrollPosition->setValue(20);
    const QString percent = w.TPercent->text();
    w.ScrollCentre->setValue(-30);
    QCOMPARE(w.TWidth->text(), QStringLiteral("1670 uS"));
    QCOMPARE(w.TPercent->text(), percent);
}

void EditorsTest::unchangedValueRunsNothing() {
    Form1 w;
    w.LWidth->setText(QStringLiteral("untouched"));
    w.ScrollPosition->setValue(0);
    w.ScrollCentre->setValue(0);
    QCOMPARE(w.LWidth->text(), QStringLiteral("untouched"));
    w.ScrollPosition->setValue(5);
    QCOMPARE(w.LWidth->text(), QStringLiteral("Pulse width for 5 degrees"));
}

void EditorsTest::draggedThumbUpdatesReadouts() {
    Form1 w;
    w.Fr_Position->setEnabled(true);
    w.ScrollPosition->setSliderDown(true);
    w.ScrollPosition->setSliderPosition(-12);
    QCOMPARE(w.LWidth->text(), QStringLiteral("Pulse width for -12 degrees"));
    w.ScrollPosition->setSliderDown(false);
}

void EditorsTest::screenReaderHearsWhatTheGaugeShows_data() {
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("description");
    QTest::newRow("throw at start") << "ScrollThrow" << 90 << "50 deg.";
    QTest::newRow("throw 120") << "ScrollThrow" << 120 << "67 deg.";
    QTest::newRow("speed 40") << "ScrollSpeed" << 40 << "40 %";
    QTest::newRow("centre at start") << "ScrollCentre" << 0 << "1500 uS";
    QTest::newRow("centre -27") << "ScrollCentre" << -27 << "1473 uS";
    QTest::newRow("deadband 9") << "ScrollDeadband" << 9 << "9 uS";
    QTest::newRow("position -35") << "ScrollPosition" << -35 << "-35 deg.";
}

void EditorsTest::screenReaderHearsWhatTheGaugeShows() {
    QFETCH(QString, bar);
    QFETCH(int, value);
    Form1 w;
    auto *scroll = w.findChild<QScrollBar *>(bar);
    scroll->setValue(value);
    QTEST(QAccessible::queryAccessibleInterface(scroll)->text(QAccessible::Description),
          "description");
}

void EditorsTest::arrowKeysMoveAsTheGaugeReads_data() {
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("step");
    const std::pair<Qt::Key, int> keys[] = {
        {Qt::Key_Right, 1}, {Qt::Key_Up, 1}, {Qt::Key_Left, -1}, {Qt::Key_Down, -1}};
    for (const char *bar :
         {"ScrollThrow", "ScrollSpeed", "ScrollCentre", "ScrollDeadband", "ScrollPosition"}) {
        for (const auto &[key, step] : keys)
            QTest::addRow("%s %s", bar, qPrintable(QKeySequence(key).toString()))
                << bar << int(key) << step;
    }
}

void EditorsTest::arrowKeysMoveAsTheGaugeReads() {
    QFETCH(QString, bar);
    QFETCH(int, key);
    QFETCH(int, step);
    Form1 w;
    enableEditors(w);
    auto *scroll = w.findChild<QScrollBar *>(bar);
    const int middle = (scroll->minimum() + scroll->maximum()) / 2;
    scroll->setValue(middle);
    QTest::keyClick(scroll, Qt::Key(key));
    QCOMPARE(scroll->value(), middle + step);
}

QTEST_MAIN(EditorsTest)
#include "tst_editors.moc"
