#include "imagemap/core/imagemaphtml.h"
#include "imagemap/core/mappage.h"
#include "testmain.h"

#include <QTest>

using imagemap::buildImageMap;
using imagemap::HotspotTable;
using imagemap::ShapeKind;
using Points = QList<QPoint>;

namespace {

void setRow(HotspotTable &table, int row, ShapeKind kind, const Points &points, const QString &url,
    const QString &alt, const QString &target)
{
    imagemap::HotspotRecord &r = table.row(row);
    r.region = row + 100;
    r.shape = kind;
    r.points = points;
    r.url = url;
    r.altText = alt;
    r.targetFrame = target;
}

// The two hotspots of the worked example.
HotspotTable exampleTable()
{
    HotspotTable table;
    setRow(table, 1, ShapeKind::Rectangle, {{10, 20}, {110, 70}}, QStringLiteral("a.htm"),
        QStringLiteral("Alpha"), QString());
    setRow(table, 2, ShapeKind::Polygon, {{50, 10}, {90, 60}, {10, 60}, {50, 10}},
        QStringLiteral("b.htm"), QString(), QStringLiteral("main"));
    return table;
}

void nameRow(const char *name, const QString &path, const QString &source, const QString &map)
{
    QTest::newRow(name) << path << source << map;
}

void fieldRow(const char *name, ShapeKind kind, const Points &points, const QString &url,
    const QString &alt, const QString &target, const QString &line)
{
    QTest::newRow(name) << kind << points << url << alt << target << line;
}

} // namespace

class TestImageMapHtml : public QObject
{
    Q_OBJECT
private slots:
    // The worked example's hotspots under pictures of different names.
    void workedExample_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("mapName");
        nameRow("mixed case", "/web/Photo.GIF", "Photo.GIF", "Photo");
        nameRow("lower case", "/web/photo.gif", "photo.gif", "photo");
        nameRow("backslashes", "C:\\WEB\\photo.gif", "photo.gif", "photo");
        nameRow("jpg", "/home/u/Photo.JPG", "Photo.JPG", "Photo");
        nameRow("jpeg", "/x/pic.jpeg", "pic.jpeg", "pic.");
        nameRow("backslash after slash", "/web/a\\b.gif", "b.gif", "b");
        nameRow("slash after backslash", "C:\\web/b.gif", "b.gif", "b");
        nameRow("blank in name", "/web/my photo.gif", "my photo.gif", "my photo");
        nameRow("quote in name", "/web/a\"b.gif", "a&quot;b.gif", "a&quot;b");
        nameRow("five characters", "/w/a.gif", "a.gif", "a");
        // Exactly four characters leave an empty map name, which is no error.
        nameRow("four characters", "/w/abcd", "abcd", "");
        nameRow("extension only", "/web/.gif", ".gif", "");
    }
    void workedExample()
    {
        QFETCH(QString, path);
        QFETCH(QString, source);
        QFETCH(QString, mapName);
        const imagemap::ImageMapHtml html = buildImageMap(path, exampleTable());
        QVERIFY(html.succeeded());
        QCOMPARE(html.text,
            QStringLiteral("<IMG SRC=\"%1\" BORDER=1 USEMAP=\"#%2\">\r\n<MAP NAME=\"%2\">\r\n"
                           "<AREA SHAPE=\"RECT\" ALT=\"Alpha\" COORDS=\"10,20,110,70\" "
                           "HREF=\"a.htm\" TARGET=\"\">\r\n"
                           "<AREA SHAPE=\"POLYGON\" ALT=\"\" COORDS=\"50,10,90,60,10,60,50,10\" "
                           "HREF=\"b.htm\" TARGET=\"main\">\r\n"
                           "<AREA SHAPE=\"DEFAULT\" NOHREF>\r\n</MAP>")
                .arg(source, mapName));
        // No hotspots: the IMG, MAP, DEFAULT and closing lines only.
        QCOMPARE(buildImageMap(path, HotspotTable()).text,
            QStringLiteral("<IMG SRC=\"%1\" BORDER=1 USEMAP=\"#%2\">\r\n<MAP NAME=\"%2\">\r\n"
                           "<AREA SHAPE=\"DEFAULT\" NOHREF>\r\n</MAP>")
                .arg(source, mapName));
    }

    // Save Map As tells apart a page it wrote, which only a map fills, from a page with more.
    void onlyAMapPage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("onlyAMap");
        const QByteArray written
            = imagemap::buildMapPage("/w/pics/Photo.gif", "/w/map.htm", exampleTable())
                  .text.toUtf8();
        QTest::newRow("as written") << written << true;
        QTest::newRow("without hotspots")
            << imagemap::buildMapPage("/w/a.gif", "/w/a.htm", HotspotTable()).text.toUtf8() << true;
        QByteArray withText = written;
        withText.replace("<body>\r\n", "<body>\r\n<h1>Welcome</h1>\r\n");
        QTest::newRow("a heading added") << withText << false;
        QByteArray withScript = written;
        withScript.replace("</head>", "<script>go()</script></head>");
        QTest::newRow("a script added") << withScript << false;
        QTest::newRow("line ends changed") << QByteArray(written).replace("\r\n", "\n") << false;
        QTest::newRow("not a page") << QByteArray("old") << false;
    }
    void onlyAMapPage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, onlyAMap);
        QCOMPARE(imagemap::holdsOnlyAMapPage(bytes), onlyAMap);
    }

    void errors_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("nothing open") << QString() << "no image file";
        for (const char *path : {"*.gif;*.jpg", "photo.gif"})
            QTest::newRow(path) << path << path;
        QTest::newRow("folder only") << "/web/" << QString("too short");
        QTest::newRow("three characters") << "C:\\a.g" << QString("a.g");
    }
    void errors()
    {
        QFETCH(QString, path);
        QFETCH(QString, mentions);
        const imagemap::ImageMapHtml html = buildImageMap(path, exampleTable());
        QVERIFY(!html.succeeded());
        QVERIFY(html.text.isEmpty());
        QVERIFY2(html.error.contains(mentions), qPrintable(html.error));
    }

    void fieldValues_data()
    {
        QTest::addColumn<ShapeKind>("kind");
        QTest::addColumn<Points>("points");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("alt");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("line");
        const Points corners{{1, 2}, {3, 4}};
        fieldRow("trimmed", ShapeKind::Rectangle, corners, "  a.htm ", " Alpha  ", " main ",
            R"(<AREA SHAPE="RECT" ALT="Alpha" COORDS="1,2,3,4" HREF="a.htm" TARGET="main">)");
        fieldRow("quote in url", ShapeKind::Rectangle, corners, R"(a.htm" onmouseover="x)",
            "say \"hi\"", "",
            R"(<AREA SHAPE="RECT" ALT="say &quot;hi&quot;" COORDS="1,2,3,4" )"
            R"(HREF="a.htm&quot; onmouseover=&quot;x" TARGET="">)");
        fieldRow("brackets copied", ShapeKind::Polygon, corners, "q.cgi?a=1&b=<2>", "", "",
            R"(<AREA SHAPE="POLYGON" ALT="" COORDS="1,2,3,4" HREF="q.cgi?a=1&b=<2>" TARGET="">)");
        fieldRow("negative corner", ShapeKind::Rectangle, {{-3, 2}, {3, -4}}, "n.htm", "", "",
            R"(<AREA SHAPE="RECT" ALT="" COORDS="-3,2,3,-4" HREF="n.htm" TARGET="">)");
        // Centre (1, 2), edge point 3 right and 4 down: radius 5.
        fieldRow("circle", ShapeKind::Circle, {{1, 2}, {4, 6}}, "c.htm", "", "",
            R"(<AREA SHAPE="CIRCLE" ALT="" COORDS="1,2,5" HREF="c.htm" TARGET="">)");
        fieldRow("polygon without points", ShapeKind::Polygon, {}, "e.htm", "", "",
            R"(<AREA SHAPE="POLYGON" ALT="" COORDS="" HREF="e.htm" TARGET="">)");
    }
    void fieldValues()
    {
        QFETCH(ShapeKind, kind);
        QFETCH(Points, points);
        QFETCH(QString, url);
        QFETCH(QString, alt);
        QFETCH(QString, target);
        QFETCH(QString, line);
        HotspotTable table;
        setRow(table, 5, kind, points, url, alt, target);
        const QStringList lines
            = buildImageMap(QStringLiteral("/a/b.gif"), table).text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[2], line);
    }
};

TRELLIS_TEST(TestImageMapHtml)
#include "tst_imagemaphtml.moc"
