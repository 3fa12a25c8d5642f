#include "imagemap/core/mapimport.h"
#include "testmain.h"

#include <QTest>

// How pages are read is checked as files in tests/cases/imagemap/ (import-*, refused-*); these
// are the parts the command line does not show.
class TestMapImport : public QObject
{
    Q_OBJECT
private slots:
    // Without a picture using a map the first map is taken; the command line refuses such a
    // page, the window asks for the picture.
    void aMapWithoutAPicture()
    {
        const imagemap::MapImport read = imagemap::readImageMap(
            "<img src=logo.gif><map name=first><area coords=1,2,30,40 href=a.htm></map>"
            "<map name=second><area coords=5,5,9,9 href=b.htm></map>");
        QVERIFY2(read.succeeded(), qPrintable(read.error));
        QCOMPARE(read.pictureSource, QString());
        QCOMPARE(read.areas.size(), 1);
        QCOMPARE(read.areas[0].points, QList<QPoint>({{1, 2}, {30, 40}}));
        QCOMPARE(read.areas[0].url, "a.htm");
    }

    void picturePaths_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("path");
        const auto row = [](const char *name, QString source, QString path) {
            QTest::newRow(name) << source << path;
        };
        row("beside the page", "pic.gif", "/web/site/pic.gif");
        row("folder up", "../img/a b.gif", "/web/img/a b.gif");
        row("escaped blank", "img%20x.gif", "/web/site/img x.gif");
        row("backslashes", "img\\p.gif", "/web/site/img/p.gif");
        row("query and fragment", "p.gif?v=2#top", "/web/site/p.gif");
        row("absolute", "/pics/p.gif", "/pics/p.gif");
        row("file URL", "file:///tmp/p.gif", "/tmp/p.gif");
        // Not on this computer, or no file at all: no path.
        for (const char *source :
            {"http://example.com/p.gif", "//example.com/p.gif", "data:image/gif;base64,R0lG", ""})
            row(*source ? source : "empty", source, "");
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
