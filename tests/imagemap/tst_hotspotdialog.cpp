#include "drawingfixture.h"
#include "imagemap/ui/hotspotdialog.h"
#include "testmain.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using imagemap::DrawingAction;
using imagemap::HotspotDialog;
using Button = imagemap::HotspotDialog::Button;
using Field = imagemap::HotspotDialog::Field;
using platform::MessageAnswer;
using testsupport::DrawingFixture;

// The properties dialog on its own, over the drawing state of a window that is not there:
// shapes are drawn through the drawing logic, the dialog is shown without blocking.
class TestHotspotDialog : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<DrawingFixture> f;
    std::unique_ptr<HotspotDialog> form;

    void showForm()
    {
        form = std::make_unique<HotspotDialog>(f->state, f->prompter, 42);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    // Drags a new rectangle and shows the dialog for it.
    void showForNewShape()
    {
        QCOMPARE(f->drag(QPoint(10, 20), QPoint(110, 70)), DrawingAction::ShowDialog);
        showForm();
    }
    // Stores a rectangle as a.htm in row 1 and shows the dialog for it again.
    void showForStoredShape()
    {
        QCOMPARE(f->storeRectangle(QPoint(10, 10), QPoint(60, 60)), 1);
        QCOMPARE(f->press(QPoint(30, 30), Qt::RightButton), DrawingAction::ShowDialog);
        showForm();
    }
    void type(Field box, const QString &text)
    {
        form->entry(box)->clear();
        QTest::keyClicks(form->entry(box), text);
    }
    void typeAll(const QString &url, const QString &alt, const QString &target)
    {
        type(Field::Url, url);
        type(Field::AltText, alt);
        type(Field::Target, target);
    }
    QStringList boxTexts() const
    {
        return {form->entry(Field::Url)->text(), form->entry(Field::AltText)->text(),
            form->entry(Field::Target)->text()};
    }

private slots:
    void init()
    {
        form.reset();
        f = std::make_unique<DrawingFixture>();
    }
    void cleanup() { QCOMPARE(f->prompter.pendingAnswers(), 0); }

    void layout()
    {
        showForNewShape();
        QCOMPARE(form->objectName(), "Specform");
        QCOMPARE(form->windowTitle(), "Zonemark");
        // 5700 x 1515 twips at 15 twips per pixel, centred on the 800-pixel screen, at the top
        // the window gave.
        QCOMPARE(form->size(), QSize(380, 101));
        QCOMPARE(form->pos(), QPoint(210, 42));
        // Every control as name/index=text at x,y width x height (pixels): rows of label, box
        // and button every 480 twips, the boxes empty for a new shape.
        QStringList controls;
        for (QWidget *w : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            controls << QStringLiteral("%1/%2=%3 at %4,%5 %6x%7")
                            .arg(w->objectName())
                            .arg(w->property("index").toInt())
                            .arg(w->property("text").toString())
                            .arg(w->x())
                            .arg(w->y())
                            .arg(w->width())
                            .arg(w->height());
        QCOMPARE(controls,
            QStringList({"Thelabel/0=URL at 8,4 96x25", "Entry/0= at 104,4 177x25",
                "OKbutton/0=&OK at 289,4 81x25", "Thelabel/1=Alternate Text at 8,36 96x25",
                "Entry/1= at 104,36 177x25", "OKbutton/1=&Cancel at 289,36 81x25",
                "Thelabel/2=Target  at 8,68 96x25", "Entry/2= at 104,68 177x25",
                "OKbutton/2=&Delete at 289,68 81x25"}));
        QCOMPARE(QApplication::focusWidget(), form->entry(Field::Url));
        form->reject();
    }

    void tabOrder()
    {
        showForNewShape();
        const QList<QWidget *> order{form->entry(Field::AltText), form->entry(Field::Target),
            form->button(Button::Ok), form->button(Button::Cancel), form->button(Button::Delete),
            form->entry(Field::Url)};
        for (QWidget *expected : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected);
        }
        form->reject();
    }

    void enterInABoxIsOk()
    {
        showForNewShape();
        typeAll("a.htm", "Alpha", "main");
        // Tab away to a button and back, so the button once had the focus.
        form->button(Button::Cancel)->setFocus();
        form->entry(Field::Target)->setFocus();
        QTest::keyClick(form->entry(Field::Target), Qt::Key_Return);
        QVERIFY(!form->isVisible());
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QCOMPARE(f->row(1).points, (QList<QPoint>{{10, 20}, {110, 70}}));
        QCOMPARE(f->link(1), QStringList({"a.htm", "Alpha", "main"}));
        QVERIFY(!f->state.dialogOpen());
    }

    void enterOnAFocusedButtonPressesIt_data()
    {
        QTest::addColumn<Button>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("url"); // the row's URL afterwards, none when deleted
        QTest::newRow("Cancel, keypad Enter") << Button::Cancel << int(Qt::Key_Enter) << "a.htm";
        QTest::newRow("Delete, Return") << Button::Delete << int(Qt::Key_Return) << QString();
        QTest::newRow("OK, Return") << Button::Ok << int(Qt::Key_Return) << "changed.htm";
    }
    void enterOnAFocusedButtonPressesIt()
    {
        QFETCH(Button, button);
        QFETCH(int, key);
        QFETCH(QString, url);
        showForStoredShape();
        type(Field::Url, QStringLiteral("changed.htm"));
        form->button(button)->setFocus();
        if (button == Button::Delete)
            f->prompter.answer(MessageAnswer::Yes);
        QTest::keyClick(form->button(button), Qt::Key(key));
        QVERIFY(!form->isVisible());
        QCOMPARE(f->row(1).url, url);
    }

    void closingIsCancel_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel button") << "button";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("title bar") << "close";
    }
    void closingIsCancel()
    {
        QFETCH(QString, how);
        showForNewShape();
        type(Field::Url, QStringLiteral("a.htm"));
        QCOMPARE(f->state.segments().indexes(), (QList<int>{2, 3, 4, 5}));
        if (how == QLatin1String("button"))
            QTest::mouseClick(form->button(Button::Cancel), Qt::LeftButton);
        else if (how == QLatin1String("escape"))
            QTest::keyClick(form->entry(Field::Url), Qt::Key_Escape);
        else
            QVERIFY(form->close());
        QVERIFY(!form->isVisible());
        QCOMPARE(f->state.hotspots().usedCount(), 0);
        QVERIFY(f->state.segments().indexes().isEmpty());
    }

    void refusedOkKeepsTheTypedText()
    {
        showForNewShape();
        typeAll("   ", "Alpha", "main");
        form->button(Button::Ok)->setFocus();
        f->prompter.answer(MessageAnswer::Ok);
        QTest::mouseClick(form->button(Button::Ok), Qt::LeftButton);
        QVERIFY(form->isVisible());
        QCOMPARE(QApplication::focusWidget(), form->entry(Field::Url));
        QCOMPARE(boxTexts(), QStringList({"   ", "Alpha", "main"}));
        QCOMPARE(f->state.hotspots().usedCount(), 0);

        // Being activated again does not refill the boxes.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(boxTexts(), QStringList({"   ", "Alpha", "main"}));
        form->reject();
    }

    void showingAgainStartsFresh()
    {
        showForStoredShape();
        QCOMPARE(boxTexts(), QStringList({"a.htm", "", ""}));
        type(Field::Url, QStringLiteral("changed.htm"));
        form->hide();
        form->show();
        // Shown again, it starts from the stored values, not from what was typed.
        QCOMPARE(boxTexts(), QStringList({"a.htm", "", ""}));
        form->reject();
        QCOMPARE(f->row(1).url, "a.htm");
    }

    void deleteAsksForAStoredHotspot()
    {
        showForStoredShape();
        f->prompter.answer(MessageAnswer::No);
        QTest::mouseClick(form->button(Button::Delete), Qt::LeftButton);
        QVERIFY(form->isVisible());
        QVERIFY(f->state.hotspots().inUse(1));
        form->reject();
    }
};

TRELLIS_TEST(TestHotspotDialog)
#include "tst_hotspotdialog.moc"
