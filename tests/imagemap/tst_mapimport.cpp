#include "imagemap/core/mapimport.h"
#include "testmain.h"

#include <QTest>

using imagemap::MapArea;
using imagemap::MapImport;
using imagemap::ShapeKind;
using Areas = QList<MapArea>;
using Points = QList<QPoint>;

Q_DECLARE_METATYPE(MapArea)

namespace {

MapArea area(ShapeKind shape, const Points &points, const QString &url,
    const QString &alt = QString(), const QString &target = QString())
{
    return MapArea{shape, points, url, alt, target};
}

MapArea rect(int l, int t, int r, int b, const QString &url, const QString &alt = QString(),
    const QString &target = QString())
{
    return area(ShapeKind::Rectangle, {{l, t}, {r, b}}, url, alt, target);
}

// A page whose map holds `count` copies of the area.
QByteArray repeated(const QByteArray &areaTag, int count, const QByteArray &last = QByteArray())
{
    QByteArray page = "<img src=p.gif usemap=#m><map name=m>";
    for (int i = 0; i < count; ++i)
        page += areaTag;
    return page + last + "</map>";
}

QString refusal(const QString &reason)
{
    return QStringLiteral("Cannot open the map: ") + reason;
}

} // namespace

// Pages written by hand in the ways people write them, and pages that cannot be taken.
class TestMapImport : public QObject
{
    Q_OBJECT
private slots:
    void pages_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<Areas>("areas");
        const Points triangle{{50, 10}, {90, 60}, {10, 60}, {50, 10}};

        QTest::newRow("upper case, quoted, as Create HTML Code writes")
            << QByteArray("<HTML><BODY>\r\n<IMG SRC=\"Photo.GIF\" BORDER=1 USEMAP=\"#Photo\">\r\n"
                          "<MAP NAME=\"Photo\">\r\n"
                          "<AREA SHAPE=\"RECT\" ALT=\"Alpha\" COORDS=\"10,20,110,70\" "
                          "HREF=\"a.htm\" TARGET=\"\">\r\n"
                          "<AREA SHAPE=\"POLYGON\" ALT=\"\" COORDS=\"50,10,90,60,10,60,50,10\" "
                          "HREF=\"b.htm\" TARGET=\"main\">\r\n"
                          "<AREA SHAPE=\"DEFAULT\" NOHREF>\r\n</MAP></BODY></HTML>")
            << "Photo.GIF"
            << Areas{rect(10, 20, 110, 70, "a.htm", "Alpha"),
                   area(ShapeKind::Polygon, triangle, "b.htm", "", "main")};
        QTest::newRow("lower case, unquoted")
            << QByteArray("<img src=pics/photo.gif usemap=#m>"
                          "<map name=m><area shape=rect coords=1,2,30,40 href=a.htm alt=A "
                          "target=_top></map>")
            << "pics/photo.gif" << Areas{rect(1, 2, 30, 40, "a.htm", "A", "_top")};
        QTest::newRow("mixed case names and values")
            << QByteArray("<Img Src='x.jpg' UseMap='#M'><Map Name='M'>"
                          "<Area Shape='Rectangle' Coords='1,2,30,40' Href='a.htm'></Map>")
            << "x.jpg" << Areas{rect(1, 2, 30, 40, "a.htm")};
        QTest::newRow("entities") << QByteArray(
            "<img src=\"a&amp;b.gif\" usemap=\"#m\"><map name=\"m\">"
            "<area shape=\"rect\" coords=\"1,2,30,40\" href=\"q.cgi?a=1&amp;b=2\" "
            "alt=\"say &quot;hi&quot; &eacute;t&#233; &lt;3\"></map>")
                                  << "a&b.gif"
                                  << Areas{rect(1, 2, 30, 40, "q.cgi?a=1&b=2",
                                         QStringLiteral("say \"hi\" \u00e9t\u00e9 <3"))};
        QTest::newRow("comments and scripts are skipped")
            << QByteArray("<!-- <img src=old.gif usemap=#m><map name=m>"
                          "<area coords=9,9,19,19 href=old.htm></map> -->\n"
                          "<script>document.write('<map name=m><area href=js.htm></map>');"
                          "</script>\n<img src=new.gif usemap=#m>"
                          "<map name=m><!-- <area coords=1,1,8,8 href=no.htm> -->"
                          "<area coords=\"1,1,50,50\" href=yes.htm></map>")
            << "new.gif" << Areas{rect(1, 1, 50, 50, "yes.htm")};
        QTest::newRow("blanks and commas in coordinates")
            << QByteArray("<img src=a.gif usemap=#m><map name=m>"
                          "<area shape=rect coords=\" 10 , 20\t30,\n40 \" href=a.htm>"
                          "<area shape=poly coords=\"50 10 90 60 10 60\" href=b.htm></map>")
            << "a.gif"
            << Areas{rect(10, 20, 30, 40, "a.htm"), area(ShapeKind::Polygon, triangle, "b.htm")};
        QTest::newRow("polygon with and without the repeated first point")
            << QByteArray("<img src=a.gif usemap=#m><map name=m>"
                          "<area shape=polygon coords=50,10,90,60,10,60,50,10 href=a.htm>"
                          "<area shape=poly coords=50,10,90,60,10,60 href=b.htm></map>")
            << "a.gif"
            << Areas{area(ShapeKind::Polygon, triangle, "a.htm"),
                   area(ShapeKind::Polygon, triangle, "b.htm")};
        QTest::newRow("circles") << QByteArray(
            "<img src=a.gif usemap=#m><map name=m>"
            "<area shape=circle coords=100,80,25 href=c.htm alt=Round>"
            "<area shape=CIRC coords=\"7 8 0\" href=d.htm></map>")
                                 << "a.gif"
                                 << Areas{area(ShapeKind::Circle, {{100, 80}, {125, 80}}, "c.htm",
                                              "Round"),
                                        area(ShapeKind::Circle, {{7, 8}, {7, 8}}, "d.htm")};
        QTest::newRow("default areas are no hotspots")
            << QByteArray("<img src=a.gif usemap=#m><map name=m><area shape=default href=x.htm>"
                          "<area shape=rect coords=1,2,30,40 href=a.htm>"
                          "<area shape=DEFAULT nohref></map>")
            << "a.gif" << Areas{rect(1, 2, 30, 40, "a.htm")};
        QTest::newRow("a map without a picture")
            << QByteArray("<img src=logo.gif><map name=first><area coords=1,2,30,40 href=a.htm>"
                          "</map><map name=second><area coords=5,5,9,9 href=b.htm></map>")
            << "" << Areas{rect(1, 2, 30, 40, "a.htm")};
        QTest::newRow("the map the picture names, by name or id")
            << QByteArray("<map name=first><area coords=1,2,30,40 href=a.htm></map>"
                          "<img src=a.gif usemap=\" #second \">"
                          "<map id=second><area coords=5,5,9,9 href=b.htm></map>")
            << "a.gif" << Areas{rect(5, 5, 9, 9, "b.htm")};
        QTest::newRow("areas nested in the map, decimals, no link")
            << QByteArray("<img src=a.gif usemap=#m><map name=m><p>"
                          "<area coords=10.4,20.6,30,40 alt=hole></p></map>")
            << "a.gif" << Areas{rect(10, 21, 30, 40, "", "hole")};
        QTest::newRow("Windows-1252 bytes")
            << QByteArray("<img src=a.gif usemap=#m><map name=m>"
                          "<area coords=1,2,3,4 href=a.htm alt=\"caf\xe9 \x80\"></map>")
            << "a.gif" << Areas{rect(1, 2, 3, 4, "a.htm", QStringLiteral("caf\u00e9 \u20ac"))};
        QTest::newRow("UTF-8 whatever the page declares")
            << QByteArray("<meta charset=iso-8859-1><img src=a.gif usemap=#m><map name=m>"
                          "<area coords=1,2,3,4 href=a.htm alt=\"caf\xc3\xa9\"></map>")
            << "a.gif" << Areas{rect(1, 2, 3, 4, "a.htm", QStringLiteral("caf\u00e9"))};
        QTest::newRow("an empty map")
            << QByteArray("<img src=a.gif usemap=#m><map name=m></map>") << "a.gif" << Areas();
        QTest::newRow("99 areas, 98 vertex slots")
            << repeated("<area coords=1,1,9,9 href=r.htm>", 19,
                   QByteArray("<area shape=circle coords=5,5,3 href=c.htm>")
                       + QByteArray(79, ' ').replace(" ", "<area shape=default>"))
            << "p.gif"
            << Areas(19, rect(1, 1, 9, 9, "r.htm"))
                + Areas{area(ShapeKind::Circle, {{5, 5}, {8, 5}}, "c.htm")};
    }
    void pages()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, picture);
        QFETCH(Areas, areas);
        const MapImport read = imagemap::readImageMap(page);
        QVERIFY2(read.succeeded(), qPrintable(read.error));
        QCOMPARE(read.pictureSource, picture);
        QCOMPARE(read.areas.size(), areas.size());
        for (qsizetype i = 0; i < areas.size(); ++i) {
            QCOMPARE(read.areas[i].shape, areas[i].shape);
            QCOMPARE(read.areas[i].points, areas[i].points);
            QCOMPARE(read.areas[i].url, areas[i].url);
            QCOMPARE(read.areas[i].altText, areas[i].altText);
            QCOMPARE(read.areas[i].targetFrame, areas[i].targetFrame);
        }
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("error");
        const QString noMap = refusal("the page holds no image map (no MAP element).");
        QTest::newRow("empty file") << QByteArray() << noMap;
        QTest::newRow("no map") << QByteArray("<p>Hello <img src=a.gif usemap=#m></p>")
                                << refusal("the picture's USEMAP names the map \"m\", but the "
                                           "page holds no MAP of that name.");
        QTest::newRow("not a page") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11) << noMap;
        QTest::newRow("map only in a comment")
            << QByteArray("<!-- <map name=m><area coords=1,2,3,4 href=a.htm></map> -->") << noMap;
        QTest::newRow("unknown shape")
            << QByteArray("<map name=m><area coords=1,2,3,4 href=a.htm>"
                          "<area shape=oval coords=1,2,3 href=b.htm></map>")
            << refusal("area 2 (HREF \"b.htm\"): the unknown shape \"oval\".");
        QTest::newRow("rectangle of 3 numbers")
            << QByteArray("<map><area shape=default><area shape=rect coords=1,2,3></map>")
            << refusal("area 2: 3 coordinates; a rectangle takes 4.");
        QTest::newRow("rectangle without coords")
            << QByteArray("<map><area href=a.htm></map>")
            << refusal("area 1 (HREF \"a.htm\"): 0 coordinates; a rectangle takes 4.");
        QTest::newRow("circle of 4 numbers")
            << QByteArray("<map><area shape=circle coords=1,2,3,4 href=c.htm></map>")
            << refusal("area 1 (HREF \"c.htm\"): 4 coordinates; a circle takes 3 (x, y, "
                       "radius).");
        QTest::newRow("polygon of an odd count")
            << QByteArray("<map><area shape=poly coords=1,2,3,4,5,6,7 href=p.htm></map>")
            << refusal("area 1 (HREF \"p.htm\"): 7 coordinates; a polygon takes pairs of x "
                       "and y.");
        QTest::newRow("polygon of two corners")
            << QByteArray("<map><area shape=poly coords=1,2,30,40,1,2 href=p.htm></map>")
            << refusal("area 1 (HREF \"p.htm\"): a polygon of fewer than three corners.");
        QTest::newRow("negative")
            << QByteArray("<map><area coords=\"1, -2, 3, 4\" href=a.htm></map>")
            << refusal("area 1 (HREF \"a.htm\"): the negative coordinate \"-2\".");
        QTest::newRow("percent")
            << QByteArray("<map><area shape=circle coords=50%,50%,10% href=a.htm></map>")
            << refusal("area 1 (HREF \"a.htm\"): the percent coordinate \"50%\"; only pixels "
                       "can be taken.");
        QTest::newRow("not a number")
            << QByteArray("<map><area coords=1,2,3,4px href=a.htm></map>")
            << refusal("area 1 (HREF \"a.htm\"): the coordinate \"4px\", which is not a number.");
        QTest::newRow("too large")
            << QByteArray("<map><area coords=1,2,3,99999999999999999999 href=a.htm></map>")
            << refusal("area 1 (HREF \"a.htm\"): the coordinate \"99999999999999999999\", "
                       "larger than 32767.");
        // A circle takes the fewest slots, three: the store runs out at the 33rd hotspot,
        // before the table's 99 rows do.
        QTest::newRow("33 circles")
            << repeated("<area shape=circle coords=5,5,3 href=c.htm>", 33)
            << refusal("area 33 (HREF \"c.htm\"): more points than the 98 the vertex store "
                       "holds (a rectangle takes 5, a circle 3, a polygon one per corner and 1 "
                       "more).");
        QTest::newRow("more points than the store")
            << repeated("<area coords=1,1,9,9 href=r.htm>", 19,
                   "<area shape=poly coords=1,1,9,1,5,9 href=t.htm>")
            << refusal("area 20 (HREF \"t.htm\"): more points than the 98 the vertex store "
                       "holds (a rectangle takes 5, a circle 3, a polygon one per corner and 1 "
                       "more).");
    }
    void refusals()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, error);
        const MapImport read = imagemap::readImageMap(page);
        QCOMPARE(read.error, error);
        QVERIFY(read.areas.isEmpty());
    }

    void picturePaths_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("path");
        QTest::newRow("beside the page") << "pic.gif"
                                         << "/web/site/pic.gif";
        QTest::newRow("folder up") << "../img/a b.gif"
                                   << "/web/img/a b.gif";
        QTest::newRow("escaped blank") << "img%20x.gif"
                                       << "/web/site/img x.gif";
        QTest::newRow("backslashes") << "img\\p.gif"
                                     << "/web/site/img/p.gif";
        QTest::newRow("query and fragment") << "p.gif?v=2#top"
                                            << "/web/site/p.gif";
        QTest::newRow("absolute") << "/pics/p.gif"
                                  << "/pics/p.gif";
        QTest::newRow("file URL") << "file:///tmp/p.gif"
                                  << "/tmp/p.gif";
        QTest::newRow("remote") << "http://example.com/p.gif"
                                << "";
        QTest::newRow("protocol-relative") << "//example.com/p.gif"
                                           << "";
        QTest::newRow("data") << "data:image/gif;base64,R0lG"
                              << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void picturePaths()
    {
        QFETCH(QString, source);
        QFETCH(QString, path);
        QCOMPARE(imagemap::localPicturePath(QStringLiteral("/web/site/page.htm"), source), path);
    }
};

TRELLIS_TEST(TestMapImport)
#include "tst_mapimport.moc"
