#include "designbuilder.h"
#include "frameset/ui/filteredlineedit.h"
#include "testmain.h"
#include "tst_designerhelpers.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

using namespace designertest;
using frameset::FrameTextBox;
using frameset::PropertyValue;
using frameset::SplitDirection;
using framesettest::number;
using framesettest::text;

namespace {

// A properties dialog over a design area of 9000 x 6000 twips, not shown.
struct Form
{
    framesettest::ModelFixture f;
    testsupport::ScriptedFileDialogs dialogs;
    QString folder;
    frameset::FramePropertiesDialog form{f.model, dialogs, platform::TwipsScale(15), folder};

    frameset::FilteredLineEdit *entry(FrameTextBox box) const { return form.textBox(box); }
    QCheckBox *box(const char *name) const { return child<QCheckBox>(&form, name); }
    QLabel *label(const char *name) const { return child<QLabel>(&form, name); }
    QComboBox *list(const char *name) const { return child<QComboBox>(&form, name); }
    QPushButton *button(const char *name) const { return child<QPushButton>(&form, name); }
    frameset::FrameProperties &record(int cell)
    {
        return f.model.design().properties().record(cell);
    }
    // Fills the dialog from `cell`'s record.
    void open(int cell)
    {
        f.model.selectCell(cell);
        form.fill();
    }
    void ok() { QTest::mouseClick(button("OKbutton"), Qt::LeftButton); }
};

} // namespace

class TestFramePropertiesDialog : public QObject
{
    Q_OBJECT
private slots:
    void controls()
    {
        Form t;
        QCOMPARE(t.form.objectName(), QStringLiteral("Propform"));
        QCOMPARE(t.form.windowTitle(), QStringLiteral("Properties"));
        const QList<QPair<const char *, QString>> captions
            = {{"Label1", "URL"}, {"Label2", "Frame Name"}, {"Label3", "Margin Width"},
                {"Label4", "Margin Height"}, {"Label5", "Scroll Bar"}, {"Label11", "Frame Border"}};
        for (const auto &[name, caption] : captions)
            QCOMPARE(t.label(name)->text(), caption);
        QCOMPARE(t.button("Browserbutton")->text(), QStringLiteral("Browse"));
        QCOMPARE(t.button("OKbutton")->text(), QStringLiteral("&OK Save"));
        QCOMPARE(t.button("Cancelbutton")->text(), QStringLiteral("&Cancel"));
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
        // The text boxes share a name and are told apart by their index, in the record's order.
        const FrameTextBox boxes[] = {FrameTextBox::SourceUrl, FrameTextBox::FrameName,
            FrameTextBox::MarginWidth, FrameTextBox::MarginHeight};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(child<frameset::FilteredLineEdit>(&t.form, "Entrybox", i), t.entry(boxes[i]));
        // Placed 15 twips from the left and 360 from the top of the screen.
        QCOMPARE(t.form.pos(), QPoint(1, 24));
    }

    void fillShowsTheRecord()
    {
        Form t;
        t.f.split(0, framesettest::Column);
        frameset::FrameProperties &record = t.record(0);
        record.sourceUrl = text("Menu.HTM");
        record.frameName = text("nav");
        record.marginWidth = text("10");
        record.marginHeight = number(5);
        record.fixedWidthPixels = text("120");
        record.noResize = text("1");
        record.scrolling = text("2");
        record.frameBorder = number(1);
        t.open(0);
        QCOMPARE(t.form.editedCell(), 0);
        QCOMPARE(QStringList({t.entry(FrameTextBox::SourceUrl)->text(),
                     t.entry(FrameTextBox::FrameName)->text(),
                     t.entry(FrameTextBox::MarginWidth)->text(),
                     t.entry(FrameTextBox::MarginHeight)->text()}),
            QStringList({"Menu.HTM", "nav", "10", "5"}));
        QVERIFY(t.box("FixedWidth")->isChecked());
        QVERIFY(t.box("FixedWidth")->isEnabled());
        QCOMPARE(t.label("Label6")->text(), QStringLiteral(" 120 pixels"));
        QVERIFY(!t.box("FixedHeight")->isChecked());
        QVERIFY(!t.box("FixedHeight")->isEnabled());
        QVERIFY(t.label("Label7")->text().isEmpty());
        QVERIFY(t.box("Noresizecheck")->isChecked());
        QCOMPARE(t.list("Combo1")->currentText(), QStringLiteral("No"));
        QCOMPARE(t.list("Combo2")->currentText(), QStringLiteral("Plain Border"));
        // Showing a record leaves the design's scroll-bar views alone.
        QVERIFY(t.f.model.design().cell(0).scroll.visible);

        // Filled again from a record never edited, every control shows its default.
        t.open(1);
        QCOMPARE(t.form.editedCell(), 1);
        QVERIFY(t.entry(FrameTextBox::SourceUrl)->text().isEmpty());
        QCOMPARE(t.entry(FrameTextBox::FrameName)->text(), QStringLiteral("Frame2"));
        QVERIFY(!t.box("FixedWidth")->isChecked());
        QVERIFY(t.label("Label6")->text().isEmpty());
        QVERIFY(!t.box("Noresizecheck")->isChecked());
        QCOMPARE(t.list("Combo1")->currentText(), QStringLiteral("Auto"));
        QCOMPARE(t.list("Combo2")->currentText(), QStringLiteral("3D Border"));
    }

    void okStoresWhatTheControlsHold()
    {
        Form t;
        t.f.split(0, framesettest::Column);
        t.f.split(0, framesettest::Row);
        frameset::CellView &cell = t.f.model.design().cell(0);
        cell.width = 1810;
        cell.height = 3000;
        t.f.model.setModified(false);
        t.open(0);
        t.entry(FrameTextBox::SourceUrl)->setText(QStringLiteral("  menu.htm "));
        t.box("FixedWidth")->click();
        QCOMPARE(t.label("Label6")->text(), QStringLiteral(" 120 pixels"));
        t.box("FixedHeight")->click();
        QCOMPARE(t.label("Label7")->text(), QStringLiteral(" 200 pixels"));
        t.box("FixedHeight")->click();
        QVERIFY(t.label("Label7")->text().isEmpty());
        t.box("Noresizecheck")->click();
        t.list("Combo2")->setCurrentIndex(1);
        t.ok();
        QCOMPARE(t.form.result(), int(QDialog::Accepted));
        QVERIFY(t.f.model.isModified());
        const frameset::FrameProperties &r = t.record(0);
        QCOMPARE(QList<PropertyValue>({r.sourceUrl, r.frameName, r.fixedWidthPixels,
                     r.fixedHeightPixels, r.noResize, r.scrolling, r.frameBorder}),
            QList<PropertyValue>({text("menu.htm"), text("Frame1"), number(120), number(0),
                number(1), number(0), number(1)}));
    }

    void textBoxesFilterWhatIsTypedAndPasted_data()
    {
        QTest::addColumn<FrameTextBox>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("result");
        // Each box with its own filter; what each filter keeps is the editor's cases.
        const struct
        {
            const char *name;
            FrameTextBox box;
            const char *typed, *pasted, *result;
        } rows[] = {{"margin width typed 1a2", FrameTextBox::MarginWidth, "1a2", "", "12"},
            {"margin height typed 1a2", FrameTextBox::MarginHeight, "1a2", "", "12"},
            {"URL pasted", FrameTextBox::SourceUrl, "", "x\r\ny;z\n", "xyz"},
            {"name typed", FrameTextBox::FrameName, "top;frame", "", "topframe"}};
        for (const auto &row : rows)
            QTest::newRow(row.name)
                << row.box << QString(row.typed) << QString(row.pasted) << QString(row.result);
    }
    void textBoxesFilterWhatIsTypedAndPasted()
    {
        QFETCH(FrameTextBox, box);
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

    void editingKeysStillWork()
    {
        Form t;
        t.open(0);
        frameset::FilteredLineEdit *margin = t.entry(FrameTextBox::MarginWidth);
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

    void tabGoesTopToBottom()
    {
        Form t;
        t.f.split(0, framesettest::Column);
        t.f.split(0, framesettest::Row);
        t.open(0);
        t.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&t.form));
        QCOMPARE(QApplication::focusWidget(), t.entry(FrameTextBox::SourceUrl));
        const QList<QWidget *> order = {t.entry(FrameTextBox::FrameName),
            t.entry(FrameTextBox::MarginWidth), t.entry(FrameTextBox::MarginHeight),
            t.box("FixedWidth"), t.box("FixedHeight"), t.box("Noresizecheck"), t.list("Combo1"),
            t.list("Combo2"), t.button("OKbutton"), t.button("Cancelbutton"),
            t.button("Browserbutton"), t.entry(FrameTextBox::SourceUrl)};
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
        QTest::keyClicks(t.entry(FrameTextBox::SourceUrl), QStringLiteral("main.htm"));
        QTest::keyClick(t.entry(FrameTextBox::SourceUrl), Qt::Key_Return);
        QCOMPARE(t.form.result(), int(QDialog::Accepted));
        QVERIFY(!t.form.isVisible());
        QCOMPARE(t.record(0).sourceUrl, text("main.htm"));
    }

    // The dialog as the designer opens it.

    void designerOpensTheDialog_data()
    {
        QTest::addColumn<bool>("split");
        QTest::addColumn<bool>("rightButton");
        QTest::addColumn<QString>("sizeDisplay");
        QTest::newRow("double click, OK stores") << true << false << "396w  700h (pixels)";
        // A single cell is not selected, and has no fixed sizes to offer.
        QTest::newRow("double click on the single cell") << false << false << QString();
        QTest::newRow("right button, Cancel") << true << true << "396w  700h (pixels)";
    }
    void designerOpensTheDialog()
    {
        QFETCH(bool, split);
        QFETCH(bool, rightButton);
        QFETCH(QString, sizeDisplay);
        Designer d;
        if (split)
            d.split(0, SplitDirection::Column);
        int edited = -1;
        bool fixedSizesEnabled = false;
        d.propertiesScript.then([&](frameset::FramePropertiesDialog &dialog) {
            edited = dialog.editedCell();
            fixedSizesEnabled = child<QCheckBox>(&dialog, "FixedWidth")->isEnabled()
                || child<QCheckBox>(&dialog, "FixedHeight")->isEnabled();
            QTest::keyClicks(dialog.textBox(FrameTextBox::SourceUrl), QStringLiteral("left.htm"));
            rightButton ? clickCancel(dialog) : clickOk(dialog);
        });
        if (rightButton)
            QTest::mouseClick(d.cell(0), Qt::RightButton, {}, QPoint(50, 50));
        else
            doubleClick(d.cell(0), QPoint(50, 50));
        QCOMPARE(d.propertiesScript.pending(), 0);
        QCOMPARE(edited, 0);
        QCOMPARE(fixedSizesEnabled, split);
        QVERIFY(!d.window.propertiesDialog() || rightButton);
        QCOMPARE(d.cell(0)->isHighlighted(), split);
        if (split)
            QCOMPARE(d.model().selectedCell(), 0);
        QCOMPARE(d.window.surface()->sizeDisplay()->text(), sizeDisplay);
        QVERIFY(d.model().isModified());
        const frameset::FrameProperties &record = d.model().design().properties().record(0);
        QCOMPARE(record.sourceUrl, rightButton ? PropertyValue() : text("left.htm"));
        QCOMPARE(record.frameName, rightButton ? PropertyValue() : text("Frame1"));
    }

    void cancelHidesAndKeepsTheScrollBarRule()
    {
        Designer d;
        d.split(0, SplitDirection::Column);
        QPointer<frameset::FramePropertiesDialog> first;
        d.propertiesScript.then([&first](frameset::FramePropertiesDialog &dialog) {
            first = &dialog;
            QTest::keyClicks(dialog.textBox(FrameTextBox::SourceUrl), QStringLiteral("lost.htm"));
            child<QComboBox>(&dialog, "Combo1")->setCurrentIndex(2);
            dialog.move(200, 150);
            clickCancel(dialog);
        });
        doubleClick(d.cell(1), QPoint(50, 50));
        QCOMPARE(d.propertiesScript.pending(), 0);
        QVERIFY(first);
        QCOMPARE(d.window.propertiesDialog(), first.data());
        QVERIFY(!first->isVisible());
        QVERIFY(d.model().design().properties().record(1).sourceUrl.isEmpty());
        QVERIFY(d.model().design().properties().record(1).scrolling.isEmpty());
        QVERIFY(!d.model().design().cell(1).scroll.visible);
        QVERIFY(!d.window.surface()->scrollView(1)->isVisible());
        QVERIFY(d.window.surface()->scrollView(0)->isVisible());

        // Reopened: the same dialog where it was left, showing the record again.
        const frameset::FramePropertiesDialog *firstAddress = first.data();
        QPoint where;
        QString url = QStringLiteral("not shown");
        const frameset::FramePropertiesDialog *second = nullptr;
        d.propertiesScript.then([&](frameset::FramePropertiesDialog &dialog) {
            second = &dialog;
            where = dialog.pos();
            url = dialog.textBox(FrameTextBox::SourceUrl)->text();
            clickOk(dialog);
        });
        doubleClick(d.cell(1), QPoint(50, 50));
        QCOMPARE(d.propertiesScript.pending(), 0);
        QCOMPARE(second, firstAddress);
        QVERIFY(url.isEmpty());
        QCOMPARE(where, QPoint(200, 150));
        // OK discarded it; the next opening builds a new one at the start position.
        QVERIFY(!first);
        d.propertiesScript.then([&](frameset::FramePropertiesDialog &dialog) {
            where = dialog.pos();
            clickCancel(dialog);
        });
        doubleClick(d.cell(1), QPoint(50, 50));
        QCOMPARE(d.propertiesScript.pending(), 0);
        QCOMPARE(where, QPoint(1, 24));
    }

    // The Browse button fills the URL box; the folder it went to outlives the dialog, and a
    // cancelled Browse leaves the box as it was.
    void browseFolderOutlivesTheDialog()
    {
        Designer d;
        d.dialogs.answer(QStringLiteral("/srv/www/site/Top.htm"));
        d.propertiesScript.then([](frameset::FramePropertiesDialog &dialog) {
            QTest::mouseClick(child<QPushButton>(&dialog, "Browserbutton"), Qt::LeftButton);
            clickOk(dialog);
        });
        doubleClick(d.cell(0), QPoint(50, 50));
        QCOMPARE(d.propertiesScript.pending(), 0);
        QCOMPARE(d.model().design().properties().record(0).sourceUrl, text("Top.htm"));
        d.dialogs.cancel();
        QString url;
        d.propertiesScript.then([&url](frameset::FramePropertiesDialog &dialog) {
            QTest::mouseClick(child<QPushButton>(&dialog, "Browserbutton"), Qt::LeftButton);
            url = dialog.textBox(FrameTextBox::SourceUrl)->text();
            clickOk(dialog);
        });
        doubleClick(d.cell(0), QPoint(50, 50));
        QCOMPARE(d.propertiesScript.pending(), 0);
        QCOMPARE(d.dialogs.shown().last().request.directory, QStringLiteral("/srv/www/site"));
        QCOMPARE(url, QStringLiteral("Top.htm"));
    }
};

TRELLIS_TEST(TestFramePropertiesDialog)
#include "tst_framepropertiesdialog.moc"
