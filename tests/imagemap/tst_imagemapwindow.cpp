#include "filecontents.h"
#include "filedrops.h"
#include "imagemap/core/imagemaphtml.h"
#include "testmain.h"
#include "tst_imagemapwindowfixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

using platform::MessageAnswer;
using testsupport::ImageMapWindowFixture;

// The image-map window as a whole: its layout, opening and showing images, scrolling and
// resizing, Invert Image, the window's Cancel and Create HTML Code.
class TestImageMapWindow : public testsupport::ImageMapWindowSuite
{
    Q_OBJECT
private:
    QWidget *child(const char *name) const { return f->window->findChild<QWidget *>(name); }
    // A mouse event at a position between whole pixels, as fractional display scaling gives.
    void sendMouse(QEvent::Type type, QPointF at, Qt::MouseButton button) const
    {
        const Qt::MouseButtons held
            = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, at, f->canvas()->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(f->canvas(), &event);
    }
    QScrollBar *bar(const char *name) const
    {
        return f->window->findChild<QScrollBar *>(QLatin1String(name));
    }
    QRect viewport() const { return child("Parent")->geometry(); }
    // A scroll bar as "value/maximum/page step/single step at x,y", or "hidden".
    QString barState(const char *name) const
    {
        const QScrollBar *b = bar(name);
        if (!b->isVisible())
            return QStringLiteral("hidden");
        return QStringLiteral("%1/%2/%3/%4 at %5,%6")
            .arg(b->value())
            .arg(b->maximum())
            .arg(b->pageStep())
            .arg(b->singleStep())
            .arg(b->x())
            .arg(b->y());
    }
    // Each item as name=caption=key, with "=off" and "=checked" for its state.
    QStringList menuItems(const char *menu) const
    {
        QStringList items;
        for (QAction *a : f->window->findChild<QMenu *>(menu)->actions())
            items << a->objectName() + u'=' + a->text() + u'=' + a->shortcut().toString()
                    + (a->isEnabled() ? "" : "=off") + (a->isChecked() ? "=checked" : "");
        return items;
    }

private slots:
    void startsEmpty()
    {
        imagemap::ImageMapWindow *w = f->window.get();
        QCOMPARE(w->windowTitle(), "Zonemark Imagemaps  ");
        QCOMPARE(f->window->findChild<QLabel *>("Label1")->text(),
            QStringLiteral("Open a GIF or JPEG image from the File menu.  Drag the mouse and "
                           "outline a RECTANGLE.  Outline a POLYGON by clicking on all the "
                           "vertices while holding down the CTRL key.  Re-open the hotspots "
                           "with right mouse button.  "));
        // Three quarters of the 800 x 800 screen, centred, 360 twips (24 pixels) from the top.
        QCOMPARE(w->geometry(), QRect(100, 24, 600, 600));
        // Largest viewport: 9000 - 120 - 600 wide, 9000 - 1020 - 1440 high (twips).
        QCOMPARE(w->maxView(), QSize(8280, 6540));
        QCOMPARE(viewport(), QRect(8, 68, 552, 436));
        QCOMPARE(f->canvas()->geometry(), QRect(0, 0, 552, 436));
        QCOMPARE(child("Label1")->width(), 500);
        QCOMPARE(child("XYBox")->x(), viewport().x());
        for (int i = 0; i < 2; ++i)
            QCOMPARE(f->button(i)->x(), 600 - 73 - 16);
        QCOMPARE(f->button(0)->text(), "&OK");
        QCOMPARE(f->button(1)->text(), "&Cancel");
        QVERIFY(!f->button(0)->isEnabled());
        QVERIFY(f->button(1)->isEnabled());
        QCOMPARE(barState("HScroll1") + barState("VScroll1"), "hiddenhidden");

        QStringList menus;
        for (QAction *a : w->menuBar()->actions())
            menus << a->menu()->objectName() + u'=' + a->text();
        QCOMPARE(menus, QStringList({"mnuFile=&File", "mnuOptions=&Options", "mnuHelp=&Help"}));
        QCOMPARE(menuItems("mnuFile"),
            QStringList({"mnuOpen=&Open=Ctrl+O", "mnuOpenMap=Open &Map=Ctrl+M",
                "mnuSaveMap=Save Map &As=Ctrl+Shift+S=off", "mnuHTML=Create &HTML Code=Ctrl+H=off",
                "dash1==", "mnuExit=E&xit="}));
        QCOMPARE(menuItems("mnuOptions"),
            QStringList({"mnuInvert=&Invert Image==off", "mnuCircles=Draw &Circles=Ctrl+L",
                "mnuSvgMap=Copy &SVG Map=Ctrl+Shift+C=off"}));
        QVERIFY(f->action("mnuCircles")->isCheckable());
    }

    void openLaysOutTheViewport()
    {
        const QString path = picture("large.jpg", QSize(1000, 900));
        QVERIFY(f->open(path));

        const platform::FileDialogRequest &request = f->dialogs.shown().last().request;
        QCOMPARE(request.filter, "GIF(*.gif)|*.gif|JPEG(*.jpg|*.jpg");
        QCOMPARE(request.fileName, "*.gif;*.jpg");
        QCOMPARE(f->window->windowTitle(), path);
        QVERIFY(f->button(0)->isEnabled());
        QVERIFY(f->action("mnuHTML")->isEnabled());
        QVERIFY(f->action("mnuInvert")->isEnabled());
        QCOMPARE(f->canvas()->geometry(), QRect(0, 0, 1000, 900));
        QCOMPARE(QApplication::focusWidget(), f->canvas());
        QCOMPARE(viewport(), QRect(8, 68, 552, 436));
        // Maxima in twips: (1000 - 552) * 15 and (900 - 436) * 15, a tenth of that a page; the
        // bars just below and right of the viewport.
        QCOMPARE(barState("HScroll1"), "0/6720/672/672 at 8,504");
        QCOMPARE(barState("VScroll1"), "0/6960/696/696 at 560,68");
    }

    // A GIF or JPEG dropped on the window opens as if Open's dialog had given it, and clears
    // the hotspots as Open does; another type is refused (the other refusals are the drop
    // target's, checked with the other tools' windows).
    void dropsOpenAsOpenDoes()
    {
        QVERIFY(f->open(picture("first.gif", QSize(200, 150))));
        f->store(QPoint(10, 20), QPoint(110, 70), "a.htm");
        const QString text = dir.filePath(QStringLiteral("notes.txt"));
        QVERIFY(testsupport::writeAll(text, "not a picture"));
        QVERIFY(!testsupport::dropFiles(f->window.get(), {QUrl::fromLocalFile(text)}));
        const QString second = picture("second.jpg", QSize(120, 90));
        f->prompter.answer(MessageAnswer::Yes);
        QVERIFY(testsupport::dropFiles(f->window.get(), {QUrl::fromLocalFile(second)}));
        QCOMPARE(f->prompter.lastText(), imagemap::discardHotspotsForOpenQuestion());
        // Any picture the command line opens opens when dropped, a PNG too.
        const QString png = picture("third.png", QSize(50, 40));
        QVERIFY(testsupport::dropFiles(f->window.get(), {QUrl::fromLocalFile(png)}));
        QCOMPARE(f->window->imagePath(), png);
        QVERIFY(testsupport::dropFiles(f->window.get(), {QUrl::fromLocalFile(second)}));
        QCOMPARE(f->window->imagePath(), second);
        QCOMPARE(f->window->windowTitle(), second);
        QCOMPARE(f->window->state().hotspots().usedCount(), 0);
        QCOMPARE(f->canvas()->size(), QSize(120, 90));
        QVERIFY(f->dialogs.shown().size() == 1);
    }

    void scrollingMovesThePicture()
    {
        QVERIFY(f->open(picture("large.jpg", QSize(1000, 900))));
        bar("HScroll1")->setValue(1500);
        bar("VScroll1")->setValue(bar("VScroll1")->maximum());
        QCOMPARE(f->canvas()->pos(), QPoint(-100, -(900 - 436)));
        // The pointer display counts image pixels whatever the scroll position.
        QTest::mouseMove(
            f->window->windowHandle(), f->canvas()->mapTo(f->window.get(), QPoint(100, 900 - 436)));
        QCOMPARE(f->xyText(), "100,464");
        // Leaving the picture empties it, so does a click on the instructions.
        QTest::mouseMove(f->window->windowHandle(), QPoint(300, 40));
        QCOMPARE(f->xyText(), QString());
        QTest::mouseMove(f->canvas(), QPoint(120, 545));
        QCOMPARE(f->xyText(), "120,545");
        QTest::mouseClick(child("Label1"), Qt::LeftButton);
        QCOMPARE(f->xyText(), QString());
    }

    void theWheelScrollsThePicture()
    {
        QVERIFY(f->open(picture("large.jpg", QSize(1000, 900))));
        const QPoint before = f->canvas()->pos();
        const QPointF at(10, 10);
        QWheelEvent wheel(at, f->canvas()->mapToGlobal(at), QPoint(), QPoint(0, -240), Qt::NoButton,
            Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(f->canvas(), &wheel);
        // Two notches towards the user: six lines of 20 pixels.
        QCOMPARE(f->canvas()->pos() - before, QPoint(0, -120));
    }

    // Under fractional display scaling positions fall between pixels: the picture hands the
    // drawing the pixel under the pointer, the last pixel's right half still the last pixel.
    void thePointerIsOnThePixelUnderIt_data()
    {
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole position") << QPointF(40, 30) << "40,30";
        QTest::newRow("right half of a pixel") << QPointF(40.6, 30.9) << "40,30";
        QTest::newRow("top-left pixel") << QPointF(0.4, 0.7) << "0,0";
        QTest::newRow("last pixel's right half") << QPointF(99.6, 79.7) << "99,79";
    }
    void thePointerIsOnThePixelUnderIt()
    {
        QFETCH(QPointF, at);
        QFETCH(QString, text);
        QVERIFY(f->open(picture("tiny.gif", QSize(100, 80))));
        sendMouse(QEvent::MouseMove, at, Qt::NoButton);
        QCOMPARE(f->xyText(), text);
    }

    // A drag between fractional positions is measured in the pixels under them: 3.5 pixels of
    // pointer travel that cross four pixel borders make a rectangle, 3.8 that cross three do not.
    void fractionalDragsCountPixels_data()
    {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<QList<QPoint>>("points");
        QTest::newRow("four borders")
            << QPointF(10.7, 20.2) << QPointF(14.2, 20.9) << QList<QPoint>{{10, 20}, {14, 20}};
        QTest::newRow("three borders")
            << QPointF(10.1, 20.5) << QPointF(13.9, 23.9) << QList<QPoint>{};
        QTest::newRow("to the last pixel")
            << QPointF(90.5, 70.5) << QPointF(99.9, 79.9) << QList<QPoint>{{90, 70}, {99, 79}};
    }
    void fractionalDragsCountPixels()
    {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(QList<QPoint>, points);
        QVERIFY(f->open(picture("tiny.gif", QSize(100, 80))));
        if (!points.isEmpty())
            f->script.then(testsupport::fillAndOk(QStringLiteral("a.htm")));
        sendMouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        sendMouse(QEvent::MouseButtonRelease, to, Qt::LeftButton);
        QCOMPARE(f->row(1).points, points);
        // The outline runs along the same pixels: the top edge from the press to the release.
        if (!points.isEmpty())
            QCOMPARE(f->window->state().segments().at(2).to, QPoint(points[1].x(), points[0].y()));
    }

    void resizingKeepsEveryPartReachable()
    {
        QVERIFY(f->open(picture("medium.gif", QSize(500, 400))));
        QVERIFY(!bar("HScroll1")->isVisible());
        f->window->resize(400, 400);
        // Largest viewport now 6000 - 720 by 6000 - 2460 twips: 352 x 236 pixels.
        QCOMPARE(viewport(), QRect(8, 68, 352, 236));
        QCOMPARE(f->canvas()->size(), QSize(500, 400));
        QCOMPARE(barState("HScroll1"), "0/2220/222/222 at 8,304"); // (500 - 352) * 15
        QCOMPARE(barState("VScroll1"), "0/2460/246/246 at 360,68"); // (400 - 236) * 15
        bar("HScroll1")->setValue(bar("HScroll1")->maximum());
        bar("VScroll1")->setValue(bar("VScroll1")->maximum());
        // The image's bottom-right pixel sits in the viewport's bottom-right corner.
        QCOMPARE(f->canvas()->mapTo(child("Parent"), QPoint(499, 399)), QPoint(351, 235));
        QCOMPARE(f->button(1)->x(), 400 - 73 - 16);
        QCOMPARE(child("Label1")->width(), 300);
        QVERIFY(child("XYBox")->y() > bar("HScroll1")->geometry().bottom());

        f->window->resize(600, 600);
        QCOMPARE(barState("HScroll1") + barState("VScroll1"), "hiddenhidden");
        QCOMPARE(f->canvas()->geometry(), QRect(0, 0, 500, 400));
    }

    void emptyPictureFollowsTheWindow()
    {
        f->window->resize(450, 500);
        QCOMPARE(f->canvas()->geometry(), QRect(0, 0, 450 - 48, 500 - 164));
        QVERIFY(!bar("HScroll1")->isVisible());
    }

    void failedOpenKeepsPictureAndHotspots_data()
    {
        QTest::addColumn<QString>("answer"); // empty: the dialog is cancelled
        QTest::addColumn<QString>("message");
        QTest::newRow("cancelled") << QString() << QString();
        QTest::newRow("not an image") << "notes.gif"
                                      << "is not a GIF, PCX, BMP, JPEG, TIFF or PNG image.";
    }
    void failedOpenKeepsPictureAndHotspots()
    {
        QFETCH(QString, answer);
        QFETCH(QString, message);
        const QString first = picture("small.gif", QSize(200, 150));
        QVERIFY(f->open(first));
        f->store(QPoint(10, 10), QPoint(60, 60), "a.htm");
        const QImage shown = f->canvas()->picture();

        QString path;
        if (!answer.isEmpty()) {
            path = dir.filePath(answer);
            QVERIFY(testsupport::writeAll(path, "plain text, not a picture"));
            f->prompter.answer(MessageAnswer::Yes); // to drop the hotspots
            f->prompter.answer(MessageAnswer::Ok);
        }
        QVERIFY(!f->open(path));
        if (!message.isEmpty()) {
            QVERIFY2(f->prompter.lastText().contains(message), qPrintable(f->prompter.lastText()));
            QCOMPARE(f->prompter.shown().last().icon, platform::MessageIcon::Exclamation);
        }
        QCOMPARE(f->window->imagePath(), first);
        QCOMPARE(f->window->windowTitle(), first);
        QCOMPARE(f->canvas()->picture(), shown);
        QVERIFY(f->window->state().hotspots().inUse(1));
        QCOMPARE(f->window->state().segments().indexes(), (QList<int>{2, 3, 4, 5}));

        // The next Open dialog starts in the folder of the image shown.
        QCOMPARE(f->dialogs.shown().last().request.directory, QFileInfo(first).absolutePath());
    }

    void invertLeavesTheHotspots()
    {
        QVERIFY(f->open(picture("small.gif", QSize(200, 150))));
        f->store(QPoint(10, 10), QPoint(60, 60), "a.htm");
        const auto segments = f->window->state().segments().all();
        const QRgb pixel = f->canvas()->picture().pixel(150, 100);
        f->action("mnuInvert")->trigger();
        QCOMPARE(f->canvas()->picture().pixel(150, 100) | 0xff000000u,
            qRgb(255 - qRed(pixel), 255 - qGreen(pixel), 255 - qBlue(pixel)));
        QCOMPARE(f->window->state().segments().all(), segments);
        QCOMPARE(f->canvas()->size(), QSize(200, 150));
    }

    // Cancel and Exit close a window without hotspots without asking.
    void closingWithNothingDrawn()
    {
        QTest::mouseClick(f->button(1), Qt::LeftButton);
        QVERIFY(!f->window->isVisible());
        f = std::make_unique<ImageMapWindowFixture>();
        f->action("mnuExit")->trigger();
        QVERIFY(!f->window->isVisible());
    }

    void closingWithHotspotsAsks_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("window button, No") << "window button" << MessageAnswer::No;
        QTest::newRow("Exit, Yes") << "Exit" << MessageAnswer::Yes;
    }
    void closingWithHotspotsAsks()
    {
        QFETCH(QString, how);
        QFETCH(MessageAnswer, answer);
        QVERIFY(f->open(picture("small.gif", QSize(200, 150))));
        f->store(QPoint(10, 20), QPoint(110, 70), "a.htm");
        f->prompter.answer(answer);
        if (how == QLatin1String("window button"))
            f->window->close();
        else
            f->action("mnuExit")->trigger();
        QCOMPARE(f->prompter.shown().size(), 1);
        QCOMPARE(f->prompter.lastText(),
            QStringLiteral("The HTML code of the hotspots has not been placed in the clipboard.  "
                           "Do you want to close the window and discard the hotspots?"));
        QCOMPARE(f->prompter.shown().last().buttons, platform::MessageButtons::YesNo);
        QCOMPARE(f->prompter.shown().last().icon, platform::MessageIcon::Question);
        QCOMPARE(f->window->isVisible(), answer == MessageAnswer::No);
        QCOMPARE(f->window->state().hotspots().usedCount(), 1);
    }

    void createHtmlPutsTheMapOnTheClipboard_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("menu") << "menu";
        QTest::newRow("OK button") << "button";
        QTest::newRow("Ctrl+H") << "key";
    }
    void createHtmlPutsTheMapOnTheClipboard()
    {
        QFETCH(QString, how);
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("web")));
        const QString path = picture(QStringLiteral("web/Photo.GIF"), QSize(200, 150));
        QVERIFY(f->open(path));
        f->store(QPoint(10, 20), QPoint(110, 70), "a.htm", "Alpha", "main");
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
        QCOMPARE(QApplication::focusWidget(), f->canvas());

        QGuiApplication::clipboard()->setText(QStringLiteral("what the user had copied"));
        f->prompter.answer(MessageAnswer::Yes);
        f->prompter.answer(MessageAnswer::Ok);
        if (how == QLatin1String("menu"))
            f->action("mnuHTML")->trigger();
        else if (how == QLatin1String("button"))
            QTest::mouseClick(f->button(0), Qt::LeftButton);
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::ControlModifier);

        QCOMPARE(f->prompter.shown().size(), 2);
        QCOMPARE(f->prompter.shown()[0].text,
            QStringLiteral("The HTML code will be placed in the clipboard.  You need to "
                           "insert/paste it into your HTML document.  To remove the 'hypertext' "
                           "border, set BORDER=0."));
        QCOMPARE(f->prompter.shown()[0].buttons, platform::MessageButtons::YesNoCancel);
        QCOMPARE(f->prompter.shown()[0].icon, platform::MessageIcon::Question);
        QCOMPARE(f->prompter.shown()[1].text, "Done.  Now paste the code into your HTML document.");
        QCOMPARE(f->prompter.shown()[1].icon, platform::MessageIcon::Exclamation);
        // The bytes are the core suite's; here: the map of the picture shown and its hotspots.
        QCOMPARE(QGuiApplication::clipboard()->text(),
            imagemap::buildImageMap(path, f->window->state().hotspots()).text);
        QVERIFY(!f->window->isVisible());
    }

    void createHtmlRefusedChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QString>("error"); // empty: no error message follows
        QTest::newRow("No") << "small.gif" << MessageAnswer::No << QString();
        QTest::newRow("Cancel") << "small.gif" << MessageAnswer::Cancel << QString();
        // A name too short to leave a map name; the image is read by its content.
        QTest::newRow("name too short") << "pic" << MessageAnswer::Yes << "\"pic\" is too short";
    }
    void createHtmlRefusedChangesNothing()
    {
        QFETCH(QString, name);
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, error);
        QVERIFY(f->open(picture(name, QSize(50, 50))));
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        f->prompter.answer(answer);
        if (!error.isEmpty())
            f->prompter.answer(MessageAnswer::Ok);
        f->action("mnuHTML")->trigger();
        QCOMPARE(f->prompter.shown().size(), error.isEmpty() ? 1 : 2);
        if (!error.isEmpty()) {
            QVERIFY2(f->prompter.lastText().contains(error), qPrintable(f->prompter.lastText()));
            QCOMPARE(f->prompter.shown().last().buttons, platform::MessageButtons::Ok);
        }
        QCOMPARE(QGuiApplication::clipboard()->text(), "kept");
        QVERIFY(f->window->isVisible());
    }
};

TRELLIS_TEST(TestImageMapWindow)
#include "tst_imagemapwindow.moc"
