// Which ports are listed, which one the search stops at, when the list is stale.
#include "support/servotransport.h"

#include <QTest>
#include <numeric>

using servolink::OpenFailure;

class TestPortListing : public QObject {
    Q_OBJECT

private slots:
    void portsThatOpenAreListedInOrder_data();
    void portsThatOpenAreListedInOrder();
    void searchStopsAtTheFirstServo();
    void listGoneWhenAListedDeviceGoes();
};

void TestPortListing::portsThatOpenAreListedInOrder_data() {
    QTest::addColumn<std::vector<int>>("servos");
    QTest::addColumn<int>("busy");
    QTest::addColumn<std::vector<int>>("listed");
    std::vector<int> all(21);
    std::iota(all.begin(), all.end(), 1);
    QTest::newRow("3 and 7") << std::vector<int>{7, 3} << 0 << std::vector<int>{3, 7};
    QTest::newRow("all 21") << all << 0 << all;
    QTest::newRow("none") << std::vector<int>{} << 0 << std::vector<int>{};
    QTest::newRow("5 in use") << std::vector<int>{2, 5} << 5 << std::vector<int>{2};
}

void TestPortListing::portsThatOpenAreListedInOrder() {
    QFETCH(std::vector<int>, servos);
    QFETCH(int, busy);
    QFETCH(std::vector<int>, listed);
    LinkRig link;
    for (int com : servos)
        link.servos->add(com);
    if (busy)
        link.servos->refuse(busy, OpenFailure::Busy);
    link.session.FindComPorts();
    QCOMPARE(link.session.portTable(), listed);
    QCOMPARE(link.session.refusedPorts().size(), std::size_t(21 - listed.size()));
    QVERIFY(!link.session.port().portOpen());
}

void TestPortListing::searchStopsAtTheFirstServo() {
    LinkRig link;
    link.servos->add(3).setFault(servoemu::Fault::Long37);
    link.servos->add(7);
    link.servos->add(9);
    link.session.FindComPorts();
    QCOMPARE(link.session.search(), 1);
    QCOMPARE(link.servos->at(3).readRequestCount(), 1);
    QCOMPARE(link.servos->at(7).readRequestCount(), 1);
    QCOMPARE(link.servos->at(9).readRequestCount(), 0);
}

void TestPortListing::listGoneWhenAListedDeviceGoes() {
    LinkRig link;
    link.servos->add(3);
    link.servos->add(7);
    link.session.FindComPorts();
    QVERIFY(!link.session.listedPortsGone());
    link.servos->pullCable(7);
    QVERIFY(link.session.listedPortsGone());
    link.servos->plugBack(7);
    QVERIFY(!link.session.listedPortsGone());
}

QTEST_GUILESS_MAIN(TestPortListing)
#include "tst_portlisting.moc"
