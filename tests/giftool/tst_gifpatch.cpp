#include "giftestdata.h"
#include "giftool/core/gifpatch.h"
#include "testmain.h"

#include <QTest>

using giftool::GifPatchValues;

namespace {

GifPatchValues selectedValues(int index = 5)
{
    GifPatchValues values;
    values.imageWidth = 300;
    values.imageHeight = 0x1234;
    values.sourcePacked = 0xF7;
    values.sourceAspect = 49;
    values.transparentIndex = index;
    values.backgroundSelected = true;
    return values;
}

} // namespace

class TestGifPatch : public QObject
{
    Q_OBJECT
private slots:
    void insertsBlockBeforeImageDescriptor_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("finalLength");
        // The tail from 781 on moves up 8 bytes, and spaces pad it to whole 8-byte steps.
        QTest::newRow("1000 bytes") << 1000 << 1013;
        QTest::newRow("2000 bytes") << 2000 << 2013;
        QTest::newRow("multiple of 8 past 781 pads 8") << 781 + 64 << 781 + 64 + 16;
        QTest::newRow("one byte past a multiple of 8") << 790 << 805;
    }
    void insertsBlockBeforeImageDescriptor()
    {
        QFETCH(int, length);
        QFETCH(int, finalLength);
        const QByteArray original = giftesting::componentGif(length);
        QCOMPARE(original.size(), length);
        QByteArray gif = original;
        QString error;
        QVERIFY2(giftool::patchTransparentGif(gif, selectedValues(), &error), qPrintable(error));

        QCOMPARE(gif.size(), finalLength);
        QCOMPARE(gif.left(13), QByteArray("GIF89a\x2C\x01\x34\x12\xF7\x05\x31", 13));
        QCOMPARE(gif.mid(13, 768), original.mid(13, 768));
        QCOMPARE(gif.mid(781, 8), QByteArray("\x21\xF9\x04\x01\x00\x00\x05\x00", 8));
        QCOMPARE(gif.mid(789, length - 781), original.mid(781));
        QCOMPARE(gif[789], char(0x2C));
        const qsizetype pad = finalLength - length - 8;
        QVERIFY(pad >= 1 && pad <= 8);
        QCOMPARE(gif.right(pad), QByteArray(pad, ' '));
        QCOMPARE(gif[gif.size() - pad - 1], char(0x3B));
    }

    void overwritesGraphicControlExtensionInPlace()
    {
        const QByteArray existing("\x21\xF9\x04\x09\x64\x00\x07\x00", 8);
        const QByteArray original = giftesting::componentGif(1200, existing + '\x2C');
        QByteArray gif = original;
        QVERIFY(giftool::patchTransparentGif(gif, selectedValues(200), nullptr));
        QCOMPARE(gif.size(), original.size());
        QCOMPARE(gif.left(6), QByteArray("GIF89a"));
        QCOMPARE(gif[11], char(200));
        QCOMPARE(gif.mid(781, 8), QByteArray("\x21\xF9\x04\x01\x00\x00\xC8\x00", 8));
        QCOMPARE(gif.mid(789), original.mid(789));
    }

    void insertsBlockBeforeOtherExtensions_data()
    {
        QTest::addColumn<QByteArray>("extension");
        QTest::newRow("comment") << QByteArray("\x21\xFE\x05hello\x00\x2C", 10);
        QTest::newRow("application") << QByteArray("\x21\xFF\x0B"
                                                   "NETSCAPE2.0\x03\x01\x00\x00\x00\x2C",
            20);
        QTest::newRow("graphic control label, wrong size")
            << QByteArray("\x21\xF9\x05\x01\x00\x00\x00\x00\x00\x2C", 10);
    }
    void insertsBlockBeforeOtherExtensions()
    {
        QFETCH(QByteArray, extension);
        const QByteArray original = giftesting::componentGif(1000, extension);
        QByteArray gif = original;
        QVERIFY(giftool::patchTransparentGif(gif, selectedValues(), nullptr));
        QCOMPARE(gif.size(), 1013);
        QCOMPARE(gif.left(6), QByteArray("GIF89a"));
        QCOMPARE(gif.mid(781, 8), QByteArray("\x21\xF9\x04\x01\x00\x00\x05\x00", 8));
        QCOMPARE(gif.mid(789, extension.size()), extension);
        QCOMPARE(gif.mid(789, 1000 - 781), original.mid(781));
        QCOMPARE(gif.right(5), QByteArray(5, ' '));
    }

    void otherByteChangesOnlyTheHeader()
    {
        // A trailer directly after the color table: nothing to mark.
        const QByteArray original = giftesting::componentGif(782, QByteArray());
        QCOMPARE(original[781], char(0x3B));
        QByteArray gif = original;
        QVERIFY(giftool::patchTransparentGif(gif, selectedValues(), nullptr));
        QCOMPARE(gif.size(), original.size());
        QCOMPARE(gif.left(6), QByteArray("GIF87a"));
        QCOMPARE(gif.mid(6, 7), QByteArray("\x2C\x01\x34\x12\xF7\x05\x31", 7));
        QCOMPARE(gif.mid(13), original.mid(13));
    }

    void packedByte_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("written");
        QTest::newRow("0xF7 stays") << 0xF7 << 0xF7;
        QTest::newRow("0xB3") << 0xB3 << 0xB7;
        QTest::newRow("0x91") << 0x91 << 0x97;
        QTest::newRow("no GIF opened") << 0x00 << 0x87;
        QTest::newRow("no table, resolution bits") << 0x70 << 0x87;
        QTest::newRow("sort bit kept") << 0x88 << 0x8F;
    }
    void packedByte()
    {
        QFETCH(int, source);
        QFETCH(int, written);
        QCOMPARE(int(giftool::packedForSave(quint8(source))), written);
        GifPatchValues values = selectedValues();
        values.sourcePacked = quint8(source);
        QByteArray gif = giftesting::componentGif(1000);
        QVERIFY(giftool::patchTransparentGif(gif, values, nullptr));
        QCOMPARE(int(uchar(gif[10])), written);
    }

    // Before any click nothing is selected; after a must-convert click the index is known but
    // no background is selected. Either way the flag stays off and the index is written.
    void withoutASelectedBackgroundTheFlagStaysOff_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("packed");
        QTest::addColumn<QByteArray>("screen");
        QTest::addColumn<QByteArray>("block");
        QTest::newRow("before any click") << 999 << 0 << QByteArray("\x87\x00\x00", 3)
                                          << QByteArray("\x21\xF9\x04\x00\x00\x00\x00\x00", 8);
        QTest::newRow("must convert") << 3 << 0xF7 << QByteArray("\xF7\x03\x31", 3)
                                      << QByteArray("\x21\xF9\x04\x00\x00\x00\x03\x00", 8);
    }
    void withoutASelectedBackgroundTheFlagStaysOff()
    {
        QFETCH(int, index);
        QFETCH(int, packed);
        QFETCH(QByteArray, screen);
        QFETCH(QByteArray, block);
        GifPatchValues values = selectedValues(index);
        values.backgroundSelected = false;
        values.sourcePacked = quint8(packed);
        values.sourceAspect = packed == 0 ? 0 : 49;
        QByteArray gif = giftesting::componentGif(1000);
        QVERIFY(giftool::patchTransparentGif(gif, values, nullptr));
        QCOMPARE(gif.mid(10, 3), screen);
        QCOMPARE(gif.mid(781, 8), block);
    }

    void refusesWhatItCannotPatch_data()
    {
        QTest::addColumn<QByteArray>("gif");
        QTest::addColumn<int>("width");
        const QByteArray good = giftesting::componentGif(1000);
        QByteArray smallTable = good;
        smallTable[10] = char(0xF1);
        QByteArray noTable = good;
        noTable[10] = 0x77;
        QByteArray notGif = good;
        notGif[0] = 'X';
        QTest::newRow("empty") << QByteArray() << 10;
        QTest::newRow("header only") << good.left(13) << 10;
        QTest::newRow("color table cut short") << good.left(700) << 10;
        QTest::newRow("table ends at 781, no data") << good.left(781) << 10;
        QTest::newRow("4-entry table") << smallTable << 10;
        QTest::newRow("no global table") << noTable << 10;
        QTest::newRow("not a GIF") << notGif << 10;
        QTest::newRow("too wide for a GIF") << good << 70000;
    }
    void refusesWhatItCannotPatch()
    {
        QFETCH(QByteArray, gif);
        QFETCH(int, width);
        GifPatchValues values = selectedValues();
        values.imageWidth = width;
        const QByteArray before = gif;
        QString error;
        QVERIFY(!giftool::patchTransparentGif(gif, values, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(gif, before);
    }
};

TRELLIS_TEST(TestGifPatch)
#include "tst_gifpatch.moc"
