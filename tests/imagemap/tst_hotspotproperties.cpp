#include "drawingfixture.h"
#include "testmain.h"

#include <QTest>

using imagemap::DrawingAction;
using imagemap::HotspotLink;
using platform::MessageAnswer;
using testsupport::DrawingFixture;

class TestHotspotProperties : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<DrawingFixture> f;

    // Stores three rectangles side by side in rows 1 to 3.
    void storeThree()
    {
        for (int i = 0; i < 3; ++i)
            QCOMPARE(f->storeRectangle(QPoint(60 * i, 0), QPoint(60 * i + 50, 50), "x.htm"), i + 1);
    }

private slots:
    void init() { f = std::make_unique<DrawingFixture>(); }
    void cleanup() { QCOMPARE(f->prompter.pendingAnswers(), 0); }

    void urlCheck_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("three blanks") << "   " << false;
        QTest::newRow("tab") << "\t" << false;
        QTest::newRow("url") << "a.htm" << true;
        QTest::newRow("url with blanks") << "  a.htm " << true;
    }
    void urlCheck()
    {
        QFETCH(QString, url);
        QFETCH(bool, accepted);
        f->drag(QPoint(10, 10), QPoint(60, 60));
        if (!accepted)
            f->prompter.answer(MessageAnswer::Ok);
        QCOMPARE(f->ok({url, QString(), QString()}), accepted);
        QCOMPARE(f->state.dialogOpen(), !accepted);
        QCOMPARE(f->state.hotspots().usedCount(), accepted ? 1 : 0);
        if (accepted) {
            // Stored as typed; only the HTML trims.
            QCOMPARE(f->link(1), QStringList({url, "", ""}));
            return;
        }
        QCOMPARE(f->prompter.shown().size(), 1);
        const auto &box = f->prompter.shown().last();
        QCOMPARE(box.text, "Please enter the URL");
        QCOMPARE(box.icon, platform::MessageIcon::Exclamation);
        QCOMPARE(box.buttons, platform::MessageButtons::Ok);
        QCOMPARE(f->state.vertexCount(), 5);
        // The shape is still there for a second try.
        QCOMPARE(f->store("b.htm"), 1);
        QCOMPARE(f->row(1).points, QList<QPoint>({{10, 10}, {60, 60}}));
    }

    void activationAndUpdate()
    {
        f->drag(QPoint(10, 10), QPoint(60, 60));
        QCOMPARE(f->properties.activation(), HotspotLink());
        const HotspotLink first{"a.htm", "Alpha", "main"};
        QVERIFY(f->ok(first));
        const imagemap::HotspotRecord stored = f->row(1);

        // As an area a page gave without a link: OK links it.
        f->state.hotspots().row(1).linked = false;
        QCOMPARE(f->press(QPoint(30, 30), Qt::RightButton), DrawingAction::ShowDialog);
        QCOMPARE(f->properties.activation(), first);
        QVERIFY(f->ok({" b.htm ", "", "_top"}));
        QVERIFY(f->row(1).linked);
        QCOMPARE(f->link(1), QStringList({" b.htm ", "", "_top"}));
        QCOMPARE(f->row(1).points, stored.points);
        QCOMPARE(f->row(1).pointIndexes, stored.pointIndexes);
        QCOMPARE(f->row(1).region, stored.region);
        QCOMPARE(f->state.vertexCount(), 6);
        QCOMPARE(f->state.currentHotspot(), 0);
        QVERIFY(!f->state.dialogOpen());
    }

    void cancelKeepsExisting()
    {
        storeThree();
        f->press(QPoint(70, 10), Qt::RightButton);
        QVERIFY(f->properties.cancel());
        QCOMPARE(f->state.hotspots().usedCount(), 3);
        QCOMPARE(f->state.segments().all().size(), 12);
        QCOMPARE(f->state.vertexCount(), 16);
        QCOMPARE(f->state.currentHotspot(), 0);
    }

    void newShapeGivesPointsBack_data()
    {
        QTest::addColumn<bool>("useDelete");
        QTest::addColumn<bool>("polygon");
        QTest::newRow("cancel rectangle") << false << false;
        QTest::newRow("delete rectangle") << true << false;
        QTest::newRow("cancel polygon") << false << true;
        QTest::newRow("delete polygon") << true << true;
    }
    void newShapeGivesPointsBack()
    {
        QFETCH(bool, useDelete);
        QFETCH(bool, polygon);
        QCOMPARE(f->storeRectangle(QPoint(0, 0), QPoint(50, 50)), 1);
        if (polygon)
            f->polygon({QPoint(60, 0), QPoint(90, 0), QPoint(60, 40)});
        else
            f->drag(QPoint(60, 0), QPoint(110, 50));
        QCOMPARE(f->state.segments().all().size(), polygon ? 7 : 8);
        // A new shape is removed without a question.
        QVERIFY(useDelete ? f->remove() : f->properties.cancel());
        QCOMPARE(f->state.vertexCount(), 6);
        QCOMPARE(f->state.segments().indexes(), QList<int>({2, 3, 4, 5}));
        QVERIFY(!f->state.polygonOpen());
        QVERIFY(!f->state.dialogOpen());
        QCOMPARE(f->state.hotspots().usedCount(), 1);
        // The next shape starts at the same index.
        QCOMPARE(f->storeRectangle(QPoint(60, 0), QPoint(110, 50)), 2);
        QCOMPARE(f->row(2).pointIndexes, QList<int>({7, 8, 9, 10, 11}));
    }

    void deleteQuestion_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("yes") << MessageAnswer::Yes << true;
        QTest::newRow("no") << MessageAnswer::No << false;
        QTest::newRow("cancel") << MessageAnswer::Cancel << false;
    }
    void deleteQuestion()
    {
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, deleted);
        storeThree();
        const int regions = f->state.regions().count();
        QCOMPARE(f->press(QPoint(70, 10), Qt::RightButton), DrawingAction::ShowDialog);
        f->prompter.answer(answer);
        QCOMPARE(f->remove(), deleted);
        const auto &box = f->prompter.shown().last();
        QCOMPARE(box.text, "Are you sure you want to delete this hotspot?");
        QCOMPARE(box.icon, platform::MessageIcon::Question);
        QCOMPARE(box.buttons, platform::MessageButtons::YesNoCancel);
        QCOMPARE(f->state.dialogOpen(), !deleted);
        QCOMPARE(f->state.currentHotspot(), deleted ? 0 : 2);
        QCOMPARE(f->state.hotspots().inUse(2), !deleted);
        QCOMPARE(f->state.regions().count(), deleted ? regions - 1 : regions);
        const QList<int> all{2, 3, 4, 5, 7, 8, 9, 10, 12, 13, 14, 15};
        const QList<int> without{2, 3, 4, 5, 12, 13, 14, 15};
        QCOMPARE(f->state.segments().indexes(), deleted ? without : all);
        QCOMPARE(f->state.vertexCount(), 16);
        if (!deleted)
            QVERIFY(f->properties.cancel());
    }

    void regionFailureKeepsDialogOpen()
    {
        DrawingFixture g(1);
        QCOMPARE(g.storeRectangle(QPoint(0, 0), QPoint(50, 50)), 1);
        g.drag(QPoint(60, 0), QPoint(110, 50));
        for (int attempt = 0; attempt < 2; ++attempt) {
            g.prompter.answer(MessageAnswer::Ok);
            QVERIFY(!g.ok({QStringLiteral("b.htm"), {}, {}}));
            QCOMPARE(g.prompter.lastText(), "Capacity reached.  Please re-open image file.");
            QCOMPARE(g.prompter.shown().last().icon, platform::MessageIcon::Exclamation);
            // The closing point is taken back, so a second OK does not add another one.
            QCOMPARE(g.state.vertexCount(), 10);
            QVERIFY(g.state.dialogOpen());
            QCOMPARE(g.state.segments().all().size(), 8);
            QCOMPARE(g.state.hotspots().usedCount(), 1);
        }
        QVERIFY(g.properties.cancel());
        QCOMPARE(g.state.vertexCount(), 6);
        QCOMPARE(g.state.segments().all().size(), 4);
        QCOMPARE(g.prompter.pendingAnswers(), 0);
    }

    void fullTableStoresNothingSilently()
    {
        imagemap::HotspotTable &table = f->state.hotspots();
        for (int row = 1; row <= 99; ++row) {
            table.row(row).region = f->state.regions().create(QPolygon(QRect(0, 0, 5, 5)));
            table.row(row).url = QStringLiteral("full.htm");
        }
        QCOMPARE(f->state.regions().count(), 99);
        f->drag(QPoint(10, 10), QPoint(60, 60));
        QVERIFY(f->ok({"x.htm", {}, {}}));
        QCOMPARE(f->prompter.shown().size(), 0);
        QCOMPARE(table.usedCount(), 99);
        QCOMPARE(table.row(1).url, "full.htm");
        // The region made for the shape is freed again.
        QCOMPARE(f->state.regions().count(), 99);
        QCOMPARE(f->state.segments().all().size(), 4);
        QVERIFY(!f->state.dialogOpen());
    }

    void safeInAnyState()
    {
        QCOMPARE(f->storeRectangle(QPoint(0, 0), QPoint(50, 50)), 1);
        // A second Cancel, Delete or OK after the shape was stored touches nothing.
        QVERIFY(f->properties.cancel());
        QVERIFY(f->remove());
        QVERIFY(f->ok({QStringLiteral("again.htm"), {}, {}}));
        QCOMPARE(f->state.vertexCount(), 6);
        QCOMPARE(f->state.segments().all().size(), 4);
        QCOMPARE(f->state.hotspots().usedCount(), 1);
        QCOMPARE(f->row(1).url, "a.htm");

        // The edited row was emptied under the dialog (a new image was opened).
        f->press(QPoint(10, 10), Qt::RightButton);
        f->drawing.clearHotspots();
        QCOMPARE(f->properties.activation(), HotspotLink());
        QVERIFY(f->ok({QStringLiteral("late.htm"), {}, {}}));
        QCOMPARE(f->state.hotspots().usedCount(), 0);
        QCOMPARE(f->row(1).url, QString());
        f->state.setCurrentHotspot(1);
        f->state.setDialogOpen(true);
        f->prompter.answer(MessageAnswer::Yes);
        QVERIFY(f->remove());
        QCOMPARE(f->state.hotspots().usedCount(), 0);
        QVERIFY(!f->state.dialogOpen());
    }
};

TRELLIS_TEST(TestHotspotProperties)
#include "tst_hotspotproperties.moc"
