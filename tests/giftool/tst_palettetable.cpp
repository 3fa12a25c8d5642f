#include "filecontents.h"
#include "giftestdata.h"
#include "giftool/core/palettetable.h"
#include "giftool/core/workingbitmap.h"
#include "testmain.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using giftool::PaletteRow;
using giftool::PaletteTable;
using giftool::WorkingBitmap;

class TestPaletteTable : public QObject
{
    Q_OBJECT
private slots:
    void combinedValue_data()
    {
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::addColumn<int>("value");
        QTest::newRow("black") << 0 << 0 << 0 << 0;
        QTest::newRow("white") << 255 << 255 << 255 << 16777215;
        QTest::newRow("light grey") << 192 << 192 << 192 << 12632256;
        QTest::newRow("one two three") << 1 << 2 << 3 << 197121;
        QTest::newRow("pure blue") << 0 << 0 << 255 << 16711680;
    }
    void combinedValue()
    {
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QFETCH(int, value);
        QCOMPARE(PaletteRow::fromRgb(red, green, blue).value, value);
        QCOMPARE(PaletteRow::fromValue(value), PaletteRow::fromRgb(red, green, blue));
    }

    void readsBlueGreenRedAt54()
    {
        QByteArray bmp = giftesting::bitmapBytes(giftesting::indexedImage(3, 2, 0));
        // Entry 7 as blue 3, green 2, red 1, with a reserved byte that must be ignored.
        bmp.replace(54 + 28, 4, "\x03\x02\x01\x7F");
        PaletteTable table;
        QString error;
        QVERIFY(table.readPaletteTable(bmp, &error));
        QCOMPARE(table.row(7), PaletteRow({1, 2, 3, 197121}));
        QCOMPARE(table.row(200), PaletteRow::fromRgb(200, 55, 100));
        QCOMPARE(table.row(255), PaletteRow::fromRgb(255, 0, 127));
    }

    void writesBlueGreenRedFillerAndNothingElse()
    {
        const QByteArray original = giftesting::bitmapBytes(giftesting::indexedImage(5, 3, 4));
        PaletteTable table;
        QVERIFY(table.readPaletteTable(original, nullptr));
        table.setRow(4, PaletteRow::fromRgb(0x11, 0x22, 0x33));
        QByteArray written = original;
        QVERIFY(table.writePaletteTable(written, nullptr));

        QCOMPARE(written.size(), original.size());
        QCOMPARE(written.left(54), original.left(54));
        QCOMPARE(written.mid(1078), original.mid(1078));
        QCOMPARE(written.mid(54 + 16, 4), QByteArray("\x33\x22\x11\x20"));
        for (int i = 0; i < 256; ++i) {
            QCOMPARE(written[54 + 4 * i + 3], char(0x20));
            if (i != 4)
                QCOMPARE(written.mid(54 + 4 * i, 3), original.mid(54 + 4 * i, 3));
        }
        PaletteTable reread;
        QVERIFY(reread.readPaletteTable(written, nullptr));
        QCOMPARE(reread.row(4), PaletteRow::fromRgb(0x11, 0x22, 0x33));
    }

    void shortFileIsAnError_data()
    {
        QTest::addColumn<int>("length");
        QTest::newRow("empty") << 0;
        QTest::newRow("headers only") << 54;
        QTest::newRow("one byte short of the palette") << 1077;
    }
    void shortFileIsAnError()
    {
        QFETCH(int, length);
        const QByteArray bmp
            = giftesting::bitmapBytes(giftesting::indexedImage(2, 2, 9)).left(length);
        PaletteTable table;
        table.setRow(0, PaletteRow::fromRgb(9, 8, 7));
        QString error;
        QVERIFY(!table.readPaletteTable(bmp, &error) && !error.isEmpty());
        QCOMPARE(table.row(0), PaletteRow::fromRgb(9, 8, 7));

        QByteArray written = bmp;
        QString writeError;
        QVERIFY(!table.writePaletteTable(written, &writeError) && !writeError.isEmpty());
        QCOMPARE(written, bmp);
    }

    void writeRefusedWherePixelsFollowASmallPalette()
    {
        // A 16-color bitmap keeps its pixels at 118: a full palette would overwrite them.
        QByteArray bmp = giftesting::bitmapBytes(giftesting::indexedImage(40, 40, 1));
        qToLittleEndian<quint32>(118, bmp.data() + 10);
        const QByteArray before = bmp;
        PaletteTable table;
        QString error;
        QVERIFY(!table.writePaletteTable(bmp, &error) && !error.isEmpty());
        QCOMPARE(bmp, before);
    }

    void remapPixelsKeepsRowPadding_data()
    {
        QTest::addColumn<bool>("topDown");
        QTest::newRow("bottom-up") << false;
        QTest::newRow("top-down") << true;
    }
    void remapPixelsKeepsRowPadding()
    {
        QFETCH(bool, topDown);
        // 5 pixels per row: 3 padding bytes, which hold index-like values that must not move.
        QImage picture = giftesting::indexedImage(5, 3, 1);
        picture.setPixel(0, 0, 3), picture.setPixel(4, 2, 4), picture.setPixel(2, 1, 5);
        QByteArray bmp = giftesting::bitmapBytes(picture);
        if (topDown)
            qToLittleEndian<qint32>(-3, bmp.data() + 22);
        for (int row = 0; row < 3; ++row)
            bmp.replace(1078 + row * 8 + 5, 3, QByteArray(3, 3));

        QByteArray expected = bmp;
        for (int i = 1078; i < bmp.size(); ++i) {
            const bool padding = (i - 1078) % 8 >= 5;
            if (!padding && (bmp[i] == 3 || bmp[i] == 4))
                expected[i] = 9;
        }
        QVERIFY(WorkingBitmap::remapPixels(bmp, {3, 4}, 9, nullptr));
        QCOMPARE(bmp, expected);
        QCOMPARE(bmp.mid(1078).count(char(9)), 2);
    }

    void remapPixelsRefusesOtherBitmaps_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("truncateTo");
        QTest::newRow("24 bits per pixel") << 28 << 24 << -1;
        QTest::newRow("run-length compressed") << 30 << 1 << -1;
        QTest::newRow("zero width") << 18 << 0 << -1;
        QTest::newRow("rows beyond the end") << 22 << 50 << -1;
        QTest::newRow("truncated pixels") << 0 << int('B') << 1080;
        QTest::newRow("not a bitmap") << 0 << int('X') << -1;
    }
    void remapPixelsRefusesOtherBitmaps()
    {
        QFETCH(int, offset);
        QFETCH(int, value);
        QFETCH(int, truncateTo);
        QByteArray bmp = giftesting::bitmapBytes(giftesting::indexedImage(4, 4, 3));
        bmp[offset] = char(value);
        if (truncateTo >= 0)
            bmp.truncate(truncateTo);
        const QByteArray before = bmp;
        QString error;
        QVERIFY(!WorkingBitmap::remapPixels(bmp, {3}, 7, &error) && !error.isEmpty());
        QCOMPARE(bmp, before);
    }

    void rewriteReplacesPaletteAndPixelsOnDisk()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("TEMP.BMP"));
        QImage picture = giftesting::indexedImage(6, 2, 3);
        picture.setPixel(1, 1, 4), picture.setPixel(5, 0, 8);

        WorkingBitmap bitmap(path);
        QString error;
        QVERIFY2(bitmap.write(picture, &error), qPrintable(error));
        const QByteArray written = testsupport::readAll(path);
        QCOMPARE(QImage::fromData(written, "BMP"), picture);
        PaletteTable table;
        QVERIFY(table.readPaletteTable(written, nullptr));
        table.setRow(3, PaletteRow::fromRgb(255, 255, 255));
        table.setRow(4, PaletteRow::fromRgb(255, 255, 255));
        QVERIFY(bitmap.rewrite(table, {3, 4}, 3, nullptr));

        const QByteArray rewritten = testsupport::readAll(path);
        const QImage reloaded = QImage::fromData(rewritten, "BMP");
        QCOMPARE(reloaded.format(), QImage::Format_Indexed8);
        QCOMPARE(QList<int>({reloaded.pixelIndex(1, 1), reloaded.pixelIndex(0, 0),
                     reloaded.pixelIndex(5, 0)}),
            QList<int>({3, 3, 8}));
        QCOMPARE(reloaded.color(4), qRgb(255, 255, 255));
        QCOMPARE(reloaded.color(8), picture.color(8));
        // Only the palette and the pixels changed: headers and row padding are as written.
        QCOMPARE(rewritten.size(), written.size());
        QCOMPARE(rewritten.left(54), written.left(54));
        QCOMPARE(rewritten.mid(54 + 4 * 4, 4), QByteArray("\xFF\xFF\xFF\x20", 4));
    }

    void aWorkingBitmapThatCannotBeWrittenIsAnError()
    {
        QTemporaryDir dir;
        WorkingBitmap missing(dir.filePath(QStringLiteral("gone/TEMP.BMP")));
        QString writeError, rewriteError;
        QVERIFY(!missing.write(giftesting::indexedImage(4, 4, 1), &writeError));
        QVERIFY(writeError.startsWith(QStringLiteral("Cannot write \"%1\": ").arg(missing.path())));
        PaletteTable table;
        QVERIFY(!missing.rewrite(table, {0}, 0, &rewriteError) && !rewriteError.isEmpty());
        QVERIFY(!QFile::exists(missing.path()));

        // A true-color picture is no working bitmap; nothing is written.
        WorkingBitmap rgbBitmap(dir.filePath(QStringLiteral("rgb.bmp")));
        QImage rgb(4, 4, QImage::Format_RGB32);
        rgb.fill(Qt::red);
        QString error;
        QVERIFY(!rgbBitmap.write(rgb, &error));
        QVERIFY(error.endsWith(QStringLiteral("Only palette images can be written as 8-bit BMP.")));
        QVERIFY(!QFile::exists(rgbBitmap.path()));
        QVERIFY(giftool::asWorkingPicture(rgb).isNull());
    }
};

TRELLIS_TEST(TestPaletteTable)
#include "tst_palettetable.moc"
