#include "drawingfixture.h"
#include "imagemap/core/imagemaphtml.h"
#include "testmain.h"

#include <QTest>

using imagemap::CircleBand;
using imagemap::DrawingAction;
using imagemap::ShapeKind;
using testsupport::DrawingFixture;

// Circles: dragged from the centre with circle drawing on, stored in three vertex slots, hit
// by distance, removed by Cancel and Delete, written as CIRCLE areas.
class TestHotspotCircles : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<DrawingFixture> f;

private slots:
    void init() { f = std::make_unique<DrawingFixture>(); }
    void cleanup() { QCOMPARE(f->prompter.pendingAnswers(), 0); }

    void radiusThreshold_data()
    {
        QTest::addColumn<QPoint>("rim");
        QTest::addColumn<int>("radius"); // 0: no shape
        // Every drag starts at the centre (100, 80).
        QTest::newRow("3 right") << QPoint(103, 80) << 0;
        QTest::newRow("4 left") << QPoint(96, 80) << 4;
        QTest::newRow("2 left 2 up") << QPoint(98, 78) << 0; // 2.8 rounds to 3
        QTest::newRow("2 left 3 up") << QPoint(98, 77) << 4; // 3.6 rounds to 4
        QTest::newRow("3 left 4 up") << QPoint(97, 76) << 5;
        QTest::newRow("30 right 40 down") << QPoint(130, 120) << 50;
    }
    void radiusThreshold()
    {
        QFETCH(QPoint, rim);
        QFETCH(int, radius);
        f->drawing.setDrawCircles(true);
        const DrawingAction action = f->drag(QPoint(100, 80), rim);
        const bool shape = radius > 0;
        QCOMPARE(action, shape ? DrawingAction::ShowDialog : DrawingAction::None);
        QCOMPARE(f->state.vertexCount(), shape ? 3 : 1);
        if (!shape)
            return;
        QCOMPARE(f->state.pendingShape(), std::optional(ShapeKind::Circle));
        const imagemap::OutlineSegment outline = f->state.segments().at(2);
        QVERIFY(outline.round && outline.visible);
        QCOMPARE(outline.from, QPoint(100, 80));
        QCOMPARE(outline.to, rim);
        QCOMPARE(f->state.segments().indexes(), QList<int>({2}));
        QVERIFY(f->ok({QStringLiteral("c.htm"), QStringLiteral("Round"), {}}));
        const imagemap::HotspotRecord &row = f->row(1);
        QCOMPARE(row.shape, ShapeKind::Circle);
        QCOMPARE(row.points, QList<QPoint>({QPoint(100, 80), rim}));
        QCOMPARE(row.pointIndexes, QList<int>({2, 3, 4}));
        QCOMPARE(f->state.vertices().at(4), QPoint(100, 80));
        const QStringList lines
            = imagemap::buildImageMap(QStringLiteral("/w/pic.gif"), f->state.hotspots())
                  .text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines[2],
            QStringLiteral("<AREA SHAPE=\"CIRCLE\" ALT=\"Round\" COORDS=\"100,80,%1\" "
                           "HREF=\"c.htm\" TARGET=\"\">")
                .arg(radius));
    }

    void bandFollowsThePointer()
    {
        f->drawing.setDrawCircles(true);
        f->drawing.press(QPoint(50, 50), Qt::LeftButton, Qt::NoModifier);
        f->drawing.move(QPoint(56, 58), Qt::LeftButton, Qt::NoModifier);
        QCOMPARE(f->drawing.circleBand(), std::optional(CircleBand{QPoint(50, 50), 10}));
        QCOMPARE(f->drawing.normalisedBand(), QRect());
        // Switching the option during a drag does not change the shape being dragged.
        f->drawing.setDrawCircles(false);
        f->drawing.move(QPoint(50, 30), Qt::LeftButton, Qt::NoModifier);
        QCOMPARE(f->drawing.circleBand(), std::optional(CircleBand{QPoint(50, 50), 20}));
        QCOMPARE(f->release(QPoint(50, 30), Qt::LeftButton), DrawingAction::ShowDialog);
        QVERIFY(!f->drawing.circleBand());
        QCOMPARE(f->state.pendingShape(), std::optional(ShapeKind::Circle));
        QVERIFY(f->properties.cancel());
        // With the option off again a drag is a rectangle.
        QCOMPARE(f->storeRectangle(QPoint(10, 10), QPoint(40, 40)), 1);
        QCOMPARE(f->row(1).shape, ShapeKind::Rectangle);
    }

    void hitByDistance_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("row"); // 0: nothing
        // Row 1: centre (100, 100), radius 50; row 2: a rectangle over its right part.
        QTest::newRow("centre") << QPoint(100, 100) << 1;
        QTest::newRow("on the rim") << QPoint(130, 140) << 1;
        QTest::newRow("just outside the rim") << QPoint(131, 141) << 2;
        QTest::newRow("bounding-box corner") << QPoint(60, 60) << 0;
        QTest::newRow("rectangle only") << QPoint(170, 100) << 2;
        QTest::newRow("outside both") << QPoint(40, 160) << 0;
    }
    void hitByDistance()
    {
        QFETCH(QPoint, at);
        QFETCH(int, row);
        QCOMPARE(f->storeCircle(QPoint(100, 100), QPoint(100, 150)), 1);
        QCOMPARE(f->storeRectangle(QPoint(120, 60), QPoint(200, 160)), 2);
        QCOMPARE(
            f->press(at, Qt::RightButton), row ? DrawingAction::ShowDialog : DrawingAction::None);
        QCOMPARE(f->state.currentHotspot(), row);
        if (row)
            QVERIFY(f->properties.cancel());
    }

    void cancelAndDeleteRemoveTheCircle()
    {
        QCOMPARE(f->storeRectangle(QPoint(0, 0), QPoint(20, 20)), 1);
        f->drawing.setDrawCircles(true);
        QCOMPARE(f->drag(QPoint(100, 100), QPoint(120, 100)), DrawingAction::ShowDialog);
        QVERIFY(f->properties.cancel());
        QCOMPARE(f->state.vertexCount(), 6);
        QCOMPARE(f->state.segments().indexes(), QList<int>({2, 3, 4, 5}));

        QCOMPARE(f->drag(QPoint(100, 100), QPoint(120, 100)), DrawingAction::ShowDialog);
        QVERIFY(f->ok({QStringLiteral("c.htm"), {}, {}}));
        QCOMPARE(f->row(2).pointIndexes, QList<int>({7, 8, 9}));
        QCOMPARE(f->press(QPoint(110, 100), Qt::RightButton), DrawingAction::ShowDialog);
        QCOMPARE(f->state.currentHotspot(), 2);
        f->prompter.answer(platform::MessageAnswer::Yes);
        QVERIFY(f->remove());
        QVERIFY(f->row(2).isFree());
        QCOMPARE(f->state.segments().indexes(), QList<int>({2, 3, 4, 5}));
        QCOMPARE(f->state.regions().count(), 1);
        QCOMPARE(f->press(QPoint(110, 100), Qt::RightButton), DrawingAction::None);
    }

    void capacity()
    {
        // 32 circles take indexes 2 to 97; a 33rd would need 98, 99 and 100.
        for (int i = 0; i < 32; ++i)
            QCOMPARE(f->storeCircle(QPoint(50, 50), QPoint(60, 50)), i + 1);
        QCOMPARE(f->state.vertexCount(), 97);
        f->prompter.answer(platform::MessageAnswer::Ok);
        f->drawing.setDrawCircles(true);
        QCOMPARE(f->drag(QPoint(50, 50), QPoint(60, 50)), DrawingAction::None);
        QCOMPARE(f->prompter.lastText(), imagemap::capacityMessage());
        QCOMPARE(f->state.vertexCount(), 97);
        QCOMPARE(f->state.segments().all().size(), 32);
    }
};

TRELLIS_TEST(TestHotspotCircles)
#include "tst_hotspotcircles.moc"
