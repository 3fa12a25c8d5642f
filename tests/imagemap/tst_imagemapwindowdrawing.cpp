#include "testmain.h"
#include "tst_imagemapwindowfixture.h"

#include <QTemporaryDir>

using imagemap::HotspotDialog;
using imagemap::ShapeKind;
using Button = imagemap::HotspotDialog::Button;
using Field = imagemap::HotspotDialog::Field;
using platform::MessageAnswer;
using testsupport::DialogScript;
using testsupport::ImageMapWindowFixture;

// Drawing on the window's picture with real mouse and key events: rectangles, polygons, the
// rubber band, re-opening, deleting, the selection notification and the vertex capacity.
class TestImageMapWindowDrawing : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<ImageMapWindowFixture> f;
    QTemporaryDir dir;

    const imagemap::ImageMapState &state() const { return f->window->state(); }
    QImage shot() const { return f->canvas()->grab().toImage(); }
    QRgb imagePixel(QPoint p) const { return f->canvas()->picture().pixel(p); }
    static QRgb inverse(QRgb c) { return qRgb(255 - qRed(c), 255 - qGreen(c), 255 - qBlue(c)); }
    static QRgb rgb(QRgb c) { return c | 0xff000000u; }

    void storeRectangle(QPoint from, QPoint to, const QString &url)
    {
        f->script.then(testsupport::fillAndOk(url));
        f->drag(from, to);
        QCOMPARE(f->script.pending(), 0);
    }
    void openImage(const QString &name)
    {
        const QString path = dir.filePath(name);
        QVERIFY(testsupport::writeImage(path, testsupport::patternImage(QSize(240, 180))));
        QVERIFY(f->open(path));
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }
    void init()
    {
        f = std::make_unique<ImageMapWindowFixture>();
        openImage(QStringLiteral("picture.gif"));
    }
    void cleanup()
    {
        QCOMPARE(f->script.pending(), 0);
        QCOMPARE(f->prompter.pendingAnswers(), 0);
        QCOMPARE(f->dialogs.pendingAnswers(), 0);
        f.reset();
    }

    void dragMakesRectangle_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QList<QPoint>>("corners"); // empty: no shape
        using Corners = QList<QPoint>;
        QTest::newRow("down and right")
            << QPoint(20, 30) << QPoint(120, 80) << Corners{{20, 30}, {120, 80}};
        QTest::newRow("3 pixels right and down") << QPoint(20, 30) << QPoint(23, 33) << Corners();
        QTest::newRow("4 pixels right")
            << QPoint(20, 30) << QPoint(24, 30) << Corners{{20, 30}, {24, 30}};
        QTest::newRow("4 pixels down")
            << QPoint(20, 30) << QPoint(20, 34) << Corners{{20, 30}, {20, 34}};
        QTest::newRow("up and left") << QPoint(120, 80) << QPoint(20, 30) << Corners();
        QTest::newRow("down and left")
            << QPoint(120, 30) << QPoint(20, 80) << Corners{{120, 30}, {20, 80}};
    }
    void dragMakesRectangle()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QList<QPoint>, corners);
        if (corners.isEmpty()) {
            f->drag(from, to);
            QCOMPARE(state().vertexCount(), 1);
            QVERIFY(state().segments().indexes().isEmpty());
            QVERIFY(!f->window->drawing().bandShown());
            return;
        }
        QStringList seen;
        f->script.then([&](HotspotDialog &form) {
            // The outline is on screen while the dialog asks.
            seen = QStringList{form.entry(Field::Url)->text()};
            seen << QString::number(state().segments().indexes().size());
            testsupport::fillAndOk(QStringLiteral("a.htm"), QStringLiteral("Alpha"))(form);
        });
        f->drag(from, to);
        QCOMPARE(seen, QStringList({"", "4"}));
        const imagemap::HotspotRecord &row = f->row(1);
        QCOMPARE(row.points, corners);
        QCOMPARE(row.pointIndexes, QList<int>({2, 3, 4, 5, 6}));
        QCOMPARE(row.shape, ShapeKind::Rectangle);
        QCOMPARE(row.url, QStringLiteral("a.htm"));
        QCOMPARE(row.altText, QStringLiteral("Alpha"));
        // The top edge runs from (left, top) to (right, top), in twips.
        const imagemap::OutlineSegment top = state().segments().at(2);
        QVERIFY(top.visible);
        QCOMPARE(top.from, from * 15);
        QCOMPARE(top.to, QPoint(to.x(), from.y()) * 15);
    }

    void outlinesArePaintedFromTheState()
    {
        const QPoint onTop(70, 30);
        const QRgb before = rgb(imagePixel(onTop));
        storeRectangle(QPoint(20, 30), QPoint(120, 80), QStringLiteral("a.htm"));
        QImage image = shot();
        QCOMPARE(rgb(image.pixel(onTop)), qRgb(0, 0, 0));
        QCOMPARE(rgb(image.pixel(70, 29)), qRgb(255, 255, 255));
        QCOMPARE(rgb(image.pixel(70, 55)), rgb(imagePixel(QPoint(70, 55))));

        f->prompter.answer(MessageAnswer::Yes);
        f->script.then(testsupport::clickButton(Button::Delete));
        f->rightClick(QPoint(70, 55));
        QVERIFY(!state().hotspots().inUse(1));
        QCOMPARE(rgb(shot().pixel(onTop)), before);
    }

    void rubberBandIsPaintedWhileDragging()
    {
        QTest::mousePress(f->canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QTest::mouseMove(f->canvas(), QPoint(30, 20));
        QTest::mouseMove(f->canvas(), QPoint(60, 50));
        QVERIFY(f->window->drawing().bandShown());
        const QImage during = shot();
        // The band inverts what lies under its edges and leaves the inside alone.
        for (const QPoint &edge : {QPoint(10, 30), QPoint(60, 30), QPoint(35, 10), QPoint(35, 50)})
            QCOMPARE(rgb(during.pixel(edge)), inverse(imagePixel(edge)));
        QCOMPARE(rgb(during.pixel(35, 30)), rgb(imagePixel(QPoint(35, 30))));

        // Released one pixel from the press: no shape, and the band is gone.
        QTest::mouseMove(f->canvas(), QPoint(11, 11));
        QTest::mouseRelease(f->canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(11, 11));
        QVERIFY(!f->window->drawing().bandShown());
        QCOMPARE(rgb(shot().pixel(10, 30)), rgb(imagePixel(QPoint(10, 30))));
        QCOMPARE(state().vertexCount(), 1);
    }

    void polygonByModifierClicks_data()
    {
        QTest::addColumn<QList<int>>("modifiers");
        QTest::newRow("Ctrl") << QList<int>{
            Qt::ControlModifier, Qt::ControlModifier, Qt::ControlModifier};
        QTest::newRow("Shift, Alt, Ctrl")
            << QList<int>{Qt::ShiftModifier, Qt::AltModifier, Qt::ControlModifier};
    }
    void polygonByModifierClicks()
    {
        QFETCH(QList<int>, modifiers);
        const QList<QPoint> points{QPoint(50, 10), QPoint(90, 60), QPoint(10, 60)};
        for (int i = 0; i < points.size(); ++i)
            QTest::mouseClick(
                f->canvas(), Qt::LeftButton, Qt::KeyboardModifiers(modifiers[i]), points[i]);
        QVERIFY(state().polygonOpen());
        // Segment 2 is the closing edge from the first to the latest vertex.
        QCOMPARE(state().segments().at(2).from, QPoint(50, 10) * 15);
        QCOMPARE(state().segments().at(2).to, QPoint(10, 60) * 15);
        QCOMPARE(state().segments().at(4).from, QPoint(90, 60) * 15);
        QCOMPARE(state().segments().at(4).to, QPoint(10, 60) * 15);

        f->script.then(testsupport::fillAndOk(QStringLiteral("b.htm"), QString(), "main"));
        QTest::keyRelease(f->canvas(), Qt::Key_Control);
        const imagemap::HotspotRecord &row = f->row(1);
        QCOMPARE(row.points, QList<QPoint>({{50, 10}, {90, 60}, {10, 60}, {50, 10}}));
        QCOMPARE(row.pointIndexes, QList<int>({2, 3, 4, 5}));
        QCOMPARE(row.shape, ShapeKind::Polygon);
        QCOMPARE(row.targetFrame, QStringLiteral("main"));
        QVERIFY(!state().polygonOpen());
    }

    void ctrlReleaseWithoutPolygonDoesNothing()
    {
        QTest::keyRelease(f->canvas(), Qt::Key_Control);
        QCOMPARE(state().vertexCount(), 1);
        QCOMPARE(f->prompter.beeps(), 0);
    }

    // Two corners enclose nothing: releasing Ctrl drops them with a beep and no dialog, and
    // gives their points and outline back.
    void aTwoCornerPolygonIsDropped()
    {
        QTest::mouseClick(f->canvas(), Qt::LeftButton, Qt::ControlModifier, QPoint(40, 40));
        QTest::mouseClick(f->canvas(), Qt::LeftButton, Qt::ControlModifier, QPoint(90, 40));
        QCOMPARE(state().vertexCount(), 3);
        QTest::keyRelease(f->canvas(), Qt::Key_Control);
        QCOMPARE(f->prompter.beeps(), 1);
        QCOMPARE(state().vertexCount(), 1);
        QVERIFY(!state().polygonOpen());
        QVERIFY(state().segments().indexes().isEmpty());
        QCOMPARE(state().hotspots().usedCount(), 0);
    }

    void rightClickReopensTheLowerRow()
    {
        storeRectangle(QPoint(10, 10), QPoint(100, 100), QStringLiteral("1.htm"));
        storeRectangle(QPoint(50, 50), QPoint(150, 150), QStringLiteral("2.htm"));
        QString shown;
        f->script.then([&](HotspotDialog &form) {
            shown = form.entry(Field::Url)->text();
            testsupport::fillAndOk(QStringLiteral("one.htm"), QStringLiteral("One"))(form);
        });
        f->rightClick(QPoint(75, 75));
        QCOMPARE(shown, QStringLiteral("1.htm"));
        QCOMPARE(f->row(1).url, QStringLiteral("one.htm"));
        QCOMPARE(f->row(1).altText, QStringLiteral("One"));
        QCOMPARE(f->row(1).points, QList<QPoint>({{10, 10}, {100, 100}}));
        QCOMPARE(f->row(2).url, QStringLiteral("2.htm"));

        f->script.then([&](HotspotDialog &form) {
            shown = form.entry(Field::Url)->text();
            QTest::mouseClick(form.button(Button::Cancel), Qt::LeftButton);
        });
        f->rightClick(QPoint(120, 120));
        QCOMPARE(shown, QStringLiteral("2.htm"));
        QCOMPARE(state().hotspots().usedCount(), 2);
        QCOMPARE(state().segments().indexes().size(), 8);

        // Outside every hotspot nothing opens (the fixture fails on an unexpected dialog).
        f->rightClick(QPoint(200, 20));
        QCOMPARE(state().hotspots().usedCount(), 2);
    }

    void deleteAsksThenFreesTheRow()
    {
        storeRectangle(QPoint(10, 10), QPoint(60, 60), QStringLiteral("1.htm"));
        storeRectangle(QPoint(70, 10), QPoint(120, 60), QStringLiteral("2.htm"));
        storeRectangle(QPoint(130, 10), QPoint(180, 60), QStringLiteral("3.htm"));
        f->prompter.answer(MessageAnswer::No);
        f->prompter.answer(MessageAnswer::Yes);
        bool stayedOpen = false;
        f->script.then(testsupport::clickButton(Button::Delete));
        f->script.then([&](HotspotDialog &form) {
            stayedOpen = state().hotspots().inUse(2) && form.entry(Field::Url)->text() == "2.htm";
            QTest::mouseClick(form.button(Button::Delete), Qt::LeftButton);
        });
        f->rightClick(QPoint(90, 30));
        QVERIFY(stayedOpen);
        QCOMPARE(f->prompter.shown().size(), 2);
        QVERIFY(!state().hotspots().inUse(2));
        QCOMPARE(state().segments().indexes(), (QList<int>{2, 3, 4, 5, 12, 13, 14, 15}));

        // The next shape fills the gap.
        storeRectangle(QPoint(10, 100), QPoint(60, 150), QStringLiteral("4.htm"));
        QCOMPARE(f->row(2).url, QStringLiteral("4.htm"));
        QCOMPARE(f->row(2).pointIndexes, QList<int>({17, 18, 19, 20, 21}));
    }

    void selectionShowsTheDialogWithoutBlocking()
    {
        f->prompter.answer(MessageAnswer::Ok);
        f->window->selectionNotified(10, 20, 60, 70);
        QCOMPARE(f->prompter.lastText(), QStringLiteral("Select"));
        HotspotDialog *form = f->window->hotspotDialog();
        QVERIFY(form);
        QVERIFY(form->isVisible());
        QVERIFY(!form->isModal());
        QTRY_COMPARE(QApplication::focusWidget(), form->entry(Field::Url));
        // Drawing waits while the dialog is up.
        f->drag(QPoint(100, 100), QPoint(150, 150));
        QCOMPARE(state().vertexCount(), 5);

        QTest::keyClicks(form->entry(Field::Url), QStringLiteral("s.htm"));
        QTest::keyClick(form->entry(Field::Url), Qt::Key_Return);
        QVERIFY(!f->window->hotspotDialog());
        QCOMPARE(f->row(1).points, QList<QPoint>({{10, 20}, {60, 70}}));
        QCOMPARE(f->row(1).shape, ShapeKind::Rectangle);
        QCOMPARE(state().segments().at(3).to, QPoint(60, 70) * 15);
    }

    void windowCancelClosesTheShownDialog()
    {
        f->prompter.answer(MessageAnswer::Ok);
        f->window->selectionNotified(10, 20, 60, 70);
        QVERIFY(f->window->hotspotDialog());
        QTest::mouseClick(f->button(1), Qt::LeftButton);
        QVERIFY(!f->window->hotspotDialog());
        QVERIFY(f->window->isVisible());
        QVERIFY(state().segments().indexes().isEmpty());
        QCOMPARE(state().vertexCount(), 1);
    }

    void openingAnImageClosesTheShownDialog()
    {
        f->prompter.answer(MessageAnswer::Ok);
        f->window->selectionNotified(10, 20, 60, 70);
        QVERIFY(f->window->hotspotDialog());
        openImage(QStringLiteral("second.jpg"));
        QVERIFY(!f->window->hotspotDialog());
        QVERIFY(!state().dialogOpen());
        QVERIFY(state().segments().indexes().isEmpty());
        storeRectangle(QPoint(10, 10), QPoint(60, 60), QStringLiteral("a.htm"));
        QCOMPARE(f->row(1).pointIndexes, QList<int>({2, 3, 4, 5, 6}));
    }

    void capacityIsReachedAndOpenGivesItBack()
    {
        // Nineteen rectangles use vertex slots 2 to 96.
        for (int i = 0; i < 19; ++i) {
            const QPoint at((i % 10) * 22 + 2, (i / 10) * 60 + 2);
            storeRectangle(at, at + QPoint(18, 40), QStringLiteral("r%1.htm").arg(i));
        }
        QCOMPARE(state().vertexCount(), 96);
        QCOMPARE(state().hotspots().usedCount(), 19);
        const QString capacity = QStringLiteral("Capacity reached.  Please re-open image file.");

        // A twentieth rectangle does not fit with its closing point.
        f->prompter.answer(MessageAnswer::Ok);
        f->drag(QPoint(10, 130), QPoint(60, 170));
        QCOMPARE(f->prompter.lastText(), capacity);
        QCOMPARE(state().vertexCount(), 96);
        QCOMPARE(state().segments().indexes().size(), 19 * 4);

        // A polygon gets two vertices; the third is refused and the polygon dropped.
        QTest::mouseClick(f->canvas(), Qt::LeftButton, Qt::ControlModifier, QPoint(10, 130));
        QTest::mouseClick(f->canvas(), Qt::LeftButton, Qt::ControlModifier, QPoint(60, 130));
        QCOMPARE(state().vertexCount(), 98);
        f->prompter.answer(MessageAnswer::Ok);
        QTest::mouseClick(f->canvas(), Qt::LeftButton, Qt::ControlModifier, QPoint(60, 170));
        QCOMPARE(f->prompter.lastText(), capacity);
        QCOMPARE(f->prompter.shown().last().icon, platform::MessageIcon::Exclamation);
        QCOMPARE(state().vertexCount(), 96);
        QVERIFY(!state().polygonOpen());
        QCOMPARE(state().segments().indexes().size(), 19 * 4);
        QTest::keyRelease(f->canvas(), Qt::Key_Control);

        // Re-opening the image, as the message says, makes room again.
        openImage(QStringLiteral("again.gif"));
        QCOMPARE(state().vertexCount(), 1);
        storeRectangle(QPoint(10, 10), QPoint(60, 60), QStringLiteral("a.htm"));
        QCOMPARE(f->row(1).pointIndexes, QList<int>({2, 3, 4, 5, 6}));
    }
};

TRELLIS_TEST(TestImageMapWindowDrawing)
#include "tst_imagemapwindowdrawing.moc"
