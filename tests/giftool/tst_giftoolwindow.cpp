#include "filecontents.h"
#include "filedrops.h"
#include "giftool/ui/giftoolwindowlayout.h"
#include "help/helpviewer.h"
#include "platform/imaging/imagecomponent.h"
#include "platform/programinfo.h"
#include "testmain.h"
#include "tst_giftoolwindowfixture.h"

#include <QScrollBar>
#include <QWheelEvent>

using giftesting::GifToolWindowFixture;
using platform::MessageAnswer;
using platform::MessageIcon;

namespace {

// A picture whose every pixel tells where it is: red = x, green = y (both mod 256), blue 40.
QImage patternImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, 40));
    }
    return image;
}

} // namespace

// The GIF tool's window without a background selected: its layout, menus, opening and showing
// images of every type, scrolling, failures, hints, the toolbar and the detail panel.
class TestGifToolWindow : public QObject
{
    Q_OBJECT
    std::unique_ptr<GifToolWindowFixture> f;

    QRect viewportTwips() const { return f->twips(f->window->controls().pictureView->viewport()); }

    // Opens a pattern picture of the given size.
    bool openPattern(QSize size)
    {
        const QString file = f->path(QStringLiteral("wide.bmp"));
        return patternImage(size).save(file) && f->open(file);
    }

private slots:
    void init() { f = std::make_unique<GifToolWindowFixture>(); }
    void cleanup()
    {
        QVERIFY(f->allAnswersTaken());
        f.reset();
    }

    void placesItselfOnTheScreen()
    {
        // 800 x 800 pixels = 12000 twips: 720, 360, 12000 - 2160 wide, 12000 - 1080 high.
        giftool::GifToolWindow *w = f->window.get();
        QCOMPARE(w->geometry(), QRect(48, 24, 656, 728));
        QCOMPARE(w->windowTitle(), QStringLiteral("Clearcoat "));
        QCOMPARE(w->maxView(), QSize(9840 - 1740 - 600, 10920 - 1140 - 1440));
        QCOMPARE(f->label("Instructions")->text(),
            QStringLiteral("Open an image file from the File menu."));
        QCOMPARE(f->twips(f->child("Line1")).width(), 9840);
        QCOMPARE(f->twips(f->child("Frame1")).topLeft(), QPoint(120, 1050));
        // The detail panel stands at the right edge, 120 twips in.
        QCOMPARE(f->twips(f->child("Frame2")), QRect(9840 - 4320 - 120, 1140, 4320, 1680));
        QVERIFY(f->allHidden({f->child("Frame1"), f->child("Frame2"), f->child("Parent"),
            f->child("Yellowbox"), f->button(0), f->button(1), f->button(2), f->button(3)}));
        QCOMPARE(f->window->document().selection().transparentIndex(), 999);
    }

    void menusStartAsTheToolAllows_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("open") << QString("submenuopen") << "&Open Image"
                              << QKeySequence(Qt::CTRL | Qt::Key_O) << true;
        QTest::newRow("save") << QString("mnuSaveAS") << "Save &As"
                              << QKeySequence(Qt::CTRL | Qt::Key_A) << false;
        QTest::newRow("exit") << QString("mnuExit") << "E&xit" << QKeySequence() << true;
        QTest::newRow("cancel") << QString("mnuDeleteTrans") << "&Cancel Transparency"
                                << QKeySequence() << true;
        QTest::newRow("detail") << QString("mnuDetail") << "&Detail" << QKeySequence() << true;
        QTest::newRow("help") << QString("mnuOnlineHelp") << "Online &Help" << QKeySequence()
                              << true;
    }
    void menusStartAsTheToolAllows()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);
        QFETCH(bool, enabled);
        QAction *action = f->action(qPrintable(name));
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->shortcut(), shortcut);
        QCOMPARE(action->isEnabled(), enabled);
    }

    void menuBarHoldsFileOptionsAndHelp()
    {
        QStringList titles;
        for (QAction *action : f->window->menuBar()->actions())
            titles << action->text();
        QCOMPARE(titles, (QStringList{"&File", "&Options", "&Help"}));
        QVERIFY(f->menu("mnuFile")->menuAction()->isEnabled());
        QVERIFY(!f->menu("mnuOptions")->menuAction()->isEnabled());
        QStringList items;
        for (QAction *action : f->menu("mnuOptions")->actions())
            items << action->objectName();
        // The PNG option sits below the original three, behind a separator of its own.
        QCOMPARE(items.mid(0, 3), (QStringList{"mnuDeleteTrans", "dash31", "mnuDetail"}));
        QCOMPARE(items.mid(4), (QStringList{"mnuFullColourPng", "mnuOnlyConnected"}));
        const QStringList texts{"Keep Full &Colour in PNG", "Only &Connected Background"};
        for (QAction *option : {f->action("mnuFullColourPng"), f->action("mnuOnlyConnected")}) {
            QVERIFY(option->isCheckable() && !option->isChecked());
            QCOMPARE(option->text(), texts[option == f->action("mnuOnlyConnected")]);
        }
    }

    void opensPictures_data()
    {
        QTest::addColumn<QString>("name");
        // Each type's reading is checked with the image component; here both kinds of picture
        // reach the window.
        QTest::newRow("gif") << "picture.gif";
        QTest::newRow("true-color jpg") << "c.jpg";
    }
    void opensPictures()
    {
        QFETCH(QString, name);
        const bool gif = name.endsWith(QLatin1String(".gif"));
        const QString file = gif ? f->backgroundGif() : f->path(name);
        platform::ImageComponent component;
        component.setPicture(patternImage(QSize(64, 48)));
        QVERIFY(gif || component.save(file));
        const QImage image(file);

        QVERIFY(f->open(file));
        const platform::FileDialogRequest request = f->dialogs.shown().last().request;
        QCOMPARE(request.filter, giftool::openFilter());
        QCOMPARE(request.fileName, QStringLiteral("*.bmp;*.gif;*.jpg;*.tif;*.pcx"));

        giftool::GifToolWindow *w = f->window.get();
        QCOMPARE(w->windowTitle(), platform::programTitle() + QStringLiteral("  ") + file);
        QCOMPARE(w->document().imageWidth(), image.width());
        QCOMPARE(w->document().imageHeight(), image.height());
        const QImage shown = w->controls().pictureView->picture()->pixmap().toImage();
        QCOMPARE(shown.size(), image.size());
        // Every image becomes a 256-entry palette image; palette images keep their colors.
        QCOMPARE(w->document().picture().picture().colorCount(), 256);
        if (gif)
            QCOMPARE(shown.convertToFormat(QImage::Format_RGB32), image);
        QCOMPARE(f->label("Instructions")->text(),
            QStringLiteral("Click and select the background area of the image."));
        QVERIFY(f->action("mnuSaveAS")->isEnabled() && f->menu("mnuFile")->menuAction()->isEnabled()
            && f->menu("mnuOptions")->menuAction()->isEnabled());
        // A small picture: the viewport has its size exactly and there is no scroll bar.
        QVERIFY(w->controls().pictureView->viewport()->isVisible());
        QCOMPARE(viewportTwips(), QRect(1740, 1140, image.width() * 15, image.height() * 15));
        QVERIFY(f->allHidden({w->controls().pictureView->horizontalBar(),
            w->controls().pictureView->verticalBar()}));
    }

    void scrollsEveryPartOfALargePicture()
    {
        // 2500 pixels are 37500 twips, beyond what a 16-bit number holds.
        QVERIFY(openPattern(QSize(2500, 900)));
        giftool::GifToolWindow *w = f->window.get();
        const QSize view = w->maxView();
        QCOMPARE(viewportTwips(), QRect(QPoint(1740, 1140), view));

        QScrollBar *h = w->controls().pictureView->horizontalBar();
        QScrollBar *v = w->controls().pictureView->verticalBar();
        QVERIFY(h->isVisible() && v->isVisible());
        QCOMPARE(h->maximum(), 37500 - view.width());
        QCOMPARE(h->pageStep(), (37500 - view.width() + 5) / 10);
        QCOMPARE(h->singleStep(), h->pageStep());
        QCOMPARE(v->maximum(), 13500 - view.height());
        QCOMPARE(v->pageStep(), (13500 - view.height() + 5) / 10);
        QCOMPARE(
            f->twips(h), QRect(1740, 1140 + view.height(), view.width(), f->twips(h).height()));
        QCOMPARE(f->twips(v), QRect(1740 + view.width(), 1140, f->twips(v).width(), view.height()));

        // At the far end the picture's last column and row stand at the viewport's edges.
        h->setValue(h->maximum());
        v->setValue(v->maximum());
        QCOMPARE(w->controls().pictureView->picture()->x(), -h->maximum() / 15);
        QCOMPARE(w->controls().pictureView->picture()->x()
                + w->controls().pictureView->picture()->width(),
            w->controls().pictureView->viewport()->width());
        QCOMPARE(w->controls().pictureView->picture()->y()
                + w->controls().pictureView->picture()->height(),
            w->controls().pictureView->viewport()->height());
        h->setValue(0);
        QCOMPARE(w->controls().pictureView->picture()->x(), 0);
    }

    // A picture dropped on the window opens as if Open Image's dialog had given it; drops the
    // window refuses change nothing.
    void dropsOpenPictures()
    {
        const QString shown = f->backgroundGif(QStringLiteral("shown.gif"));
        QVERIFY(testsupport::dropFiles(f->window.get(), {QUrl::fromLocalFile(shown)}));
        QVERIFY(f->window->hasImage() && f->dialogs.shown().isEmpty());
        QCOMPARE(f->label("Instructions")->text(),
            QStringLiteral("Click and select the background area of the image."));
        QVERIFY(f->menu("mnuOptions")->menuAction()->isEnabled());
        const QString text = f->path(QStringLiteral("notes.txt"));
        QVERIFY(testsupport::writeAll(text, "not a picture"));
        for (const auto &[name, urls] :
            testsupport::refusedDrops(f->backgroundGif(), f->dir.path(), text)) {
            QVERIFY2(!testsupport::dropFiles(f->window.get(), urls), name);
            QVERIFY2(f->window->hasImage(), name);
            QCOMPARE(
                f->window->windowTitle(), platform::programTitle() + QStringLiteral("  ") + shown);
        }
        QVERIFY(f->prompter.shown().isEmpty());
    }

    void aFileThatCannotBeReadSaysSo()
    {
        const QString gif = f->backgroundGif();
        QVERIFY(f->open(gif));
        const QString broken = f->path(QStringLiteral("broken.gif"));
        QVERIFY(testsupport::writeAll(broken, "GIF89a but nothing after it"));
        f->prompter.answer(MessageAnswer::Ok);
        QVERIFY(!f->open(broken));
        QCOMPARE(f->prompter.shown().size(), 1);
        // The decoder's reason follows the message.
        const QString text = f->prompter.lastText();
        QVERIFY2(text.startsWith(QStringLiteral("Cannot open file.  ")), qPrintable(text));
        QVERIFY2(text.size() > 20 && text.contains(QLatin1String("GIF")), qPrintable(text));
        QCOMPARE(f->prompter.shown().last().icon, MessageIcon::Exclamation);
        QCOMPARE(f->prompter.shown().last().title, QString());
        QVERIFY(!f->menu("mnuOptions")->menuAction()->isEnabled()
            && !f->action("mnuSaveAS")->isEnabled());
        QVERIFY(f->menu("mnuFile")->menuAction()->isEnabled());
        QVERIFY(f->window->controls().pictureView->viewport()->isHidden());
        // Cancel Transparency stays with the file that was opened.
        QCOMPARE(f->window->lastFile(), gif);
        // Nothing is shown, so nothing can be saved: the toolbar's Save asks nothing.
        f->window->saveTransparentGif();
        QCOMPARE(f->dialogs.shown().size(), 2);
    }

    void aWorkingFolderThatCannotBeWrittenSaysWhy()
    {
        GifToolWindowFixture g(f->path(QStringLiteral("missing/dir")));
        g.prompter.answer(MessageAnswer::Ok);
        QVERIFY(!g.open(f->backgroundGif()));
        QCOMPARE(g.prompter.shown().size(), 1);
        QCOMPARE(g.prompter.lastText(),
            QStringLiteral("Cannot write \"%1\": No such file or directory")
                .arg(f->path(QStringLiteral("missing/dir/TEMP.BMP"))));
        QCOMPARE(g.prompter.shown().last().icon, MessageIcon::Exclamation);
        QCOMPARE(g.window->windowTitle(), QStringLiteral("Clearcoat "));
        QVERIFY(!g.menu("mnuOptions")->menuAction()->isEnabled());
    }

    void aCancelledOpenOnlyForgetsTheSelection()
    {
        QVERIFY(f->openAndClick(QPoint(2, 2), MessageAnswer::No));
        QCOMPARE(f->window->document().selection().transparentIndex(), 3);

        f->dialogs.cancel();
        f->window->openImage();
        QCOMPARE(f->window->windowTitle(), QStringLiteral("Clearcoat "));
        QCOMPARE(f->window->document().selection().transparentIndex(), 999);
        QVERIFY(f->child("Frame1")->isHidden());
        QCOMPARE(f->label("Backgroundbox")->text(), QString());
        QCOMPARE(f->label("Instructions")->text(), QString());
        QVERIFY(
            f->window->hasImage() && f->window->controls().pictureView->viewport()->isVisible());
        // The picture can be clicked again at once.
        f->prompter.answer(MessageAnswer::No);
        f->clickPicture(QPoint(2, 2));
        QCOMPARE(f->label("Backgroundbox")->text(), QStringLiteral("Index = 3"));
    }

    void hintsFollowTheMouse_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("hint");
        QTest::newRow("picture") << "Picture1" << -1
                                 << "Click on the background that you want to render transparent.";
        QTest::newRow("rgb1") << "RGB1" << 1 << "RGB codes (Red, Green, Blue)";
        QTest::newRow("index") << "Backgroundbox" << -1
                               << "Color index (palette) of selected background ";
        QTest::newRow("swatch 0") << "Colorsample" << 0 << "Selected background";
        QTest::newRow("white") << "Backgroundbutton" << 0
                               << "Convert the background color to white.";
        QTest::newRow("grey") << "Backgroundbutton" << 2
                              << "Convert the background color to light grey.";
        QTest::newRow("black") << "Backgroundbutton" << 3
                               << "Convert the background color to black.";
        QTest::newRow("label1") << "Label1" << -1 << "";
    }
    void hintsFollowTheMouse()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QString, hint);
        QVERIFY(f->openAndClick(QPoint(2, 2), MessageAnswer::No));
        f->window->showDetail();
        f->label("Comments")->setText(QStringLiteral("before"));
        QWidget *widget = f->child(qPrintable(name), index);
        QVERIFY(widget && widget->isVisible());
        QTest::mouseMove(widget, QPoint(2, 2));
        QCOMPARE(f->label("Comments")->text(), hint);
    }

    void theSwatchOfTheNeighbourHasItsHint()
    {
        QVERIFY(f->openAndClick(QPoint(24, 2), MessageAnswer::Ok));
        // An empty Backgroundbox, moved over next, leaves the hint line alone.
        for (QWidget *over : {f->child("Colorsample", 1), f->child("Backgroundbox")}) {
            QTest::mouseMove(over, QPoint(3, 3));
            QCOMPARE(f->label("Comments")->text(),
                QStringLiteral("Convert the background to this color."));
        }
    }

    // The three buttons side by side, each showing its raised face; the tip follows the pointer
    // over them and goes over the instruction line, the window, or when the pointer leaves.
    void theToolbarTipFollowsTheButtons()
    {
        QLabel *tip = f->label("Yellowbox");
        const QStringList texts{"Open Image File", "Save File", "Help"};
        for (int b = 1; b <= 3; ++b) {
            QLabel *button = f->label("Thebutton", b);
            QCOMPARE(f->twips(button), QRect((b - 1) * 360, 15, 360, 330));
            QLabel *raised = f->label("Thebutton", b + 20),
                   *pressed = f->label("Thebutton", b + 40);
            QVERIFY(raised->isHidden() && pressed->isHidden());
            QCOMPARE(button->pixmap().toImage(), raised->pixmap().toImage());
            QVERIFY(raised->pixmap().toImage() != pressed->pixmap().toImage());
            QTest::mouseMove(button, QPoint(5, 5));
            QVERIFY(tip->isVisible());
            QCOMPARE(tip->text(), texts[b - 1]);
            QCOMPARE(tip->x(), (b - 1) * 24);
            QCOMPARE(tip->width(), f->window->fontMetrics().horizontalAdvance(texts[b - 1]) + 5);
            QCOMPARE(tip->palette().color(QPalette::Window), QColor(255, 255, 128));
        }
        // Each button has a picture of its own.
        QVERIFY(f->label("Thebutton", 21)->pixmap().toImage()
            != f->label("Thebutton", 22)->pixmap().toImage());
        QTest::mouseMove(f->label("Instructions"), QPoint(5, 5));
        QVERIFY(tip->isHidden());
        QTest::mouseMove(f->label("Thebutton", 3), QPoint(5, 5));
        QVERIFY(tip->isVisible());
        f->label("Comments")->setText(QStringLiteral("before"));
        QTest::mouseMove(f->window->centralWidget(), QPoint(600, 700));
        QVERIFY(tip->isHidden());
        QCOMPARE(f->label("Comments")->text(), QString());
        // Leaving a button for the menu bar or another window, where no move of the window's
        // own clears it, takes the tip away too.
        QTest::mouseMove(f->label("Thebutton", 2), QPoint(5, 5));
        QVERIFY(tip->isVisible());
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(f->label("Thebutton", 2), &leave);
        QVERIFY(tip->isHidden());
    }

    // A press shows the pressed face; released outside it clicks nothing. Open and Help act.
    void toolbarOpenAndHelpAct()
    {
        QLabel *save = f->label("Thebutton", 2);
        QTest::mousePress(save, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(save->pixmap().toImage(), f->label("Thebutton", 42)->pixmap().toImage());
        QTest::mouseRelease(save, Qt::LeftButton, Qt::NoModifier, QPoint(200, 5));
        QCOMPARE(save->pixmap().toImage(), f->label("Thebutton", 22)->pixmap().toImage());
        QVERIFY(f->dialogs.shown().isEmpty());

        f->dialogs.answer(f->backgroundGif());
        QTest::mouseMove(f->label("Thebutton", 1), QPoint(5, 5));
        QTest::mouseClick(f->label("Thebutton", 1), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QVERIFY(f->window->hasImage());
        QVERIFY(f->label("Yellowbox")->isHidden());

        QTest::mouseClick(f->label("Thebutton", 3), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        help::HelpViewer *viewer = help::HelpViewer::instance();
        QVERIFY(viewer && viewer->isVisible());
        QVERIFY(viewer->currentFile().endsWith(QStringLiteral("clrcot95.hlp")));
        viewer->close();
    }

    void detailPanelShowsAndHides()
    {
        QVERIFY(f->openAndClick(QPoint(24, 2), MessageAnswer::Ok));
        f->action("mnuDetail")->trigger();
        QWidget *panel = f->child("Frame2");
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->parentWidget()->children().last(), panel);
        // The values themselves are checked with the selection's states.
        QCOMPARE(f->label("Colorindex", 1)->text(), QStringLiteral("7"));
        // Every value of a row is shown, on the row's line and inside the panel.
        for (int k = 0; k < 2; ++k) {
            QLabel *value = f->label("Clrlong", k);
            QCOMPARE(value->y(), f->label("Colorindex", k)->y());
            QVERIFY(value->isVisible() && panel->rect().contains(value->geometry()));
            QVERIFY(value->x() > f->label(k == 0 ? "RGB1" : "RGB2", 2)->geometry().right());
            QVERIFY(value->sizeHint().width() <= value->width());
        }
        QTest::mouseClick(f->child<QPushButton>("Command1"), Qt::LeftButton);
        QVERIFY(panel->isHidden());
        // Opening another image empties the panel, and an empty panel is not left on screen.
        f->action("mnuDetail")->trigger();
        QVERIFY(panel->isVisible());
        QVERIFY(f->open(f->backgroundGif(QStringLiteral("other.gif"))));
        QVERIFY(panel->isHidden());
    }

    // The panel stands beside the picture: every pixel of it, and its scroll bars, stay in
    // reach while the panel is shown, and the room comes back when it is closed.
    void detailPanelLeavesThePictureVisible()
    {
        QVERIFY(openPattern(QSize(900, 900)));
        const QSize without = viewportTwips().size();
        f->action("mnuDetail")->trigger();
        QWidget *panel = f->child("Frame2");
        QVERIFY(panel->isVisible());
        const QRect viewport = f->window->controls().pictureView->viewport()->geometry();
        QVERIFY(viewport.right() < panel->x());
        for (QWidget *bar :
            {static_cast<QWidget *>(f->window->controls().pictureView->horizontalBar()),
                static_cast<QWidget *>(f->window->controls().pictureView->verticalBar())}) {
            QVERIFY(bar->isVisible() && !bar->geometry().intersects(panel->geometry()));
        }
        QVERIFY(viewportTwips().width() < without.width());
        QCOMPARE(f->window->controls().pictureView->horizontalBar()->maximum(),
            13500 - viewportTwips().width());
        f->window->resize(900, 700);
        QVERIFY(f->window->controls().pictureView->viewport()->geometry().right() < panel->x());
        QCOMPARE(panel->geometry().right(), 900 - 1 - 8);

        QTest::mouseClick(f->child<QPushButton>("Command1"), Qt::LeftButton);
        QCOMPARE(viewportTwips().size(), f->window->maxView());
        QVERIFY(f->window->controls().pictureView->viewport()->geometry().right() > panel->x());
    }

    void theWheelScrollsThePicture_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("across");
        QTest::addColumn<int>("down");
        // A notch towards the user: three lines of 20 pixels, 900 twips.
        QTest::newRow("wheel") << Qt::KeyboardModifiers() << 0 << 900;
        QTest::newRow("shift+wheel") << Qt::KeyboardModifiers(Qt::ShiftModifier) << 900 << 0;
    }
    void theWheelScrollsThePicture()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, across);
        QFETCH(int, down);
        QVERIFY(openPattern(QSize(900, 900)));
        QWidget *picture = f->window->controls().pictureView->picture();
        const QPointF at(10, 10);
        QWheelEvent wheel(at, picture->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
            modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(picture, &wheel);
        QCOMPARE(f->window->controls().pictureView->horizontalBar()->value(), across);
        QCOMPARE(f->window->controls().pictureView->verticalBar()->value(), down);
        QCOMPARE(picture->pos(), QPoint(-across / 15, -down / 15));
    }

    void followsTheWindowSize()
    {
        QVERIFY(openPattern(QSize(900, 900)));
        f->window->resize(560, 600);
        QCOMPARE(f->twips(f->child("Line1")).width(), 560 * 15);
        QCOMPARE(f->label("Instructions")->width(), qRound((560 * 15 - 120 - 200) / 15.0));
        QCOMPARE(f->window->maxView(), QSize(560 * 15 - 2340, 600 * 15 - 2580));
        QCOMPARE(viewportTwips().size(), f->window->maxView());
        QCOMPARE(f->window->controls().pictureView->horizontalBar()->maximum(),
            13500 - f->window->maxView().width());
    }
};

TRELLIS_TEST(TestGifToolWindow)
#include "tst_giftoolwindow.moc"
