#include "imagemap/core/imagemaphtml.h"
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

QByteArray joined(const QList<QByteArray> &lines)
{
    QByteArray text;
    for (const QByteArray &line : lines)
        text += (text.isEmpty() ? "" : "\r\n") + line;
    return text;
}

} // namespace

class TestImageMapHtml : public QObject
{
    Q_OBJECT
private slots:
    void workedExample_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("img");
        QTest::addColumn<QByteArray>("map");
        QTest::newRow("mixed case") << "/web/Photo.GIF"
                                    << QByteArray("<IMG SRC=\"Photo.GIF\" BORDER=1 "
                                                  "USEMAP=\"#Photo\">")
                                    << QByteArray("<MAP NAME=\"Photo\">");
        QTest::newRow("lower case") << "/web/photo.gif"
                                    << QByteArray("<IMG SRC=\"photo.gif\" BORDER=1 "
                                                  "USEMAP=\"#photo\">")
                                    << QByteArray("<MAP NAME=\"photo\">");
        QTest::newRow("backslashes") << "C:\\WEB\\photo.gif"
                                     << QByteArray("<IMG SRC=\"photo.gif\" BORDER=1 "
                                                   "USEMAP=\"#photo\">")
                                     << QByteArray("<MAP NAME=\"photo\">");
    }
    void workedExample()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, img);
        QFETCH(QByteArray, map);
        const imagemap::ImageMapHtml html = buildImageMap(path, exampleTable());
        QVERIFY(html.succeeded());
        QCOMPARE(html.text.toLatin1(),
            joined({img, map,
                "<AREA SHAPE=\"RECT\" ALT=\"Alpha\" COORDS=\"10,20,110,70\" HREF=\"a.htm\" "
                "TARGET=\"\">",
                "<AREA SHAPE=\"POLYGON\" ALT=\"\" COORDS=\"50,10,90,60,10,60,50,10\" "
                "HREF=\"b.htm\" TARGET=\"main\">",
                "<AREA SHAPE=\"DEFAULT\" NOHREF>", "</MAP>"}));
        QVERIFY(!html.text.endsWith(u'\n'));
    }

    void names_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("mapName");
        QTest::newRow("jpg") << "/home/u/Photo.JPG"
                             << "Photo.JPG"
                             << "Photo";
        QTest::newRow("jpeg") << "/x/pic.jpeg"
                              << "pic.jpeg"
                              << "pic.";
        QTest::newRow("backslash after slash") << "/web/a\\b.gif"
                                               << "b.gif"
                                               << "b";
        QTest::newRow("slash after backslash") << "C:\\web/b.gif"
                                               << "b.gif"
                                               << "b";
        QTest::newRow("blank in name") << "/web/my photo.gif"
                                       << "my photo.gif"
                                       << "my photo";
        QTest::newRow("quote in name") << "/web/a\"b.gif"
                                       << "a&quot;b.gif"
                                       << "a&quot;b";
        QTest::newRow("five characters") << "/w/a.gif"
                                         << "a.gif"
                                         << "a";
        // Exactly four characters leave an empty map name, which is no error.
        QTest::newRow("four characters") << "/w/abcd"
                                         << "abcd"
                                         << "";
        QTest::newRow("extension only") << "/web/.gif"
                                        << ".gif"
                                        << "";
    }
    void names()
    {
        QFETCH(QString, path);
        QFETCH(QString, source);
        QFETCH(QString, mapName);
        const imagemap::ImageMapHtml html = buildImageMap(path, HotspotTable());
        QVERIFY(html.succeeded());
        // No hotspots: the IMG, MAP, DEFAULT and closing lines only.
        QCOMPARE(html.text,
            QStringLiteral("<IMG SRC=\"%1\" BORDER=1 USEMAP=\"#%2\">\r\n<MAP NAME=\"%2\">\r\n"
                           "<AREA SHAPE=\"DEFAULT\" NOHREF>\r\n</MAP>")
                .arg(source, mapName));
    }

    void errors_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("nothing open") << QString() << "no image file";
        QTest::newRow("dialog pattern") << "*.gif;*.jpg"
                                        << "*.gif;*.jpg";
        QTest::newRow("bare name") << "photo.gif"
                                   << "photo.gif";
        QTest::newRow("folder only") << "/web/"
                                     << "too short";
        QTest::newRow("three characters") << "C:\\a.g"
                                          << "a.g";
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
        QTest::newRow("trimmed") << ShapeKind::Rectangle << corners << "  a.htm "
                                 << " Alpha  "
                                 << " main "
                                 << R"(<AREA SHAPE="RECT" ALT="Alpha" COORDS="1,2,3,4" )"
                                    R"(HREF="a.htm" TARGET="main">)";
        QTest::newRow("quote in url")
            << ShapeKind::Rectangle << corners << R"(a.htm" onmouseover="x)"
            << "say \"hi\""
            << ""
            << R"(<AREA SHAPE="RECT" ALT="say &quot;hi&quot;" COORDS="1,2,3,4" )"
               R"(HREF="a.htm&quot; onmouseover=&quot;x" TARGET="">)";
        QTest::newRow("brackets copied") << ShapeKind::Polygon << corners << "q.cgi?a=1&b=<2>"
                                         << ""
                                         << ""
                                         << R"(<AREA SHAPE="POLYGON" ALT="" COORDS="1,2,3,4" )"
                                            R"(HREF="q.cgi?a=1&b=<2>" TARGET="">)";
        QTest::newRow("negative corner")
            << ShapeKind::Rectangle << Points{{-3, 2}, {3, -4}} << "n.htm"
            << ""
            << ""
            << R"(<AREA SHAPE="RECT" ALT="" COORDS="-3,2,3,-4" HREF="n.htm" TARGET="">)";
        // Centre (1, 2), edge point 3 right and 4 down: radius 5.
        QTest::newRow("circle") << ShapeKind::Circle << Points{{1, 2}, {4, 6}} << "c.htm"
                                << ""
                                << ""
                                << R"(<AREA SHAPE="CIRCLE" ALT="" COORDS="1,2,5" )"
                                   R"(HREF="c.htm" TARGET="">)";
        QTest::newRow("polygon without points")
            << ShapeKind::Polygon << Points() << "e.htm"
            << ""
            << ""
            << R"(<AREA SHAPE="POLYGON" ALT="" COORDS="" HREF="e.htm" TARGET="">)";
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

    void rowOrderWithGap()
    {
        HotspotTable table = exampleTable();
        setRow(table, 4, ShapeKind::Rectangle, {{0, 0}, {5, 5}}, QStringLiteral("d.htm"), QString(),
            QString());
        table.clearRow(1);
        const QStringList lines
            = buildImageMap(QStringLiteral("/a/b.gif"), table).text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 6);
        QVERIFY(lines[2].contains(QStringLiteral("HREF=\"b.htm\"")));
        QVERIFY(lines[3].contains(QStringLiteral("HREF=\"d.htm\"")));
    }
};

TRELLIS_TEST(TestImageMapHtml)
#include "tst_imagemaphtml.moc"
