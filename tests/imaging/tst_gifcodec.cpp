#include "imagefixtures.h"
#include "platform/imaging/gifcodec.h"
#include "testmain.h"

#include <QRandomGenerator>
#include <QTest>

using platform::GifCodec;

namespace {

// A picture of the given size whose indexes come from `pick`.
template <typename Pick> QImage pictureOf(QSize size, int colours, Pick pick)
{
    QImage image(size, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colours; ++i)
        table << qRgb(i, 255 - i, (i * 7) % 256);
    image.setColorTable(table);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, uint(pick(x, y)));
    return image;
}

QByteArray writtenGif(
    const QImage &image, QString *error = nullptr, const platform::GifImageData *ready = nullptr)
{
    QString reason;
    const QByteArray bytes = fixtures::writtenBy(
        [&](QIODevice &device) { return GifCodec::write(device, image, &reason, ready); });
    if (error)
        *error = reason;
    return bytes;
}

} // namespace

class TestGifCodec : public QObject
{
    Q_OBJECT
private slots:
    void readsGiflibsFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("colours");
        QTest::addColumn<int>("tableSize");
        // The pattern-89a files have a comment and a control block marking index 3 transparent;
        // the local table's files have another colour, (1, 2, 3), throughout the global one.
        const QSize large(23, 19), small(11, 7);
        QTest::newRow("plain with extensions") << "pattern-89a.gif" << large << 200 << 256;
        QTest::newRow("interlaced") << "pattern-89a-interlaced.gif" << large << 200 << 256;
        QTest::newRow("local colour table") << "pattern-89a-local.gif" << large << 200 << 256;
        QTest::newRow("interlaced with local table")
            << "pattern-89a-interlaced-local.gif" << large << 200 << 256;
        QTest::newRow("2 colours") << "colours2.gif" << small << 2 << 2;
        QTest::newRow("3 in a table of 4") << "colours3.gif" << small << 3 << 4;
        QTest::newRow("16 colours") << "colours16.gif" << small << 16 << 16;
    }
    void readsGiflibsFiles()
    {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QFETCH(int, colours);
        QFETCH(int, tableSize);
        const QImage source = fixtures::indexedPattern(size.width(), size.height(), colours);
        const platform::DecodedImage decoded = GifCodec::read(fixtures::imagingData(file));
        QVERIFY2(decoded.ok(), qPrintable(decoded.error));
        QVERIFY(fixtures::sameIndexes(decoded.image, source));
        // The table as stored, every colour opaque: a transparent index is not applied.
        QCOMPARE(decoded.image.colorTable(),
            source.colorTable() + QList<QRgb>(tableSize - colours, qRgb(0, 0, 0)));
    }

    void frameOnALargerScreen()
    {
        const QImage frame = fixtures::indexedPattern(4, 3, 4);
        // A 4 x 3 frame at 5,2 of a 10 x 8 screen whose background is index 3.
        const platform::DecodedImage decoded
            = GifCodec::read(fixtures::imagingData(QStringLiteral("frame-on-screen.gif")));
        QVERIFY2(decoded.ok(), qPrintable(decoded.error));
        QCOMPARE(decoded.image.size(), QSize(10, 8));
        QCOMPARE(decoded.image.pixelIndex(0, 0), 3); // the screen's background index
        QCOMPARE(decoded.image.pixelIndex(9, 7), 3);
        QCOMPARE(decoded.image.pixelIndex(5, 2), frame.pixelIndex(0, 0));
        QCOMPARE(decoded.image.pixelIndex(8, 4), frame.pixelIndex(3, 2));
    }

    void frameReachingBeyondTheScreenGrowsTheImage()
    {
        // A 6 x 6 frame at 2,1 of a 4 x 4 screen.
        const platform::DecodedImage decoded
            = GifCodec::read(fixtures::imagingData(QStringLiteral("frame-beyond-screen.gif")));
        QVERIFY2(decoded.ok(), qPrintable(decoded.error));
        QCOMPARE(decoded.image.size(), QSize(8, 7));
    }

    void refusesDamagedFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("reason");
        const QByteArray good = writtenGif(fixtures::indexedPattern(40, 30, 16));
        QTest::newRow("empty") << QByteArray() << "not a GIF";
        QTest::newRow("other signature") << QByteArray("GIF90a") + good.mid(6) << "not a GIF";
        QTest::newRow("cut in the screen descriptor") << good.left(9) << "ends early";
        QTest::newRow("cut in the colour table") << good.left(400) << "ends early";
        QTest::newRow("cut in the image data") << good.left(good.size() / 2) << "";
        QByteArray trailerOnly = good.left(781);
        trailerOnly.append(';');
        QTest::newRow("no image") << trailerOnly << "contains no image";
        QByteArray noTable = good;
        noTable[10] = char(0x70); // global table flag off, and the image has none
        QTest::newRow("no colour table")
            << noTable.left(13) + noTable.mid(781) << "no colour table";
        QByteArray stray = good.left(781);
        stray.append(char(0x99));
        QTest::newRow("unknown block") << stray << "damaged";
        QByteArray huge = good;
        huge.replace(786, 4, "\xFF\xFF\xFF\xFF");
        QTest::newRow("frame of 65535 x 65535") << huge << "too large";
        QByteArray empty = good;
        empty.replace(786, 2, QByteArray(2, 0));
        QTest::newRow("frame without pixels") << empty << "no pixels";
        QByteArray farOut = good; // the frame starts at column 65531 and is 40 wide
        farOut.replace(782, 2, "\xFB\xFF");
        QTest::newRow("frame past column 65535") << farOut << "beyond the 65535";
        QByteArray damagedCode = good;
        damagedCode[791] = 12; // LZW code size beyond what GIF allows
        QTest::newRow("bad code size") << damagedCode << "";
    }
    void refusesDamagedFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, reason);
        const platform::DecodedImage decoded = GifCodec::read(file);
        QVERIFY(!decoded.ok() && !decoded.error.isEmpty());
        QVERIFY2(decoded.error.contains(reason), qPrintable(decoded.error));
    }

    void everyTruncationIsAnErrorNotACrash()
    {
        const QByteArray bytes
            = fixtures::imagingData(QStringLiteral("pattern-89a-interlaced-local.gif"));
        // The last byte is the trailer, which the reader does not need.
        for (int length = 0; length < bytes.size() - 1; ++length) {
            const platform::DecodedImage decoded = GifCodec::read(bytes.left(length));
            QVERIFY2(!decoded.ok(), qPrintable(QString::number(length)));
        }
    }

    void writeRefuses_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::newRow("true colour") << fixtures::gradient(3, 3);
        QImage wide(65536, 1, QImage::Format_Indexed8);
        wide.setColorCount(2);
        wide.fill(1);
        QTest::newRow("wider than 65535") << wide;
    }
    void writeRefuses()
    {
        QFETCH(QImage, image);
        QString error;
        QVERIFY(writtenGif(image, &error).isEmpty() && !error.isEmpty());
    }

    void screenBytes_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("packed");
        QTest::addColumn<int>("aspect");
        QTest::newRow("gif89a") << QByteArray::fromHex("4749463839610a000a00b3002a") << true << 0xB3
                                << 0x2A;
        QTest::newRow("too short")
            << QByteArray("GIF89a\x01\x00\x01\x00\x91\x00", 12) << false << 0 << 0;
        QTest::newRow("not a GIF") << QByteArray("BM") + QByteArray(20, '\0') << false << 0 << 0;
    }
    void screenBytes()
    {
        QFETCH(QByteArray, head);
        QFETCH(bool, ok);
        QFETCH(int, packed);
        QFETCH(int, aspect);
        quint8 packedFields = 0, aspectRatio = 0;
        QCOMPARE(GifCodec::screenBytes(head, &packedFields, &aspectRatio), ok);
        QCOMPARE(int(packedFields), packed);
        QCOMPARE(int(aspectRatio), aspect);
    }

    // Our LZW encoder makes exactly giflib's bytes: the same codes, widths and clear codes.
    void writesGiflibsBytes_data()
    {
        QTest::addColumn<QImage>("picture");
        QRandomGenerator random(17);
        QTest::newRow("one pixel") << pictureOf(QSize(1, 1), 2, [](int, int) { return 1; });
        QTest::newRow("two by three")
            << pictureOf(QSize(2, 3), 4, [](int x, int y) { return x + y; });
        QTest::newRow("noise of 256 colours") << pictureOf(
            QSize(300, 200), 256, [&random](int, int) { return int(random.bounded(256)); });
        QTest::newRow("noise of 3 colours, many clear codes") << pictureOf(
            QSize(1500, 900), 3, [&random](int, int) { return int(random.bounded(3)); });
        QTest::newRow("checkerboard")
            << pictureOf(QSize(640, 480), 2, [](int x, int y) { return (x / 3 + y / 5) % 2; });
        QTest::newRow("gradient") << pictureOf(
            QSize(1000, 700), 256, [](int x, int y) { return (x + 2 * y) / 11 % 256; });
        QTest::newRow("flat") << pictureOf(QSize(2000, 1000), 1, [](int, int) { return 0; });
        QTest::newRow("a long thin line")
            << pictureOf(QSize(65535, 1), 256, [](int x, int) { return x * 31 % 256; });
    }

    void writesGiflibsBytes()
    {
        QFETCH(QImage, picture);
        const QByteArray ours = writtenGif(picture), theirs = fixtures::gifByGiflib(picture);
        QCOMPARE(ours.size(), theirs.size());
        QVERIFY(ours == theirs);
        // Image data made ahead in uneven pieces of rows is taken as it is, to the same bytes.
        platform::GifImageData ready;
        ready.begin();
        for (int first = 0, piece = 1; first < picture.height(); first += piece, piece += 2)
            ready.addRows(picture, first, std::min(first + piece, picture.height()));
        ready.finish(picture);
        QVERIFY(ready.matches(picture));
        QVERIFY(writtenGif(picture, nullptr, &ready) == theirs);
        // And giflib's decoder reads our file back to the same indexes.
        const platform::DecodedImage read = platform::GifCodec::read(ours);
        QVERIFY(read.ok() && fixtures::sameIndexes(read.image, picture));
    }

    // Image data made for a picture is not taken for the picture once it has changed.
    void readyImageDataStandsForTheUnchangedPictureOnly()
    {
        QImage picture = pictureOf(QSize(40, 30), 4, [](int x, int y) { return (x + y) % 4; });
        platform::GifImageData ready;
        ready.begin();
        ready.addRows(picture, 0, picture.height());
        ready.finish(picture);
        const QImage copy = picture;
        QVERIFY(ready.matches(copy));
        picture.setPixel(5, 5, 3);
        QVERIFY(!ready.matches(picture));
        QVERIFY(writtenGif(picture, nullptr, &ready) == fixtures::gifByGiflib(picture));
        ready.clear();
        QVERIFY(!ready.matches(copy));
    }
};

TRELLIS_TEST(TestGifCodec)
#include "tst_gifcodec.moc"
