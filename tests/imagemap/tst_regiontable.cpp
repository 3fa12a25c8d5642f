#include "imagemap/core/regiontable.h"
#include "testmain.h"

#include <QTest>

using imagemap::RegionTable;

class TestRegionTable : public QObject
{
    Q_OBJECT
private slots:
    void contains_data()
    {
        QTest::addColumn<QPolygon>("polygon");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("inside");
        const QPolygon triangle({QPoint(50, 10), QPoint(90, 60), QPoint(10, 60), QPoint(50, 10)});
        QTest::newRow("triangle inside") << triangle << QPoint(50, 40) << true;
        QTest::newRow("triangle corner outside") << triangle << QPoint(15, 15) << false;
        QTest::newRow("triangle below") << triangle << QPoint(50, 70) << false;
        // A five-pointed star drawn in one stroke: its centre is covered twice, so the
        // odd-even rule leaves it out while the points are in.
        const QPolygon star({QPoint(50, 0), QPoint(79, 90), QPoint(2, 35), QPoint(98, 35),
            QPoint(21, 90), QPoint(50, 0)});
        QTest::newRow("star centre") << star << QPoint(50, 50) << false;
        QTest::newRow("star top point") << star << QPoint(50, 15) << true;
        const QPolygon line({QPoint(10, 10), QPoint(90, 10), QPoint(10, 10)});
        QTest::newRow("two points") << line << QPoint(50, 10) << false;
        const QPolygon collinear({QPoint(0, 0), QPoint(50, 50), QPoint(100, 100), QPoint(0, 0)});
        QTest::newRow("collinear") << collinear << QPoint(50, 50) << false;
        QTest::newRow("single point") << QPolygon({QPoint(5, 5)}) << QPoint(5, 5) << false;
    }
    void contains()
    {
        QFETCH(QPolygon, polygon);
        QFETCH(QPoint, point);
        QFETCH(bool, inside);
        RegionTable table;
        const int handle = table.create(polygon);
        QVERIFY(handle > 0);
        QCOMPARE(table.contains(handle, point), std::optional<bool>(inside));
    }

    void handles()
    {
        RegionTable table(2);
        QCOMPARE(table.create(QPolygon()), 0);
        const int a = table.create(QPolygon(QRect(0, 0, 10, 10)));
        const int b = table.create(QPolygon(QRect(20, 0, 10, 10)));
        QVERIFY(a > 0);
        QVERIFY(b > 0);
        QVERIFY(a != b);
        QCOMPARE(table.count(), 2);
        // Full: no third region until one is freed.
        QCOMPARE(table.create(QPolygon(QRect(0, 0, 3, 3))), 0);
        QVERIFY(table.erase(a));
        QVERIFY(!table.erase(a));
        QCOMPARE(table.contains(a, QPoint(5, 5)), std::nullopt);
        QCOMPARE(table.contains(b, QPoint(25, 5)), std::optional<bool>(true));
        const int c = table.create(QPolygon(QRect(0, 0, 3, 3)));
        QVERIFY(c > 0);
        QVERIFY(c != a);
        QCOMPARE(table.contains(0, QPoint()), std::nullopt);
        QCOMPARE(table.contains(-1, QPoint()), std::nullopt);
    }
};

TRELLIS_TEST(TestRegionTable)
#include "tst_regiontable.moc"
