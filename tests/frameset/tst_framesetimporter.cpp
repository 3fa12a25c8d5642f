#include "designbuilder.h"
#include "frameset/core/framesetdocument.h"
#include "frameset/core/framesetimporter.h"
#include "frameset/core/framesizes.h"
#include "testmain.h"

#include <QTemporaryDir>
#include <QTest>

using namespace framesettest;
using frameset::FramesetImporter;
using frameset::FrameSize;

namespace {

// A design area of 600 x 400 pixels at 15 twips per pixel, where the designer starts it.
frameset::ImportArea area()
{
    frameset::ImportArea a;
    a.left = 0;
    a.top = 450;
    a.width = 9000;
    a.height = 6000;
    a.unitsPerPixel = 15;
    a.scrollBarWidth = 255;
    return a;
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

    // The rest of each FRAME is checked by the import/every-frame-attribute case; the file
    // does not tell a number from a text, so this checks that numbers are kept as the
    // properties dialog stores them.
    void keepsNumbersAsNumbers()
    {
        const frameset::FramesetImport imported = FramesetImporter::read(
            "<frameset cols=\"30%,*\"><frame marginwidth=10 marginheight=7 scrolling=no noresize "
            "frameborder=0><frame></frameset>",
            area());
        const frameset::FrameProperties &r = imported.design.properties().record(0);
        QCOMPARE(QList<frameset::PropertyValue>(
                     {r.marginWidth, r.marginHeight, r.scrolling, r.noResize, r.frameBorder}),
            QList<frameset::PropertyValue>(
                {number(10), number(7), number(2), number(1), number(1)}));
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
};

TRELLIS_TEST(TestFramesetImporter)
#include "tst_framesetimporter.moc"
