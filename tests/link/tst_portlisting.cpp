// Which ports are listed, in which order, and where the search stops.
#include "support/servotransport.h"

#include <QTest>

using namespace tessaro;

class TestPortListing : public QObject {
    Q_OBJECT

private slots:
    void portsThatOpenAreListedInOrder_data() {
        QTest::addColumn<std::vector<int>>("servos"); // negative: held by another program
        QTest::addColumn<std::vector<int>>("listed");
        QTest::newRow("7 and 3") << std::vector<int>{7, 3} << std::vector<int>{3, 7};
        QTest::newRow("none") << std::vector<int>{} << std::vector<int>{};
        QTest::newRow("5 in use") << std::vector<int>{2, -5} << std::vector<int>{2};
        QTest::newRow("22 is past the last") << std::vector<int>{21, 22} << std::vector<int>{21};
    }

    void portsThatOpenAreListedInOrder() {
        QFETCH(std::vector<int>, servos);
        QFETCH(std::vector<int>, listed);
        LinkRig link;
        for (int com : servos) {
            link.servos->add(std::abs(com));
            if (com < 0)
                link.servos->refuse(-com, link::OpenFailure::Busy);
        }
        link.session.FindComPorts();
        QCOMPARE(link.session.portTable(), listed);
        QCOMPARE(link.session.listedPortsGone(), listed.empty());
        QVERIFY(!link.session.port().portOpen());
    }

    void searchStopsAtTheFirstServo() {
        LinkRig link;
        for (int com : {3, 7, 9})
            link.servos->add(com);
        link.servos->at(3).setFault(servoemu::Fault::Long37);
        link.session.FindComPorts();
        QCOMPARE(link.session.search().found, 1);
        QCOMPARE(link.servos->at(9).readRequestCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestPortListing)
#include "tst_portlisting.moc"
