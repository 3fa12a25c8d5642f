#include "designbuilder.h"
#include "frameset/core/designfilereader.h"
#include "frameset/core/designfilewriter.h"
#include "frameset/core/framesetdocument.h"
#include "frameset/core/framesetimporter.h"
#include "frameset/core/framesizes.h"
#include "testmain.h"

#include <QRandomGenerator>
#include <QRect>
#include <QTemporaryDir>
#include <QTest>

using namespace framesettest;
using frameset::FramesetImporter;
using frameset::FrameSize;
using frameset::PropertyValue;

namespace {

// A design area of 600 x 400 pixels at 15 twips per pixel, where the designer starts it.
frameset::ImportArea area()
{
    frameset::ImportArea a;
    a.left = 0;
    a.top = 450;
    a.width = 9000;
    a.height = 6000;
    a.twipsPerPixel = 15;
    a.scrollBarWidth = 255;
    return a;
}

// The lines of the frameset document between "</HEAD>" and "</HTML>".
QStringList framesOf(const frameset::Design &design)
{
    const QStringList lines = frameset::buildFramesetDocument(design).split(QStringLiteral("\r\n"));
    return lines.mid(4, lines.size() - 5);
}

// Cell rectangles in pixels from the area's top-left corner.
QList<QRect> pixelRects(const frameset::Design &design)
{
    QList<QRect> rects;
    for (const frameset::CellView &c : design.cells())
        rects.append(QRect(
            int(c.left / 15), int((c.top - 450) / 15), int(c.width / 15), int(c.height / 15)));
    return rects;
}

QString frameLine(const QString &source, const QString &name)
{
    return QStringLiteral("<FRAME SRC=%1 NAME=%2 SCROLLING=AUTO  FRAMEBORDER=YES>")
        .arg(source, name);
}

} // namespace

// Framesets written by hand, by other tools and by Panecraft itself become designs: the cells
// where a browser puts the frames, the FRAME attributes in the records, and a frameset document
// that divides the window as the original does.
class TestFramesetImporter : public QObject
{
    Q_OBJECT
private slots:
    void readsSizeLists_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<FrameSize>>("sizes");
        using K = FrameSize::Kind;
        QTest::newRow("percent and star") << "25%,*" << QList<FrameSize>{{K::Percent, 25}, {}};
        QTest::newRow("blanks, pixels, N*")
            << " 120 , 2* " << QList<FrameSize>{{K::Pixels, 120}, {K::Relative, 2}};
        QTest::newRow("unit without a number") << "px,*" << QList<FrameSize>();
        QTest::newRow("px unit, fraction")
            << "120px,33.5%,3*"
            << QList<FrameSize>{{K::Pixels, 120}, {K::Percent, 33.5}, {K::Relative, 3}};
        QTest::newRow("empty value is one star") << "" << QList<FrameSize>{{}};
        QTest::newRow("letters") << "abc,*" << QList<FrameSize>();
        QTest::newRow("negative") << "-10,*" << QList<FrameSize>();
        QTest::newRow("empty entry") << "50%,,*" << QList<FrameSize>();
    }
    void readsSizeLists()
    {
        QFETCH(QString, text);
        QFETCH(QList<FrameSize>, sizes);
        const std::optional<QList<FrameSize>> read = frameset::parseSizeList(text);
        QCOMPARE(read.has_value(), !sizes.isEmpty());
        if (read)
            QCOMPARE(*read, sizes);
    }

    void sharesAnExtentAsABrowserDoes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("extent");
        QTest::addColumn<QList<double>>("lengths");
        QTest::newRow("pixels, percent, stars")
            << "20%,*,2*,90" << 600.0 << QList<double>{120, 130, 260, 90};
        QTest::newRow("pixels larger than the extent shrink alike")
            << "300,500,*" << 400.0 << QList<double>{150, 250, 0};
        QTest::newRow("percents beyond what is left shrink alike")
            << "100,60%,60%" << 600.0 << QList<double>{100, 250, 250};
        QTest::newRow("space no star takes goes to the percents")
            << "20%,30%" << 500.0 << QList<double>{200, 300};
        QTest::newRow("or else to the pixels") << "100,300" << 800.0 << QList<double>{200, 600};
    }
    void sharesAnExtentAsABrowserDoes()
    {
        QFETCH(QString, text);
        QFETCH(double, extent);
        QFETCH(QList<double>, lengths);
        QCOMPARE(frameset::distributeSizes(*frameset::parseSizeList(text), extent), lengths);
    }

    void importsFramesets_data()
    {
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QList<QRect>>("rects");
        QTest::addColumn<QStringList>("frames");

        QTest::newRow("lower case, two columns")
            << QByteArray("<html><head><title>t</title></head>\n<frameset cols=\"25%,*\">\n"
                          "<frame src=\"a.htm\" name=\"left\"><frame src=b.htm>\n</frameset>\n")
            << QStringList{"1", "2"} << QList<QRect>{{0, 0, 150, 400}, {150, 0, 450, 400}}
            << QStringList{"<FRAMESET COLS= 25%,* BORDER=5>", frameLine("a.htm", "left"),
                   frameLine("b.htm", "Frame2"), "</FRAMESET>"};
        QTest::newRow("upper case, three rows with pixels at both ends")
            << QByteArray("<HTML><FRAMESET ROWS=\"100,*,50\"><FRAME SRC=top.htm NAME=top>"
                          "<FRAME SRC=main.htm NAME=main><FRAME SRC=foot.htm NAME=foot>"
                          "</FRAMESET></HTML>")
            << QStringList{"1", "21", "22"}
            << QList<QRect>{{0, 0, 600, 100}, {0, 100, 600, 250}, {0, 350, 600, 50}}
            << QStringList{"<FRAMESET ROWS=100,*>", frameLine("top.htm", "top"),
                   "<FRAMESET ROWS=*,50>", frameLine("main.htm", "main"),
                   frameLine("foot.htm", "foot"), "</FRAMESET>", "</FRAMESET>"};
        QTest::newRow("four entries: percent, star, 2*, pixels")
            << QByteArray("<frameset cols=\"20%,*,2*,90\"><frame src=1.htm><frame src=2.htm>"
                          "<frame src=3.htm><frame src=4.htm></frameset>")
            << QStringList{"1", "21", "221", "222"}
            << QList<QRect>{{0, 0, 120, 400}, {120, 0, 130, 400}, {250, 0, 260, 400},
                   {510, 0, 90, 400}}
            << QStringList{"<FRAMESET COLS= 20%,* BORDER=5>", frameLine("1.htm", "Frame1"),
                   "<FRAMESET COLS= 27%,* BORDER=5>", frameLine("2.htm", "Frame2"),
                   "<FRAMESET COLS=*,90>", frameLine("3.htm", "Frame3"),
                   frameLine("4.htm", "Frame4"), "</FRAMESET>", "</FRAMESET>", "</FRAMESET>"};
        QTest::newRow("nested three deep, borders off")
            << QByteArray("<frameset rows=\"25%,*\" border=0><frame src=a.htm>"
                          "<frameset cols=\"30%,*\"><frame src=b.htm>"
                          "<frameset rows=\"*,*\"><frame src=c.htm><frame src=d.htm>"
                          "</frameset></frameset></frameset>")
            << QStringList{"1", "21", "221", "222"}
            << QList<QRect>{{0, 0, 600, 100}, {0, 100, 180, 300}, {180, 100, 420, 150},
                   {180, 250, 420, 150}}
            << QStringList{"<FRAMESET ROWS= 25%,* BORDER=0>", frameLine("a.htm", "Frame1"),
                   "<FRAMESET COLS= 30%,* BORDER=0>", frameLine("b.htm", "Frame2"),
                   "<FRAMESET ROWS= 50%,* BORDER=0>", frameLine("c.htm", "Frame3"),
                   frameLine("d.htm", "Frame4"), "</FRAMESET>", "</FRAMESET>", "</FRAMESET>"};
        QTest::newRow("rows and columns in one frameset, a missing frame, a surplus one")
            << QByteArray("<frameset rows=\"50%,50%\" cols=\"50%,50%\"><frame src=a.htm>"
                          "<frame src=b.htm><frame src=c.htm></frameset>"
                          "<frameset cols=\"*,*\"><frame src=x.htm><frame src=y.htm></frameset>")
            << QStringList{"11", "12", "21", "22"}
            << QList<QRect>{{0, 0, 300, 200}, {300, 0, 300, 200}, {0, 200, 300, 200},
                   {300, 200, 300, 200}}
            << QStringList{"<FRAMESET ROWS= 50%,* BORDER=5>", "<FRAMESET COLS= 50%,* BORDER=5>",
                   frameLine("a.htm", "Frame1"), frameLine("b.htm", "Frame2"), "</FRAMESET>",
                   "<FRAMESET COLS= 50%,* BORDER=5>", frameLine("c.htm", "Frame3"),
                   frameLine("about:blank", "Frame4"), "</FRAMESET>", "</FRAMESET>"};
        QTest::newRow("broken markup around it, Windows-1252 and references in names")
            << QByteArray("<html><body><p>old <b>page<frameset cols=\"*,*\">"
                          "<frame src=\"caf\xe9.htm\" name=\"a&amp;b\"><frame src=\"x&#233;.htm\">")
            << QStringList{"1", "2"} << QList<QRect>{{0, 0, 300, 400}, {300, 0, 300, 400}}
            << QStringList{"<FRAMESET COLS= 50%,* BORDER=5>", frameLine("caf&#233;.htm", "a&b"),
                   frameLine("x&#233;.htm", "Frame2"), "</FRAMESET>"};
    }
    void importsFramesets()
    {
        QFETCH(QByteArray, html);
        QFETCH(QStringList, paths);
        QFETCH(QList<QRect>, rects);
        QFETCH(QStringList, frames);
        const frameset::FramesetImport imported = FramesetImporter::read(html, area());
        QVERIFY2(imported.imported(), qPrintable(imported.refusal));
        QCOMPARE(cellPaths(imported.design), paths);
        QCOMPARE(pixelRects(imported.design), rects);
        QCOMPARE(framesOf(imported.design), frames);
        // What the designer holds goes through its own design file unchanged.
        const QByteArray file = frameset::DesignFileWriter::write(imported.design);
        const frameset::DesignFileReadResult read = frameset::DesignFileReader::read(file);
        QCOMPARE(read.status, frameset::DesignFileStatus::Valid);
        QCOMPARE(frameset::DesignFileWriter::write(read.design), file);
        QCOMPARE(framesOf(read.design), frames);
    }

    void takesEveryFrameAttribute()
    {
        const QByteArray html = "<FRAMESET COLS=\"30%,*\" BORDER=\"0\">"
                                "<FRAME SRC=\"menu.htm\" NAME=\"menu\" MARGINWIDTH=\"10\" "
                                "MARGINHEIGHT=\"7\" SCROLLING=\"no\" NORESIZE FRAMEBORDER=\"0\">"
                                "<frame src=main.htm name=main scrolling=YES frameborder=yes "
                                "marginwidth=0></FRAMESET>";
        const frameset::FramesetImport imported = FramesetImporter::read(html, area());
        QVERIFY2(imported.imported(), qPrintable(imported.refusal));
        const frameset::Design &d = imported.design;
        QVERIFY(!d.bordersOn());
        const frameset::FrameProperties &menu = d.properties().record(0);
        QCOMPARE(menu.sourceUrl, PropertyValue::fromText("menu.htm"));
        QCOMPARE(menu.frameName, PropertyValue::fromText("menu"));
        QCOMPARE(menu.marginWidth, PropertyValue::fromNumber(10));
        QCOMPARE(menu.marginHeight, PropertyValue::fromNumber(7));
        QCOMPARE(menu.scrolling, PropertyValue::fromNumber(2));
        QCOMPARE(menu.noResize, PropertyValue::fromNumber(1));
        QCOMPARE(menu.frameBorder, PropertyValue::fromNumber(1));
        QCOMPARE(menu.columnSplitKey, PropertyValue::fromText("1A"));
        QVERIFY(menu.rowSplitKey.isEmpty());
        // Its scroll bar is off, the other frame's on.
        QVERIFY(!d.cell(0).scroll.visible);
        QVERIFY(d.cell(1).scroll.visible);
        QCOMPARE(d.cell(1).scroll.left, d.cell(1).right() - 255);
        QCOMPARE(framesOf(d),
            (QStringList{"<FRAMESET COLS= 30%,* BORDER=0>",
                "<FRAME SRC=menu.htm NAME=menu NORESIZE  SCROLLING=NO  MARGINWIDTH= 10 "
                "MARGINHEIGHT= 7 FRAMEBORDER=NO>",
                "<FRAME SRC=main.htm NAME=main SCROLLING=YES  FRAMEBORDER=YES>", "</FRAMESET>"}));
    }

    void refusesWhatItCannotTake_data()
    {
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<QString>("refusal");
        QByteArray many = "<frameset cols=\"*,*\"><frame><frameset rows=\"";
        for (int i = 0; i < 100; ++i)
            many += i ? ",*" : "*";
        many += "\"></frameset></frameset>";
        QByteArray deep;
        for (int i = 0; i < 70; ++i)
            deep += "<frameset cols=\"*,*\"><frame>";
        QTest::newRow("no frameset") << QByteArray("<html><body><p>Hello</p></body></html>")
                                     << "It holds no FRAMESET, so there is nothing to import.";
        QTest::newRow("nothing at all") << QByteArray()
                                        << "It holds no FRAMESET, so there is "
                                           "nothing to import.";
        QTest::newRow("101 frames, most of them missing")
            << many << "It holds more than 100 frames.";
        QTest::newRow("a size that cannot be read")
            << QByteArray("<frameset rows=\"50%,abc\"><frame><frame></frameset>")
            << "The size \"abc\" in ROWS=\"50%,abc\" is neither a pixel count, a percentage nor "
               "a share (* or 2*).";
        QTest::newRow("a negative size")
            << QByteArray("<frameset cols=\"-5,*\"><frame><frame></frameset>")
            << "The size \"-5\" in COLS=\"-5,*\" is neither a pixel count, a percentage nor a "
               "share (* or 2*).";
        QTest::newRow("one frame")
            << QByteArray("<frameset rows=\"*\"><frame src=a.htm></frameset>")
            << "Its frameset holds a single frame, and a design is made of at least two.";
        QTest::newRow("nested too deep") << deep << "Its framesets are nested more than 64 deep.";
        QTest::newRow("a frame without width")
            << QByteArray("<frameset cols=\"100%,*\"><frame><frame></frameset>")
            << "A frame would have no width or height in the design area.";
    }
    void refusesWhatItCannotTake()
    {
        QFETCH(QByteArray, html);
        QFETCH(QString, refusal);
        const frameset::FramesetImport imported = FramesetImporter::read(html, area());
        QCOMPARE(imported.refusal, refusal);
        QCOMPARE(imported.design, frameset::Design());
    }

    void refusesAnUnreadableFileWithTheSystemsReason()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("gone.htm"));
        const frameset::FramesetImport imported = FramesetImporter::load(missing, area());
        QVERIFY(!imported.imported());
        QCOMPARE(FramesetImporter::refusedMessage(missing, imported.refusal),
            missing + QStringLiteral(" cannot be imported as a Panecraft design.  ")
                + imported.refusal);
    }

    void ourOwnDocumentsComeBackByteForByte_data()
    {
        QTest::addColumn<QList<SplitStep>>("steps");
        QTest::addColumn<bool>("borders");
        QTest::addColumn<int>("fixedCell");
        QTest::newRow("worked example") << QList<SplitStep>{{0, Column}, {1, Row}} << true << -1;
        QTest::newRow("fixed width on the left, no borders")
            << QList<SplitStep>{{0, Column}, {1, Row}} << false << 0;
        QTest::newRow("fixed height at the bottom")
            << QList<SplitStep>{{0, Row}, {0, Column}} << true << 1;
        QTest::newRow("cells numbered out of document order")
            << QList<SplitStep>{{0, Column}, {0, Row}, {1, Row}, {2, Column}, {0, Column}} << true
            << 3;
    }
    void ourOwnDocumentsComeBackByteForByte()
    {
        QFETCH(QList<SplitStep>, steps);
        QFETCH(bool, borders);
        QFETCH(int, fixedCell);
        ModelFixture f;
        QCOMPARE(f.play(steps), 0);
        frameset::Design &design = f.model.design();
        design.setBordersOn(borders);
        auto &records = design.properties();
        if (fixedCell >= 0) {
            // As the dialog stores a ticked box: the cell's size in pixels.
            frameset::FrameProperties &r = records.record(fixedCell);
            const frameset::CellView &c = design.cell(fixedCell);
            if (!r.columnSplitKey.isEmpty())
                r.fixedWidthPixels = PropertyValue::fromNumber(qint64(c.width) / 15);
            else
                r.fixedHeightPixels = PropertyValue::fromNumber(qint64(c.height) / 15);
        }
        records.record(0).sourceUrl = PropertyValue::fromText(QStringLiteral("menü.htm"));
        records.record(0).frameName = PropertyValue::fromText(QStringLiteral("menu"));
        records.record(0).marginWidth = PropertyValue::fromNumber(10);
        records.record(0).noResize = PropertyValue::fromNumber(1);
        records.record(0).scrolling = PropertyValue::fromNumber(2);
        records.record(0).frameBorder = PropertyValue::fromNumber(1);
        const QByteArray document
            = frameset::framesetDocumentFileContent(frameset::buildFramesetDocument(design));

        const frameset::FramesetImport imported = FramesetImporter::read(document, area());
        QVERIFY2(imported.imported(), qPrintable(imported.refusal));
        QCOMPARE(
            frameset::framesetDocumentFileContent(frameset::buildFramesetDocument(imported.design)),
            document);
        QCOMPARE(imported.design.bordersOn(), borders);
        // Importing that design's document again gives the same design.
        const frameset::FramesetImport again = FramesetImporter::read(document, area());
        QCOMPARE(again.design, imported.design);
    }

    void randomDesignsComeBackByteForByte()
    {
        QRandomGenerator random(17);
        for (int round = 0; round < 20; ++round) {
            ModelFixture f(1.0e6f, 1.0e6f);
            const int splits = int(random.bounded(1, 30));
            for (int i = 0; i < splits; ++i)
                f.split(int(random.bounded(f.model.lastCellIndex() + 1)),
                    random.bounded(2) ? Column : Row);
            const QString document = frameset::buildFramesetDocument(f.model.design());
            frameset::ImportArea big = area();
            big.width = 1.0e6f;
            big.height = 1.0e6f;
            const frameset::FramesetImport imported
                = FramesetImporter::read(document.toUtf8(), big);
            QVERIFY2(imported.imported(), qPrintable(imported.refusal));
            QCOMPARE(frameset::buildFramesetDocument(imported.design), document);
        }
    }
};

TRELLIS_TEST(TestFramesetImporter)
#include "tst_framesetimporter.moc"
