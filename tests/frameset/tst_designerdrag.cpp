#include "filecontents.h"
#include "testmain.h"
#include "tst_designerhelpers.h"

#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>

using namespace designertest;
using frameset::SplitDirection;

namespace {

// Cell 0 | cell 1 side by side, then cell 0 over cell 2: cells 0 and 2 both end on x = 5940
// twips (396 px), cell 1 starts there.
//   cell 0: (0, 450, 5940, 5250)     px (0, 30, 396, 350)
//   cell 1: (5940, 450, 5940, 10500) px (396, 30, 396, 700)
//   cell 2: (0, 5700, 5940, 5250)    px (0, 380, 396, 350)
struct ThreeCells : Designer
{
    ThreeCells()
    {
        split(0, SplitDirection::Column);
        split(0, SplitDirection::Row);
    }

    QRect pixels(int i) const { return cellRect(i); }
    QRectF twips(int i) const
    {
        const frameset::CellView &c = cellView(i);
        return QRectF(c.left, c.top, c.width, c.height);
    }
    // Every scroll-bar view sits along the right edge of its cell.
    bool scrollViewsFollowCells() const
    {
        for (int i = 0; i <= model().lastCellIndex(); ++i) {
            const QScrollBar *s = window.surface()->scrollView(i);
            const QRect view = onSurface(window.surface(), s);
            if (view.right() != pixels(i).right() || view.top() != pixels(i).top()
                || view.height() != pixels(i).height())
                return false;
        }
        return true;
    }
};

// The cell lines' geometry (left; top; width; height; path) of a design file.
QStringList cellGeometry(const QString &path)
{
    const QStringList sections
        = QString::fromUtf8(testsupport::readAll(path)).split(QStringLiteral("***"));
    QStringList cells;
    for (const QString &line : sections.value(1).split(QStringLiteral("\r\n"))) {
        if (!line.isEmpty())
            cells.append(line.section(u';', 0, 4));
    }
    return cells;
}

} // namespace

class TestDesignerDrag : public QObject
{
    Q_OBJECT
private slots:
    void pointer_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<Qt::CursorShape>("shape");
        // Each pointer the cells show, the arrow on the way back; the zone rules themselves are
        // the resizer's cases.
        QTest::newRow("right-edge zone") << 0 << QPoint(393, 100) << Qt::SizeHorCursor;
        QTest::newRow("bottom-edge zone") << 0 << QPoint(100, 347) << Qt::SizeVerCursor;
    }
    void pointer()
    {
        QFETCH(int, cell);
        QFETCH(QPoint, at);
        QFETCH(Qt::CursorShape, shape);
        ThreeCells d;
        hover(d.cell(cell), at);
        QCOMPARE(d.cell(cell)->cursor().shape(), shape);
        // Back in the middle, the arrow returns.
        hover(d.cell(cell), QPoint(50, 50));
        QCOMPARE(d.cell(cell)->cursor().shape(), Qt::ArrowCursor);
    }

    // Only the dragged cell follows the mouse; on release every cell on the border moves.
    void sharedBorderMovesEveryCellOnIt()
    {
        ThreeCells d;
        const QRect cell1 = d.pixels(1);
        const QRect cell2 = d.pixels(2);
        hover(d.cell(0), QPoint(393, 100));
        QTest::mousePress(d.cell(0), Qt::LeftButton, {}, QPoint(393, 100));
        QTest::mouseMove(d.cell(0), QPoint(392, 100));
        QTest::mouseMove(d.cell(0), QPoint(420, 100));
        QCOMPARE(d.pixels(0), QRect(0, 30, 420, 350));
        QCOMPARE(d.window.surface()->sizeDisplay()->text(), QStringLiteral("420w  350h (pixels)"));
        QCOMPARE(d.pixels(1), cell1);
        QCOMPARE(d.pixels(2), cell2);
        // The growing cell is drawn above the neighbour it covers.
        QVERIFY(d.window.surface()->childAt(410, 100) == d.cell(0));
        // Width 5640 twips = 376 px: the border moves 300 twips to the left.
        for (int x = 418; x >= 376; x -= 2)
            QTest::mouseMove(d.cell(0), QPoint(x, 100));
        QTest::mouseRelease(d.cell(0), Qt::LeftButton, {}, QPoint(376, 100));
        QCOMPARE(d.twips(0), QRectF(0, 450, 5640, 5250));
        QCOMPARE(d.twips(2), QRectF(0, 5700, 5640, 5250));
        QCOMPARE(d.twips(1), QRectF(5640, 450, 6240, 10500));
        QCOMPARE(d.pixels(0), QRect(0, 30, 376, 350));
        QCOMPARE(d.pixels(2), QRect(0, 380, 376, 350));
        QCOMPARE(d.pixels(1), QRect(376, 30, 416, 700));
        QVERIFY(d.scrollViewsFollowCells());
        QVERIFY(d.model().isModified());
        QCOMPARE(d.prompter.beeps(), 0);
        QCOMPARE(d.window.surface()->sizeDisplay()->text(), QStringLiteral("376w  350h (pixels)"));
        // The layout text never holds sizes.
        QCOMPARE(framesettest::layoutText(d.model().design()),
            QStringLiteral("<FRAMESET COLS= ##1>\r\n<FRAMESET ROWS= ##11>\r\n!!0\r\n!!2\r\n"
                           "</FRAMESET>\r\n!!1\r\n</FRAMESET>"));
    }

    void dragPastTheNeighbourIsRefused()
    {
        ThreeCells d;
        // Cell 1 would keep no width at all: the cells, their scroll views and the size display
        // show the design as it was.
        drag(d.cell(0), QPoint(393, 100), QPoint(792, 100));
        QCOMPARE(d.prompter.beeps(), 1);
        QCOMPARE(d.pixels(0), QRect(0, 30, 396, 350));
        QVERIFY(d.scrollViewsFollowCells());
        QCOMPARE(d.window.surface()->sizeDisplay()->text(), QStringLiteral("396w  350h (pixels)"));
    }

    void fractionalBordersOfAnOpenedFileMoveTogether()
    {
        // A column left of two rows, its edges at fractions of a twip, as another screen or an
        // edited file leaves them.
        QTemporaryDir dir;
        const QString path = copyOfDesignFile(dir, QStringLiteral("fractional-borders.spc"));
        QVERIFY(!path.isEmpty());

        Designer d;
        d.dialogs.answer(path);
        d.action("mnuOpenSpec")->trigger();
        QCOMPARE(d.model().lastCellIndex(), 2);
        QCOMPARE(d.cellView(1).left, 2000.5f);

        // The column border to 100 pixels: both rows follow, their other edges stay.
        drag(d.cell(0), QPoint(131, 100), QPoint(100, 100));
        QCOMPARE(d.cellView(0).width, 1500.0f);
        for (const int i : {1, 2}) {
            QCOMPARE(d.cellView(i).left, 1500.0f);
            QCOMPARE(d.cellView(i).right(), 6000.25f);
        }
        QCOMPARE(d.cellView(1).height, 2500.25f);
        QCOMPARE(d.cellView(2).top, 2950.25f);

        // The row border at 2950.25 twips up to 2550: the lower row grows to it.
        drag(d.cell(1), QPoint(100, 163), QPoint(100, 140));
        QCOMPARE(d.cellView(1).height, 2100.0f);
        QCOMPARE(d.cellView(2).top, 2550.0f);
        QCOMPARE(d.cellView(2).bottom(), 5450.5f);
        QCOMPARE(d.cellView(0).bottom(), 5450.5f);
        QCOMPARE(d.prompter.beeps(), 0);

        d.action("mnuSave")->trigger();
        QCOMPARE(cellGeometry(path),
            QStringList({"0;450;1500;5000.5;1", "1500;450;4500.25;2100;21",
                "1500;2550;4500.25;2900.5;22"}));
    }
};

TRELLIS_TEST(TestDesignerDrag)
#include "tst_designerdrag.moc"
