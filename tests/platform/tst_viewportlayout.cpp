#include "platform/viewportlayout.h"
#include "testmain.h"

#include <QTest>

using platform::layOutViewport;
using platform::ScrollBarLayout;

Q_DECLARE_METATYPE(ScrollBarLayout)

class TestViewportLayout : public QObject
{
    Q_OBJECT
private slots:
    void layout_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRect>("viewport");
        QTest::addColumn<ScrollBarLayout>("horizontal");
        QTest::addColumn<ScrollBarLayout>("vertical");
        // Largest viewport 6000 x 4000 at (120, 1020), bars 240 thick.
        QTest::newRow("smaller picture: its own size, no bars")
            << QSize(3000, 2000) << QRect(120, 1020, 3000, 2000) << ScrollBarLayout{}
            << ScrollBarLayout{};
        QTest::newRow("exactly the largest size")
            << QSize(6000, 4000) << QRect(120, 1020, 6000, 4000) << ScrollBarLayout{}
            << ScrollBarLayout{};
        QTest::newRow("wider only: horizontal bar under the viewport")
            << QSize(9000, 3000) << QRect(120, 1020, 6000, 3000)
            << ScrollBarLayout{true, QRect(120, 4020, 6000, 240), 3000, 300} << ScrollBarLayout{};
        QTest::newRow("taller only: vertical bar on the right")
            << QSize(1500, 4015) << QRect(120, 1020, 1500, 4000) << ScrollBarLayout{}
            << ScrollBarLayout{true, QRect(1620, 1020, 240, 4000), 15, 2};
        QTest::newRow("larger both ways, past 16 bits")
            << QSize(45000, 40000) << QRect(120, 1020, 6000, 4000)
            << ScrollBarLayout{true, QRect(120, 5020, 6000, 240), 39000, 3900}
            << ScrollBarLayout{true, QRect(6120, 1020, 240, 4000), 36000, 3600};
        QTest::newRow("four pixels over: the smallest step is one")
            << QSize(6004, 100) << QRect(120, 1020, 6000, 100)
            << ScrollBarLayout{true, QRect(120, 1120, 6000, 240), 4, 1} << ScrollBarLayout{};
    }
    void layout()
    {
        QFETCH(QSize, picture);
        QFETCH(QRect, viewport);
        QFETCH(ScrollBarLayout, horizontal);
        QFETCH(ScrollBarLayout, vertical);
        const auto layout = layOutViewport(QPoint(120, 1020), QSize(6000, 4000), picture, 240);
        QCOMPARE(layout.viewport, viewport);
        QVERIFY(layout.horizontal == horizontal);
        QVERIFY(layout.vertical == vertical);
    }
};

TRELLIS_TEST(TestViewportLayout)
#include "tst_viewportlayout.moc"
