#include "filecontents.h"
#include "filedrops.h"
#include "imagemap/core/imagemaphtml.h"
#include "imagemap/core/svgmap.h"
#include "imagemap/ui/imagemapmessages.h"
#include "testmain.h"
#include "tst_imagemapwindowfixture.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

using imagemap::HotspotDialog;
using platform::MessageAnswer;
using testsupport::ImageMapWindowFixture;

// Circles, Open Map, Save Map As and Copy SVG Map on the real window.
class TestImageMapWindowMaps : public testsupport::ImageMapWindowSuite
{
    Q_OBJECT
private:
    const imagemap::ImageMapState &state() const { return f->window->state(); }
    // Each row in use as "SHAPE points url|alt|target vertex-indexes".
    QStringList rows() const
    {
        QStringList rows;
        for (int i = 1; i <= state().hotspots().usedCount(); ++i) {
            const imagemap::HotspotRecord &r = f->row(i);
            QStringList texts{imagemap::areaLine(r).section(u'"', 1, 1)};
            for (QPoint p : r.points)
                texts << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
            QStringList indexes;
            for (int index : r.pointIndexes)
                indexes << QString::number(index);
            texts << r.url + u'|' + r.altText + u'|' + r.targetFrame << indexes.join(u',');
            rows << texts.join(u' ');
        }
        return rows;
    }
    void drawCircle(QPoint centre, QPoint rim, const QString &url, const QString &alt = {})
    {
        f->action("mnuCircles")->setChecked(true);
        f->store(centre, rim, url, alt);
        f->action("mnuCircles")->setChecked(false);
    }
    void drawSample()
    {
        f->store(QPoint(10, 20), QPoint(110, 70), "a.htm", "Alpha", "main");
        f->script.then(testsupport::fillAndOk("b.htm", "", "_top"));
        f->polygon({QPoint(150, 10), QPoint(200, 60), QPoint(120, 60)});
        drawCircle(QPoint(60, 130), QPoint(90, 170), "c.htm", "Round & \"quoted\"");
        QCOMPARE(f->script.pending(), 0);
    }
    // The map text as Create HTML Code would put it on the clipboard.
    QString htmlCode() const
    {
        return imagemap::buildImageMap(f->window->imagePath(), state().hotspots()).text;
    }

private slots:
    void circlesAreDrawnAndPainted()
    {
        QVERIFY(f->open(picture("circles.gif")));
        drawCircle(QPoint(100, 90), QPoint(130, 130), "c.htm", "Round");
        QCOMPARE(rows(), QStringList{"CIRCLE 100,90 130,130 c.htm|Round| 2,3,4"});
        // Its outline is a circle of radius 50: a point on the rim is painted over, the centre
        // and a corner of its bounding box are not.
        const QImage shot = f->canvas()->grab().toImage();
        const QImage image = f->canvas()->picture();
        QVERIFY(shot.pixel(150, 90) != image.pixel(150, 90));
        QCOMPARE(shot.pixel(100, 90), image.pixel(100, 90));
        QCOMPARE(shot.pixel(60, 50), image.pixel(60, 50));
    }

    void aDroppedPageOpensAsOpenMapDoes()
    {
        const QString path = dir.filePath("dropped.HTML");
        QVERIFY(testsupport::writeAll(path,
            "<img src=pic.gif usemap=#m><map name=m><area shape=circle coords=40,50,12 "
            "href=c.htm></map>"));
        picture("pic.gif");
        QVERIFY(testsupport::dropFiles(f->window.get(), {QUrl::fromLocalFile(path)}));
        QCOMPARE(f->window->imagePath(), picture("pic.gif"));
        QCOMPARE(rows(), QStringList{"CIRCLE 40,50 52,50 c.htm|| 2,3,4"});
        QVERIFY(f->dialogs.shown().isEmpty());
    }

    // Open, Open Map and a dropped file ask before they drop hotspots that were not saved or
    // put on the clipboard; No keeps them and the picture.
    void openingAsksBeforeDroppingTheHotspots_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("answer");
        for (const char *way : {"open", "open map", "drop"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1, No").arg(way))) << way << "No";
            QTest::newRow(qPrintable(QStringLiteral("%1, Yes").arg(way))) << way << "Yes";
        }
    }
    void openingAsksBeforeDroppingTheHotspots()
    {
        QFETCH(QString, way);
        QFETCH(QString, answer);
        const QString first = picture("first.gif");
        QVERIFY(f->open(first));
        f->store(QPoint(20, 20), QPoint(80, 60), "keep.htm");
        const QString next = picture("next.gif");
        const QString page = dir.filePath("next.htm");
        QVERIFY(testsupport::writeAll(page,
            "<img src=next.gif usemap=#m><map name=m><area coords=1,2,30,40 href=n.htm></map>"));
        const bool yes = answer == QLatin1String("Yes");
        f->prompter.answer(yes ? MessageAnswer::Yes : MessageAnswer::No);
        if (way == QLatin1String("drop")) {
            testsupport::dropFiles(f->window.get(), {QUrl::fromLocalFile(next)});
        } else if (way == QLatin1String("open")) {
            f->open(next);
        } else {
            f->dialogs.answer(page);
            f->action("mnuOpenMap")->trigger();
        }
        QCOMPARE(f->prompter.lastText(), imagemap::discardHotspotsForOpenQuestion());
        QCOMPARE(f->window->imagePath(), yes ? next : first);
        QCOMPARE(rows().size(), way == QLatin1String("open map") || !yes ? 1 : 0);
        if (!yes)
            QCOMPARE(rows().first().section(u' ', 3, 3), "keep.htm||");
    }

    // The map opens, and one box the user dismisses says why browsers would not find it and
    // what the hotspots could not keep.
    void notesOnThePageAreToldInOneBox()
    {
        const QString path = dir.filePath("hash.htm");
        QVERIFY(testsupport::writeAll(path,
            "<img src=pic.gif usemap=#Logo><map name=#Logo><area coords=1,2,30,40 "
            "href=a.htm title=Start></map>"));
        picture("pic.gif");
        f->dialogs.answer(path);
        f->prompter.answer(MessageAnswer::Ok);
        f->action("mnuOpenMap")->trigger();
        QCOMPARE(rows(), QStringList{"RECT 1,2 30,40 a.htm|| 2,3,4,5,6"});
        QCOMPARE(f->prompter.shown().size(), 1);
        QCOMPARE(f->prompter.shown().last().icon, platform::MessageIcon::Information);
        QVERIFY(f->prompter.lastText().startsWith("The page names its map \"#Logo\""));
        QVERIFY(f->prompter.lastText().endsWith("  Hotspots do not hold everything the map has; "
                                                "left out: the areas' TITLE attribute."));
    }

    // A page with several maps asks which one to open, naming each with its picture; the first
    // a picture uses is chosen at first, a map of the same name as another is listed once, and
    // Cancel opens nothing.
    void aPageWithSeveralMapsAsksWhichOne_data()
    {
        QTest::addColumn<std::optional<int>>("choice");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QStringList>("hotspots");
        QTest::newRow("the one chosen at first") << std::optional<int>(
            1) << "nav.gif" << QStringList{"RECT 1,2 30,40 news.htm|| 2,3,4,5,6"};
        QTest::newRow("another") << std::optional<int>(0) << "logo.gif"
                                 << QStringList{"CIRCLE 20,20 30,20 home.htm|| 2,3,4"};
        QTest::newRow("one no picture uses: its picture is asked for") << std::optional<int>(
            2) << "asked.gif" << QStringList{"RECT 5,5 9,9 spare.htm|| 2,3,4,5,6"};
        QTest::newRow("cancel") << std::optional<int>() << "before.gif" << QStringList();
    }
    void aPageWithSeveralMapsAsksWhichOne()
    {
        QFETCH(std::optional<int>, choice);
        QFETCH(QString, picture);
        QFETCH(QStringList, hotspots);
        f->open(this->picture("before.gif"));
        const QString page = dir.filePath("maps.htm");
        QVERIFY(testsupport::writeAll(page,
            "<map name=logo><area shape=circle coords=20,20,10 href=home.htm></map>"
            "<img src=images/nav.gif usemap=#nav><img src=logo.gif usemap=#logo>"
            "<map name=nav><area coords=1,2,30,40 href=news.htm></map>"
            "<map name=spare><area coords=5,5,9,9 href=spare.htm></map>"
            "<map name=nav><area coords=0,0,1,1 href=never.htm></map>"));
        QDir(dir.path()).mkpath("images");
        this->picture("images/nav.gif");
        this->picture("logo.gif");
        f->dialogs.answer(page);
        f->prompter.answerChoice(choice);
        if (picture == QLatin1String("asked.gif"))
            f->dialogs.answer(this->picture("asked.gif"));
        f->action("mnuOpenMap")->trigger();

        const testsupport::ScriptedPrompter::Shown &list = f->prompter.shown().first();
        QCOMPARE(list.text, "The page holds 3 image maps. Which one do you want to open?");
        QCOMPARE(list.title, "Open Map");
        QCOMPARE(list.items,
            (QStringList{"logo - logo.gif", "nav - images/nav.gif", "spare - no picture uses it"}));
        QCOMPARE(list.current, 1);
        QCOMPARE(QFileInfo(f->window->imagePath()).fileName(), picture);
        QCOMPARE(rows(), hotspots);
    }

    void aMissingPictureIsAskedFor_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("offered");
        QTest::newRow("moved picture") << QByteArray("<img src=old/pic.gif usemap=#m><map name=m>"
                                                     "<area coords=1,2,30,40 href=a.htm></map>")
                                       << "pic.gif";
        QTest::newRow("no picture uses the map")
            << QByteArray("<map name=m><area coords=1,2,30,40 href=a.htm></map>") << "*.gif;*.jpg";
    }
    void aMissingPictureIsAskedFor()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, offered);
        const QString path = dir.filePath("missing.htm");
        QVERIFY(testsupport::writeAll(path, page));
        f->dialogs.answer(path);
        f->dialogs.answer(picture("found.gif"));
        f->action("mnuOpenMap")->trigger();
        QCOMPARE(f->dialogs.shown().size(), 2);
        const platform::FileDialogRequest &asked = f->dialogs.shown()[1].request;
        QCOMPARE(f->dialogs.shown()[1].kind, testsupport::ScriptedFileDialogs::Kind::Open);
        QCOMPARE(asked.filter, imagemap::openFilter());
        QCOMPARE(asked.fileName, offered);
        QCOMPARE(QDir(asked.directory), QDir(dir.path()));
        QCOMPARE(f->window->imagePath(), picture("found.gif"));
        QCOMPARE(rows(), QStringList{"RECT 1,2 30,40 a.htm|| 2,3,4,5,6"});
    }

    void refusalsLeaveTheWindowUnchanged_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("message"); // empty: the picture dialog is cancelled
        const QByteArray img = "<img src=pic.gif usemap=#m>";
        QTest::newRow("unknown shape")
            << img
                + "<map name=m><area coords=1,2,3,4 href=a.htm>"
                  "<area shape=oval coords=1,2,3 href=b.htm></map>"
            << "Cannot open the map: area 2 (HREF \"b.htm\"): the unknown shape \"oval\".";
        QTest::newRow("picture dialog cancelled")
            << QByteArray("<map name=m><area coords=1,2,3,4 href=a.htm></map>") << "";
        QTest::newRow("picture unreadable") << QByteArray("<img src=page.htm usemap=#m><map name=m>"
                                                          "<area coords=1,2,3,4 href=a.htm></map>")
                                            << "*";
    }
    void refusalsLeaveTheWindowUnchanged()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, message);
        QVERIFY(f->open(picture("before.gif")));
        f->store(QPoint(20, 20), QPoint(80, 60), "keep.htm", "Kept");
        const QString before = htmlCode();

        const QString path = dir.filePath("page.htm");
        QVERIFY(testsupport::writeAll(path, page));
        f->dialogs.answer(path);
        f->prompter.answer(MessageAnswer::Yes); // to drop the hotspots
        if (message.isEmpty())
            f->dialogs.cancel();
        else
            f->prompter.answer(MessageAnswer::Ok);
        f->action("mnuOpenMap")->trigger();
        if (message == QLatin1String("*"))
            QVERIFY(!f->prompter.lastText().isEmpty()); // the image component's reason
        else if (!message.isEmpty())
            QCOMPARE(f->prompter.lastText(), message);
        else
            QCOMPARE(f->prompter.shown().size(), 1);
        QCOMPARE(f->window->imagePath(), picture("before.gif"));
        QCOMPARE(htmlCode(), before);
    }

    void saveAndOpenGiveTheSameMap()
    {
        QVERIFY(QDir(dir.path()).mkpath("pages"));
        QVERIFY(f->open(picture("round trip.gif")));
        drawSample();
        const QString html = htmlCode();
        QCOMPARE(html.count("<AREA"), 4);
        const QString page = dir.filePath("pages/map");
        f->dialogs.answer(page);
        f->action("mnuSaveMap")->trigger();
        QCOMPARE(f->dialogs.shown().last().kind, testsupport::ScriptedFileDialogs::Kind::Save);
        QVERIFY(!f->dialogs.shown().last().request.confirmOverwrite);
        QCOMPARE(f->dialogs.shown().last().request.fileName, dir.filePath("round trip.htm"));
        const QByteArray bytes = testsupport::readAll(page + ".htm");
        QVERIFY(
            bytes.startsWith("<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\">"));
        // The lines of Create HTML Code, with the picture one folder up.
        QString expected = html;
        expected.replace("SRC=\"round trip.gif\"", "SRC=\"../round trip.gif\"");
        QVERIFY(QString::fromUtf8(bytes).contains(expected));
        // The window stays open with its hotspots, and closing it asks nothing now.
        QVERIFY(f->window->isVisible());
        QCOMPARE(state().hotspots().usedCount(), 3);
        QVERIFY(f->window->close());

        f = std::make_unique<ImageMapWindowFixture>();
        f->dialogs.answer(page + ".htm");
        f->action("mnuOpenMap")->trigger();
        QCOMPARE(f->dialogs.shown()[0].request.filter, imagemap::mapPageFilter());
        QCOMPARE(f->window->imagePath(), picture("round trip.gif"));
        QCOMPARE(rows(),
            QStringList({"RECT 10,20 110,70 a.htm|Alpha|main 2,3,4,5,6",
                "POLYGON 150,10 200,60 120,60 150,10 b.htm||_top 7,8,9,10",
                "CIRCLE 60,130 110,130 c.htm|Round & \"quoted\"| 11,12,13"}));
        QCOMPARE(htmlCode(), html);
        // Every shape opened has the outline the drawing would have made.
        QCOMPARE(state().segments().indexes(), QList<int>({2, 3, 4, 5, 7, 8, 9, 11}));
        QCOMPARE(state().segments().at(7).to, QPoint(120, 60));
        QVERIFY(state().segments().at(11).round);
        QVERIFY(state().segments().at(2).visible);
        // Save Map As offers the page the map came from, which holds nothing but the map; after
        // Open of a picture, its own name.
        f->dialogs.cancel();
        f->action("mnuSaveMap")->trigger();
        QCOMPARE(f->dialogs.shown().last().request.fileName, page + ".htm");
        // The hotspots just opened are kept in the page: closing asks nothing.
        QVERIFY(f->window->close());
        QVERIFY(f->open(picture("pic.gif")));
        f->dialogs.cancel();
        f->action("mnuSaveMap")->trigger();
        QCOMPARE(f->dialogs.shown().last().request.fileName, dir.filePath("pic.htm"));
    }

    // A page with more than a map is never offered for the map page that would replace it,
    // and replacing it anyway is asked about in so many words.
    void theOpenedPageIsNotOfferedForTheMap()
    {
        picture("nav.gif");
        const QString page = dir.filePath("nav.htm");
        const QByteArray site
            = "<html><head><title>Club</title><script>go()</script></head><body>"
              "<h1>Welcome</h1><img src=nav.gif usemap=#m width=240>"
              "<map name=m><area coords=1,2,30,40 href=a.htm></map></body></html>";
        QVERIFY(testsupport::writeAll(page, site));
        f->dialogs.answer(page);
        f->action("mnuOpenMap")->trigger();
        QCOMPARE(rows().size(), 1);

        f->dialogs.answer(page);
        f->prompter.answer(MessageAnswer::Cancel);
        f->action("mnuSaveMap")->trigger();
        QCOMPARE(f->dialogs.shown().last().request.fileName, dir.filePath("nav-map.htm"));
        QCOMPARE(f->prompter.lastText(),
            "\"nav.htm\" is a page that holds more than a map.  Saving the map replaces the whole "
            "page: its text, pictures, scripts and styles will be lost.  OK to over-write it?");
        QCOMPARE(testsupport::readAll(page), site);
    }

    void saveAsksBeforeReplacing_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("OK replaces") << MessageAnswer::Ok;
        QTest::newRow("Cancel keeps") << MessageAnswer::Cancel;
    }
    void saveAsksBeforeReplacing()
    {
        QFETCH(MessageAnswer, answer);
        QVERIFY(f->open(picture("pic.gif")));
        drawSample();
        const QString page = dir.filePath("existing.htm");
        QVERIFY(testsupport::writeAll(page, "old"));
        f->dialogs.answer(page);
        f->prompter.answer(answer);
        f->action("mnuSaveMap")->trigger();
        QCOMPARE(f->prompter.lastText(), "File already exists.  OK to over-write existing file?");
        QCOMPARE(testsupport::readAll(page) == "old", answer == MessageAnswer::Cancel);
    }

    void aFailedSaveIsToldAndChangesNothing()
    {
        QVERIFY(f->open(picture("pic.gif")));
        drawSample();
        f->dialogs.answer(dir.filePath("no such folder/map.htm"));
        f->prompter.answer(MessageAnswer::Ok);
        f->action("mnuSaveMap")->trigger();
        QVERIFY(f->prompter.lastText().startsWith("The map could not be saved to"));
        QVERIFY(!QFile::exists(dir.filePath("no such folder/map.htm")));
        // Not saved: closing still asks.
        f->prompter.answer(MessageAnswer::No);
        QVERIFY(!f->window->close());
        QCOMPARE(f->prompter.lastText(), imagemap::discardHotspotsQuestion());
    }

    void changesAfterSavingAreAskedAbout()
    {
        QVERIFY(f->open(picture("pic.gif")));
        drawSample();
        f->dialogs.answer(dir.filePath("changed.htm"));
        f->action("mnuSaveMap")->trigger();
        drawCircle(QPoint(200, 140), QPoint(210, 140), "d.htm");
        f->prompter.answer(MessageAnswer::No);
        QVERIFY(!f->window->close());
        QCOMPARE(f->prompter.lastText(), imagemap::discardHotspotsQuestion());
    }

    void copySvgMapPutsTheSvgOnTheClipboard()
    {
        QVERIFY(f->open(picture("svg.gif")));
        drawSample();
        f->prompter.answer(MessageAnswer::Ok);
        f->action("mnuSvgMap")->trigger();
        QCOMPARE(f->prompter.lastText(),
            QStringLiteral("Done.  Now paste the SVG map into your HTML document; it takes the "
                           "width the page gives it."));
        const QString svg = QGuiApplication::clipboard()->text();
        QCOMPARE(svg,
            imagemap::buildSvgMap(f->window->imagePath(), QSize(240, 180), state().hotspots())
                .text);
        QVERIFY(f->window->isVisible());
        QCOMPARE(state().hotspots().usedCount(), 3);
    }

    // After Open Map the SVG names the picture as the page does, so that it can be pasted back
    // into that page; after Open it names the file.
    void copySvgMapNamesThePictureAsTheOpenedPageDoes()
    {
        QVERIFY(QDir(dir.path()).mkpath("images"));
        picture("images/nav.gif");
        const QString path = dir.filePath("site.htm");
        QVERIFY(testsupport::writeAll(path,
            "<img src=\"images/nav.gif\" usemap=#m><map name=m><area coords=1,2,30,40 "
            "href=a.htm></map>"));
        f->dialogs.answer(path);
        f->action("mnuOpenMap")->trigger();
        f->prompter.answer(MessageAnswer::Ok);
        f->action("mnuSvgMap")->trigger();
        QVERIFY(QGuiApplication::clipboard()->text().contains("<image href=\"images/nav.gif\""));

        QVERIFY(f->open(picture("images/nav.gif"))); // the opened map is kept: no question
        f->prompter.answer(MessageAnswer::Ok);
        f->action("mnuSvgMap")->trigger();
        QVERIFY(QGuiApplication::clipboard()->text().contains("<image href=\"nav.gif\""));
    }
};

TRELLIS_TEST(TestImageMapWindowMaps)
#include "tst_imagemapwindowmaps.moc"
