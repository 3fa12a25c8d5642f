#include "expectedframelayout.h"
#include "filecontents.h"
#include "frameset/core/framesetdocument.h"
#include "frameset/core/framesetimporter.h"
#include "frameset/core/html5page.h"
#include "headlesschromium.h"
#include "testmain.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;

namespace {

// How far a frame, or the block at the top left of its page, may lie from where the original
// page puts it.
constexpr int ImportTolerance = 3;
// The design area import fills first, then a larger window.
const QList<QSize> ImportWindows{QSize(960, 640), QSize(1280, 800)};
// A frame without a page shows about:blank; nothing else in these pages is white.
const QRgb BlankPage = qRgb(255, 255, 255);
// The block at the top left of every frame's page shows where the frame's margins put it.
const QRgb MarginBlock = qRgb(0, 0, 0);

QString sourceFile(const QString &relative)
{
    return qEnvironmentVariable("TRELLIS_SOURCE_DIR") + u'/' + relative;
}

// The file a frame's SRC loads: the URL without its query, "&amp;" read as "&".
QString loadedFile(const QString &source)
{
    return source.section(u'?', 0, 0).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

// A page that keeps the margins its frame gives it: its colour and a 12-pixel black block.
QByteArray marginPage(const QColor &colour)
{
    return "<html><body style=\"background:" + colour.name().toLatin1()
        + "\"><div style=\"width:12px;height:12px;background:#000\"></div></body></html>";
}

// The smallest rectangle around each colour's pixels in `shot`, one pass for all colours; two
// frames without a page share one.
QList<QRect> colourBoxes(const QImage &shot, const QList<QRgb> &colours)
{
    const QImage image = shot.convertToFormat(QImage::Format_RGB32);
    QList<QRect> boxes(colours.size());
    // Most pixels repeat the one before, so its matches are kept.
    QRgb last = 0;
    QList<qsizetype> lastMatches;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] != last || (x == 0 && y == 0)) {
                last = line[x];
                lastMatches.clear();
                for (qsizetype c = 0; c < colours.size(); ++c) {
                    if (nearColour(last, colours[c]))
                        lastMatches.append(c);
                }
            }
            for (const qsizetype c : lastMatches)
                boxes[c] |= QRect(x, y, 1, 1);
        }
    }
    return boxes;
}

QRect marginBlock(const QImage &shot, const QRect &frame)
{
    return colourBoxes(shot.copy(frame), {MarginBlock}).first().translated(frame.topLeft());
}

bool near(const QRect &a, const QRect &b)
{
    return !a.isEmpty() && !b.isEmpty() && qAbs(a.left() - b.left()) <= ImportTolerance
        && qAbs(a.top() - b.top()) <= ImportTolerance
        && qAbs(a.right() - b.right()) <= ImportTolerance
        && qAbs(a.bottom() - b.bottom()) <= ImportTolerance;
}

QString placed(
    const QString &what, const QString &source, QSize window, const QRect &want, const QRect &got)
{
    return QStringLiteral("%1 of %2 at %3x%4: original %5, written %6")
        .arg(what, source.isEmpty() ? QStringLiteral("the frame without a page") : source)
        .arg(window.width())
        .arg(window.height())
        .arg(QDebug::toString(want), QDebug::toString(got));
}

} // namespace

// Framesets as sites write them, imported and written again by Panecraft as a frameset document
// and as an HTML5 page: in a real browser every frame lies where the original puts it, at more
// than the design area's size, and the frameset document keeps each frame's margins.
class TestFramesetImportBrowser : public QObject
{
    Q_OBJECT
private slots:
    void importedPagesShowTheirFramesAsTheOriginals_data()
    {
        QTest::addColumn<QString>("page");
        // The SRC of every frame in document order; an empty one is a frame without a page.
        QTest::addColumn<QStringList>("sources");
        // False for a list of more than two entries that mixes pixels with shares: the design's
        // two-way splits give each share a percentage of what the pixels leave in the design
        // area, which holds at that size alone.
        QTest::addColumn<bool>("anySize");
        const QString cases = QStringLiteral("tests/cases/import/");
        const QString pages = QStringLiteral("tests/browser/pages/");
        const QList<std::pair<QString, QStringList>> rows = {
            {cases + "two-columns-lower-case/page.html", {"a.htm", "b.htm"}},
            {cases + "zero-margins/page.html", {"nav.htm", "body.htm"}},
            {cases + "frames-without-a-page/page.html", {"index-list.html", "", ""}},
            {cases + "borders-off-with-pixel-sizes/page.html",
                {"top.html", "menu.html", "main.html"}},
            {cases + "trailing-comma/page.html", {"a.htm", "b.htm"}},
            {cases + "percent-star-2star-pixels/page.html", {"1.htm", "2.htm", "3.htm", "4.htm"}},
            {cases + "pixels-only-is-a-proportion/page.htm",
                {"index.htm", "head.htm", "list.htm", "foot.htm"}},
            {cases + "nested-three-deep-borders-off/page.html",
                {"a.htm", "b.htm", "c.htm", "d.htm"}},
            {cases + "every-frame-attribute/page.html", {"menu.htm", "main.htm"}},
            {cases + "pixel-rows-at-both-ends/page.html", {"top.htm", "main.htm", "foot.htm"}},
            {cases + "three-frames/site.html", {"menu.htm", "a.htm", "b.htm", "c.htm"}},
            {cases + "rows-and-columns-in-one-frameset/page.html", {"a.htm", "b.htm", "c.htm", ""}},
            {pages + "four-columns-of-pixels-with-2-rows-inside-no-borders.htm",
                {"c0.htm", "c1.htm", "c2.htm", "c3.htm", "c4.htm", "c5.htm"}},
            {pages + "a-document-panecraft-wrote.htm", {"c0.htm", "c3.htm", "c1.htm", "c2.htm"}},
            {pages + "xhtml-borders-off-zero-and-wide-margins.htm", {"side.htm", "main.htm"}},
            {pages + "unquoted-upper-case-2star-and-pixels-both-sides.htm",
                {"TOP.HTM", "LEFT.HTM", "MIDDLE.HTM", "RIGHT.HTM"}},
            {pages + "ampersands-and-a-frame-without-src.htm",
                {"list.htm?lang=en&amp;page=2", "", "a&b.htm?x=1&y=2"}},
            {pages + "frameborder-no-without-border.htm", {"head.htm", "nav.htm", "body.htm"}},
            {pages + "pixel-list-three-deep-trailing-comma.htm",
                {"menu.htm", "one.htm", "two.htm", "three.htm", "four.htm"}},
        };
        // The frameset document states shares in whole percents, so a 2:1 pair ("2*,*") is
        // written 67%: a third of a percent of the frameset, four pixels at 1280 pixels wide.
        const QStringList designAreaOnly = {QStringLiteral("pixel-list-three-deep-trailing-comma")};
        for (const auto &[page, sources] : rows) {
            const QFileInfo file(page);
            const QString name = file.dir().dirName() == QLatin1String("pages")
                ? file.completeBaseName()
                : file.dir().dirName();
            QTest::newRow(qPrintable(name)) << page << sources << !designAreaOnly.contains(name);
        }
    }
    void importedPagesShowTheirFramesAsTheOriginals()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, sources);
        QFETCH(bool, anySize);
        if (!chromiumInstalled())
            QSKIP(ChromiumMissing);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString original = dir.filePath(QFileInfo(page).fileName());
        QVERIFY(writeAll(original, readAll(sourceFile(page))));
        QList<QRgb> colours;
        for (qsizetype i = 0; i < sources.size(); ++i) {
            if (sources[i].isEmpty()) {
                colours << BlankPage;
                continue;
            }
            colours << pageColours().at(i).rgb();
            QVERIFY(
                writeAll(dir.filePath(loadedFile(sources[i])), marginPage(pageColours().at(i))));
        }

        const frameset::FramesetImport imported
            = frameset::FramesetImporter::load(original, frameset::ImportArea());
        QVERIFY2(imported.imported(), qPrintable(imported.refusal));
        const QString document = dir.filePath(QStringLiteral("written-frameset.htm"));
        const QString html5Page = dir.filePath(QStringLiteral("written-html5.htm"));
        QVERIFY(frameset::writeFramesetDocument(
            document, frameset::buildFramesetDocument(imported.design))
                    .isEmpty());
        QVERIFY(
            frameset::writeHtml5Page(html5Page, frameset::buildHtml5Page(imported.design, "page"))
                .isEmpty());

        for (const QSize &window : anySize ? ImportWindows : ImportWindows.mid(0, 1)) {
            const QImage want = screenshot(original, window);
            const QImage got = screenshot(document, window);
            const QImage html5 = screenshot(html5Page, window);
            QVERIFY2(!want.isNull() && !got.isNull() && !html5.isNull(), "no screenshot");
            const QList<QRect> wantBoxes = colourBoxes(want, colours);
            const QList<QRect> gotBoxes = colourBoxes(got, colours);
            const QList<QRect> html5Boxes = colourBoxes(html5, colours);
            for (qsizetype i = 0; i < sources.size(); ++i) {
                QVERIFY2(!wantBoxes[i].isEmpty(),
                    qPrintable(placed("frame", sources[i], window, wantBoxes[i], {})));
                // The browser leaves some borders unpainted, as white as about:blank, so a
                // frame without a page is only seen to be there; its neighbours place it.
                if (sources[i].isEmpty()) {
                    QVERIFY2(!gotBoxes[i].isEmpty() && !html5Boxes[i].isEmpty(),
                        qPrintable(placed("frame", sources[i], window, wantBoxes[i], gotBoxes[i])));
                    continue;
                }
                QVERIFY2(near(wantBoxes[i], gotBoxes[i]),
                    qPrintable(placed("frame", sources[i], window, wantBoxes[i], gotBoxes[i])));
                QVERIFY2(near(wantBoxes[i], html5Boxes[i]),
                    qPrintable(
                        placed("HTML5 frame", sources[i], window, wantBoxes[i], html5Boxes[i])));
                const QRect wantBlock = marginBlock(want, wantBoxes[i]);
                const QRect gotBlock = marginBlock(got, gotBoxes[i]);
                QVERIFY2(near(wantBlock, gotBlock),
                    qPrintable(placed("margin block", sources[i], window, wantBlock, gotBlock)));
            }
        }
    }
};

TRELLIS_TEST(TestFramesetImportBrowser)
#include "tst_framesetimportbrowser.moc"
