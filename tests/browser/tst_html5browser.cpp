#include "designbuilder.h"
#include "expectedframelayout.h"
#include "filecontents.h"
#include "frameset/core/framesetdocument.h"
#include "frameset/core/framesetimporter.h"
#include "frameset/core/html5page.h"
#include "frameset/core/previewsite.h"
#include "headlesschromium.h"
#include "testmain.h"

#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using frameset::PropertyValue;
using framesettest::Column;
using framesettest::ModelFixture;
using framesettest::Row;
using namespace testsupport;

namespace {

// Where frames may lie apart in two pages that show the same layout: an imported frameset against
// the original, and an HTML5 page against its frameset document, whose tracks are worked out
// from the same size lists and borders and so differ only by the browser's rounding.
constexpr int Tolerance = 3;
constexpr int Html5Tolerance = 1;
const QList<QSize> WindowSizes{QSize(960, 640), QSize(700, 500)};

// The page that a link loads into another frame.
constexpr int LinkedPage = 6;

QString colourPage(int page)
{
    return QStringLiteral("c%1.htm").arg(page);
}

bool closeTo(const QRect &a, const QRect &b, int tolerance = Tolerance)
{
    return !a.isEmpty() && !b.isEmpty() && qAbs(a.left() - b.left()) <= tolerance
        && qAbs(a.top() - b.top()) <= tolerance && qAbs(a.right() - b.right()) <= tolerance
        && qAbs(a.bottom() - b.bottom()) <= tolerance;
}

// A folder with the coloured pages c0.htm.. and the pages under test.
class Site
{
public:
    Site()
    {
        for (int page = 0; page < pageColours().size(); ++page)
            writeColourPage(path(colourPage(page)), pageColours()[page]);
    }

    bool isValid() const { return m_dir.isValid(); }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    bool write(const QString &name, const QByteArray &bytes) { return writeAll(path(name), bytes); }
    QImage shot(const QString &name, QSize size) const { return screenshot(path(name), size); }

private:
    QTemporaryDir m_dir;
};

// Checks that every coloured page covers the same rectangle in both pages at both window sizes.
void compareFrames(
    Site &site, const QString &expected, const QString &actual, int pages, int tolerance)
{
    for (const QSize &size : WindowSizes) {
        const QImage want = site.shot(expected, size);
        const QImage got = site.shot(actual, size);
        QVERIFY2(!want.isNull() && !got.isNull(), "no screenshot");
        for (int page = 0; page < pages; ++page) {
            const QRect a = colourBox(want, pageColours()[page].rgb());
            const QRect b = colourBox(got, pageColours()[page].rgb());
            QVERIFY2(closeTo(a, b, tolerance),
                qPrintable(QStringLiteral("%1 at %2x%3: %4 against %5")
                               .arg(colourPage(page))
                               .arg(size.width())
                               .arg(size.height())
                               .arg(QDebug::toString(a), QDebug::toString(b))));
        }
    }
}

frameset::ImportArea area()
{
    frameset::ImportArea a;
    a.width = 14400;
    a.height = 9600;
    return a;
}

// Gives cell i the page c<i>.htm.
void colorCells(frameset::Design &design)
{
    for (int cell = 0; cell <= design.lastCellIndex(); ++cell)
        design.properties().record(cell).sourceUrl = PropertyValue::fromText(colourPage(cell));
}

enum class Made { WorkedExample, FixedLeft, FixedBottom, Imported };

} // namespace

Q_DECLARE_METATYPE(Made)

// Framesets written elsewhere, imported and written again by Panecraft, and the HTML5 pages of
// designs, against the frameset documents they stand for, in a real browser.
class TestHtml5Browser : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        if (!testsupport::chromiumInstalled())
            QSKIP(testsupport::ChromiumMissing);
    }

    void importedFramesetsLieWhereTheOriginalsPutTheirFrames_data()
    {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<int>("frames");
        QTest::newRow("lower case, two columns") << QByteArray(
            "<html><head><title>x</title></head><frameset cols=\"25%,*\">"
            "<frame src=\"c0.htm\" name=\"nav\"><frame src=\"c1.htm\" name=\"main\">"
            "</frameset></html>") << 2;
        QTest::newRow("upper case, three rows with pixels") << QByteArray(
            "<HTML><FRAMESET ROWS=\"100,*,50\"><FRAME SRC=c0.htm><FRAME SRC=c1.htm>"
            "<FRAME SRC=c2.htm></FRAMESET></HTML>") << 3;
        // Without borders: with them, each nested frameset of a longer list takes its border
        // from its own share, and frames move by a pixel or two for each entry.
        QTest::newRow("four columns of %, *, pixels, with 2* rows inside, no borders")
            << QByteArray("<frameset cols=\"20%,40%,*,150\" border=0><frame src=c0.htm>"
                          "<frameset rows=\"2*,*,*\"><frame src=c1.htm><frame src=c2.htm>"
                          "<frame src=c3.htm></frameset><frame src=c4.htm><frame src=c5.htm>"
                          "</frameset>")
            << 6;
        QTest::newRow("nested three deep, no borders")
            << QByteArray("<frameset rows=\"25%,*\" border=0><frame src=c0.htm>"
                          "<frameset cols=\"30%,*\"><frame src=c1.htm><frameset rows=\"*,*\">"
                          "<frame src=c2.htm><frame src=c3.htm></frameset></frameset></frameset>")
            << 4;
        QTest::newRow("every frame attribute") << QByteArray(
            "<FRAMESET COLS=\"180,*\"><FRAME SRC=\"c0.htm\" NAME=\"menu\" "
            "MARGINWIDTH=\"10\" MARGINHEIGHT=\"7\" SCROLLING=\"no\" NORESIZE "
            "FRAMEBORDER=\"0\"><FRAME SRC=c1.htm NAME=main SCROLLING=yes "
            "FRAMEBORDER=1></FRAMESET>") << 2;
        QTest::newRow("rows and columns in one frameset")
            << QByteArray("<frameset rows=\"40%,*\" cols=\"*,3*\"><frame src=c0.htm>"
                          "<frame src=c1.htm><frame src=c2.htm><frame src=c3.htm></frameset>")
            << 4;
        ModelFixture f;
        f.split(0, Column);
        f.split(1, Row);
        f.split(0, Row);
        colorCells(f.model.design());
        f.model.design().properties().record(2).fixedHeightPixels = PropertyValue::fromNumber(90);
        QTest::newRow("a document Panecraft wrote") << frameset::framesetDocumentFileContent(
            frameset::buildFramesetDocument(f.model.design()))
                                                    << 4;
    }
    void importedFramesetsLieWhereTheOriginalsPutTheirFrames()
    {
        QFETCH(QByteArray, original);
        QFETCH(int, frames);
        Site site;
        QVERIFY(site.isValid());
        QVERIFY(site.write(QStringLiteral("original.htm"), original));
        const frameset::FramesetImport imported
            = frameset::FramesetImporter::load(site.path(QStringLiteral("original.htm")), area());
        QVERIFY2(imported.imported(), qPrintable(imported.refusal));
        QCOMPARE(imported.design.lastCellIndex() + 1, frames);
        const QString error
            = frameset::writeFramesetDocument(site.path(QStringLiteral("imported.htm")),
                frameset::buildFramesetDocument(imported.design));
        QVERIFY2(error.isEmpty(), qPrintable(error));
        compareFrames(site, QStringLiteral("original.htm"), QStringLiteral("imported.htm"), frames,
            Tolerance);
    }

    void html5PagesLieWhereTheFramesetDocumentsPutTheirFrames_data()
    {
        QTest::addColumn<Made>("made");
        QTest::addColumn<bool>("borders");
        for (const bool borders : {true, false}) {
            const char *suffix = borders ? ", borders" : ", no borders";
            QTest::addRow("worked example%s", suffix) << Made::WorkedExample << borders;
            QTest::addRow("fixed width on the left%s", suffix) << Made::FixedLeft << borders;
            QTest::addRow("fixed height at the bottom%s", suffix) << Made::FixedBottom << borders;
            QTest::addRow("imported, four entries nested%s", suffix) << Made::Imported << borders;
        }
    }
    void html5PagesLieWhereTheFramesetDocumentsPutTheirFrames()
    {
        QFETCH(Made, made);
        QFETCH(bool, borders);
        ModelFixture f;
        frameset::Design design;
        switch (made) {
        case Made::WorkedExample:
        case Made::FixedLeft:
            QVERIFY(f.split(0, Column) && f.split(1, Row));
            design = f.model.design();
            if (made == Made::FixedLeft)
                design.properties().record(0).fixedWidthPixels = PropertyValue::fromNumber(120);
            break;
        case Made::FixedBottom:
            QVERIFY(f.split(0, Row) && f.split(0, Column) && f.split(2, Row));
            design = f.model.design();
            design.properties().record(1).fixedHeightPixels = PropertyValue::fromNumber(150);
            break;
        case Made::Imported:
            design = frameset::FramesetImporter::read(
                "<frameset cols=\"20%,40%,*,150\"><frame><frameset rows=\"2*,*,*\"><frame>"
                "<frame><frame></frameset><frame><frame></frameset>",
                area())
                         .design;
            break;
        }
        QVERIFY(design.lastCellIndex() > 0);
        colorCells(design);
        design.setBordersOn(borders);
        Site site;
        QVERIFY(site.isValid());
        QVERIFY(frameset::writeFramesetDocument(
            site.path(QStringLiteral("frames.htm")), frameset::buildFramesetDocument(design))
                    .isEmpty());
        QVERIFY(frameset::writeHtml5Page(site.path(QStringLiteral("page.htm")),
            frameset::buildHtml5Page(design, QStringLiteral("page")))
                    .isEmpty());
        compareFrames(site, QStringLiteral("frames.htm"), QStringLiteral("page.htm"),
            design.lastCellIndex() + 1, Html5Tolerance);
    }

    void linksWithATargetLoadIntoTheNamedFrame_data()
    {
        QTest::addColumn<bool>("html5");
        QTest::newRow("frameset document") << false;
        QTest::newRow("HTML5 page") << true;
    }
    void linksWithATargetLoadIntoTheNamedFrame()
    {
        QFETCH(bool, html5);
        ModelFixture f;
        QVERIFY(f.split(0, Column) && f.split(1, Row));
        frameset::Design design = f.model.design();
        colorCells(design);
        // Cell 0 holds a page whose link, clicked as it loads, opens c6.htm in cell 2, whose
        // name is the default one.
        design.properties().record(0).sourceUrl = PropertyValue::fromText("link.htm");
        Site site;
        QVERIFY(site.isValid());
        QVERIFY(writeColourPage(site.path(QStringLiteral("link.htm")), pageColours()[0],
            "<a id=\"go\" href=\"c6.htm\" target=\"Frame3\">go</a><script>"
            "document.getElementById('go').click()</script>"));
        const QString page = QStringLiteral("page.htm");
        QVERIFY((html5 ? frameset::writeHtml5Page(
                     site.path(page), frameset::buildHtml5Page(design, QStringLiteral("page")))
                       : frameset::writeFramesetDocument(
                           site.path(page), frameset::buildFramesetDocument(design)))
                    .isEmpty());
        const QImage shot = site.shot(page, WindowSizes.first());
        QVERIFY(!shot.isNull());
        // The bottom right frame shows the linked page, and nothing else does.
        const QRect linked = colourBox(shot, pageColours()[LinkedPage].rgb());
        QVERIFY2(closeTo(linked, QRect(482, 322, 478, 318)), qPrintable(QDebug::toString(linked)));
        QVERIFY(colourBox(shot, pageColours()[2].rgb()).isEmpty());
        QVERIFY(!colourBox(shot, pageColours()[1].rgb()).isEmpty());
    }

    // The preview's stand-in pages fill every frame of the frameset document, and each shows the
    // name and size of the frame it is in.
    void previewStandInsShowTheirFrame()
    {
        ModelFixture f;
        QVERIFY(f.split(0, Column) && f.split(1, Row));
        frameset::Design design = f.model.design();
        design.properties().record(0).frameName = PropertyValue::fromText("menu");
        Site site;
        QVERIFY(site.isValid());
        const frameset::PreviewSite preview
            = frameset::writePreviewSite(site.path(QString()), design);
        QVERIFY2(preview.error.isEmpty(), qPrintable(preview.error));
        const QImage shot = site.shot(QStringLiteral("panecraft-preview.htm"), WindowSizes.first());
        QVERIFY(!shot.isNull());
        const QRgb standIn = qRgb(0xff, 0xff, 0xf0);
        for (const QPoint &corner : {QPoint(10, 10), QPoint(492, 10), QPoint(492, 332)})
            QVERIFY2(testsupport::nearColour(shot.pixel(corner), standIn),
                qPrintable(QColor(shot.pixel(corner)).name()));

        // A page of ours reads the stand-in's text in a frame named "menu" of 300 x 200 pixels.
        QVERIFY(site.write(QStringLiteral("probe.htm"),
            "<html><body><iframe name=\"menu\" src=\"xxxxx.htm\" style=\"width:300px;"
            "height:200px;border:0\"></iframe><p id=\"out\"></p><script>onload = function() {"
            "var d = frames[0].document; document.getElementById('out').textContent = "
            "d.getElementById('name').textContent + '|' + "
            "d.getElementById('size').textContent; }</script></body></html>"));
        const testsupport::ChromiumPage shown
            = testsupport::HeadlessChromium::shared().open(site.path(QStringLiteral("probe.htm")),
                QSize(800, 600), testsupport::HeadlessChromium::Capture::Dom);
        QVERIFY2(shown.failure.isEmpty(), qPrintable(shown.failure));
        QVERIFY2(shown.dom.contains(QStringLiteral("<p id=\"out\">menu|300 x 200 pixels</p>")),
            qPrintable(shown.dom));
    }
};

TRELLIS_TEST(TestHtml5Browser)
#include "tst_html5browser.moc"
