#include "imagefixtures.h"
#include "platform/imaging/bmppalette.h"
#include "platform/imaging/bmpwriter.h"
#include "platform/imaging/qtimagecodec.h"
#include "testmain.h"

#include <QBuffer>
#include <QImageReader>
#include <QTest>

using platform::BmpWriter;

namespace {

QByteArray writtenBmp(const QImage &image, QString *error = nullptr)
{
    QString reason;
    const QByteArray bytes = fixtures::writtenBy(
        [&](QIODevice &device) { return BmpWriter::write(device, image, &reason); });
    if (error)
        *error = reason;
    return bytes;
}

quint32 number(const QByteArray &bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes[offset + i]);
    return value;
}

} // namespace

class TestBmpFiles : public QObject
{
    Q_OBJECT
private slots:
    void writesEightBitLayout_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("colours");
        // Few colours still give an 8-bit file with the palette at 54, unlike Qt's writer.
        QTest::newRow("2 colours, odd width") << 5 << 2;
        QTest::newRow("16 colours") << 8 << 16;
        QTest::newRow("256 colours") << 259 << 256;
    }
    void writesEightBitLayout()
    {
        QFETCH(int, width);
        QFETCH(int, colours);
        const QImage image = fixtures::indexedPattern(width, 3, colours);
        const QByteArray bytes = writtenBmp(image);
        const int stride = (width + 3) / 4 * 4;
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(number(bytes, 2, 4), quint32(bytes.size()));
        QCOMPARE(bytes.size(), 1078 + stride * 3);
        // Pixels at 1078, a 40-byte header, positive height (bottom-up), one plane of 8 bits,
        // uncompressed, 256 colours.
        const QList<quint32> fields{number(bytes, 10, 4), number(bytes, 14, 4),
            number(bytes, 18, 4), number(bytes, 22, 4), number(bytes, 26, 2), number(bytes, 28, 2),
            number(bytes, 30, 4), number(bytes, 46, 4)};
        QCOMPARE(fields, (QList<quint32>{1078, 40, quint32(width), 3, 1, 8, 0, 256}));
        for (int i = 0; i < 256; ++i) {
            const QRgb c = i < colours ? image.color(i) : qRgb(0, 0, 0);
            const char entry[] = {char(qBlue(c)), char(qGreen(c)), char(qRed(c)), 0};
            QCOMPARE(bytes.mid(54 + 4 * i, 4), QByteArray(entry, 4));
        }
        // The first stored row is the image's bottom row, padded with zeros.
        QCOMPARE(bytes.mid(1078, width),
            QByteArray(reinterpret_cast<const char *>(image.constScanLine(2)), width));
        QCOMPARE(bytes.mid(1078 + width, stride - width), QByteArray(stride - width, '\0'));

        QList<QRgb> palette;
        QVERIFY(platform::readBmpPalette(bytes, &palette));
        QCOMPARE(palette.mid(0, colours), image.colorTable());

        QBuffer buffer;
        buffer.setData(bytes);
        const QImage back = QImageReader(&buffer, "bmp").read();
        QCOMPARE(back.format(), QImage::Format_Indexed8);
        QVERIFY(fixtures::sameIndexes(back, image));
    }

    void completeness_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("complete");
        const QByteArray good = writtenBmp(fixtures::indexedPattern(7, 5, 4));
        QTest::newRow("whole file") << good << true;
        QTest::newRow("last row cut") << good.left(good.size() - 1) << false;
        QTest::newRow("header only") << good.left(54) << false;
        QByteArray huge = good;
        huge.replace(18, 8, QByteArray::fromHex("ffffff7fffffff7f")); // 2^31 - 1 both ways
        huge.replace(28, 2, QByteArray::fromHex("4000")); // 64 bits a pixel
        QTest::newRow("overflowing size") << huge << false;
        QByteArray topDown = good;
        topDown.replace(22, 4, QByteArray::fromHex("fbffffff")); // height -5: rows stored top-down
        QTest::newRow("top-down rows") << topDown << true;
        QByteArray runLength = good.left(100);
        runLength[30] = 1; // RLE8: not judged
        QTest::newRow("compressed") << runLength << true;
    }
    void completeness()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, complete);
        QCOMPARE(platform::QtImageCodec::bmpIsComplete(bytes), complete);
    }

    void refusesTrueColour()
    {
        QString error;
        QVERIFY(writtenBmp(fixtures::gradient(2, 2), &error).isEmpty() && !error.isEmpty());
    }

    void readPaletteRefuses_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray good = writtenBmp(fixtures::indexedPattern(4, 4, 4));
        QTest::newRow("empty") << QByteArray() << "too short";
        QTest::newRow("cut in the palette") << good.left(1000) << "too short";
        QByteArray signature = good;
        signature[0] = 'X';
        QTest::newRow("no BM") << signature << "not a BMP";
        QByteArray core = good;
        core[14] = 12;
        QTest::newRow("12-byte header") << core << "40-byte";
        QByteArray deep = good;
        deep[28] = 24;
        QTest::newRow("24 bits") << deep << "not an 8-bit";
    }
    void readPaletteRefuses()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QList<QRgb> palette{qRgb(1, 2, 3)};
        QString error;
        QVERIFY(!platform::readBmpPalette(bytes, &palette, &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QByteArray copy = bytes;
        QVERIFY(!platform::writeBmpPalette(copy, {qRgb(9, 9, 9)}, &error));
        QCOMPARE(copy, bytes);
    }

    void writePaletteChangesOnlyThePalette()
    {
        const QImage image = fixtures::indexedPattern(6, 5, 8);
        const QByteArray original = writtenBmp(image);
        QByteArray bytes = original;
        QList<QRgb> palette = image.colorTable();
        palette[2] = qRgb(255, 255, 255);
        palette[5] = qRgb(192, 192, 192);
        QVERIFY(platform::writeBmpPalette(bytes, palette));
        QCOMPARE(bytes.size(), original.size());
        QCOMPARE(bytes.left(54), original.left(54));
        QCOMPARE(bytes.mid(1078), original.mid(1078));
        QCOMPARE(bytes.mid(54 + 4 * 2, 4), QByteArray("\xff\xff\xff\x20", 4));
        QCOMPARE(bytes.mid(54 + 4 * 5, 4), QByteArray("\xc0\xc0\xc0\x20", 4));
        QCOMPARE(bytes.mid(54 + 4 * 200, 4), QByteArray("\x00\x00\x00\x20", 4)); // padding
        QList<QRgb> back;
        QVERIFY(platform::readBmpPalette(bytes, &back));
        QCOMPARE(back.mid(0, 8), palette);
    }
};

TRELLIS_TEST(TestBmpFiles)
#include "tst_bmpfiles.moc"
