#include "designbuilder.h"
#include "frameset/ui/filteredlineedit.h"
#include "tst_designerhelpers.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>

using namespace designertest;
using frameset::FrameField;
using frameset::PropertyValue;
using frameset::SplitDirection;

namespace {

// A properties dialog over a design area of 9000 x 6000 twips, not shown.
struct Form
{
    framesettest::ModelFixture f;
    testsupport::ScriptedFileDialogs dialogs;
    QString folder;
    frameset::Propform form{f.model, dialogs, platform::TwipsScale(15), folder};

    frameset::FilteredLineEdit *entry(int i) const { return form.entrybox(i); }
    QCheckBox *box(const char *name) const { return child<QCheckBox>(&form, name); }
    QLabel *label(const char *name) const { return child<QLabel>(&form, name); }
    QComboBox *list(const char *name) const { return child<QComboBox>(&form, name); }
    const PropertyValue &field(int cell, FrameField field) const
    {
        return f.model.design().properties().field(cell, field);
    }
    void setField(int cell, FrameField field, const PropertyValue &value)
    {
        f.model.design().properties().setField(cell, field, value);
    }
    // Fills the dialog from `cell`'s record.
    void open(int cell)
    {
        f.model.selectCell(cell);
        form.fill();
    }
    void ok() { QTest::mouseClick(child<QPushButton>(&form, "OKbutton"), Qt::LeftButton); }
};

PropertyValue text(const char *t)
{
    return PropertyValue::fromText(QString::fromLatin1(t));
}

PropertyValue number(qint64 n)
{
    return PropertyValue::fromNumber(n);
}

} // namespace

class TestPropform : public QObject
{
    Q_OBJECT
private slots:
    void controls()
    {
        Form t;
        QCOMPARE(t.form.windowTitle(), QStringLiteral("Properties"));
        const QList<QPair<const char *, QString>> captions
            = {{"Label1", "URL"}, {"Label2", "Frame Name"}, {"Label3", "Margin Width"},
                {"Label4", "Margin Height"}, {"Label5", "Scroll Bar"}, {"Label11", "Frame Border"}};
        for (const auto &[name, caption] : captions)
            QCOMPARE(t.label(name)->text(), caption);
        QCOMPARE(child<QPushButton>(&t.form, "Browserbutton")->text(), QStringLiteral("Browse"));
        QCOMPARE(child<QPushButton>(&t.form, "OKbutton")->text(), QStringLiteral("&OK Save"));
        QCOMPARE(child<QPushButton>(&t.form, "Cancelbutton")->text(), QStringLiteral("&Cancel"));
        QCOMPARE(t.box("FixedWidth")->text(), QStringLiteral("Fixed &Width"));
        QCOMPARE(t.box("FixedHeight")->text(), QStringLiteral("Fixed &Height"));
        QCOMPARE(t.box("Noresizecheck")->text(), QStringLiteral("&No-resize"));
        auto items = [](QComboBox *list) {
            QStringList all;
            for (int i = 0; i < list->count(); ++i)
                all << list->itemText(i);
            return all;
        };
        QCOMPARE(items(t.list("Combo1")), QStringList({"Auto", "Yes", "No"}));
        QCOMPARE(items(t.list("Combo2")), QStringList({"3D Border", "Plain Border"}));
        // Placed 15 twips from the left and 360 from the top of the screen.
        QCOMPARE(t.form.pos(), QPoint(1, 24));
    }

    void fillNeverEdited_data()
    {
        QTest::addColumn<QList<framesettest::SplitStep>>("splits");
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("widthEnabled");
        QTest::addColumn<bool>("heightEnabled");
        using framesettest::Column;
        using framesettest::Row;
        QTest::newRow("only cell")
            << QList<framesettest::SplitStep>() << 0 << "Frame1" << false << false;
        QTest::newRow("right of a column split")
            << QList<framesettest::SplitStep>({{0, Column}}) << 1 << "Frame2" << true << false;
        QTest::newRow("below a row split")
            << QList<framesettest::SplitStep>({{0, Row}}) << 1 << "Frame2" << false << true;
        QTest::newRow("left of a column split and below a row split")
            << QList<framesettest::SplitStep>({{0, Row}, {1, Column}}) << 1 << "Frame2" << true
            << true;
        // A cell made by a row split inside a column takes no part in the column split.
        QTest::newRow("lower half of a column's row split")
            << QList<framesettest::SplitStep>({{0, Column}, {0, Row}}) << 2 << "Frame3" << false
            << true;
    }
    void fillNeverEdited()
    {
        QFETCH(QList<framesettest::SplitStep>, splits);
        QFETCH(int, cell);
        QFETCH(QString, name);
        QFETCH(bool, widthEnabled);
        QFETCH(bool, heightEnabled);
        Form t;
        QCOMPARE(t.f.play(splits), 0);
        t.open(cell);
        QCOMPARE(t.form.editedCell(), cell);
        QVERIFY(t.entry(0)->text().isEmpty());
        QCOMPARE(t.entry(1)->text(), name);
        QVERIFY(t.entry(2)->text().isEmpty());
        QVERIFY(t.entry(3)->text().isEmpty());
        QVERIFY(!t.box("FixedWidth")->isChecked());
        QVERIFY(!t.box("FixedHeight")->isChecked());
        QVERIFY(t.label("Label6")->text().isEmpty());
        QVERIFY(t.label("Label7")->text().isEmpty());
        QVERIFY(!t.box("Noresizecheck")->isChecked());
        QCOMPARE(t.list("Combo1")->currentText(), QStringLiteral("Auto"));
        QCOMPARE(t.list("Combo2")->currentText(), QStringLiteral("3D Border"));
        QCOMPARE(t.box("FixedWidth")->isEnabled(), widthEnabled);
        QCOMPARE(t.box("FixedHeight")->isEnabled(), heightEnabled);
    }

    void okStoresTheDefaults()
    {
        Form t;
        t.f.split(0, framesettest::Column);
        t.f.model.setModifiedFlag(false);
        t.open(0);
        t.ok();
        QCOMPARE(t.form.result(), int(QDialog::Accepted));
        QVERIFY(t.f.model.ModifiedFlag());
        QCOMPARE(t.field(0, frameset::SourceUrl), text(""));
        QCOMPARE(t.field(0, frameset::FrameName), text("Frame1"));
        QCOMPARE(t.field(0, frameset::MarginWidth), text(""));
        QCOMPARE(t.field(0, frameset::MarginHeight), text(""));
        for (const FrameField f : {frameset::FixedWidthPx, frameset::FixedHeightPx,
                 frameset::NoResize, frameset::Scrolling, frameset::FrameBorder})
            QCOMPARE(t.field(0, f), number(0));
        QCOMPARE(t.field(0, frameset::ColumnSplitKey), text("1A"));
        QVERIFY(t.field(0, frameset::RowSplitKey).isEmpty());
        // Another cell's record is untouched.
        QVERIFY(t.field(1, frameset::FrameName).isEmpty());
    }

    void fillFromRecord()
    {
        Form t;
        t.f.split(0, framesettest::Column);
        t.setField(0, frameset::SourceUrl, text("Menu.HTM"));
        t.setField(0, frameset::FrameName, text("nav"));
        t.setField(0, frameset::MarginWidth, text("10"));
        t.setField(0, frameset::MarginHeight, number(5));
        t.setField(0, frameset::FixedWidthPx, text("120"));
        t.setField(0, frameset::FixedHeightPx, number(0));
        t.setField(0, frameset::NoResize, text("1"));
        t.setField(0, frameset::Scrolling, text("2"));
        t.setField(0, frameset::FrameBorder, number(1));
        t.open(0);
        QCOMPARE(t.entry(0)->text(), QStringLiteral("Menu.HTM"));
        QCOMPARE(t.entry(1)->text(), QStringLiteral("nav"));
        QCOMPARE(t.entry(2)->text(), QStringLiteral("10"));
        QCOMPARE(t.entry(3)->text(), QStringLiteral("5"));
        QVERIFY(t.box("FixedWidth")->isChecked());
        QCOMPARE(t.label("Label6")->text(), QStringLiteral(" 120 pixels"));
        QVERIFY(!t.box("FixedHeight")->isChecked());
        QVERIFY(t.label("Label7")->text().isEmpty());
        QVERIFY(t.box("Noresizecheck")->isChecked());
        QCOMPARE(t.list("Combo1")->currentText(), QStringLiteral("No"));
        QCOMPARE(t.list("Combo2")->currentText(), QStringLiteral("Plain Border"));
        // Showing a record leaves the design's scroll-bar views alone.
        QVERIFY(t.f.model.design().cell(0).scroll.visible);

        // The stored fixed width is kept on OK, not replaced by the cell's current width.
        t.ok();
        QCOMPARE(t.field(0, frameset::FixedWidthPx), number(120));
        QCOMPARE(t.field(0, frameset::Scrolling), number(2));
        QCOMPARE(t.field(0, frameset::NoResize), number(1));
    }

    void listEntryOutsideTheListShowsTheFirst()
    {
        Form t;
        t.setField(0, frameset::Scrolling, text("7"));
        t.setField(0, frameset::FrameBorder, text("-1"));
        t.open(0);
        QCOMPARE(t.list("Combo1")->currentIndex(), 0);
        QCOMPARE(t.list("Combo2")->currentIndex(), 0);
    }

    void okStoresTrimmedTexts()
    {
        Form t;
        t.open(0);
        t.entry(0)->setText(QStringLiteral("  menu.htm "));
        t.entry(1)->setText(QStringLiteral(" main"));
        t.ok();
        QCOMPARE(t.field(0, frameset::SourceUrl), text("menu.htm"));
        QCOMPARE(t.field(0, frameset::FrameName), text("main"));
    }

    void fixedSizesTakeTheCellsSize()
    {
        Form t;
        t.f.split(0, framesettest::Column);
        t.f.split(0, framesettest::Row);
        frameset::CellView &cell = t.f.model.design().cell(0);
        cell.width = 1810;
        cell.height = 3000;
        t.open(0);
        t.box("FixedWidth")->click();
        QCOMPARE(t.label("Label6")->text(), QStringLiteral(" 120 pixels"));
        t.box("FixedHeight")->click();
        QCOMPARE(t.label("Label7")->text(), QStringLiteral(" 200 pixels"));
        t.box("FixedHeight")->click();
        QVERIFY(t.label("Label7")->text().isEmpty());
        t.ok();
        QCOMPARE(t.field(0, frameset::FixedWidthPx), number(120));
        QCOMPARE(t.field(0, frameset::FixedHeightPx), number(0));
    }

    void marginBoxesTakeDigitsOnly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("result");
        QTest::newRow("typed 1a2") << "1a2" << QString() << "12";
        QTest::newRow("pasted into digits") << "19"
                                            << "3x4 5"
                                            << "19345";
        QTest::newRow("signs and points") << "-1.5" << QString() << "15";
    }
    void marginBoxesTakeDigitsOnly()
    {
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(QString, result);
        Form t;
        t.open(0);
        for (const int i : {2, 3}) {
            QTest::keyClicks(t.entry(i), typed);
            if (!pasted.isEmpty()) {
                QGuiApplication::clipboard()->setText(pasted);
                t.entry(i)->paste();
            }
            QCOMPARE(t.entry(i)->text(), result);
        }
    }

    void editingKeysStillWork()
    {
        Form t;
        t.open(0);
        frameset::FilteredLineEdit *margin = t.entry(2);
        QTest::keyClicks(margin, QStringLiteral("13"));
        QTest::keyClick(margin, Qt::Key_Left);
        QTest::keyClicks(margin, QStringLiteral("x2"));
        QCOMPARE(margin->text(), QStringLiteral("123"));
        QCOMPARE(margin->cursorPosition(), 2);
        QTest::keyClick(margin, Qt::Key_Delete);
        QCOMPARE(margin->text(), QStringLiteral("12"));
        QTest::keyClick(margin, Qt::Key_Backspace);
        QCOMPARE(margin->text(), QStringLiteral("1"));
    }

    void urlAndNameDropLineBreaksAndSemicolons_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("result");
        QTest::newRow("URL typed") << 0 << "a;b.htm" << QString() << "ab.htm";
        QTest::newRow("URL pasted") << 0 << QString() << "x\r\ny;z\n"
                                    << "xyz";
        QTest::newRow("URL keeps the rest")
            << 0 << "page 1.htm?a=b&c=!!1##2" << QString() << "page 1.htm?a=b&c=!!1##2";
        QTest::newRow("name typed") << 1 << "top;frame" << QString() << "topframe";
        QTest::newRow("name pasted") << 1 << QString() << "main\r\n"
                                     << "main";
    }
    void urlAndNameDropLineBreaksAndSemicolons()
    {
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(QString, result);
        Form t;
        t.open(0);
        t.entry(box)->clear();
        QTest::keyClicks(t.entry(box), typed);
        if (!pasted.isEmpty()) {
            QGuiApplication::clipboard()->setText(pasted);
            t.entry(box)->paste();
        }
        QCOMPARE(t.entry(box)->text(), result);
    }

    void scrollBarRuleActsAtOnce()
    {
        Form t;
        t.f.split(0, framesettest::Column);
        t.open(0);
        QSignalSpy changed(&t.form, &frameset::Propform::scrollBarChanged);
        t.f.model.setModifiedFlag(false);
        t.list("Combo1")->setCurrentIndex(2);
        // The view changes at once; only OK counts as a change to the design.
        QVERIFY(!t.f.model.ModifiedFlag());
        QVERIFY(!t.f.model.design().cell(0).scroll.visible);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().first().toInt(), 0);
        // "Yes" puts the view back along the cell's right edge, also after the cell changed.
        frameset::CellView &cell = t.f.model.design().cell(0);
        cell.width = 3000;
        t.list("Combo1")->setCurrentIndex(1);
        QVERIFY(cell.scroll.visible);
        QCOMPARE(cell.scroll.left, 3000 - t.f.model.ScrollBarWidth());
        QCOMPARE(cell.scroll.height, cell.height);
        // Nothing is stored in the record until OK.
        QVERIFY(t.field(0, frameset::Scrolling).isEmpty());
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
        Form t;
        t.open(0);
        t.dialogs.answer(chosen);
        QTest::mouseClick(child<QPushButton>(&t.form, "Browserbutton"), Qt::LeftButton);
        QCOMPARE(t.entry(0)->text(), url);
        QCOMPARE(t.folder, folder);
        const platform::FileDialogRequest &first = t.dialogs.shown().first().request;
        QCOMPARE(first.filter, QStringLiteral("All Files(*.*)|*.*|HTML(*.htm)|*.htm"));
        QCOMPARE(first.fileName, QStringLiteral("*.*"));
        QVERIFY(first.directory.isEmpty());

        // The next Browse starts in the remembered folder; cancelling it changes nothing.
        t.dialogs.cancel();
        t.form.browse();
        QCOMPARE(t.dialogs.shown().last().request.directory, folder);
        QCOMPARE(t.entry(0)->text(), url);
        QCOMPARE(t.folder, folder);
    }

    void tabGoesTopToBottom()
    {
        Form t;
        t.f.split(0, framesettest::Column);
        t.f.split(0, framesettest::Row);
        t.open(0);
        t.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&t.form));
        QCOMPARE(QApplication::focusWidget(), t.entry(0));
        const QList<QWidget *> order = {t.entry(1), t.entry(2), t.entry(3), t.box("FixedWidth"),
            t.box("FixedHeight"), t.box("Noresizecheck"), t.list("Combo1"), t.list("Combo2"),
            child<QPushButton>(&t.form, "OKbutton"), child<QPushButton>(&t.form, "Cancelbutton"),
            child<QPushButton>(&t.form, "Browserbutton"), t.entry(0)};
        for (QWidget *next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void enterIsOk()
    {
        Form t;
        t.open(0);
        t.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&t.form));
        QTest::keyClicks(t.entry(0), QStringLiteral("main.htm"));
        QTest::keyClick(t.entry(0), Qt::Key_Return);
        QCOMPARE(t.form.result(), int(QDialog::Accepted));
        QVERIFY(!t.form.isVisible());
        QCOMPARE(t.field(0, frameset::SourceUrl), text("main.htm"));
    }

    // The dialog as the designer opens it.

    void doubleClickOpensAndOkStores()
    {
        Designer d;
        d.split(0, SplitDirection::Column);
        whenPropformShown([](frameset::Propform *dialog) {
            QTest::keyClicks(dialog->entrybox(0), QStringLiteral("left.htm"));
            clickOk(dialog);
        });
        doubleClick(d.cell(0), QPoint(50, 50));
        QVERIFY(!d.window.propform());
        QCOMPARE(d.model().SelectedCell(), 0);
        QVERIFY(d.cell(0)->isHighlighted());
        QCOMPARE(d.model().design().properties().field(0, frameset::SourceUrl), text("left.htm"));
        QCOMPARE(d.model().design().properties().field(0, frameset::FrameName), text("Frame1"));
    }

    void singleCellDoubleClickOpens()
    {
        Designer d;
        bool shown = false;
        bool fixedSizesEnabled = true;
        whenPropformShown([&](frameset::Propform *dialog) {
            shown = true;
            fixedSizesEnabled = child<QCheckBox>(dialog, "FixedWidth")->isEnabled()
                || child<QCheckBox>(dialog, "FixedHeight")->isEnabled();
            clickOk(dialog);
        });
        doubleClick(d.cell(0), QPoint(50, 50));
        QVERIFY(shown);
        QVERIFY(!fixedSizesEnabled);
        QVERIFY(!d.cell(0)->isHighlighted());
        QVERIFY(d.model().ModifiedFlag());
    }

    void rightButtonOpensForThePressedCell()
    {
        Designer d;
        d.split(0, SplitDirection::Column);
        int edited = -1;
        whenPropformShown([&edited](frameset::Propform *dialog) {
            edited = dialog->editedCell();
            clickCancel(dialog);
        });
        QTest::mouseClick(d.cell(0), Qt::RightButton, {}, QPoint(50, 50));
        QCOMPARE(edited, 0);
        QCOMPARE(d.window.surface()->pixelbox()->text(), QStringLiteral("396w  700h (pixels)"));
        QVERIFY(d.cell(0)->isHighlighted());
    }

    void cancelHidesAndKeepsTheScrollBarRule()
    {
        Designer d;
        d.split(0, SplitDirection::Column);
        QPointer<frameset::Propform> first;
        whenPropformShown([&first](frameset::Propform *dialog) {
            first = dialog;
            QTest::keyClicks(dialog->entrybox(0), QStringLiteral("lost.htm"));
            child<QComboBox>(dialog, "Combo1")->setCurrentIndex(2);
            dialog->move(200, 150);
            clickCancel(dialog);
        });
        doubleClick(d.cell(1), QPoint(50, 50));
        QVERIFY(first);
        QCOMPARE(d.window.propform(), first.data());
        QVERIFY(!first->isVisible());
        QVERIFY(d.model().design().properties().record(1).field(frameset::SourceUrl).isEmpty());
        QVERIFY(d.model().design().properties().field(1, frameset::Scrolling).isEmpty());
        QVERIFY(!d.model().design().cell(1).scroll.visible);
        QVERIFY(!d.window.surface()->scrollView(1)->isVisible());
        QVERIFY(d.window.surface()->scrollView(0)->isVisible());

        // Reopened: the same dialog where it was left, showing the record again.
        const frameset::Propform *firstAddress = first.data();
        QPoint where;
        QString url = QStringLiteral("not shown");
        const frameset::Propform *second = nullptr;
        whenPropformShown([&](frameset::Propform *dialog) {
            second = dialog;
            where = dialog->pos();
            url = dialog->entrybox(0)->text();
            clickOk(dialog);
        });
        doubleClick(d.cell(1), QPoint(50, 50));
        QCOMPARE(second, firstAddress);
        QVERIFY(url.isEmpty());
        QCOMPARE(where, QPoint(200, 150));
        // OK discarded it; the next opening builds a new one at the start position.
        QVERIFY(!first);
        whenPropformShown([&](frameset::Propform *dialog) {
            where = dialog->pos();
            clickCancel(dialog);
        });
        doubleClick(d.cell(1), QPoint(50, 50));
        QCOMPARE(where, QPoint(1, 24));
    }

    void browseFolderOutlivesTheDialog()
    {
        Designer d;
        d.dialogs.answer(QStringLiteral("/srv/www/site/Top.htm"));
        whenPropformShown([](frameset::Propform *dialog) {
            dialog->browse();
            clickOk(dialog);
        });
        doubleClick(d.cell(0), QPoint(50, 50));
        QCOMPARE(d.model().design().properties().field(0, frameset::SourceUrl), text("Top.htm"));
        d.dialogs.cancel();
        whenPropformShown([](frameset::Propform *dialog) {
            dialog->browse();
            clickOk(dialog);
        });
        doubleClick(d.cell(0), QPoint(50, 50));
        QCOMPARE(d.dialogs.shown().last().request.directory, QStringLiteral("/srv/www/site"));
    }
};

QTEST_MAIN(TestPropform)
#include "tst_propform.moc"
