#include "designbuilder.h"
#include "frameset/core/design.h"
#include "frameset/core/sizelists.h"
#include "testmain.h"

#include <QTest>

using namespace framesettest;

namespace {

struct Rect
{
    QString path;
    float left, top, width, height;
};

} // namespace

Q_DECLARE_METATYPE(Rect)

namespace {

frameset::Design designOf(const QList<Rect> &rects)
{
    frameset::Design design;
    for (int i = 0; i < rects.size(); ++i) {
        frameset::CellView cell;
        std::tie(cell.left, cell.top, cell.width, cell.height)
            = std::tie(rects[i].left, rects[i].top, rects[i].width, rects[i].height);
        if (i == 0) {
            design.cell(0) = cell;
            design.labels(0).path = rects[i].path;
        } else {
            design.appendCell(cell, rects[i].path);
        }
    }
    return design;
}

} // namespace

// The size list of a split, worked out from its cells. How fixed sizes replace the lists in the
// document is the cases under tests/cases/frameset/fixed-*.
class TestSizeLists : public QObject
{
    Q_OBJECT
private slots:
    void splitSizeList_data()
    {
        QTest::addColumn<QList<Rect>>("cells");
        QTest::addColumn<QString>("key");
        QTest::addColumn<frameset::SplitDirection>("kind");
        QTest::addColumn<QString>("sizes");
        const QList<Rect> thirds = {{"1", 0, 450, 3000, 6000}, {"2", 3000, 450, 6000, 6000}};
        QTest::newRow("a third") << thirds << "1" << Column << "33%,*";
        QTest::newRow("halves") << QList<Rect>{{"1", 0, 450, 4500, 6000},
            {"2", 4500, 450, 4500, 6000}}
                                << "1" << Column << "50%,*";
        QTest::newRow("rounds half up")
            << QList<Rect>{{"1", 0, 0, 1000, 10}, {"2", 1000, 0, 7000, 10}} << "1" << Column
            << "13%,*";
        QTest::newRow("rows") << QList<Rect>{{"1", 0, 450, 9000, 4500}, {"2", 0, 4950, 9000, 1500}}
                              << "1" << Row << "75%,*";
        // The first side is itself split: it spans from its top-left to its bottom-right cell.
        QTest::newRow("nested sides") << QList<Rect>{{"11", 0, 0, 2000, 100},
            {"2", 4000, 0, 12000, 100}, {"12", 2000, 0, 2000, 100}}
                                      << "1" << Column << "25%,*";
        QTest::newRow("inner split") << QList<Rect>{{"1", 0, 0, 4500, 6000},
            {"21", 4500, 0, 4500, 1000}, {"22", 4500, 1000, 4500, 5000}}
                                     << "21" << Row << "17%,*";
        QTest::newRow("unknown key")
            << QList<Rect>{{"1", 0, 0, 10, 10}, {"2", 10, 0, 30, 10}} << "21" << Column << "50%,*";
        QTest::newRow("no extent")
            << QList<Rect>{{"1", 0, 0, 0, 10}, {"2", 0, 0, 0, 10}} << "1" << Column << "50%,*";
    }
    void splitSizeList()
    {
        QFETCH(QList<Rect>, cells);
        QFETCH(QString, key);
        QFETCH(frameset::SplitDirection, kind);
        QFETCH(QString, sizes);
        QCOMPARE(frameset::splitSizeList(designOf(cells), key, kind), sizes);
    }

    void splitSizeListTakesTheFirstChildsFixedSize()
    {
        frameset::Design design = designOf({{"1", 0, 0, 1810, 6000}, {"2", 1810, 0, 7190, 6000}});
        design.properties().record(0).fixedWidthPixels = number(120);
        QCOMPARE(frameset::splitSizeList(design, "1", Column), QStringLiteral("120,*"));
        design.properties().record(0).fixedHeightPixels = text("90");
        QCOMPARE(frameset::splitSizeList(design, "1", Row), QStringLiteral("90,*"));
    }

    void deepKeysStillGetSizeLists()
    {
        // Keys of six and more digits (nesting deeper than five levels) and beyond fifteen.
        for (const int depth : {6, 16, 24}) {
            const QString key = QString(depth - 1, u'2') + u'1';
            const QString second = QString(depth - 1, u'2') + u'2';
            const frameset::Design design
                = designOf({{"1", 0, 0, 100, 100}, {key, 0, 0, 25, 10}, {second, 25, 0, 75, 10}});
            QCOMPARE(frameset::splitSizeList(design, key, Column), QStringLiteral("25%,*"));
        }
    }
};

TRELLIS_TEST(TestSizeLists)
#include "tst_sizelists.moc"
