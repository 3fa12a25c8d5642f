#include "designbuilder.h"
#include "frameset/core/cellresizer.h"
#include "frameset/core/pixelscale.h"
#include "frameset/core/sizedisplay.h"
#include "testmain.h"

#include <QTest>

using namespace framesettest;
using frameset::CellView;
using frameset::PointerShape;

Q_DECLARE_METATYPE(frameset::PointerShape)

Q_DECLARE_METATYPE(frameset::ResizeMode)

namespace {

// The start-up design area: cell 0 at (0, 450), 9000 x 6000 twips, limits 90 inside.
struct Surface
{
    ModelFixture f;
    frameset::CellResizer resizer{f.model, 9000 - 90, 450 + 6000 - 90};
    // The beeps the window would give: a drag crossing a cell's far edge, a refused border.
    int refusals = 0;

    // Cell 0 | cell 1 side by side, then cell 0 over cell 2: cells 0 and 2 end on x = 4500.
    Surface()
    {
        f.split(0, Column);
        f.split(0, Row);
        f.model.setModified(false);
    }

    const CellView &cell(int i) const { return f.model.design().cell(i); }
    QRectF rect(int i) const
    {
        return QRectF(cell(i).left, cell(i).top, cell(i).width, cell(i).height);
    }

    // Moves over cell i with the left button held.
    void move(int i, float x, float y)
    {
        refusals += resizer.mouseMove(i, x, y, true, true).refusedNegative ? 1 : 0;
    }
    // Releases the button over cell i; whether the border moved.
    bool release(int i)
    {
        const frameset::BorderMove moved = resizer.mouseUp(i);
        refusals += moved == frameset::BorderMove::Refused ? 1 : 0;
        return moved == frameset::BorderMove::Moved;
    }

    // Presses the left button on cell i at (x, y), drags through the points and releases.
    bool drag(int i, QList<QPointF> points)
    {
        resizer.mouseDown(i, true);
        for (const QPointF &p : points)
            move(i, float(p.x()), float(p.y()));
        return release(i);
    }
};

} // namespace

class TestCellResizer : public QObject
{
    Q_OBJECT
private slots:
    void hitZones_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<PointerShape>("pointer");
        // Cell 0 is 4500 x 2999 at (0, 450); cell 1 is 4500 x 6000 at (4500, 450).
        QTest::newRow("right-edge zone") << 0 << 4411.0f << 100.0f << PointerShape::SizeLeftRight;
        QTest::newRow("just outside it") << 0 << 4410.0f << 100.0f << PointerShape::Arrow;
        QTest::newRow("bottom-edge zone") << 0 << 100.0f << 2911.0f << PointerShape::SizeUpDown;
        QTest::newRow("corner: right edge first")
            << 0 << 4450.0f << 2950.0f << PointerShape::SizeLeftRight;
        QTest::newRow("outer right edge") << 1 << 4450.0f << 100.0f << PointerShape::Arrow;
        QTest::newRow("outer bottom edge") << 1 << 100.0f << 5950.0f << PointerShape::Arrow;
        QTest::newRow("outer corner tests the right edge only")
            << 1 << 4450.0f << 5950.0f << PointerShape::Arrow;
        QTest::newRow("inner right edge of a lower cell")
            << 2 << 4450.0f << 100.0f << PointerShape::SizeLeftRight;
        QTest::newRow("outer bottom edge of a lower cell")
            << 2 << 100.0f << 2950.0f << PointerShape::Arrow;
        QTest::newRow("inside") << 2 << 100.0f << 100.0f << PointerShape::Arrow;
    }
    void hitZones()
    {
        QFETCH(int, cell);
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(PointerShape, pointer);
        Surface s;
        QCOMPARE(s.cell(0).height, 3000.0f);
        QCOMPARE(s.resizer.mouseMove(cell, x, y, false, false).pointer, pointer);
    }

    void pointerStaysAtAnOuterEdge()
    {
        Surface s;
        QCOMPARE(
            s.resizer.mouseMove(0, 4450, 100, false, false).pointer, PointerShape::SizeLeftRight);
        // Over the outer edge the zone does not count, and the pointer is left as it was.
        QCOMPARE(
            s.resizer.mouseMove(1, 4450, 100, false, false).pointer, PointerShape::SizeLeftRight);
        QCOMPARE(s.resizer.mouseMove(1, 100, 100, false, false).pointer, PointerShape::Arrow);
    }

    void limitsOfAnOpenedDesign_data()
    {
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("height");
        QTest::addColumn<int>("cell");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<PointerShape>("areaPointer");
        QTest::addColumn<PointerShape>("designPointer");
        // Two columns of a design area that ends at 9000 x 6450: a larger design has its inner
        // border beyond that, a smaller one its outer edges inside it.
        QTest::newRow("inner border of a larger design")
            << 18000.0f << 12000.0f << 0 << 8950.0f << 100.0f << PointerShape::Arrow
            << PointerShape::SizeLeftRight;
        QTest::newRow("outer right edge of a larger design")
            << 18000.0f << 12000.0f << 1 << 8950.0f << 100.0f << PointerShape::Arrow
            << PointerShape::Arrow;
        QTest::newRow("outer bottom edge of a larger design")
            << 18000.0f << 12000.0f << 0 << 100.0f << 11950.0f << PointerShape::Arrow
            << PointerShape::Arrow;
        QTest::newRow("inner border of a smaller design")
            << 6000.0f << 4000.0f << 0 << 2950.0f << 100.0f << PointerShape::SizeLeftRight
            << PointerShape::SizeLeftRight;
        QTest::newRow("outer right edge of a smaller design")
            << 6000.0f << 4000.0f << 1 << 2950.0f << 100.0f << PointerShape::SizeLeftRight
            << PointerShape::Arrow;
        QTest::newRow("outer bottom edge of a smaller design")
            << 6000.0f << 4000.0f << 0 << 100.0f << 3950.0f << PointerShape::SizeUpDown
            << PointerShape::Arrow;
    }
    void limitsOfAnOpenedDesign()
    {
        QFETCH(float, width);
        QFETCH(float, height);
        QFETCH(int, cell);
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(PointerShape, areaPointer);
        QFETCH(PointerShape, designPointer);
        ModelFixture f(width, height);
        QVERIFY(f.split(0, Column));
        frameset::CellResizer resizer(f.model, 9000 - 90, 450 + 6000 - 90);
        // From the middle of the cell, so the pointer does not keep an earlier shape.
        auto pointerAt = [&] {
            resizer.mouseMove(cell, 100, 100, false, false);
            return resizer.mouseMove(cell, x, y, false, false).pointer;
        };
        QCOMPARE(pointerAt(), areaPointer);
        resizer.limitToDesign();
        QCOMPARE(resizer.rightLimit(), width - 90);
        QCOMPARE(resizer.bottomLimit(), 450 + height - 90);
        QCOMPARE(pointerAt(), designPointer);
        resizer.restoreLimits();
        QCOMPARE(resizer.rightLimit(), 8910.0f);
        QCOMPARE(resizer.bottomLimit(), 6360.0f);
        QCOMPARE(pointerAt(), areaPointer);
    }

    void singleCellIgnoresThePress()
    {
        ModelFixture f;
        frameset::CellResizer resizer(f.model, 8910, 6360);
        QVERIFY(!resizer.mouseDown(0, true));
        QCOMPARE(resizer.mouseMove(0, 8950, 100, true, true).pointer, PointerShape::Arrow);
        QCOMPARE(resizer.mouseUp(0), frameset::BorderMove::None);
        QCOMPARE(f.model.design().cell(0).width, 9000.0f);
        QVERIFY(!f.model.isModified());
    }

    void mouseDownSelects()
    {
        Surface s;
        QVERIFY(s.resizer.mouseDown(1, false));
        QCOMPARE(s.f.model.selectedCell(), 1);
        QVERIFY(!s.release(1));
    }

    void dragMovesTheSharedBorder()
    {
        Surface s;
        QVERIFY(s.drag(0, {{4450, 100}, {4300, 100}, {4200, 120}}));
        // Cell 0 shrinks, cell 1 widens and moves, cell 2 below ended on the same line.
        QCOMPARE(s.rect(0), QRectF(0, 450, 4200, 3000));
        QCOMPARE(s.rect(1), QRectF(4200, 450, 4800, 6000));
        QCOMPARE(s.rect(2), QRectF(0, 3450, 4200, 3000));
        for (int i = 0; i <= 2; ++i)
            QCOMPARE(s.cell(i).scroll.left, s.cell(i).right() - 255);
        QVERIFY(s.f.model.isModified());
        QCOMPARE(s.refusals, 0);
    }

    void dragMovesARowBorder()
    {
        Surface s;
        QVERIFY(s.drag(0, {{100, 2950}, {100, 3300}}));
        QCOMPARE(s.rect(0), QRectF(0, 450, 4500, 3300));
        QCOMPARE(s.rect(2), QRectF(0, 3750, 4500, 2700));
        QCOMPARE(s.cell(2).scroll.top, s.cell(2).top);
        QCOMPARE(s.cell(2).scroll.height, 2700.0f);
        QCOMPARE(s.rect(1), QRectF(4500, 450, 4500, 6000));
    }

    void refusedDragRestoresTheCell()
    {
        Surface s;
        QVERIFY(!s.drag(0, {{4450, 100}, {9100, 100}}));
        QCOMPARE(s.refusals, 1);
        QCOMPARE(s.rect(0), QRectF(0, 450, 4500, 3000));
        QCOMPARE(s.cell(0).scroll.left, 4500.0f - 255);
        QCOMPARE(s.rect(1), QRectF(4500, 450, 4500, 6000));
        QCOMPARE(s.rect(2), QRectF(0, 3450, 4500, 3000));
        QVERIFY(!s.f.model.isModified());
    }

    void dragToNoWidthIsRefused()
    {
        Surface s;
        QVERIFY(!s.drag(0, {{4450, 100}, {0, 100}}));
        QCOMPARE(s.cell(0).width, 4500.0f);
        QCOMPARE(s.refusals, 1);
    }

    void negativeSizeKeepsTheLastValidOne()
    {
        Surface s;
        s.resizer.mouseDown(0, true);
        s.move(0, 4450, 100);
        s.move(0, 300, 100);
        QVERIFY(s.resizer.sizeChanged());
        s.move(0, -40, 100);
        s.move(0, -80, 100);
        QVERIFY(!s.resizer.sizeChanged());
        QCOMPARE(s.cell(0).width, 300.0f);
        QCOMPARE(s.refusals, 1);
        QVERIFY(s.release(0));
        QCOMPARE(s.cell(1).left, 300.0f);
    }

    void outerEdgesNeverMove()
    {
        Surface s;
        QVERIFY(!s.drag(1, {{4450, 100}, {4000, 100}}));
        QVERIFY(!s.drag(1, {{100, 5950}, {100, 5000}}));
        QVERIFY(!s.drag(2, {{100, 2950}, {100, 2000}}));
        QCOMPARE(s.rect(1), QRectF(4500, 450, 4500, 6000));
        QCOMPARE(s.rect(2), QRectF(0, 3450, 4500, 3000));
        QVERIFY(!s.f.model.isModified());
    }

    void aDragKeepsItsDirection_data()
    {
        QTest::addColumn<QPointF>("start");
        QTest::addColumn<QPointF>("wander");
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("height");
        QTest::addColumn<frameset::ResizeMode>("mode");
        // The first sizing move decides; a jump into the other zone does not switch.
        QTest::newRow("width, then into the bottom zone")
            << QPointF(4450, 100) << QPointF(4000, 2950) << 4000.0f << 3000.0f
            << frameset::ResizeMode::Width;
        QTest::newRow("height, then into the right zone")
            << QPointF(100, 2950) << QPointF(4450, 2500) << 4500.0f << 2500.0f
            << frameset::ResizeMode::Height;
    }
    void aDragKeepsItsDirection()
    {
        QFETCH(QPointF, start);
        QFETCH(QPointF, wander);
        QFETCH(float, width);
        QFETCH(float, height);
        QFETCH(frameset::ResizeMode, mode);
        Surface s;
        s.resizer.mouseDown(0, true);
        QCOMPARE(s.resizer.resizeMode(), frameset::ResizeMode::None);
        const PointerShape first
            = s.resizer.mouseMove(0, float(start.x()), float(start.y()), true, true).pointer;
        QCOMPARE(s.resizer.resizeMode(), mode);
        QCOMPARE(s.resizer.mouseMove(0, float(wander.x()), float(wander.y()), true, true).pointer,
            first);
        QCOMPARE(s.resizer.resizeMode(), mode);
        QCOMPARE(s.cell(0).width, width);
        QCOMPARE(s.cell(0).height, height);
        QVERIFY(s.release(0));
        QCOMPARE(s.resizer.resizeMode(), frameset::ResizeMode::None);
        // After the release the zones count again.
        QCOMPARE(s.resizer.mouseMove(0, 100, s.cell(0).height - 10, false, false).pointer,
            PointerShape::SizeUpDown);
    }

    void clickAfterADragChangesNothing()
    {
        Surface s;
        QVERIFY(s.drag(0, {{4450, 100}, {4200, 100}}));
        s.f.model.setModified(false);
        QVERIFY(!s.drag(0, {}));
        QCOMPARE(s.resizer.mouseMove(2, 210, 210, false, false).pointer, PointerShape::Arrow);
        QVERIFY(!s.drag(2, {{200, 200}}));
        QVERIFY(!s.f.model.isModified());
        QCOMPARE(s.cell(0).width, 4200.0f);
    }

    void sizeDisplay_data()
    {
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("height");
        QTest::addColumn<int>("factor");
        QTest::addColumn<QString>("text");
        QTest::newRow("example") << 4500.0f << 3000.0f << 15 << "300w  200h (pixels)";
        QTest::newRow("remainder dropped") << 1810.0f << 1799.6f << 15 << "120w  120h (pixels)";
        QTest::newRow("other factor") << 4500.0f << 3000.0f << 12 << "375w  250h (pixels)";
    }
    void sizeDisplay()
    {
        QFETCH(float, width);
        QFETCH(float, height);
        QFETCH(int, factor);
        QFETCH(QString, text);
        const frameset::PixelScale scale(factor);
        QCOMPARE(frameset::sizeDisplayText(width, height, scale, scale), text);
    }
};

TRELLIS_TEST(TestCellResizer)
#include "tst_cellresizer.moc"
