#include "designbuilder.h"
#include "frameset/core/layoutmodel.h"
#include "frameset/core/layouttext.h"
#include "frameset/core/splittree.h"
#include "testmain.h"

#include <QTest>

using namespace framesettest;
using frameset::SplitNode;
using frameset::SplitTree;
namespace layouttext = frameset::layouttext;

namespace {

SplitTree treeOf(const QStringList &lines)
{
    return layouttext::read(lines);
}

frameset::CellView cellAt(float left, float top, float width, float height)
{
    frameset::CellView cell;
    cell.left = left;
    cell.top = top;
    cell.width = width;
    cell.height = height;
    return cell;
}

// A design as a design file may hold it: cell 0 at the top left of the area above cell 2, cell 1
// on the right, and `lines` as its layout.
frameset::Design openedDesign(const QStringList &lines)
{
    frameset::Design design;
    design.cell(0) = cellAt(0, 450, 4500, 3000);
    design.labels(0).path = QStringLiteral("11");
    design.appendCell(cellAt(4500, 450, 4500, 6000), QStringLiteral("2"));
    design.appendCell(cellAt(0, 3450, 4500, 3000), QStringLiteral("12"));
    design.setSplitTree(treeOf(lines));
    return design;
}

} // namespace

class TestSplitTree : public QObject
{
    Q_OBJECT
private slots:
    // Whatever lines a design file holds come back as they were, and only whole leaf lines are
    // cells.
    void layoutTextComesBackAsRead_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QList<int>>("cells");
        QTest::addColumn<int>("topNodes");

        QTest::newRow("single cell") << QStringList() << QList<int>() << 0;
        QTest::newRow("worked example") << QStringList({"<FRAMESET COLS= ##1>", "!!0",
            "<FRAMESET ROWS= ##21>", "!!1", "!!2", "</FRAMESET>", "</FRAMESET>"})
                                        << QList<int>({0, 1, 2}) << 1;
        QTest::newRow("frameset without its end")
            << QStringList({"<FRAMESET COLS= ##1>", "!!0", "!!1"}) << QList<int>({0, 1}) << 1;
        QTest::newRow("end without a frameset")
            << QStringList({"!!0", "</FRAMESET>", "!!1"}) << QList<int>({0, 1}) << 3;
        QTest::newRow("broken placeholder ends")
            << QStringList({"<FRAMESET COLS= ##1", "!!0", "!!1", "</FRAMESET>##"})
            << QList<int>({0, 1}) << 4;
        QTest::newRow("leaf lines that name no cell")
            << QStringList({"<FRAMESET ROWS= ##1>", "!!05", "!!100", "!!1 ", "!!7", "</FRAMESET>"})
            << QList<int>({7}) << 1;
        QTest::newRow("key that is not digits") << QStringList(
            {"<FRAMESET COLS= ##1A>", "!!0", "<FRAMESET COLS= ##>", "!!1", "</FRAMESET>"})
                                                << QList<int>({0, 1}) << 5;
        QTest::newRow("three parts and text")
            << QStringList({"<FRAMESET ROWS= ##2>", "!!2", "text", "!!0", "!!1", "</FRAMESET>"})
            << QList<int>({2, 0, 1}) << 1;
    }

    void layoutTextComesBackAsRead()
    {
        QFETCH(QStringList, lines);
        QFETCH(QList<int>, cells);
        QFETCH(int, topNodes);
        const SplitTree tree = treeOf(lines);
        QCOMPARE(layouttext::write(tree), layouttext::join(lines));
        QCOMPARE(tree.cells(), cells);
        QCOMPARE(tree.nodes().size(), topNodes);
        QVERIFY(treeOf(layouttext::lines(layouttext::write(tree))) == tree);
    }

    void splitReplacesTheFirstNodeOfTheCell()
    {
        SplitTree tree;
        QVERIFY(tree.splitCell(0, Column, QStringLiteral("1"), 1));
        QCOMPARE(layouttext::write(tree),
            QStringLiteral("<FRAMESET COLS= ##1>\r\n!!0\r\n!!1\r\n</FRAMESET>"));

        // A cell named twice by a file: only its first node is split.
        tree = treeOf({"!!1", "<FRAMESET COLS= ##1>", "!!0", "!!1", "</FRAMESET>"});
        QVERIFY(tree.splitCell(1, Row, QStringLiteral("21"), 2));
        QCOMPARE(layouttext::lines(layouttext::write(tree)),
            QStringList({"<FRAMESET ROWS= ##21>", "!!1", "!!2", "</FRAMESET>",
                "<FRAMESET COLS= ##1>", "!!0", "!!1", "</FRAMESET>"}));

        const SplitTree before = tree;
        QVERIFY(!tree.splitCell(5, Row, QStringLiteral("3"), 6));
        QVERIFY(tree == before);
    }

    void mergeTakesOnlyAPairOfCells_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<bool>("merges");
        QTest::addColumn<QStringList>("after");

        QTest::newRow("last pair")
            << QStringList({"<FRAMESET COLS= ##1>", "!!0", "!!1", "</FRAMESET>"}) << "1" << 0 << 1
            << true << QStringList();
        QTest::newRow("inner pair, higher cells move down")
            << QStringList({"<FRAMESET COLS= ##1>", "<FRAMESET ROWS= ##11>", "!!0", "!!2",
                   "</FRAMESET>", "!!1", "!!3", "</FRAMESET>"})
            << "11" << 0 << 2 << true
            << QStringList({"<FRAMESET COLS= ##1>", "!!0", "!!1", "!!2", "</FRAMESET>"});
        QTest::newRow("cells the other way round")
            << QStringList({"<FRAMESET COLS= ##1>", "!!1", "!!0", "</FRAMESET>"}) << "1" << 0 << 1
            << false << QStringList();
        QTest::newRow("pair split further") << QStringList({"<FRAMESET COLS= ##1>", "!!0",
            "<FRAMESET ROWS= ##2>", "!!1", "!!2", "</FRAMESET>", "</FRAMESET>"})
                                            << "1" << 0 << 1 << false << QStringList();
        QTest::newRow("frameset without its end")
            << QStringList({"<FRAMESET COLS= ##1>", "!!0", "!!1"}) << "1" << 0 << 1 << false
            << QStringList();
        QTest::newRow("no such split")
            << QStringList({"<FRAMESET COLS= ##1>", "!!0", "!!1", "</FRAMESET>"}) << "2" << 0 << 1
            << false << QStringList();
    }

    void mergeTakesOnlyAPairOfCells()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, key);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(bool, merges);
        QFETCH(QStringList, after);
        SplitTree tree = treeOf(lines);
        const std::optional<frameset::SplitDirection> direction
            = tree.mergeSplit(key, first, second);
        QCOMPARE(direction.has_value(), merges);
        if (merges) {
            QCOMPARE(*direction, key == QStringLiteral("1") ? Column : Row);
            QCOMPARE(layouttext::lines(layouttext::write(tree)), after);
        } else {
            QVERIFY(tree == treeOf(lines));
        }
    }

    // What splitting and removing do to layouts that design files may hold besides the ones the
    // designer makes: lines it does not know stay where they are.
    void operationsOnAnOpenedLayout_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("cell");
        // -1 removes the cell, otherwise a split in that direction.
        QTest::addColumn<int>("operation");
        QTest::addColumn<bool>("done");
        QTest::addColumn<QStringList>("after");

        const QStringList nested = {"<FRAMESET COLS= ##1>", "<FRAMESET ROWS= ##11>", "!!0", "!!2",
            "</FRAMESET>", "!!1", "</FRAMESET>", "junk !!3"};
        QTest::newRow("split beside a stray end")
            << QStringList({"!!0", "</FRAMESET>", "!!1", "!!2"}) << 1 << int(Column) << true
            << QStringList({"!!0", "</FRAMESET>", "<FRAMESET COLS= ##21>", "!!1", "!!3",
                   "</FRAMESET>", "!!2"});
        QTest::newRow("split of a cell the layout does not name")
            << QStringList({"<FRAMESET COLS= ##1>", "!!0", "!!2", "</FRAMESET>"}) << 1 << int(Row)
            << false << QStringList({"<FRAMESET COLS= ##1>", "!!0", "!!2", "</FRAMESET>"});
        QTest::newRow("remove, higher numbers move down past unknown lines")
            << nested << 2 << -1 << true
            << QStringList({"<FRAMESET COLS= ##1>", "!!0", "!!1", "</FRAMESET>", "junk !!3"});
        QTest::newRow("remove from a frameset without its end")
            << QStringList({"<FRAMESET COLS= ##1>", "<FRAMESET ROWS= ##11>", "!!0", "!!2", "!!1"})
            << 2 << -1 << false
            << QStringList({"<FRAMESET COLS= ##1>", "<FRAMESET ROWS= ##11>", "!!0", "!!2", "!!1"});
    }

    void operationsOnAnOpenedLayout()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, cell);
        QFETCH(int, operation);
        QFETCH(bool, done);
        QFETCH(QStringList, after);
        frameset::LayoutModel model(255);
        model.openDesign(openedDesign(lines));
        model.selectCell(cell);
        const bool result = operation < 0 ? model.removeCell() == frameset::RemoveOutcome::Removed
                                          : model.splitCell(frameset::SplitDirection(operation));
        QCOMPARE(result, done);
        QCOMPARE(layouttext::lines(layoutText(model.design())), after);
        QCOMPARE(model.lastCellIndex(), operation < 0 ? 2 - int(done) : 2 + int(done));
    }
};

TRELLIS_TEST(TestSplitTree)
#include "tst_splittree.moc"
