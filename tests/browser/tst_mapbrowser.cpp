#include "drawingfixture.h"
#include "filecontents.h"
#include "headlesschromium.h"
#include "imagemap/core/mappage.h"
#include "imagemap/core/svgmap.h"
#include "testmain.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using testsupport::DrawingFixture;

namespace {

struct Probe
{
    QPoint at;
    QString expected;
};

// Where to probe the hotspots initTestCase draws.
const QList<Probe> Probes{
    {{100, 70}, QStringLiteral("href:rect.htm")}, // the rectangle's centre
    {{265, 113}, QStringLiteral("href:tri.htm")}, // the triangle's centroid
    {{120, 180}, QStringLiteral("href:circle.htm")}, // the circle's centre
    {{170, 60}, QStringLiteral("href:rect.htm")}, // rectangle over triangle: row 1 wins
    {{120, 140}, QStringLiteral("href:circle.htm")}, // just inside the circle's top
    {{120, 116}, QStringLiteral("href:rect.htm")}, // rectangle over circle: row 1 wins
    // A quote, an "&" a browser would read as a reference and one it would not.
    {{340, 260}, QStringLiteral("href:q.htm?x=\"1\"&reg_no=5&copy=2")},
    {{185, 245}, QStringLiteral("none")}, // the circle's bounding box, outside the circle
    {{30, 280}, QStringLiteral("none")}, // the deleted hotspot
};

// Writes the page with the probe script for TESTS and returns the entries chromium gave.
QStringList probeInChromium(
    QString page, const QString &path, const QString &tests, const QList<Probe> &probes)
{
    QStringList points;
    for (const Probe &probe : probes)
        points << QStringLiteral("[%1,%2]").arg(probe.at.x()).arg(probe.at.y());
    // mapprobe.html hit-tests the probe points of every entry of TESTS once the page has loaded
    // and writes "name x,y=result" entries into #out. An entry names the element whose box the
    // points are measured from and the scale of the picture in it.
    const QByteArray script = testsupport::readAll(qEnvironmentVariable("TRELLIS_SOURCE_DIR")
        + QStringLiteral("/tests/browser/mapprobe.html"));
    page.replace(QStringLiteral("</body>"),
        QStringLiteral("<script>var TESTS = [%1]; var PROBES = [%2];</script>")
                .arg(tests, points.join(u','))
            + QString::fromUtf8(script) + QStringLiteral("</body>"));
    if (!testsupport::writeAll(path, page.toUtf8()))
        return {QStringLiteral("cannot write ") + path};
    const testsupport::ChromiumPage shown = testsupport::HeadlessChromium::shared().open(
        path, QSize(1200, 1400), testsupport::HeadlessChromium::Capture::Dom);
    if (!shown.failure.isEmpty())
        return {QStringLiteral("chromium failed: ") + shown.failure};
    const QRegularExpressionMatch match
        = QRegularExpression(QStringLiteral("<pre id=\"out\">(.*?)</pre>")).match(shown.dom);
    if (!match.hasMatch())
        return {QStringLiteral("no result; chromium said: ") + shown.errors};
    return match.captured(1).replace(QStringLiteral("&amp;"), QStringLiteral("&")).split(u';');
}

QStringList expectedEntries(const QString &box, int height, const QList<Probe> &probes,
    const QString &outside = QStringLiteral("none"))
{
    QStringList expected{box + QStringLiteral(" height=%1").arg(height)};
    for (const Probe &probe : probes)
        expected << box + QStringLiteral(" %1,%2=").arg(probe.at.x()).arg(probe.at.y())
                + (probe.expected == QLatin1String("none") ? outside : probe.expected);
    return expected;
}

} // namespace

// The map page Save Map As writes (the lines of Create HTML Code) and the SVG form of Copy SVG
// Map, judged by chromium.
class TestMapBrowser : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString picturePath;
    DrawingFixture f;

private slots:
    void initTestCase()
    {
        if (!testsupport::chromiumInstalled())
            QSKIP(testsupport::ChromiumMissing);
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("pages")));
        QImage image(400, 300, QImage::Format_RGB32);
        image.fill(QColor(200, 220, 240));
        picturePath = dir.filePath(QStringLiteral("Shot.png"));
        QVERIFY(image.save(picturePath));
        // Drawn as a user would: row 1 a rectangle drawn last into the row a deleted one left,
        // row 2 a triangle under its right part, row 3 a circle under both, row 4 a rectangle
        // dragged down and to the left with quotes and ampersands in its link.
        QCOMPARE(f.storeRectangle(QPoint(20, 230), QPoint(80, 290), "old.htm"), 1);
        QCOMPARE(
            f.storePolygon({QPoint(150, 40), QPoint(380, 40), QPoint(265, 260)}, "tri.htm"), 2);
        QCOMPARE(f.storeCircle(QPoint(120, 180), QPoint(120, 250), "circle.htm"), 3);
        QCOMPARE(
            f.storeRectangle(QPoint(390, 220), QPoint(300, 290), "q.htm?x=\"1\"&reg_no=5&copy=2"),
            4);
        f.press(QPoint(30, 280), Qt::RightButton);
        f.prompter.answer(platform::MessageAnswer::Yes);
        QVERIFY(f.remove());
        QCOMPARE(f.storeRectangle(QPoint(20, 20), QPoint(180, 120), "rect.htm"), 1);
    }

    void savedPageAreasHit()
    {
        const QString pagePath = dir.filePath(QStringLiteral("pages/map.htm"));
        const imagemap::ImageMapHtml page
            = imagemap::buildMapPage(picturePath, pagePath, f.state.hotspots());
        QVERIFY2(page.succeeded(), qPrintable(page.error));
        QVERIFY(page.text.contains(QStringLiteral("<IMG SRC=\"../Shot.png\"")));
        // Outside every hotspot the page's DEFAULT area answers.
        QCOMPARE(
            probeInChromium(page.text, pagePath, QStringLiteral("{box: 'img', scale: 1}"), Probes),
            expectedEntries(QStringLiteral("img"), 300, Probes, QStringLiteral("nohref")));
    }

    void svgMapScalesWithItsPage()
    {
        const imagemap::ImageMapHtml svg = imagemap::buildSvgMap(
            picturePath, QSize(400, 300), f.state.hotspots(), QStringLiteral("../Shot.png"));
        QVERIFY2(svg.succeeded(), qPrintable(svg.error));
        // The same SVG in a box half and one and a half times the picture's width.
        const QString page
            = QStringLiteral("<!DOCTYPE html>\r\n<html><head><meta charset=\"utf-8\">"
                             "</head><body style=\"margin:0\">\r\n"
                             "<div id=\"half\" style=\"width:200px\">")
            + svg.text + QStringLiteral("</div>\r\n<div id=\"wide\" style=\"width:600px\">")
            + svg.text + QStringLiteral("</div>\r\n</body></html>\r\n");
        QCOMPARE(probeInChromium(page, dir.filePath(QStringLiteral("pages/svg.htm")),
                     QStringLiteral("{box: '#half svg', scale: 0.5}, {box: '#wide svg', scale: "
                                    "1.5}"),
                     Probes),
            expectedEntries(QStringLiteral("#half svg"), 150, Probes)
                + expectedEntries(QStringLiteral("#wide svg"), 450, Probes));
    }
};

TRELLIS_TEST(TestMapBrowser)
#include "tst_mapbrowser.moc"
