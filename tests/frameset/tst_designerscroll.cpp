#include "testmain.h"
#include "tst_designerhelpers.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>

using namespace designertest;
using frameset::SplitDirection;

namespace {

QScrollArea *designArea(const Designer &d)
{
    return d.window.findChild<QScrollArea *>(QStringLiteral("DesignArea"));
}

// Where a point of the design surface lies in the window.
QPoint inWindow(const Designer &d, QPoint onSurface)
{
    return d.window.surface()->mapTo(&d.window, onSurface);
}

// A hand's drag through the window, from and to points of the design surface: the window system
// delivers each event to whatever widget lies there, so a border out of view cannot be grabbed.
// The hand comes from inside the cell, up and to the left of the border it grabs.
void dragInWindow(Designer &d, QPoint from, QPoint to)
{
    QWindow *window = d.window.windowHandle();
    QTest::mouseMove(window, inWindow(d, from - QPoint(20, 20)));
    QTest::mouseMove(window, inWindow(d, from));
    QTest::mousePress(window, Qt::LeftButton, {}, inWindow(d, from));
    const QPoint delta = to - from;
    const int steps = std::max(1, std::max(std::abs(delta.x()), std::abs(delta.y())) / 2);
    for (int s = 1; s <= steps; ++s)
        QTest::mouseMove(window, inWindow(d, from + delta * s / steps));
    QTest::mouseRelease(window, Qt::LeftButton, {}, inWindow(d, to));
}

// Whether the point of the design surface is in view: inside the design area's viewport.
bool inView(const Designer &d, QPoint onSurface)
{
    const QWidget *viewport = designArea(d)->viewport();
    return viewport->rect().contains(viewport->mapFrom(d.window.surface(), onSurface));
}

} // namespace

class TestDesignerScroll : public QObject
{
    Q_OBJECT
private slots:
    void smallerWindowScrollsToTheLowerBorders()
    {
        Designer d;
        d.split(0, SplitDirection::Column);
        d.split(1, SplitDirection::Row);
        const frameset::Design before = d.model().design();
        const QPoint buttonAt = d.button(0)->mapTo(&d.window, QPoint(0, 0));
        // At start-up the design fits.
        QScrollArea *area = designArea(d);
        QVERIFY(area);
        QVERIFY(!area->horizontalScrollBar()->isVisible());
        QVERIFY(!area->verticalScrollBar()->isVisible());
        d.window.resize(500, 300);
        QTRY_VERIFY(area->verticalScrollBar()->isVisible());
        QVERIFY(area->horizontalScrollBar()->isVisible());
        // Nothing is cropped or rescaled.
        QCOMPARE(area->widget()->size(), QSize(792, 700));
        QCOMPARE(d.cell(1)->size(), QSize(396, 350));

        // The border between cells 1 and 2 is out of view until the area scrolls.
        const QPoint border(d.cellRect(1).center().x(), d.cellRect(1).bottom() - 1);
        QVERIFY(!inView(d, border));
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
        area->verticalScrollBar()->setValue(200);
        QCOMPARE(d.model().design(), before);
        const QPoint scrolled(d.cellRect(1).center().x(), d.cellRect(1).bottom() - 1);
        QVERIFY(inView(d, scrolled));
        // The button row stays where it was.
        QCOMPARE(d.button(0)->mapTo(&d.window, QPoint(0, 0)), buttonAt);

        // Up to 300 pixels below the cell's top: cell 1 loses 750 twips of height, cell 2 gains
        // them and moves up.
        dragInWindow(d, scrolled, QPoint(scrolled.x(), d.cellRect(1).top() + 300));
        QCOMPARE(d.cellView(1).height, 5250.0f - 750);
        QCOMPARE(d.cellView(2).top, 5700.0f - 750);
        QCOMPARE(d.cellView(2).height, 5250.0f + 750);
        QCOMPARE(d.cellView(0).height, 10500.0f);
        QCOMPARE(d.prompter.beeps(), 0);
    }

    void wheel_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("turn");
        QTest::addColumn<int>("sideways");
        QTest::addColumn<int>("down");
        // A turn towards the user (negative) scrolls down or to the right.
        QTest::newRow("wheel towards you") << Qt::KeyboardModifiers() << -120 << 0 << 1;
        QTest::newRow("wheel away") << Qt::KeyboardModifiers() << 120 << 0 << -1;
        QTest::newRow("Shift+wheel towards you")
            << Qt::KeyboardModifiers(Qt::ShiftModifier) << -120 << 1 << 0;
        QTest::newRow("Shift+wheel away")
            << Qt::KeyboardModifiers(Qt::ShiftModifier) << 120 << -1 << 0;
    }
    void wheel()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, turn);
        QFETCH(int, sideways);
        QFETCH(int, down);
        Designer d;
        d.split(0, SplitDirection::Column);
        d.window.resize(500, 300);
        QScrollArea *area = designArea(d);
        QVERIFY(area);
        QScrollBar *horizontal = area->horizontalScrollBar();
        QScrollBar *vertical = area->verticalScrollBar();
        QTRY_VERIFY(horizontal->isVisible() && vertical->isVisible());
        horizontal->setValue(horizontal->maximum() / 2);
        vertical->setValue(vertical->maximum() / 2);
        const QPoint scrolled(horizontal->value(), vertical->value());

        // The cells pass a turn of the wheel on to the design area's viewport. Qt passes on
        // only the events of the window system, so the test turns it over the viewport.
        QWidget *viewport = area->viewport();
        const QPoint at = viewport->rect().center();
        QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, turn), Qt::NoButton,
            modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &event);
        QCOMPARE(qBound(-1, horizontal->value() - scrolled.x(), 1), sideways);
        QCOMPARE(qBound(-1, vertical->value() - scrolled.y(), 1), down);
        // Scrolling moves the view, never the design.
        QCOMPARE(d.cellView(1).left, 5940.0f);
    }

    void largerDesignScrollsToEveryBorder()
    {
        // Made on a screen of 2000 x 1363 pixels: two columns of 1000 pixels, the right one cut
        // into two rows.
        QTemporaryDir dir;
        const QString spec = copyOfDesignFile(dir, QStringLiteral("two-screens-wide.spc"));
        QVERIFY(!spec.isEmpty());

        Designer d;
        d.dialogs.answer(spec);
        d.action("mnuOpenSpec")->trigger();
        QCOMPARE(d.model().lastCellIndex(), 2);
        QScrollArea *area = designArea(d);
        QVERIFY(area);
        QTRY_VERIFY(area->horizontalScrollBar()->isVisible());
        QVERIFY(area->verticalScrollBar()->isVisible());
        QCOMPARE(area->widget()->size(), QSize(2000, 1333));
        QCOMPARE(d.cell(0)->size(), QSize(1000, 1333));
        QCOMPARE(d.cellRect(1), QRect(1000, 30, 1000, 667));

        // The column border, beyond the start-up design area, 100 pixels to the left.
        area->horizontalScrollBar()->setValue(600);
        const QPoint column(d.cellRect(0).right() - 1, 300);
        QVERIFY(inView(d, column));
        dragInWindow(d, column, QPoint(d.cellRect(0).left() + 900, 300));
        QCOMPARE(d.cellView(0).width, 15000.0f - 1500);
        QCOMPARE(d.cellView(1).left, 15000.0f - 1500);
        QCOMPARE(d.cellView(2).width, 15000.0f + 1500);

        // The outer right edge stays where it is.
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        const QPoint outer(d.cellRect(2).right() - 1, d.cellRect(2).center().y());
        QVERIFY(inView(d, outer));
        dragInWindow(d, outer, outer - QPoint(100, 0));
        QCOMPARE(d.cellView(2).right(), 30000.0f);
        QCOMPARE(d.prompter.beeps(), 0);
    }
};

TRELLIS_TEST(TestDesignerScroll)
#include "tst_designerscroll.moc"
