#include "designbuilder.h"
#include "frameset/core/framepropertieseditor.h"
#include "scriptedfiledialogs.h"
#include "testmain.h"

#include <QTest>

using namespace framesettest;
using frameset::FrameBorderChoice;
using frameset::FramePropertiesEntries;
using frameset::FrameTextBox;
using frameset::PropertyValue;
using frameset::ScrollingChoice;

Q_DECLARE_METATYPE(frameset::ScrollingChoice)
Q_DECLARE_METATYPE(frameset::FrameBorderChoice)

namespace {

// The properties editor over a design area of 9000 x 6000 twips at 15 twips per pixel.
struct Editor
{
    ModelFixture f;
    testsupport::ScriptedFileDialogs dialogs;
    QString folder;
    frameset::FramePropertiesEditor editor{f.model, dialogs, frameset::PixelScale(15), folder};

    frameset::FrameProperties &record(int cell)
    {
        return f.model.design().properties().record(cell);
    }
    // Opens the editor on `cell`.
    FramePropertiesEntries open(int cell)
    {
        f.model.selectCell(cell);
        return editor.open();
    }
};

} // namespace

class TestFramePropertiesEditor : public QObject
{
    Q_OBJECT
private slots:
    void openNeverEdited_data()
    {
        QTest::addColumn<QList<SplitStep>>("splits");
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("widthAvailable");
        QTest::addColumn<bool>("heightAvailable");
        QTest::newRow("only cell") << QList<SplitStep>() << 0 << "Frame1" << false << false;
        QTest::newRow("right of a column split")
            << QList<SplitStep>({{0, Column}}) << 1 << "Frame2" << true << false;
        QTest::newRow("below a row split")
            << QList<SplitStep>({{0, Row}}) << 1 << "Frame2" << false << true;
        QTest::newRow("left of a column split and below a row split")
            << QList<SplitStep>({{0, Row}, {1, Column}}) << 1 << "Frame2" << true << true;
        // A cell made by a row split inside a column takes no part in the column split.
        QTest::newRow("lower half of a column's row split")
            << QList<SplitStep>({{0, Column}, {0, Row}}) << 2 << "Frame3" << false << true;
    }
    void openNeverEdited()
    {
        QFETCH(QList<SplitStep>, splits);
        QFETCH(int, cell);
        QFETCH(QString, name);
        QFETCH(bool, widthAvailable);
        QFETCH(bool, heightAvailable);
        Editor t;
        QCOMPARE(t.f.play(splits), 0);
        FramePropertiesEntries expected;
        expected.frameName = name;
        expected.fixedWidth.available = widthAvailable;
        expected.fixedHeight.available = heightAvailable;
        QCOMPARE(t.open(cell), expected);
        QCOMPARE(t.editor.editedCell(), cell);
    }

    void openShowsTheRecord()
    {
        Editor t;
        t.f.split(0, Column);
        frameset::FrameProperties &record = t.record(0);
        record.sourceUrl = text("Menu.HTM");
        record.frameName = text("nav");
        record.marginWidth = text("10");
        record.marginHeight = number(5);
        record.fixedWidthPixels = text("120");
        record.fixedHeightPixels = number(0);
        record.noResize = text("1");
        t.f.model.setModified(false);
        const FramePropertiesEntries entries = t.open(0);
        QCOMPARE(QStringList({entries.sourceUrl, entries.frameName, entries.marginWidth,
                     entries.marginHeight}),
            QStringList({"Menu.HTM", "nav", "10", "5"}));
        QCOMPARE(entries.fixedWidth, (frameset::FixedSizeEntry{true, true, 120}));
        QCOMPARE(entries.fixedHeight, (frameset::FixedSizeEntry{false, false, 0}));
        QVERIFY(entries.noResize);
        // Opening leaves the design alone.
        QVERIFY(t.f.model.design().cell(0).scroll.visible);
        QVERIFY(!t.f.model.isModified());
    }

    void blankNameIsMadeUp_data()
    {
        QTest::addColumn<PropertyValue>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("never set") << PropertyValue() << "Frame1";
        QTest::newRow("empty") << text("") << "Frame1";
        QTest::newRow("blanks") << text("   ") << "Frame1";
        QTest::newRow("a name") << text(" main") << " main";
    }
    void blankNameIsMadeUp()
    {
        QFETCH(PropertyValue, stored);
        QFETCH(QString, shown);
        Editor t;
        t.record(0).frameName = stored;
        QCOMPARE(t.open(0).frameName, shown);
    }

    void choicesFromTheRecord_data()
    {
        QTest::addColumn<PropertyValue>("scrolling");
        QTest::addColumn<PropertyValue>("border");
        QTest::addColumn<ScrollingChoice>("scrollingShown");
        QTest::addColumn<FrameBorderChoice>("borderShown");
        QTest::newRow("never set") << PropertyValue() << PropertyValue() << ScrollingChoice::Auto
                                   << FrameBorderChoice::ThreeD;
        QTest::newRow("numbers") << number(1) << number(1) << ScrollingChoice::Yes
                                 << FrameBorderChoice::Plain;
        QTest::newRow("texts from a file")
            << text("2") << text("1") << ScrollingChoice::No << FrameBorderChoice::Plain;
        // A value the list does not have shows the list's first entry.
        QTest::newRow("outside the lists")
            << text("7") << text("-1") << ScrollingChoice::Auto << FrameBorderChoice::ThreeD;
    }
    void choicesFromTheRecord()
    {
        QFETCH(PropertyValue, scrolling);
        QFETCH(PropertyValue, border);
        QFETCH(ScrollingChoice, scrollingShown);
        QFETCH(FrameBorderChoice, borderShown);
        Editor t;
        t.record(0).scrolling = scrolling;
        t.record(0).frameBorder = border;
        const FramePropertiesEntries entries = t.open(0);
        QCOMPARE(entries.scrolling, scrollingShown);
        QCOMPARE(entries.frameBorder, borderShown);
    }

    void storeTheDefaults()
    {
        Editor t;
        t.f.split(0, Column);
        t.f.model.setModified(false);
        t.editor.store(t.open(0));
        QVERIFY(t.f.model.isModified());
        const frameset::FrameProperties &r = t.record(0);
        const frameset::CellLabels &l = t.f.model.design().labels(0);
        QCOMPARE(QList<PropertyValue>({r.sourceUrl, r.frameName, r.marginWidth, r.marginHeight,
                     r.fixedWidthPixels, r.fixedHeightPixels, r.noResize, r.scrolling,
                     r.frameBorder, l.columnSplitKey, l.rowSplitKey}),
            QList<PropertyValue>({text(""), text("Frame1"), text(""), text(""), number(0),
                number(0), number(0), number(0), number(0), text("1A"), PropertyValue()}));
        // Another cell's record is untouched.
        QVERIFY(t.record(1).frameName.isEmpty());
    }

    void storeTrimsTextsAndKeepsChoicesAsNumbers()
    {
        Editor t;
        t.f.split(0, Column);
        t.record(0).fixedWidthPixels = text("120");
        FramePropertiesEntries entries = t.open(0);
        entries.sourceUrl = QStringLiteral("  menu.htm ");
        entries.frameName = QStringLiteral(" main");
        entries.marginWidth = QStringLiteral("7 ");
        entries.noResize = true;
        entries.scrolling = ScrollingChoice::No;
        entries.frameBorder = FrameBorderChoice::Plain;
        t.editor.store(entries);
        const frameset::FrameProperties &r = t.record(0);
        // The stored fixed width is kept, not replaced by the cell's current width.
        QCOMPARE(QList<PropertyValue>({r.sourceUrl, r.frameName, r.marginWidth, r.fixedWidthPixels,
                     r.noResize, r.scrolling, r.frameBorder}),
            QList<PropertyValue>({text("menu.htm"), text("main"), text("7"), number(120), number(1),
                number(2), number(1)}));
    }

    void fixedSizesTakeTheCellsSizeWhenTicked()
    {
        Editor t;
        t.f.split(0, Column);
        t.f.split(0, Row);
        frameset::CellView &cell = t.f.model.design().cell(0);
        cell.width = 1810;
        cell.height = 3000;
        FramePropertiesEntries entries = t.open(0);
        QCOMPARE(t.editor.fixedWidthWhenTicked(), std::optional<qint64>(120));
        QCOMPARE(t.editor.fixedHeightWhenTicked(), std::optional<qint64>(200));
        // Only a ticked box stores its size.
        entries.fixedWidth = {true, true, 120};
        entries.fixedHeight = {true, false, 200};
        t.editor.store(entries);
        QCOMPARE(t.record(0).fixedWidthPixels, number(120));
        QCOMPARE(t.record(0).fixedHeightPixels, number(0));
    }

    void accepts_data()
    {
        QTest::addColumn<FrameTextBox>("box");
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("kept");
        const QString all = QStringLiteral("a1 ;\r\n-.!#?&=\"'\u00e9/\\");
        for (const FrameTextBox box : {FrameTextBox::SourceUrl, FrameTextBox::FrameName})
            QTest::addRow("text box %d", int(box)) << box << all << "a1 -.!#?&=\"'\u00e9/\\";
        for (const FrameTextBox box : {FrameTextBox::MarginWidth, FrameTextBox::MarginHeight})
            QTest::addRow("margin box %d", int(box)) << box << all + "0123456789"
                                                     << "10123456789";
    }
    void accepts()
    {
        QFETCH(FrameTextBox, box);
        QFETCH(QString, offered);
        QFETCH(QString, kept);
        QString result;
        for (const QChar c : offered) {
            if (frameset::FramePropertiesEditor::accepts(box, c))
                result += c;
        }
        QCOMPARE(result, kept);
    }

    void scrollBarRule()
    {
        Editor t;
        t.f.split(0, Column);
        t.open(0);
        t.f.model.setModified(false);
        QVERIFY(t.editor.chooseScrolling(ScrollingChoice::No));
        // The view changes at once; only OK counts as a change to the design.
        QVERIFY(!t.f.model.isModified());
        frameset::CellView &cell = t.f.model.design().cell(0);
        QVERIFY(!cell.scroll.visible);
        // "Yes" and "Auto" put the view back along the cell's right edge, also after the cell
        // changed.
        for (const ScrollingChoice choice : {ScrollingChoice::Yes, ScrollingChoice::Auto}) {
            cell.width = choice == ScrollingChoice::Yes ? 3000 : 2500;
            cell.scroll.visible = false;
            QVERIFY(t.editor.chooseScrolling(choice));
            QVERIFY(cell.scroll.visible);
            QCOMPARE(cell.scroll.left, cell.width - t.f.model.scrollBarWidth());
            QCOMPARE(cell.scroll.top, cell.top);
            QCOMPARE(cell.scroll.height, cell.height);
        }
        // Nothing is stored in the record until OK.
        QVERIFY(t.record(0).scrolling.isEmpty());
    }

    void browse_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("folder");
        QTest::newRow("folder") << "/home/ann/Web/Site/Menu.HTM"
                                << "Menu.HTM"
                                << "/home/ann/Web/Site";
        QTest::newRow("root") << "/Index.htm"
                              << "Index.htm"
                              << "/";
        // "\\" is a legal character of a file name here, not a separator.
        QTest::newRow("backslash in the name") << "/home/ann/Web/a\\b.htm"
                                               << "a\\b.htm"
                                               << "/home/ann/Web";
        QTest::newRow("backslash in a folder") << "/home/ann/x\\y/Index.htm"
                                               << "Index.htm"
                                               << "/home/ann/x\\y";
    }
    void browse()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, url);
        QFETCH(QString, folder);
        Editor t;
        t.open(0);
        t.dialogs.answer(chosen);
        QCOMPARE(t.editor.browse(), std::optional<QString>(url));
        QCOMPARE(t.folder, folder);
        const platform::FileDialogRequest &first = t.dialogs.shown().first().request;
        QCOMPARE(first.filter, QStringLiteral("All Files(*.*)|*.*|HTML(*.htm)|*.htm"));
        QCOMPARE(first.fileName, QStringLiteral("*.*"));
        QVERIFY(first.directory.isEmpty());

        // The next Browse starts in the remembered folder; cancelling it changes nothing.
        t.dialogs.cancel();
        QCOMPARE(t.editor.browse(), std::nullopt);
        QCOMPARE(t.dialogs.shown().last().request.directory, folder);
        QCOMPARE(t.folder, folder);
    }
};

TRELLIS_TEST(TestFramePropertiesEditor)
#include "tst_framepropertieseditor.moc"
