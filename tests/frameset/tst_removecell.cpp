#include "designbuilder.h"
#include "frameset/core/layoutmodel.h"
#include "frameset/core/recordline.h"
#include "frameset/core/splitpath.h"
#include "testmain.h"

#include <QRandomGenerator>
#include <QTest>

using namespace framesettest;
using frameset::PropertyValue;

namespace {

// What must be equal between a design with a removed pair and the design that never had that
// split: everything but geometry.
void compareStructure(const frameset::Design &actual, const frameset::Design &expected)
{
    QCOMPARE(actual.lastCellIndex(), expected.lastCellIndex());
    QCOMPARE(layoutText(actual), layoutText(expected));
    QCOMPARE(cellPaths(actual), cellPaths(expected));
    for (int i = 0; i < frameset::FramePropertyTable::RecordCount; ++i) {
        const frameset::FrameProperties &got = actual.properties().record(i);
        const frameset::FrameProperties &want = expected.properties().record(i);
        for (int column = 0; column < frameset::recordline::ColumnCount; ++column) {
            QCOMPARE(frameset::recordline::column(got, actual.labels(i), column),
                frameset::recordline::column(want, expected.labels(i), column));
        }
    }
}

} // namespace

class TestRemoveCell : public QObject
{
    Q_OBJECT
private slots:
    void firstCellCannotBeRemoved()
    {
        ModelFixture f;
        QVERIFY(f.split(0, Column));
        f.model.setModified(false);
        const frameset::Design before = f.model.design();
        f.model.selectCell(0);
        QCOMPARE(f.model.removeCell(), frameset::RemoveOutcome::FirstCellStays);
        QVERIFY(f.model.design() == before);
        QVERIFY(!f.model.isModified());
    }

    void mergesThePair_data()
    {
        QTest::addColumn<frameset::SplitDirection>("direction");
        QTest::addColumn<int>("selected");
        QTest::newRow("second child of a column pair") << Column << 1;
        QTest::newRow("first child of a column pair") << Column << 0;
        QTest::newRow("second child of a row pair") << Row << 1;
        QTest::newRow("first child of a row pair") << Row << 0;
    }
    void mergesThePair()
    {
        QFETCH(frameset::SplitDirection, direction);
        QFETCH(int, selected);
        ModelFixture f;
        QVERIFY(f.split(0, Column));
        QVERIFY(f.split(1, direction));
        f.model.setModified(false);
        auto &records = f.model.design().properties();
        records.record(1).frameName = text("upper");
        records.record(2).frameName = text("lower");
        records.record(2).frameBorder = number(1);

        f.model.selectCell(1 + selected);
        QCOMPARE(f.model.removeCell(), frameset::RemoveOutcome::Removed);
        const frameset::Design &d = f.model.design();
        QCOMPARE(d.lastCellIndex(), 1);
        QCOMPARE(layoutLines(f.model),
            QStringList({"<FRAMESET COLS= ##1>", "!!0", "!!1", "</FRAMESET>"}));
        QCOMPARE(cellPaths(d), QStringList({"1", "2"}));
        // The survivor is the first child and takes back the whole right half.
        const frameset::CellView &c = d.cell(1);
        QCOMPARE(QRectF(c.left, c.top, c.width, c.height), QRectF(4500, 450, 4500, 6000));
        QCOMPARE(d.cell(1).scroll.left, 9000.0f - 255);
        QCOMPARE(d.cell(1).scroll.height, 6000.0f);
        QCOMPARE(records.record(1).frameName.text(), QStringLiteral("upper"));
        QCOMPARE(f.model.design().labels(1).columnSplitKey.text(), QStringLiteral("1B"));
        QVERIFY(f.model.design().labels(1).rowSplitKey.isEmpty());
        QVERIFY(records.record(2).isEmpty());
        QVERIFY(d.labels(2) == frameset::CellLabels());
        QCOMPARE(f.model.selectedCell(), 1);
        QVERIFY(f.model.isModified());
        QVERIFY(!f.model.undoEnabled());
    }

    void renumbersCellsRecordsAndLeaves()
    {
        ModelFixture f;
        QVERIFY(f.split(0, Column)); // 0 | 1
        QVERIFY(f.split(0, Row)); // 0 over 2
        QVERIFY(f.split(1, Row)); // 1 over 3
        auto &records = f.model.design().properties();
        for (int i = 0; i <= 3; ++i)
            records.record(i).sourceUrl = text(QString::number(i));
        f.model.selectCell(2);
        QCOMPARE(f.model.removeCell(), frameset::RemoveOutcome::Removed);
        QCOMPARE(layoutLines(f.model),
            QStringList({"<FRAMESET COLS= ##1>", "!!0", "<FRAMESET ROWS= ##21>", "!!1", "!!2",
                "</FRAMESET>", "</FRAMESET>"}));
        QCOMPARE(cellPaths(f.model.design()), QStringList({"1", "21", "22"}));
        QCOMPARE(records.record(2).sourceUrl.text(), QStringLiteral("3"));
        QCOMPARE(f.model.design().labels(2).rowSplitKey.text(), QStringLiteral("21B"));
        QVERIFY(records.record(3).isEmpty());
        QVERIFY(f.model.design().labels(3) == frameset::CellLabels());
        QCOMPARE(f.model.design().labels(0).columnSplitKey.text(), QStringLiteral("1A"));
        QVERIFY(f.model.design().labels(0).rowSplitKey.isEmpty());
        QCOMPARE(f.model.design().cell(0).height, 6000.0f);
        QCOMPARE(f.model.selectedCell(), 0);
    }

    void refusesWhenTheSiblingWasSplitFurther_data()
    {
        QTest::addColumn<int>("selected");
        QTest::newRow("first child, second side split") << 1;
        QTest::newRow("second child, first side split") << 4;
    }
    void refusesWhenTheSiblingWasSplitFurther()
    {
        QFETCH(int, selected);
        ModelFixture f;
        QVERIFY(f.split(0, Column)); // 0 | 1
        QVERIFY(f.split(1, Row)); // 1 = "21", 2 = "22"
        QVERIFY(f.split(2, Column)); // 2 = "221", 3 = "222"
        QVERIFY(f.split(0, Row)); // 0 = "11", 4 = "12"
        QVERIFY(f.split(0, Column)); // 0 = "111", 5 = "112"
        f.model.setModified(false);
        f.model.selectCell(selected);
        const frameset::Design before = f.model.design();
        QCOMPARE(f.model.removeCell(), frameset::RemoveOutcome::Refused);
        QVERIFY(f.model.design() == before);
        QVERIFY(!f.model.isModified());
    }

    void refusesCellsNotBesideEachOther()
    {
        ModelFixture f;
        QVERIFY(f.split(0, Column));
        f.model.design().cell(1).top += 15;
        f.model.design().cell(1).left += 15;
        const frameset::Design before = f.model.design();
        QCOMPARE(f.model.removeCell(), frameset::RemoveOutcome::Refused);
        QVERIFY(f.model.design() == before);
    }

    void removeAfterUndoKeepsThePath()
    {
        ModelFixture f;
        QVERIFY(f.split(0, Column));
        QVERIFY(f.model.undoLastSplit()); // cell 0 keeps path "1"
        QVERIFY(f.split(0, Row));
        QCOMPARE(cellPaths(f.model.design()), QStringList({"11", "12"}));
        QCOMPARE(f.model.removeCell(), frameset::RemoveOutcome::Removed);
        QCOMPARE(cellPaths(f.model.design()), QStringList({"1"}));
        QVERIFY(layoutText(f.model.design()).isEmpty());
        QVERIFY(f.model.design().properties().record(0).isEmpty());
        QVERIFY(f.model.design().labels(0).columnSplitKey.isEmpty());
        QVERIFY(f.model.design().labels(0).rowSplitKey.isEmpty());
        QVERIFY(f.split(0, Column));
        QCOMPARE(layoutLines(f.model),
            QStringList({"<FRAMESET COLS= ##11>", "!!0", "!!1", "</FRAMESET>"}));
    }

    // Removing a pair gives exactly the design that the same splits make without the pair's
    // split, for many random designs.
    void removeEqualsNeverSplit_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("splits");
        for (quint32 seed = 1; seed <= 12; ++seed)
            QTest::addRow("seed %u", seed) << seed << int(8 + seed * 7 % 40);
    }
    void removeEqualsNeverSplit()
    {
        QFETCH(quint32, seed);
        QFETCH(int, splits);
        QRandomGenerator random(seed);
        QList<SplitStep> steps;
        QList<QString> keys;
        ModelFixture full(1.0e7f, 1.0e7f);
        for (int i = 0; i < splits; ++i) {
            const SplitStep step{int(random.bounded(full.model.lastCellIndex() + 1)),
                random.bounded(2) ? Column : Row};
            QVERIFY(full.split(step.cell, step.direction));
            steps.append(step);
            keys.append(full.model.design().labels(step.cell).path);
        }

        int checked = 0;
        for (int i = 0; i < splits; ++i) {
            const int s = steps[i].cell;
            const int n = i + 1; // the new cell of split i
            const frameset::Design &d = full.model.design();
            if (d.labels(s).path != keys[i]
                || d.labels(n).path != frameset::splitpath::sibling(keys[i]))
                continue; // one of the pair was split again
            QList<SplitStep> without;
            for (int k = 0; k < splits; ++k) {
                if (k != i)
                    without.append({steps[k].cell > n ? steps[k].cell - 1 : steps[k].cell,
                        steps[k].direction});
            }
            ModelFixture expected(1.0e7f, 1.0e7f);
            QCOMPARE(expected.play(without), 0);

            for (const int selected : {s, n}) {
                if (selected == 0)
                    continue; // cell 0 cannot be removed
                ModelFixture removed(1.0e7f, 1.0e7f);
                QCOMPARE(removed.play(steps), 0);
                removed.model.selectCell(selected);
                QCOMPARE(removed.model.removeCell(), frameset::RemoveOutcome::Removed);
                compareStructure(removed.model.design(), expected.model.design());
                if (QTest::currentTestFailed())
                    QFAIL(qPrintable(
                        QStringLiteral("removing split %1 via cell %2").arg(i).arg(selected)));
            }
            ++checked;
        }
        QVERIFY(checked > 0);
    }
};

TRELLIS_TEST(TestRemoveCell)
#include "tst_removecell.moc"
