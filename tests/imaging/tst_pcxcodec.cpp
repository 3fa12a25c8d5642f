#include "imagefixtures.h"
#include "platform/imaging/pcxcodec.h"
#include "testmain.h"

#include <QTest>

using platform::PcxCodec;

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
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("colours");
        // pattern-bBpP.pcx: B bits in each of P planes; -raw: not run-length encoded.
        QTest::newRow("1 bit") << "pattern-b1p1.pcx" << 2;
        QTest::newRow("2 bits packed") << "pattern-b2p1.pcx" << 4;
        QTest::newRow("2 bits in planes") << "pattern-b1p2.pcx" << 4;
        QTest::newRow("3 bits in planes") << "pattern-b1p3.pcx" << 8;
        QTest::newRow("4 bits packed") << "pattern-b4p1.pcx" << 16;
        QTest::newRow("4 bits in planes (EGA)") << "pattern-b1p4.pcx" << 16;
        QTest::newRow("8 bits") << "pattern-b8p1.pcx" << 256;
        QTest::newRow("8 bits unencoded") << "pattern-b8p1-raw.pcx" << 256;
        QTest::newRow("4 bits unencoded") << "pattern-b1p4-raw.pcx" << 16;
    }
    void readsPaletteImages()
    {
        QFETCH(QString, file);
        QFETCH(int, colours);
        // Odd width, so rows end inside a byte and lines carry padding.
        const QImage source = fixtures::indexedPattern(13, 7, colours);
        const platform::DecodedImage decoded = PcxCodec::read(fixtures::imagingData(file));
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
            = PcxCodec::read(fixtures::imagingData(QStringLiteral("gradient-9x6.pcx")));
        QVERIFY2(decoded.ok(), qPrintable(decoded.error));
        QCOMPARE(decoded.image.format(), QImage::Format_RGB32);
        QCOMPARE(decoded.image, source);
    }

    void emptyHeaderPalette_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QRgb>("colourOne");
        QTest::addColumn<QRgb>("colourFifteen");
        // Old writers leave the header palette empty: black and white for 1 bit, else EGA's.
        QTest::newRow("monochrome") << "four-b1p1.pcx" << qRgb(255, 255, 255) << QRgb(0);
        QTest::newRow("16 colours") << "four-b1p4.pcx" << qRgb(0, 0, 170) << qRgb(255, 255, 255);
    }
    void emptyHeaderPalette()
    {
        QFETCH(QString, file);
        QFETCH(QRgb, colourOne);
        QFETCH(QRgb, colourFifteen);
        QByteArray pcx = fixtures::imagingData(file);
        pcx.replace(16, 48, QByteArray(48, '\0'));
        const platform::DecodedImage decoded = PcxCodec::read(pcx);
        QVERIFY2(decoded.ok(), qPrintable(decoded.error));
        QCOMPARE(decoded.image.color(0), qRgb(0, 0, 0));
        QCOMPARE(decoded.image.color(1), colourOne);
        if (file.contains(QLatin1String("p4")))
            QCOMPARE(decoded.image.color(15), colourFifteen);
    }

    void windowOffsetsGiveTheSize()
    {
        QByteArray pcx = fixtures::imagingData(QStringLiteral("four-b8p1.pcx"));
        pcx.replace(4, 8, QByteArray::fromHex("6400070068000900")); // 100,7 to 104,9
        const platform::DecodedImage decoded = PcxCodec::read(pcx);
        QVERIFY2(decoded.ok(), qPrintable(decoded.error));
        QCOMPARE(decoded.image.size(), QSize(5, 3));
    }

    void refusesDamagedFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("reason");
        // four-b8p1.pcx: the 5 x 3 four-colour picture in 8 bits, lines of 6 bytes.
        const QByteArray bytes = fixtures::imagingData(QStringLiteral("four-b8p1.pcx"));
        const auto changed = [&](int at, const char *hex) {
            return QByteArray(bytes).replace(at, int(strlen(hex)) / 2, QByteArray::fromHex(hex));
        };

        QTest::newRow("shorter than the header") << bytes.left(100) << "shorter than its 128-byte";
        QByteArray maker = bytes;
        maker[0] = 0x0B;
        QTest::newRow("wrong maker byte") << maker << "not a PCX";
        QTest::newRow("unknown encoding") << changed(2, "02") << "unknown encoding";
        QTest::newRow("8 bits in 4 planes") << changed(65, "04") << "not supported";
        QTest::newRow("6-bit planes") << changed(65, "03").replace(3, 1, "\x02") << "not supported";
        QTest::newRow("window ends before it starts")
            << changed(4, "0a00000009000200") << "empty image";
        // Five pixels need five bytes.
        QTest::newRow("line too short for the width") << changed(66, "0400") << "too short";
        QTest::newRow("200 megapixels") << changed(8, "1f4e0f27") << "too large";
        QByteArray noPalette = bytes;
        noPalette[noPalette.size() - 769] = 0x00;
        QTest::newRow("no palette marker") << noPalette << "no 256-colour palette";
        QTest::newRow("palette cut off") << bytes.left(bytes.size() - 1) << "";
        // Files without a trailing palette, so the scan lines reach the end of the file.
        const QByteArray planar = fixtures::imagingData(QStringLiteral("four-b1p4.pcx"));
        QTest::newRow("far too short for the image")
            << planar.left(128 + 1) << "too short for the 5 x 3 image";
        QTest::newRow("data ends early") << planar.left(128 + 3) << "ends early, in row 1";
        // Each line is 4 planes x 2 bytes; a run of 9 crosses into the next line.
        QTest::newRow("run crosses the line end")
            << planar.left(128) + "\xC9" + QByteArray(21, char(1)) << "crosses the end of row 1";
        QTest::newRow("file ends inside a run") << planar.left(128 + 8) + "\xC2"
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
        const QByteArray bytes = fixtures::imagingData(QStringLiteral("gradient-9x6.pcx"));
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
