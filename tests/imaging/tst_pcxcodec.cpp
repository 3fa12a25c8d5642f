#include "imagefixtures.h"
#include "platform/imaging/pcxcodec.h"
#include "testmain.h"

#include <QBuffer>
#include <QTest>

using fixtures::PcxFile;
using platform::PcxCodec;

Q_DECLARE_METATYPE(PcxFile)

namespace {

QImage fourColourImage()
{
    QImage image(5, 3, QImage::Format_Indexed8);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            image.setPixel(x, y, uint((x + y) % 4));
    return image;
}

QByteArray writtenPcx(const QImage &image, QString *error = nullptr)
{
    QString reason;
    const QByteArray bytes = fixtures::writtenBy(
        [&](QIODevice &device) { return PcxCodec::write(device, image, &reason); });
    if (error)
        *error = reason;
    return bytes;
}

} // namespace

class TestPcxCodec : public QObject
{
    Q_OBJECT
private slots:
    void readsPaletteImages_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("planes");
        QTest::addColumn<int>("colours");
        QTest::addColumn<int>("encoding");
        QTest::newRow("1 bit") << 1 << 1 << 2 << 1;
        QTest::newRow("2 bits packed") << 2 << 1 << 4 << 1;
        QTest::newRow("2 bits in planes") << 1 << 2 << 4 << 1;
        QTest::newRow("3 bits in planes") << 1 << 3 << 8 << 1;
        QTest::newRow("4 bits packed") << 4 << 1 << 16 << 1;
        QTest::newRow("4 bits in planes (EGA)") << 1 << 4 << 16 << 1;
        QTest::newRow("8 bits") << 8 << 1 << 256 << 1;
        QTest::newRow("8 bits unencoded") << 8 << 1 << 256 << 0;
        QTest::newRow("4 bits unencoded") << 1 << 4 << 16 << 0;
    }
    void readsPaletteImages()
    {
        QFETCH(int, bits);
        QFETCH(int, planes);
        QFETCH(int, colours);
        QFETCH(int, encoding);
        // Odd width, so rows end inside a byte and lines carry padding.
        const QImage source = fixtures::indexedPattern(13, 7, colours);
        PcxFile pcx = fixtures::pcxFromIndexes(source, bits, planes);
        pcx.encoding = encoding;
        const platform::DecodedImage decoded = PcxCodec::read(pcx.bytes());
        QVERIFY2(decoded.ok(), qPrintable(decoded.error));
        QCOMPARE(decoded.image.format(), QImage::Format_Indexed8);
        QCOMPARE(decoded.image.size(), QSize(13, 7));
        QCOMPARE(decoded.image.colorTable(), source.colorTable());
        QVERIFY(fixtures::sameIndexes(decoded.image, source));
    }

    void readsTrueColour()
    {
        const QImage source = fixtures::gradient(9, 6);
        const platform::DecodedImage decoded
            = PcxCodec::read(fixtures::pcxFromTrueColour(source).bytes());
        QVERIFY2(decoded.ok(), qPrintable(decoded.error));
        QCOMPARE(decoded.image.format(), QImage::Format_RGB32);
        QCOMPARE(decoded.image, source);
    }

    void emptyHeaderPalette_data()
    {
        QTest::addColumn<int>("planes");
        QTest::addColumn<QRgb>("colourOne");
        QTest::addColumn<QRgb>("colourFifteen");
        // Old writers leave the header palette empty: black and white for 1 bit, else EGA's.
        QTest::newRow("monochrome") << 1 << qRgb(255, 255, 255) << QRgb(0);
        QTest::newRow("16 colours") << 4 << qRgb(0, 0, 170) << qRgb(255, 255, 255);
    }
    void emptyHeaderPalette()
    {
        QFETCH(int, planes);
        QFETCH(QRgb, colourOne);
        QFETCH(QRgb, colourFifteen);
        PcxFile pcx = fixtures::pcxFromIndexes(fourColourImage(), 1, planes);
        pcx.headerPalette.clear();
        const platform::DecodedImage decoded = PcxCodec::read(pcx.bytes());
        QVERIFY2(decoded.ok(), qPrintable(decoded.error));
        QCOMPARE(decoded.image.color(0), qRgb(0, 0, 0));
        QCOMPARE(decoded.image.color(1), colourOne);
        if (planes == 4)
            QCOMPARE(decoded.image.color(15), colourFifteen);
    }

    void windowOffsetsGiveTheSize()
    {
        PcxFile pcx = fixtures::pcxFromIndexes(fourColourImage(), 8, 1);
        pcx.xMin = 100, pcx.xMax += 100, pcx.yMin = 7, pcx.yMax += 7;
        const platform::DecodedImage decoded = PcxCodec::read(pcx.bytes());
        QVERIFY2(decoded.ok(), qPrintable(decoded.error));
        QCOMPARE(decoded.image.size(), QSize(5, 3));
    }

    void refusesDamagedFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("reason");
        const PcxFile good = fixtures::pcxFromIndexes(fourColourImage(), 8, 1);
        const QByteArray bytes = good.bytes();

        QTest::newRow("shorter than the header") << bytes.left(100) << "shorter than its 128-byte";
        QByteArray maker = bytes;
        maker[0] = 0x0B;
        QTest::newRow("wrong maker byte") << maker << "not a PCX";
        PcxFile encoding = good;
        encoding.encoding = 2;
        QTest::newRow("unknown encoding") << encoding.bytes() << "unknown encoding";
        PcxFile depth = good;
        depth.planes = 4;
        QTest::newRow("8 bits in 4 planes") << depth.bytes() << "not supported";
        PcxFile wide = good;
        wide.bitsPerPixel = 2, wide.planes = 3;
        QTest::newRow("6-bit planes") << wide.bytes() << "not supported";
        PcxFile empty = good;
        empty.xMin = 10, empty.xMax = 9;
        QTest::newRow("window ends before it starts") << empty.bytes() << "empty image";
        PcxFile narrow = good;
        narrow.bytesPerLine = 4; // five pixels need five bytes
        QTest::newRow("line too short for the width") << narrow.bytes() << "too short";
        PcxFile huge = good;
        huge.xMax = 19999, huge.yMax = 9999;
        QTest::newRow("200 megapixels") << huge.bytes() << "too large";
        QByteArray noPalette = bytes;
        noPalette[noPalette.size() - 769] = 0x00;
        QTest::newRow("no palette marker") << noPalette << "no 256-colour palette";
        QTest::newRow("palette cut off") << bytes.left(bytes.size() - 1) << "";
        // Files without a trailing palette, so the scan lines reach the end of the file.
        const PcxFile planar = fixtures::pcxFromIndexes(fourColourImage(), 1, 4);
        QTest::newRow("far too short for the image")
            << planar.header() + planar.encoded().left(1) << "too short for the 5 x 3 image";
        QTest::newRow("data ends early")
            << planar.header() + planar.encoded().left(3) << "ends early, in row 1";
        // Each line is 4 planes x 2 bytes; a run of 9 crosses into the next line.
        QTest::newRow("run crosses the line end")
            << planar.header() + "\xC9" + QByteArray(21, char(1)) << "crosses the end of row 1";
        QTest::newRow("file ends inside a run")
            << planar.header() + planar.encoded().left(8) + "\xC2"
            << "inside a run, in row 2";
    }
    void refusesDamagedFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, reason);
        const platform::DecodedImage decoded = PcxCodec::read(file);
        QVERIFY(!decoded.ok() && decoded.image.isNull());
        QVERIFY2(decoded.error.contains(reason), qPrintable(decoded.error));
    }

    void everyTruncationIsAnErrorNotACrash()
    {
        const QByteArray bytes = fixtures::pcxFromTrueColour(fixtures::gradient(7, 5)).bytes();
        for (int length = 0; length < bytes.size(); ++length) {
            const platform::DecodedImage decoded = PcxCodec::read(bytes.left(length));
            QVERIFY2(
                !decoded.ok() && !decoded.error.isEmpty(), qPrintable(QString::number(length)));
        }
    }

    void writesVersion5Header()
    {
        const QByteArray bytes = writtenPcx(fourColourImage());
        QCOMPARE(quint8(bytes[0]), quint8(0x0A));
        QCOMPARE(int(bytes[1]), 5); // version
        QCOMPARE(int(bytes[2]), 1); // RLE
        QCOMPARE(int(bytes[3]), 8); // bits per pixel
        QCOMPARE(bytes.mid(4, 8), QByteArray::fromHex("0000000004000200")); // window 0,0 - 4,2
        QCOMPARE(bytes.mid(16, 6), QByteArray::fromHex("000000ff0000")); // header palette
        QCOMPARE(int(bytes[65]), 1); // planes
        QCOMPARE(bytes.mid(66, 2), QByteArray::fromHex("0600")); // even line length
        // Palette at the end: marker then 256 x RGB, padded with black.
        QCOMPARE(quint8(bytes[bytes.size() - 769]), quint8(0x0C));
        QCOMPARE(
            bytes.mid(bytes.size() - 768, 12), QByteArray::fromHex("000000ff000000ff000000ff"));
        QCOMPARE(bytes.right(3), QByteArray(3, '\0'));
    }

    void encodesRuns_data()
    {
        QTest::addColumn<QByteArray>("row");
        QTest::addColumn<QByteArray>("encoded");
        // 3 x 5, 2 x 200, 9 as a literal, 0xC1 escaped as a run of one, the padding byte 0.
        QTest::newRow("runs and high bytes")
            << QByteArray::fromHex("050505c8c809c1") << QByteArray::fromHex("c305c2c809c1c100");
        QTest::newRow("long runs split at 63")
            << QByteArray(130, 7) << QByteArray::fromHex("ff07ff07c407");
    }
    void encodesRuns()
    {
        QFETCH(QByteArray, row);
        QFETCH(QByteArray, encoded);
        QImage image(int(row.size()), 1, QImage::Format_Indexed8);
        image.setColorCount(256);
        memcpy(image.scanLine(0), row.constData(), size_t(row.size()));
        const QByteArray bytes = writtenPcx(image);
        QCOMPARE(bytes.mid(128, bytes.size() - 128 - 769), encoded);
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("colours");
        QTest::newRow("tiny") << 1 << 1 << 1;
        QTest::newRow("odd width, 16 colours") << 33 << 17 << 16;
        QTest::newRow("256 colours") << 300 << 20 << 256;
    }
    void roundTrip()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, colours);
        const QImage source = fixtures::indexedPattern(width, height, colours);
        const QByteArray bytes = writtenPcx(source);
        const platform::DecodedImage decoded = PcxCodec::read(bytes);
        QVERIFY2(decoded.ok(), qPrintable(decoded.error));
        QVERIFY(fixtures::sameIndexes(decoded.image, source));
        QCOMPARE(decoded.image.colorTable().mid(0, colours), source.colorTable());
        QCOMPARE(decoded.image.colorCount(), 256);
        QCOMPARE(writtenPcx(decoded.image), bytes);
    }

    void sizeLimits_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<bool>("written");
        QTest::newRow("true colour") << fixtures::gradient(4, 4) << false;
        const auto blank = [](int width, int height) {
            QImage image(width, height, QImage::Format_Indexed8);
            image.setColorCount(2);
            image.fill(1);
            return image;
        };
        // 65535 and 65536 columns need 65536 bytes per line, one more than the header holds.
        QTest::newRow("65534 wide") << blank(65534, 1) << true;
        QTest::newRow("65535 wide") << blank(65535, 1) << false;
        QTest::newRow("65536 wide") << blank(65536, 1) << false;
        QTest::newRow("65537 wide") << blank(65537, 1) << false;
        QTest::newRow("65536 high") << blank(1, 65536) << true;
        QTest::newRow("65537 high") << blank(1, 65537) << false;
    }
    void sizeLimits()
    {
        QFETCH(QImage, image);
        QFETCH(bool, written);
        QString error;
        const QByteArray bytes = writtenPcx(image, &error);
        QCOMPARE(!bytes.isEmpty(), written);
        if (!written) {
            QVERIFY(
                error.startsWith(QStringLiteral("A PCX image holds at most 65534 x 65536 pixels"))
                || image.format() != QImage::Format_Indexed8);
            return;
        }
        const platform::DecodedImage decoded = PcxCodec::read(bytes);
        QVERIFY2(decoded.ok(), qPrintable(decoded.error));
        QVERIFY(fixtures::sameIndexes(decoded.image, image));
    }
};

TRELLIS_TEST(TestPcxCodec)
#include "tst_pcxcodec.moc"
