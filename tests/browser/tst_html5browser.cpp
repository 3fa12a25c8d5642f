#include "expectedframelayout.h"
#include "filecontents.h"
#include "frameset/core/framesetdocument.h"
#include "frameset/core/html5page.h"
#include "frameset/core/previewsite.h"
#include "headlesschromium.h"
#include "testmain.h"

#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using frameset::PropertyValue;
using namespace testsupport;

namespace {

// Where a frame may lie from where a test expects it, and an HTML5 page's frames from its
// frameset document's, whose tracks are worked out from the same size lists and borders and so
// differ only by the browser's rounding.
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

// Gives cell i the page c<i>.htm.
void colourCells(frameset::Design &design)
{
    for (int cell = 0; cell <= design.lastCellIndex(); ++cell)
        design.properties().record(cell).sourceUrl = PropertyValue::fromText(colourPage(cell));
}

} // namespace

// The HTML5 pages of designs against the frameset documents they stand for, in a real browser.
class TestHtml5Browser : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        if (!testsupport::chromiumInstalled())
            QSKIP(testsupport::ChromiumMissing);
    }

    void html5PagesLieWhereTheFramesetDocumentsPutTheirFrames_data()
    {
        QTest::addColumn<QString>("made");
        QTest::addColumn<bool>("borders");
        // Designs of tests/browser/designs/; imported-four-entries is the frameset
        // "20%,40%,*,150" with "2*,*,*" rows in its second column, imported.
        for (const bool borders : {true, false}) {
            for (const char *made :
                {"worked-example", "fixed-left", "fixed-bottom-nested", "imported-four-entries"})
                QTest::addRow("%s%s", made, borders ? ", borders" : ", no borders")
                    << QString::fromLatin1(made) << borders;
        }
    }
    void html5PagesLieWhereTheFramesetDocumentsPutTheirFrames()
    {
        QFETCH(QString, made);
        QFETCH(bool, borders);
        frameset::Design design = browserDesign(made);
        QVERIFY(design.lastCellIndex() > 0);
        colourCells(design);
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
        frameset::Design design = browserDesign(QStringLiteral("worked-example"));
        colourCells(design);
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
        frameset::Design design = browserDesign(QStringLiteral("worked-example"));
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

        // A page of ours (pages/probe.htm) reads the stand-in's text in a frame named "menu" of
        // 300 x 200 pixels.
        QVERIFY(site.write(
            QStringLiteral("probe.htm"), readAll(browserFile(QStringLiteral("pages/probe.htm")))));
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
