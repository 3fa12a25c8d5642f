#include "drawingfixture.h"
#include "headlesschromium.h"
#include "imagemap/core/imagemaphtml.h"
#include "testmain.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using imagemap::DrawingAction;
using testsupport::DrawingFixture;

namespace {

// Hit-tests every probe point through the image map once the image has loaded and writes one
// "x,y=result" entry per point into #out, where --dump-dom finds it.
const char HitProbeScript[] = R"(
<pre id="out">pending</pre>
<script>
function describe(e) {
  if (!e) return 'none';
  if (e.tagName !== 'AREA') return 'tag:' + e.tagName;
  return e.hasAttribute('href') ? 'href:' + e.getAttribute('href')
                                : 'nohref:' + e.getAttribute('shape');
}
function probe() {
  var img = document.querySelector('img');
  var box = img.getBoundingClientRect();
  var out = [];
  for (var p of PROBES) {
    var e = document.elementFromPoint(box.left + img.clientLeft + p[0] + 0.5,
                                      box.top + img.clientTop + p[1] + 0.5);
    out.push(p[0] + ',' + p[1] + '=' + describe(e));
  }
  document.getElementById('out').textContent = out.join(';');
}
var img = document.querySelector('img');
if (img.complete) probe(); else img.addEventListener('load', probe);
</script>
)";

} // namespace

class TestImageMapBrowser : public QObject
{
    Q_OBJECT
private slots:
    void areasHitInChromium()
    {
        if (!testsupport::chromiumInstalled())
            QSKIP(testsupport::ChromiumMissing);

        // Draw the hotspots as a user would, through the drawing and the dialog logic.
        DrawingFixture f;
        QCOMPARE(f.storeRectangle(QPoint(20, 20), QPoint(180, 120), QStringLiteral("old.htm")), 1);
        QCOMPARE(f.storePolygon({QPoint(200, 20), QPoint(380, 20), QPoint(290, 200)},
                     QStringLiteral("tri.htm")),
            2);
        QCOMPARE(f.storeRectangle(QPoint(100, 80), QPoint(260, 200), QStringLiteral("r3.htm")), 3);
        // Dragged down and to the left: its first corner lies right of the opposite one.
        QCOMPARE(
            f.storeRectangle(QPoint(390, 220), QPoint(300, 290), QStringLiteral("q.htm?x=\"1\"")),
            4);
        QCOMPARE(f.row(4).points, QList<QPoint>({{390, 220}, {300, 290}}));
        // Deleting row 1 and drawing again puts the newest shape in the lowest row.
        QCOMPARE(f.press(QPoint(30, 30), Qt::RightButton), DrawingAction::ShowDialog);
        f.prompter.answer(platform::MessageAnswer::Yes);
        QVERIFY(f.properties.remove());
        QCOMPARE(
            f.storeRectangle(QPoint(150, 150), QPoint(250, 250), QStringLiteral("new.htm")), 1);

        struct Probe
        {
            QPoint at;
            QString expected;
        };
        const QList<Probe> probes{
            {{230, 180}, QStringLiteral("href:new.htm")}, // rows 1 and 3 overlap
            {{160, 160}, QStringLiteral("href:new.htm")},
            {{120, 100}, QStringLiteral("href:r3.htm")},
            {{290, 60}, QStringLiteral("href:tri.htm")},
            {{250, 100}, QStringLiteral("href:tri.htm")}, // rows 2 and 3 overlap
            {{340, 260}, QStringLiteral("href:q.htm?x=\"1\"")},
            {{50, 50}, QStringLiteral("nohref:DEFAULT")}, // the deleted hotspot
            {{10, 290}, QStringLiteral("nohref:DEFAULT")},
        };

        // The editor's own right-click hit test agrees with what the browser should find.
        for (const Probe &probe : probes) {
            f.press(probe.at, Qt::RightButton);
            const int row = f.state.currentHotspot();
            const QString url
                = row ? QStringLiteral("href:") + f.row(row).url : QStringLiteral("nohref:DEFAULT");
            QCOMPARE(url, probe.expected);
            if (row)
                QVERIFY(f.properties.cancel());
        }

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QImage image(400, 300, QImage::Format_RGB32);
        image.fill(QColor(200, 220, 240));
        QVERIFY(image.save(dir.filePath(QStringLiteral("Shot.png"))));

        const imagemap::ImageMapHtml html
            = buildImageMap(dir.filePath(QStringLiteral("Shot.png")), f.state.hotspots());
        QVERIFY2(html.succeeded(), qPrintable(html.error));
        QVERIFY(html.text.startsWith(
            QStringLiteral("<IMG SRC=\"Shot.png\" BORDER=1 USEMAP=\"#Shot\">\r\n")));

        QStringList points;
        for (const Probe &probe : probes)
            points << QStringLiteral("[%1,%2]").arg(probe.at.x()).arg(probe.at.y());
        const QString page
            = QStringLiteral("<!DOCTYPE html>\r\n<html><body style=\"margin:0\">\r\n") + html.text
            + QStringLiteral("\r\n<script>var PROBES = [") + points.join(u',')
            + QStringLiteral("];</script>") + QString::fromLatin1(HitProbeScript)
            + QStringLiteral("</body></html>\r\n");
        QFile file(dir.filePath(QStringLiteral("map.html")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(page.toUtf8());
        file.close();

        const testsupport::ChromiumPage shown = testsupport::HeadlessChromium::shared().open(
            file.fileName(), QSize(800, 600), testsupport::HeadlessChromium::Capture::Dom);
        QVERIFY2(shown.failure.isEmpty(), qPrintable(shown.failure + u' ' + shown.errors));
        const QRegularExpressionMatch match
            = QRegularExpression(QStringLiteral("<pre id=\"out\">(.*?)</pre>")).match(shown.dom);
        QVERIFY2(match.hasMatch(),
            qPrintable(QStringLiteral("no result in the page; chromium said: ") + shown.errors));

        QStringList expected;
        for (const Probe &probe : probes)
            expected << QStringLiteral("%1,%2=").arg(probe.at.x()).arg(probe.at.y())
                    + probe.expected;
        // The markup escapes these three in text.
        QString found = match.captured(1);
        found.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        QCOMPARE(found.split(u';'), expected);
    }
};

TRELLIS_TEST(TestImageMapBrowser)
#include "tst_imagemapbrowser.moc"
