#include "drawingfixture.h"
#include "testmain.h"

#include <QTest>

using imagemap::DrawingAction;
using imagemap::ShapeKind;
using testsupport::DrawingFixture;

Q_DECLARE_METATYPE(imagemap::DrawingAction)

class TestHotspotDrawing : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<DrawingFixture> f;

private slots:
    void init() { f = std::make_unique<DrawingFixture>(); }
    void cleanup() { QCOMPARE(f->prompter.pendingAnswers(), 0); }

    void dragThreshold_data()
    {
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<bool>("shape");
        // Every drag starts at pixel (50, 20); a shape keeps the press and release points.
        QTest::newRow("3 right 3 down") << QPoint(53, 23) << false;
        QTest::newRow("4 right 0 down") << QPoint(54, 20) << true;
        QTest::newRow("0 right 4 down") << QPoint(50, 24) << true;
        QTest::newRow("3 right 100 up") << QPoint(53, -80) << false;
        QTest::newRow("up and left") << QPoint(10, 5) << false;
        QTest::newRow("down and left") << QPoint(20, 40) << true;
        QTest::newRow("up and right") << QPoint(80, 0) << true;
        QTest::newRow("plain") << QPoint(150, 70) << true;
    }
    void dragThreshold()
    {
        QFETCH(QPoint, to);
        QFETCH(bool, shape);
        const DrawingAction action = f->drag(QPoint(50, 20), to);
        QCOMPARE(action, shape ? DrawingAction::ShowDialog : DrawingAction::None);
        QVERIFY(!f->drawing.bandShown());
        QVERIFY(!f->drawing.dragArmed());
        QCOMPARE(f->state.vertexCount(), shape ? 5 : 1);
        QCOMPARE(f->state.segments().all().size(), shape ? 4 : 0);
        if (!shape)
            return;
        QCOMPARE(f->state.pendingShape(), std::optional(ShapeKind::Rectangle));
        QCOMPARE(f->state.currentHotspot(), 0);
        QCOMPARE(f->store("a.htm"), 1);
        QCOMPARE(f->row(1).points, QList<QPoint>({QPoint(50, 20), to}));
        QCOMPARE(f->row(1).shape, ShapeKind::Rectangle);
    }

    void rectangleCorners()
    {
        QCOMPARE(f->drag(QPoint(10, 20), QPoint(110, 70)), DrawingAction::ShowDialog);
        QCOMPARE(f->state.shapeStart(), 2);
        QCOMPARE(f->state.vertexCount(), 5);
        const imagemap::VertexStore &v = f->state.vertices();
        QCOMPARE(QList<QPoint>({v.at(2), v.at(3), v.at(4), v.at(5)}),
            QList<QPoint>({{10, 20}, {110, 20}, {110, 70}, {10, 70}}));
        const imagemap::OutlineSegments &s = f->state.segments();
        const QPoint a(10, 20), b(110, 20), c(110, 70), d(10, 70);
        QCOMPARE(s.all(),
            (QMap<int, imagemap::OutlineSegment>{
                {2, f->line(a, b)}, {3, f->line(b, c)}, {4, f->line(d, c)}, {5, f->line(a, d)}}));

        QCOMPARE(f->store("a.htm"), 1);
        QCOMPARE(f->state.vertexCount(), 6);
        QCOMPARE(v.at(6), QPoint(10, 20));
        QCOMPARE(f->row(1).points, QList<QPoint>({{10, 20}, {110, 70}}));
        QCOMPARE(f->row(1).pointIndexes, QList<int>({2, 3, 4, 5, 6}));
        QVERIFY(f->row(1).region > 0);
        // The closing point has no segment of its own.
        QCOMPARE(s.indexes(), QList<int>({2, 3, 4, 5}));
        QVERIFY(!f->state.dialogOpen());
    }

    void rubberBand()
    {
        f->drawing.press(QPoint(50, 20), Qt::LeftButton, Qt::NoModifier);
        QVERIFY(f->drawing.dragArmed());
        QCOMPARE(f->drawing.pressPoint(), QPoint(50, 20));
        QVERIFY(!f->drawing.bandShown());
        f->drawing.move(QPoint(52, 21), Qt::LeftButton, Qt::NoModifier);
        f->drawing.move(QPoint(20, 10), Qt::LeftButton, Qt::NoModifier);
        QVERIFY(f->drawing.bandShown());
        QCOMPARE(f->drawing.bandAnchor(), QPoint(50, 20));
        // Not normalised as dragged, normalised for painting.
        QCOMPARE(f->drawing.bandRect(), (imagemap::BandRect{50, 20, 20, 10}));
        QCOMPARE(f->drawing.normalisedBand(), QRect(QPoint(20, 10), QPoint(50, 20)));
        // Moves with a modifier held leave the band alone.
        f->drawing.move(QPoint(90, 90), Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(f->drawing.bandRect(), (imagemap::BandRect{50, 20, 20, 10}));
        f->drawing.windowActivated();
        QVERIFY(!f->drawing.bandShown());
        QCOMPARE(f->drawing.normalisedBand(), QRect());
        QCOMPARE(f->release(QPoint(20, 10), Qt::LeftButton), DrawingAction::None);
        QCOMPARE(f->state.vertexCount(), 1);
    }

    void inputsThatDrawNothing()
    {
        // A move without a press and a middle-button drag leave no band and no shape.
        f->drawing.move(QPoint(20, 10), Qt::LeftButton, Qt::NoModifier);
        QVERIFY(!f->drawing.bandShown());
        QCOMPARE(f->release(QPoint(40, 40), Qt::LeftButton), DrawingAction::None);
        QCOMPARE(f->press(QPoint(10, 10), Qt::MiddleButton), DrawingAction::None);
        f->drawing.move(QPoint(60, 60), Qt::MiddleButton, Qt::NoModifier);
        QCOMPARE(f->release(QPoint(60, 60), Qt::MiddleButton), DrawingAction::None);
        QCOMPARE(f->state.vertexCount(), 1);
    }

    void triangleExample()
    {
        QCOMPARE(f->storeRectangle(QPoint(200, 200), QPoint(220, 220)), 1);
        QCOMPARE(f->state.vertexCount(), 6);
        QCOMPARE(f->polygon({QPoint(50, 10), QPoint(90, 60), QPoint(10, 60)}),
            DrawingAction::ShowDialog);
        QCOMPARE(f->state.pendingShape(), std::optional(ShapeKind::Polygon));
        QCOMPARE(f->state.shapeStart(), 7);
        const imagemap::OutlineSegments &s = f->state.segments();
        // Segment 7 is the closing edge from the first to the latest vertex.
        QCOMPARE(s.at(7), f->line({50, 10}, {10, 60}));
        QCOMPARE(s.at(8), f->line({50, 10}, {90, 60}));
        QCOMPARE(s.at(9), f->line({90, 60}, {10, 60}));

        QCOMPARE(f->store(QStringLiteral("b.htm")), 2);
        QCOMPARE(f->row(2).points, QList<QPoint>({{50, 10}, {90, 60}, {10, 60}, {50, 10}}));
        QCOMPARE(f->row(2).pointIndexes, QList<int>({7, 8, 9, 10}));
        QCOMPARE(f->row(2).shape, ShapeKind::Polygon);
        QVERIFY(!f->state.polygonOpen());
    }

    void vertexModifiers_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("shift") << Qt::KeyboardModifiers(Qt::ShiftModifier);
        QTest::newRow("ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier);
        QTest::newRow("alt") << Qt::KeyboardModifiers(Qt::AltModifier);
    }
    void vertexModifiers()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        f->press(QPoint(30, 40), Qt::LeftButton, modifiers);
        QVERIFY(f->state.polygonOpen());
        QVERIFY(!f->drawing.dragArmed());
        QCOMPARE(f->state.vertexCount(), 2);
        QCOMPARE(f->state.firstVertex(), QPoint(30, 40));
        QCOMPARE(f->state.lastVertex(), QPoint(30, 40));
        // The first vertex makes the closing segment, of zero length so far.
        QCOMPARE(f->state.segments().at(2), f->line({30, 40}, {30, 40}));
    }

    void ctrlReleaseWithoutPolygon()
    {
        QCOMPARE(f->keyRelease(Qt::Key_Control), DrawingAction::None);
        f->press(QPoint(5, 5), Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(f->keyRelease(Qt::Key_Shift), DrawingAction::None);
        QCOMPARE(f->keyRelease(Qt::Key_Control), DrawingAction::None);
    }

    // A polygon that encloses nothing could never be hit: it is dropped with a beep and its
    // points and outline are given back.
    void polygonOfFewerThanThreeCornersIsDropped_data()
    {
        QTest::addColumn<QList<QPoint>>("corners");
        QTest::newRow("one corner") << QList<QPoint>{QPoint(5, 5)};
        QTest::newRow("two corners") << QList<QPoint>{QPoint(5, 5), QPoint(40, 5)};
        QTest::newRow("three, two the same")
            << QList<QPoint>{QPoint(5, 5), QPoint(40, 5), QPoint(5, 5)};
    }
    void polygonOfFewerThanThreeCornersIsDropped()
    {
        QFETCH(QList<QPoint>, corners);
        QCOMPARE(f->storeRectangle(QPoint(0, 0), QPoint(100, 100)), 1);
        const QList<int> outline = f->state.segments().indexes();
        QCOMPARE(f->polygon(corners), DrawingAction::None);
        QCOMPARE(f->prompter.beeps(), 1);
        QVERIFY(!f->state.polygonOpen());
        QVERIFY(!f->state.shapePending());
        QCOMPARE(f->state.vertexCount(), 6);
        QCOMPARE(f->state.segments().indexes(), outline);
        QCOMPARE(f->state.hotspots().usedCount(), 1);
        // Three distinct corners make a polygon, starting at the points given back.
        QCOMPARE(f->storePolygon({QPoint(5, 5), QPoint(40, 5), QPoint(5, 40)}), 2);
        QCOMPARE(f->row(2).pointIndexes, QList<int>({7, 8, 9, 10}));
    }

    void inputWaitsForOpenShape()
    {
        QCOMPARE(f->storeRectangle(QPoint(0, 0), QPoint(100, 100)), 1);
        f->press(QPoint(10, 10), Qt::LeftButton, Qt::ControlModifier);
        // A plain drag or a right-click would start over the open polygon's points.
        QCOMPARE(f->drag(QPoint(20, 20), QPoint(60, 60)), DrawingAction::None);
        QCOMPARE(f->press(QPoint(50, 50), Qt::RightButton), DrawingAction::None);
        QCOMPARE(f->state.vertexCount(), 7);
        f->press(QPoint(30, 10), Qt::LeftButton, Qt::ControlModifier);
        f->press(QPoint(10, 30), Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(f->keyRelease(Qt::Key_Control), DrawingAction::ShowDialog);
        // While the dialog is shown nothing reaches the drawing.
        QCOMPARE(f->drag(QPoint(20, 20), QPoint(60, 60)), DrawingAction::None);
        QCOMPARE(f->press(QPoint(50, 50), Qt::RightButton), DrawingAction::None);
        QCOMPARE(f->drawing.selectionNotified(1, 2, 3, 4), imagemap::DrawingResult());
        QCOMPARE(f->keyRelease(Qt::Key_Control), DrawingAction::None);
        QCOMPARE(f->state.vertexCount(), 9);
        QVERIFY(f->properties.cancel());
        QCOMPARE(f->press(QPoint(50, 50), Qt::RightButton), DrawingAction::ShowDialog);
        QVERIFY(f->properties.cancel());
    }

    void overlapFollowsRowsNotDrawing()
    {
        QCOMPARE(f->storeRectangle(QPoint(10, 10), QPoint(100, 100)), 1);
        QCOMPARE(f->storeRectangle(QPoint(200, 200), QPoint(300, 300)), 2);
        QCOMPARE(f->press(QPoint(20, 20), Qt::RightButton), DrawingAction::ShowDialog);
        f->prompter.answer(platform::MessageAnswer::Yes);
        QVERIFY(f->remove());
        // Drawn last but stored in row 1, so it wins over row 2 where they overlap.
        QCOMPARE(f->storePolygon({QPoint(250, 150), QPoint(350, 250), QPoint(250, 350)}), 1);
        QCOMPARE(f->press(QPoint(280, 250), Qt::RightButton), DrawingAction::ShowDialog);
        QCOMPARE(f->state.currentHotspot(), 1);
        QVERIFY(f->properties.cancel());
    }

    void failingRegionBeepsAndGoesOn()
    {
        QCOMPARE(f->storeRectangle(QPoint(10, 10), QPoint(100, 100)), 1);
        QCOMPARE(f->storeRectangle(QPoint(10, 10), QPoint(100, 100)), 2);
        f->state.regions().erase(f->row(1).region);
        QCOMPARE(f->press(QPoint(50, 50), Qt::RightButton), DrawingAction::ShowDialog);
        QCOMPARE(f->prompter.beeps(), 1);
        QCOMPARE(f->state.currentHotspot(), 2);
        QVERIFY(f->properties.cancel());
    }

    void pointerDisplay_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QString>("text");
        QTest::newRow("example") << QPoint(120, 45) << "120,45";
        QTest::newRow("top-left") << QPoint(0, 0) << "0,0";
        QTest::newRow("left of picture") << QPoint(-3, 7) << "-3,7";
    }
    void pointerDisplay()
    {
        QFETCH(QPoint, pixel);
        QFETCH(QString, text);
        QCOMPARE(f->drawing.xyText(), QString());
        f->drawing.move(pixel, Qt::NoButton, Qt::NoModifier);
        QCOMPARE(f->drawing.xyText(), text);
        f->drawing.pointerLeft();
        QCOMPARE(f->drawing.xyText(), QString());
    }

    // A press and a release with no move in between: the rectangle runs from the press to the
    // release, four pixels being the shortest drag that makes one.
    void releaseWithoutMove()
    {
        f->drawing.move(QPoint(120, 10), Qt::NoButton, Qt::NoModifier);
        QCOMPARE(f->drawing.xyText(), "120,10");
        // A band left over from an earlier drag does not give the next rectangle its corners.
        f->drawing.press(QPoint(40, 40), Qt::LeftButton, Qt::NoModifier);
        f->drawing.move(QPoint(90, 90), Qt::LeftButton, Qt::NoModifier);
        f->drawing.windowActivated();
        QCOMPARE(f->release(QPoint(42, 42)), DrawingAction::None);
        f->drawing.press(QPoint(0, 0), Qt::LeftButton, Qt::NoModifier);
        QCOMPARE(f->drawing.release(QPoint(3, 3), Qt::LeftButton).action, DrawingAction::None);
        f->drawing.press(QPoint(0, 0), Qt::LeftButton, Qt::NoModifier);
        QCOMPARE(
            f->drawing.release(QPoint(4, 0), Qt::LeftButton).action, DrawingAction::ShowDialog);
        QCOMPARE(f->state.vertices().at(3), QPoint(4, 0));
        QCOMPARE(f->state.segments().at(3), f->line({4, 0}, {4, 0}));
        QVERIFY(f->properties.cancel());
    }

    void windowCancel_data()
    {
        QTest::addColumn<bool>("storedFirst");
        QTest::addColumn<bool>("openPolygon");
        QTest::addColumn<DrawingAction>("action");
        // The stored rectangle keeps its 4 segments and points up to index 6.
        QTest::newRow("nothing drawn") << false << false << DrawingAction::CloseWindow;
        QTest::newRow("open polygon only") << false << true << DrawingAction::None;
        QTest::newRow("stored shape") << true << false << DrawingAction::None;
        QTest::newRow("open polygon after stored") << true << true << DrawingAction::None;
    }
    void windowCancel()
    {
        QFETCH(bool, storedFirst);
        QFETCH(bool, openPolygon);
        QFETCH(DrawingAction, action);
        if (storedFirst)
            QCOMPARE(f->storeRectangle(QPoint(10, 10), QPoint(100, 100)), 1);
        if (openPolygon) {
            f->press(QPoint(10, 200), Qt::LeftButton, Qt::ControlModifier);
            f->press(QPoint(90, 200), Qt::LeftButton, Qt::ControlModifier);
        }
        QCOMPARE(f->cancel(), action);
        QCOMPARE(f->state.vertexCount(), storedFirst ? 6 : 1);
        QCOMPARE(f->state.segments().all().size(), storedFirst ? 4 : 0);
        QVERIFY(!f->state.polygonOpen());
        QCOMPARE(f->state.hotspots().usedCount(), storedFirst ? 1 : 0);
        // Releasing Ctrl after the polygon was dropped opens nothing.
        QCOMPARE(f->keyRelease(Qt::Key_Control), DrawingAction::None);
    }

    void windowCancelWithDialogShown()
    {
        f->drag(QPoint(10, 10), QPoint(100, 100));
        // While the rectangle's dialog is shown a second drag draws nothing.
        QCOMPARE(f->drag(QPoint(20, 20), QPoint(60, 60)), DrawingAction::None);
        QCOMPARE(f->cancel(), DrawingAction::CloseDialog);
        QCOMPARE(f->state.vertexCount(), 5);
        QVERIFY(f->properties.cancel());
        QCOMPARE(f->state.vertexCount(), 1);
        QCOMPARE(f->cancel(), DrawingAction::CloseWindow);
    }

    void clearHotspotsGivesEverythingBack()
    {
        QCOMPARE(f->storeRectangle(QPoint(10, 10), QPoint(100, 100)), 1);
        QCOMPARE(f->storePolygon({QPoint(5, 5), QPoint(40, 5), QPoint(5, 40)}), 2);
        f->press(QPoint(10, 200), Qt::LeftButton, Qt::ControlModifier);
        f->drawing.clearHotspots();
        QCOMPARE(f->state.hotspots().usedCount(), 0);
        QCOMPARE(f->state.regions().count(), 0);
        QVERIFY(f->state.segments().all().isEmpty());
        QCOMPARE(f->state.vertexCount(), 1);
        QCOMPARE(f->state.shapeStart(), 0);
        QVERIFY(!f->state.polygonOpen());
        QCOMPARE(f->keyRelease(Qt::Key_Control), DrawingAction::None);
        QCOMPARE(f->storeRectangle(QPoint(10, 10), QPoint(100, 100)), 1);
        QCOMPARE(f->row(1).pointIndexes, QList<int>({2, 3, 4, 5, 6}));
    }

    void selectionNotification()
    {
        QCOMPARE(f->storePolygon({QPoint(5, 5), QPoint(40, 5), QPoint(5, 40)}), 1);
        QCOMPARE(f->drawing.selectionNotified(10, 20, 110, 70),
            (imagemap::DrawingResult{
                DrawingAction::ShowDialogModeless, {imagemap::DrawingNotice::Select}}));
        QCOMPARE(f->state.shapeStart(), 6);
        QCOMPARE(f->state.segments().at(6), f->line({10, 20}, {110, 20}));
        QCOMPARE(f->state.segments().at(7), f->line({110, 20}, {110, 70}));
        QCOMPARE(f->state.vertices().at(8), QPoint(110, 70));
        QVERIFY(f->state.dialogOpen());
        QCOMPARE(f->store("sel.htm"), 2);
        QCOMPARE(f->row(2).points, QList<QPoint>({{10, 20}, {110, 70}}));
        QCOMPARE(f->row(2).shape, ShapeKind::Rectangle);
    }

    void capacity()
    {
        // Each stored rectangle takes five points; the first starts at index 2.
        for (int i = 0; i < 19; ++i)
            QCOMPARE(f->storeRectangle(QPoint(i, 0), QPoint(i + 10, 10)), i + 1);
        QCOMPARE(f->state.vertexCount(), 96);

        // Four corners and a closing point would need index 100.
        f->prompter.answer(platform::MessageAnswer::Ok);
        QCOMPARE(f->drag(QPoint(0, 50), QPoint(50, 90)), DrawingAction::None);
        QCOMPARE(f->prompter.lastText(), imagemap::capacityMessage());
        QCOMPARE(f->prompter.shown().last().icon, platform::MessageIcon::Exclamation);
        QCOMPARE(f->state.vertexCount(), 96);
        QCOMPARE(f->state.segments().all().size(), 19 * 4);

        // A third vertex (index 99) would leave no room for the closing point: the whole
        // polygon goes, outline and points.
        f->press(QPoint(0, 50), Qt::LeftButton, Qt::ControlModifier);
        f->press(QPoint(50, 50), Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(f->state.vertexCount(), 98);
        f->prompter.answer(platform::MessageAnswer::Ok);
        f->press(QPoint(50, 90), Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(f->prompter.lastText(), imagemap::capacityMessage());
        QVERIFY(!f->state.polygonOpen());
        QCOMPARE(f->state.vertexCount(), 96);
        QCOMPARE(f->state.segments().all().size(), 19 * 4);
        QCOMPARE(f->keyRelease(Qt::Key_Control), DrawingAction::None);

        // Two vertices and the closing point would fit, but two corners enclose nothing.
        QCOMPARE(f->polygon({QPoint(0, 50), QPoint(50, 50)}), DrawingAction::None);
        QCOMPARE(f->state.vertexCount(), 96);
        QCOMPARE(f->prompter.beeps(), 1);
        QCOMPARE(f->prompter.shown().size(), 2);
    }
};

TRELLIS_TEST(TestHotspotDrawing)
#include "tst_hotspotdrawing.moc"
