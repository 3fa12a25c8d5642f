#include "designbuilder.h"
#include "frameset/core/layoutmodel.h"
#include "frameset/core/layouttext.h"
#include "testmain.h"

#include <QTest>

using namespace framesettest;
using frameset::PropertyValue;

class TestLayoutModel : public QObject
{
    Q_OBJECT
private slots:
    void startsAsOneCell()
    {
        ModelFixture f;
        QCOMPARE(f.model.lastCellIndex(), 0);
        QCOMPARE(f.model.design().labels(0).path, QStringLiteral("0"));
        QVERIFY(layoutText(f.model.design()).isEmpty());
        QVERIFY(!f.model.isModified());
        QVERIFY(!f.model.undoEnabled());
    }

    void workedExample()
    {
        ModelFixture f;
        f.model.setCell0Caption(QStringLiteral("\r\n   A Quick Tutorial....."));
        QVERIFY(f.split(0, Column));
        QCOMPARE(layoutLines(f.model),
            QStringList({"<FRAMESET COLS= ##1>", "!!0", "!!1", "</FRAMESET>"}));
        QVERIFY(!layoutText(f.model.design()).endsWith(QStringLiteral("\r\n")));
        QCOMPARE(cellPaths(f.model.design()), QStringList({"1", "2"}));
        const frameset::Design &d = f.model.design();
        QCOMPARE(d.labels(0).columnSplitKey.text(), QStringLiteral("1A"));
        QCOMPARE(d.labels(1).columnSplitKey.text(), QStringLiteral("1B"));
        QVERIFY(f.model.cell0Caption().isEmpty());
        QCOMPARE(f.model.selectedCell(), 1);
        QVERIFY(f.model.isModified());
        QVERIFY(f.model.undoEnabled());

        QVERIFY(f.split(1, Row));
        QCOMPARE(layoutLines(f.model),
            QStringList({"<FRAMESET COLS= ##1>", "!!0", "<FRAMESET ROWS= ##21>", "!!1", "!!2",
                "</FRAMESET>", "</FRAMESET>"}));
        QCOMPARE(cellPaths(f.model.design()), QStringList({"1", "21", "22"}));
        QCOMPARE(d.labels(1).rowSplitKey.text(), QStringLiteral("21A"));
        QCOMPARE(d.labels(2).rowSplitKey.text(), QStringLiteral("21B"));
        // A new cell only takes part in the split that made it.
        QCOMPARE(d.labels(1).columnSplitKey.text(), QStringLiteral("1B"));
        QVERIFY(d.labels(2).columnSplitKey.isEmpty());
        QCOMPARE(layoutText(f.model.undoSplitTree()),
            QStringLiteral("<FRAMESET COLS= ##1>\r\n!!0\r\n!!1\r\n</FRAMESET>"));
    }

    void splitArithmetic_data()
    {
        QTest::addColumn<frameset::SplitDirection>("direction");
        QTest::addColumn<float>("size");
        QTest::addColumn<QList<float>>("firstHalves");
        QTest::addColumn<QList<float>>("secondHalves");
        // The second split takes the first split's new cell and is one twip less even.
        QTest::newRow("columns") << Column << 9000.0f << QList<float>{4500, 2249}
                                 << QList<float>{4500, 2251};
        QTest::newRow("rows") << Row << 6000.0f << QList<float>{3000, 1499}
                              << QList<float>{3000, 1501};
        QTest::newRow("odd width rounds")
            << Column << 9001.4f << QList<float>{4500, 2249} << QList<float>{4501, 2252};
    }
    void splitArithmetic()
    {
        QFETCH(frameset::SplitDirection, direction);
        QFETCH(float, size);
        QFETCH(QList<float>, firstHalves);
        QFETCH(QList<float>, secondHalves);
        ModelFixture f(size, size);
        int cell = 0;
        for (int step = 0; step < firstHalves.size(); ++step) {
            const frameset::CellView before = f.model.design().cell(cell);
            QVERIFY(f.split(cell, direction));
            const int n = f.model.lastCellIndex();
            const frameset::CellView &a = f.model.design().cell(cell);
            const frameset::CellView &b = f.model.design().cell(n);
            const bool columns = direction == Column;
            QCOMPARE(columns ? a.width : a.height, firstHalves[step]);
            QCOMPARE(columns ? b.width : b.height, secondHalves[step]);
            // The new cell is the right or bottom half, beside or below the old one.
            QCOMPARE(b.left, columns ? a.left + a.width : a.left);
            QCOMPARE(b.top, columns ? a.top : a.top + a.height);
            QCOMPARE(columns ? b.height : b.width, columns ? before.height : before.width);
            QCOMPARE(b.scroll.left, b.left + b.width - 255);
            QCOMPARE(a.scroll.left, a.left + a.width - 255);
            QVERIFY(a.scroll.visible && b.scroll.visible);
            QCOMPARE(f.model.selectedCell(), n);
            cell = n;
        }
        QCOMPARE(direction == Column ? f.model.columnSplitCount() : f.model.rowSplitCount(),
            int(firstHalves.size()));
    }

    void replacesOnlyTheWholeLeafLine()
    {
        ModelFixture f(1.0e6f, 1.0e6f);
        QVERIFY(f.split(0, Column));
        for (int i = 2; i < 20; ++i)
            QVERIFY(f.split(i == 2 ? 0 : i - 1, i % 2 ? Column : Row)); // never cell 1
        QCOMPARE(f.model.lastCellIndex(), 19);
        QStringList expected = layoutLines(f.model);
        QCOMPARE(expected.count(QStringLiteral("!!1")), 1);
        for (int cell = 10; cell <= 19; ++cell)
            QVERIFY(expected.contains(frameset::layouttext::leafLine(cell)));

        QVERIFY(f.split(1, Row));
        const qsizetype at = expected.indexOf(QStringLiteral("!!1"));
        expected.replace(at, QStringLiteral("</FRAMESET>"));
        expected.insert(at, QStringLiteral("!!20"));
        expected.insert(at, QStringLiteral("!!1"));
        expected.insert(at, QStringLiteral("<FRAMESET ROWS= ##21>"));
        QCOMPARE(layoutLines(f.model), expected);
    }

    void refusesTheHundredthSplit()
    {
        ModelFixture f(900000, 900000);
        for (int i = 0; i < 99; ++i)
            QVERIFY(f.split(i % 2 ? f.model.lastCellIndex() : i / 2, i % 3 ? Column : Row));
        QCOMPARE(f.model.lastCellIndex(), 99);
        const frameset::Design before = f.model.design();
        const QString undoBefore = layoutText(f.model.undoSplitTree());
        const int counts = f.model.columnSplitCount() + f.model.rowSplitCount();
        f.model.selectCell(5);
        QVERIFY(!f.model.splitCell(Column));
        QVERIFY(f.model.design() == before);
        QCOMPARE(layoutText(f.model.undoSplitTree()), undoBefore);
        QCOMPARE(f.model.columnSplitCount() + f.model.rowSplitCount(), counts);
        QCOMPARE(f.model.selectedCell(), 5);
    }

    void refusesHalvesWithoutSize()
    {
        ModelFixture f(3, 6000);
        QVERIFY(f.split(0, Column)); // 1 and 2 twips wide
        QVERIFY(!f.split(0, Column));
        QCOMPARE(f.model.lastCellIndex(), 1);
        QCOMPARE(f.model.design().cell(0).width, 1.0f);
    }

    void deepDesignsKeepExactPaths()
    {
        ModelFixture f(1.0e7f, 1.0e7f);
        QString path = QStringLiteral("0");
        int cell = 0;
        for (int level = 1; level <= 20; ++level) {
            QVERIFY(f.split(cell, level % 2 ? Column : Row));
            cell = f.model.lastCellIndex();
            path = (path == QStringLiteral("0") ? QString() : path) + u'2';
            QCOMPARE(f.model.design().labels(cell).path, path);
        }
        QCOMPARE(path.size(), 20);
        const QString key = path.left(19) + u'1';
        QCOMPARE(f.model.design().labels(cell - 1).path, key);
        // Level 20 is a row split.
        QVERIFY(layoutLines(f.model).contains(QStringLiteral("<FRAMESET ROWS= ##") + key + u'>'));
        QCOMPARE(f.model.design().labels(cell).rowSplitKey.text(), key + u'B');
    }

    void undoRightAfterTheFirstSplit()
    {
        ModelFixture f;
        QVERIFY(f.split(0, Column));
        f.model.setModified(false);
        QVERIFY(f.model.undoLastSplit());
        QCOMPARE(f.model.lastCellIndex(), 0);
        const frameset::CellView &cell = f.model.design().cell(0);
        QCOMPARE(cell.width, 9000.0f);
        QCOMPARE(cell.height, 6000.0f);
        QCOMPARE(f.model.design().labels(0).path, QStringLiteral("1"));
        QCOMPARE(cell.scroll.left, 9000.0f - 255);
        QVERIFY(layoutText(f.model.design()).isEmpty());
        QVERIFY(f.model.design().labels(0).columnSplitKey.isEmpty());
        QVERIFY(f.model.design().properties().record(1).isEmpty());
        QVERIFY(f.model.design().labels(1) == frameset::CellLabels());
        QCOMPARE(f.model.selectedCell(), 0);
        QVERIFY(f.model.isModified());
        QVERIFY(!f.model.undoEnabled());
        QVERIFY(!f.model.undoLastSplit());
        QCOMPARE(f.model.lastCellIndex(), 0);
    }

    void undoRestoresTheOverwrittenKey_data()
    {
        QTest::addColumn<frameset::SplitDirection>("direction");
        QTest::newRow("columns, widths add up") << Column;
        QTest::newRow("rows, heights add up") << Row;
    }
    void undoRestoresTheOverwrittenKey()
    {
        QFETCH(frameset::SplitDirection, direction);
        ModelFixture f;
        QVERIFY(f.split(0, Column));
        QVERIFY(f.split(0, direction)); // cell 0 again: its key field may be overwritten
        auto &records = f.model.design().properties();
        records.record(2).frameBorder = number(1);
        records.record(0).sourceUrl = text("menu.htm");
        const QStringList layoutBefore = {"<FRAMESET COLS= ##1>", "!!0", "!!1", "</FRAMESET>"};
        QVERIFY(f.model.undoLastSplit());
        QCOMPARE(layoutLines(f.model), layoutBefore);
        QCOMPARE(f.model.lastCellIndex(), 1);
        QCOMPARE(f.model.design().cell(0).width, 4500.0f);
        QCOMPARE(f.model.design().cell(0).height, 6000.0f);
        QCOMPARE(f.model.design().labels(0).columnSplitKey.text(), QStringLiteral("1A"));
        QVERIFY(f.model.design().labels(0).rowSplitKey.isEmpty());
        QCOMPARE(records.record(0).sourceUrl.text(), QStringLiteral("menu.htm"));
        QVERIFY(records.record(2).isEmpty()); // FrameBorder included
        QVERIFY(f.model.design().labels(2) == frameset::CellLabels()); // the keys too
        QCOMPARE(f.model.design().labels(0).path, QStringLiteral("11")); // the path stays
        QCOMPARE(f.model.selectedCell(), 1);
    }

    void resetKeepsCountersAndUndoState()
    {
        ModelFixture f;
        QVERIFY(f.split(0, Column));
        QVERIFY(f.split(1, Row));
        f.model.design().properties().record(0).frameName = text("x");
        f.model.design().setBordersOn(false);
        f.model.resetDesign(12000, 7000);
        const frameset::Design &d = f.model.design();
        QCOMPARE(d.lastCellIndex(), 0);
        QCOMPARE(d.labels(0).path, QStringLiteral("0"));
        QCOMPARE(d.cell(0).left, 0.0f);
        QCOMPARE(d.cell(0).top, 450.0f);
        QCOMPARE(d.cell(0).width, 12000.0f);
        QCOMPARE(d.cell(0).height, 7000.0f);
        QVERIFY(!d.cell(0).scroll.visible);
        QVERIFY(d.properties().record(0).isEmpty());
        QVERIFY(d.labels(0) == frameset::CellLabels());
        QVERIFY(layoutText(d).isEmpty());
        QVERIFY(layoutText(f.model.undoSplitTree()).isEmpty());
        QVERIFY(d.bordersOn());
        QVERIFY(!f.model.isModified());
        QCOMPARE(f.model.selectedCell(), 0);
        QCOMPARE(f.model.columnSplitCount(), 1);
        QCOMPARE(f.model.rowSplitCount(), 1);
        QVERIFY(f.model.undoEnabled());
        // Nothing is left to undo: the single cell stays as it is.
        QVERIFY(!f.model.undoLastSplit());
        QCOMPARE(f.model.design().cell(0).width, 12000.0f);
        QVERIFY(!f.model.isModified());
    }

    void splitAfterResetIsUneven()
    {
        ModelFixture f;
        QVERIFY(f.split(0, Column));
        f.model.resetDesign(9000, 6000);
        QVERIFY(f.split(0, Column));
        QCOMPARE(f.model.design().cell(0).width, 4499.0f);
        QCOMPARE(f.model.design().cell(1).width, 4501.0f);
        QCOMPARE(layoutLines(f.model),
            QStringList({"<FRAMESET COLS= ##1>", "!!0", "!!1", "</FRAMESET>"}));
    }

    void openDesignDisablesUndo()
    {
        ModelFixture f;
        QVERIFY(f.split(0, Column));
        frameset::Design loaded;
        loaded.setBordersOn(false);
        f.model.openDesign(loaded);
        QVERIFY(!f.model.undoEnabled());
        QVERIFY(!f.model.isModified());
        QCOMPARE(f.model.selectedCell(), 0);
        QVERIFY(!f.model.design().bordersOn());
    }
};

TRELLIS_TEST(TestLayoutModel)
#include "tst_layoutmodel.moc"
