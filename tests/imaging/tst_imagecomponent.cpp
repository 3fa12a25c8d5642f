#include "filecontents.h"
#include "imagefixtures.h"
#include "platform/imaging/imagecomponent.h"
#include "testmain.h"

#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

using platform::ImageComponent;

namespace {

QByteArray encodedByQt(const QImage &image, const char *format)
{
    return fixtures::writtenBy(
        [&](QIODevice &device) { return QImageWriter(&device, format).write(image); });
}

QByteArray savedByComponent(const QImage &image, const QString &path)
{
    ImageComponent component;
    component.setPicture(image);
    return component.save(path) ? testsupport::readAll(path) : QByteArray();
}

QImage sixteenColours()
{
    return fixtures::indexedPattern(21, 11, 16);
}

// Too wide for a GIF.
QImage wideImage()
{
    QImage wide(70000, 1, QImage::Format_Indexed8);
    wide.setColorTable({qRgb(1, 1, 1)});
    wide.fill(0);
    return wide;
}

} // namespace

class TestImageComponent : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void loadsEveryFormat_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QImage>("source");
        QTest::addColumn<int>("colours");
        QTest::addColumn<bool>("lossless");
        const QImage pattern = sixteenColours();
        const QImage palette256 = fixtures::indexedPattern(40, 30, 256);
        const QImage photo = fixtures::gradient(33, 17);
        const int trueColour = ImageComponent::TrueColourCount;
        QImage mono(9, 5, QImage::Format_Indexed8);
        mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        mono.fill(1);
        QImage flat(16, 16, QImage::Format_RGB32);
        flat.fill(qRgb(200, 40, 40));
        QImage grey(8, 4, QImage::Format_Grayscale8);
        grey.fill(77);
        const auto row = [](const char *name, const QByteArray &file, const QImage &source,
                             int colours, bool lossless = true) {
            QTest::newRow(name) << file << source << colours << lossless;
        };
        row("GIF87a", savedByComponent(pattern, path("a.gif")), pattern, 256);
        // Interlaced, with a local colour table and a transparent index.
        row("GIF89a", fixtures::imagingData("sixteen-89a.gif"), pattern, 16);
        row("PCX 1-bit", fixtures::imagingData("mono.pcx"), mono, 2);
        row("PCX 4-bit", fixtures::imagingData("sixteen-b1p4.pcx"), pattern, 16);
        row("PCX 8-bit", fixtures::imagingData("pattern256.pcx"), palette256, 256);
        row("PCX 24-bit", fixtures::imagingData("gradient-33x17.pcx"), photo, trueColour);
        row("BMP 4-bit", encodedByQt(pattern, "bmp"), pattern, 16);
        row("BMP 8-bit", savedByComponent(palette256, path("a.bmp")), palette256, 256);
        row("BMP 24-bit", encodedByQt(photo, "bmp"), photo, trueColour);
        row("JPEG", encodedByQt(flat, "jpeg"), flat, trueColour, false);
        row("TIFF", encodedByQt(photo, "tiff"), photo, trueColour);
        row("PNG true colour", encodedByQt(photo, "png"), photo, trueColour);
        row("PNG palette", encodedByQt(pattern, "png"), pattern, 16);
        row("PNG grey", encodedByQt(grey, "png"), grey, 256);
    }
    void loadsEveryFormat()
    {
        QFETCH(QByteArray, file);
        QFETCH(QImage, source);
        QFETCH(int, colours);
        QFETCH(bool, lossless);
        // The name says nothing: the content decides.
        const QString name = path(QStringLiteral("image.dat"));
        QVERIFY(testsupport::writeAll(name, file));
        ImageComponent component;
        QVERIFY2(component.load(name), qPrintable(component.errorString()));
        QVERIFY(component.errorString().isEmpty());
        QCOMPARE(QSize(component.width(), component.height()), source.size());
        QCOMPARE(component.colourCount(), colours);
        QCOMPARE(component.image().format() == QImage::Format_Indexed8, colours <= 256);
        const QImage picture = component.picture();
        QCOMPARE(picture.size(), source.size());
        if (lossless)
            QCOMPARE(picture.convertToFormat(QImage::Format_RGB32),
                source.convertToFormat(QImage::Format_RGB32));
    }

    void refusesBadInput_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("reason");
        const QImage photo = fixtures::gradient(64, 48);
        const QByteArray jpeg = encodedByQt(photo, "jpeg");
        const QByteArray bmp = encodedByQt(photo, "bmp");
        const QByteArray png = encodedByQt(photo, "png");
        const QByteArray tiff = encodedByQt(photo, "tiff");
        const QByteArray gif = savedByComponent(sixteenColours(), path("bad.gif"));
        const QByteArray pcx = fixtures::imagingData(QStringLiteral("gradient-33x17.pcx"));

        QTest::newRow("empty") << QByteArray() << "is empty";
        QTest::newRow("text") << QByteArray("GIF is a format\n") << "is not a GIF, PCX, BMP";
        QTest::newRow("random bytes") << QByteArray(300, char(0x5A)) << "is not a GIF, PCX, BMP";
        QTest::newRow("JPEG cut short") << jpeg.left(jpeg.size() * 2 / 3) << "incomplete";
        QTest::newRow("JPEG header only") << jpeg.left(20) << "header is damaged";
        QTest::newRow("BMP cut short") << bmp.left(bmp.size() - 10) << "incomplete";
        QTest::newRow("PNG cut short") << png.left(png.size() / 2) << "cannot be read";
        QTest::newRow("TIFF cut short") << tiff.left(tiff.size() / 2) << "TIFF";
        QTest::newRow("GIF cut short") << gif.left(gif.size() - 20) << "GIF";
        QTest::newRow("PCX cut short") << pcx.left(pcx.size() - 10) << "ends early";
        // A BMP header announcing 20000 x 20000 pixels, and nothing else.
        QByteArray huge = bmp.left(54);
        huge.replace(18, 8, QByteArray::fromHex("204e0000204e0000"));
        QTest::newRow("BMP above the pixel limit") << huge << "above 100 megapixels";
        QByteArray hugeJpeg = jpeg;
        const qsizetype frame = hugeJpeg.indexOf("\xff\xc0");
        hugeJpeg.replace(frame + 5, 4, "\xff\xff\xff\xff");
        QTest::newRow("JPEG above the pixel limit") << hugeJpeg << "above 100 megapixels";
        QByteArray hugeGif = gif;
        hugeGif.replace(786, 4, "\xFF\xFF\xFF\xFF");
        QTest::newRow("GIF above the pixel limit") << hugeGif << "above 100 megapixels";
    }
    void refusesBadInput()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, reason);
        const QString name = path(QStringLiteral("bad.jpg"));
        QVERIFY(testsupport::writeAll(name, file));
        ImageComponent component;
        component.setPicture(sixteenColours());
        QVERIFY(!component.load(name));
        QVERIFY2(component.errorString().contains(reason), qPrintable(component.errorString()));
        // The held image is untouched.
        QVERIFY(fixtures::sameIndexes(component.image(), sixteenColours()));
    }

    void refusesMissingFilesAndFolders()
    {
        ImageComponent component;
        QVERIFY(!component.load(path(QStringLiteral("missing.gif"))));
        QVERIFY(component.errorString().contains(QStringLiteral("Cannot open")));
        QVERIFY(!component.load(m_dir.path()));
        QVERIFY(component.errorString().contains(QStringLiteral("folder")) && component.isNull());
        QCOMPARE(component.colourCount(), 0);
    }

    void savesByExtension_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("signature");
        QTest::addColumn<bool>("exact");
        QTest::newRow(".gif") << "out.gif" << QByteArray("GIF87a") << true;
        QTest::newRow(".GIF in capitals") << "OUT.GIF" << QByteArray("GIF87a") << true;
        QTest::newRow(".bmp") << "out.bmp" << QByteArray("BM") << true;
        QTest::newRow(".Pcx") << "out.Pcx" << QByteArray("\x0a\x05\x01\x08", 4) << true;
        QTest::newRow(".png") << "out.png" << QByteArray("\x89PNG") << true;
        QTest::newRow(".tif") << "out.tif" << QByteArray("II*") << true;
        QTest::newRow(".jpg") << "out.jpg" << QByteArray("\xff\xd8\xff") << false;
    }
    void savesByExtension()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, signature);
        QFETCH(bool, exact);
        ImageComponent component;
        component.setPicture(sixteenColours());
        QVERIFY2(component.save(path(name)), qPrintable(component.errorString()));
        const QByteArray bytes = testsupport::readAll(path(name));
        QVERIFY(bytes.startsWith(signature));
        ImageComponent reloaded;
        QVERIFY2(reloaded.load(path(name)), qPrintable(reloaded.errorString()));
        QCOMPARE(reloaded.width(), 21);
        if (exact)
            QCOMPARE(reloaded.picture(), component.picture());
    }

    // True colour is saved through a reduced copy; the GIF's screen bytes can be read back.
    void savingTrueColourKeepsTheHeldImage()
    {
        ImageComponent component;
        component.setPicture(fixtures::gradient(70, 50));
        QVERIFY(component.save(path(QStringLiteral("photo.gif"))));
        QVERIFY(component.save(path(QStringLiteral("photo.bmp"))));
        QCOMPARE(component.colourCount(), ImageComponent::TrueColourCount);
        quint8 packed = 0, aspect = 1;
        QVERIFY(ImageComponent::readGifScreenBytes(
            path(QStringLiteral("photo.gif")), &packed, &aspect));
        QCOMPARE(int(packed), 0xF7);
        QCOMPARE(int(aspect), 0);
        QString error;
        QVERIFY(!ImageComponent::readGifScreenBytes(
            path(QStringLiteral("photo.bmp")), &packed, &aspect, &error));
        QVERIFY(error.contains(QStringLiteral("not a GIF")));
    }

    void refusedSavesWriteNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QImage>("image");
        QTest::addColumn<QString>("reason");
        QTest::newRow("unknown extension") << "out.xyz" << sixteenColours() << "file type";
        QTest::newRow("no extension") << "out" << sixteenColours() << "file type";
        QTest::newRow("too wide for GIF") << "wide.gif" << wideImage() << "65535";
    }
    void refusedSavesWriteNothing()
    {
        QFETCH(QString, name);
        QFETCH(QImage, image);
        QFETCH(QString, reason);
        ImageComponent component;
        component.setPicture(image);
        QVERIFY(!component.save(path(name)));
        QVERIFY2(component.errorString().contains(reason), qPrintable(component.errorString()));
        QVERIFY(!QFile::exists(path(name)));
    }

    void failedSaveKeepsTheOldFile()
    {
        const QString name = path(QStringLiteral("keep.gif"));
        QVERIFY(testsupport::writeAll(name, "the old file"));
        ImageComponent component;
        component.setPicture(wideImage());
        QVERIFY(!component.save(name));
        QCOMPARE(testsupport::readAll(name), QByteArray("the old file"));
        QVERIFY(!component.save(path(QStringLiteral("no/such/folder/out.gif"))));
        QVERIFY(component.errorString().contains(QStringLiteral("Cannot write")));
        ImageComponent empty;
        QVERIFY(!empty.save(name));
        QVERIFY(empty.errorString().contains(QStringLiteral("no image")));
    }

    void setColours256_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<bool>("keepsIndexes");
        QTest::addColumn<bool>("exactColours");
        QTest::newRow("palette image") << sixteenColours() << true << true;
        QTest::newRow("true colour, 16 colours")
            << sixteenColours().convertToFormat(QImage::Format_RGB32) << false << true;
        QTest::newRow("true colour, many colours") << fixtures::gradient(80, 80) << false << false;
    }
    void setColours256()
    {
        QFETCH(QImage, image);
        QFETCH(bool, keepsIndexes);
        QFETCH(bool, exactColours);
        ImageComponent component;
        component.setPicture(image);
        const QImage before = component.picture();
        component.setColours256();
        QVERIFY(component.errorString().isEmpty());
        QCOMPARE(component.image().format(), QImage::Format_Indexed8);
        QCOMPARE(component.colourCount(), 256);
        if (keepsIndexes)
            QVERIFY(fixtures::sameIndexes(component.image(), image));
        QCOMPARE(component.picture() == before, exactColours);
    }

    void invert_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::newRow("palette") << sixteenColours();
        QTest::newRow("true colour") << fixtures::gradient(10, 10);
    }
    void invert()
    {
        QFETCH(QImage, image);
        ImageComponent component;
        component.setPicture(image);
        const QImage before = component.picture();
        component.invert();
        QImage inverted = before;
        inverted.invertPixels();
        QCOMPARE(component.picture(), inverted);
        if (image.format() == QImage::Format_Indexed8)
            QVERIFY(fixtures::sameIndexes(component.image(), image));
        component.invert();
        QCOMPARE(component.picture(), before);
    }

    void setPictureNormalises_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<QImage::Format>("held");
        QTest::addColumn<int>("colours");
        QImage mono(8, 8, QImage::Format_Mono);
        mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        mono.fill(1);
        QTest::newRow("monochrome") << mono << QImage::Format_Indexed8 << 2;
        QImage short16(4, 4, QImage::Format_RGB16);
        short16.fill(Qt::red);
        QTest::newRow("16-bit") << short16 << QImage::Format_RGB32
                                << ImageComponent::TrueColourCount;
        QImage alpha(4, 4, QImage::Format_RGBA8888);
        alpha.fill(Qt::transparent);
        QTest::newRow("with alpha")
            << alpha << QImage::Format_ARGB32 << ImageComponent::TrueColourCount;
        QImage indexes(3, 1, QImage::Format_Indexed8);
        indexes.setColorTable({qRgb(5, 5, 5)});
        indexes.fill(0);
        indexes.scanLine(0)[2] = 9; // setPixel() refuses indexes beyond the table
        QTest::newRow("indexes beyond the table") << indexes << QImage::Format_Indexed8 << 10;
        QTest::newRow("null") << QImage() << QImage::Format_Invalid << 0;
    }
    void setPictureNormalises()
    {
        QFETCH(QImage, image);
        QFETCH(QImage::Format, held);
        QFETCH(int, colours);
        ImageComponent component;
        component.setPicture(image);
        QCOMPARE(component.image().format(), held);
        QCOMPARE(component.colourCount(), colours);
        QCOMPARE(component.isNull(), image.isNull());
        QCOMPARE(component.picture().size(), image.size());
    }
};

TRELLIS_TEST(TestImageComponent)
#include "tst_imagecomponent.moc"
