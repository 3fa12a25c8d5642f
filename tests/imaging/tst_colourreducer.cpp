#include "imagefixtures.h"
#include "platform/imaging/colourreducer.h"
#include "platform/imaging/flatareamask.h"
#include "platform/imaging/lzwencoder.h"
#include "platform/imaging/palettemapper.h"
#include "platform/imaging/remapper.h"
#include "testmain.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>
#include <numeric>

using platform::ColourReducer;

namespace {

// Draws a mask from text rows: '#' one colour, '.' another, so flat areas are easy to picture.
QImage fromRows(const QStringList &rows)
{
    QImage image(int(rows[0].size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, rows[y][x] == u'#' ? qRgb(200, 10, 10) : qRgb(10, 10, 200));
    return image;
}

QStringList maskRows(const QImage &image)
{
    platform::FlatAreaMask mask(image);
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        const uchar *flat = mask.row(y);
        QString row;
        for (int x = 0; x < image.width(); ++x)
            row += flat[x] ? u'F' : u'-';
        rows.append(row);
    }
    return rows;
}

int bruteForceNearest(const QList<QRgb> &palette, QRgb colour)
{
    int best = 0, bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(colour), dg = qGreen(palette[i]) - qGreen(colour),
                  db = qBlue(palette[i]) - qBlue(colour);
        if (dr * dr + dg * dg + db * db < bestDistance) {
            bestDistance = dr * dr + dg * dg + db * db;
            best = i;
        }
    }
    return best;
}

QList<QRgb> randomPalette(QRandomGenerator &random, int entries)
{
    QList<QRgb> palette;
    for (int i = 0; i < entries; ++i)
        palette.append(random.generate() | 0xFF000000u);
    return palette;
}

// A photograph on a large flat background, as the GIF tool's users bring them.
QImage photoOnBackground(QRgb background)
{
    const QImage photo(fixtures::dataFile(QStringLiteral("chelsea.png")));
    QImage canvas(photo.width() + 200, photo.height() + 120, QImage::Format_RGB32);
    canvas.fill(background);
    QPainter painter(&canvas);
    painter.drawImage(100, 60, photo);
    return canvas;
}

} // namespace

class TestColourReducer : public QObject
{
    Q_OBJECT
private slots:
    void fewColoursConvertExactly()
    {
        QImage image(4, 2, QImage::Format_RGB32);
        const QRgb a = qRgb(10, 20, 30), b = qRgb(255, 0, 0), c = qRgb(0, 0, 0);
        const QRgb pixels[8] = {a, b, b, c, c, a, b, a};
        for (int i = 0; i < 8; ++i)
            image.setPixel(i % 4, i / 4, pixels[i]);
        QString error;
        QVERIFY(ColourReducer::toPalette256(image, &error));
        QCOMPARE(image.format(), QImage::Format_Indexed8);
        QCOMPARE(image.colorCount(), 256);
        // One entry per colour, in the order the colours first appear, then black.
        QCOMPARE(image.colorTable().mid(0, 3), (QList<QRgb>{a, b, c}));
        QCOMPARE(image.color(3), qRgb(0, 0, 0));
        const int indexes[8] = {0, 1, 1, 2, 2, 0, 1, 0};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(image.pixelIndex(i % 4, i / 4), indexes[i]);
    }

    void exactOrQuantized_data()
    {
        QTest::addColumn<int>("colours");
        QTest::addColumn<bool>("exact");
        QTest::newRow("256 colours: exact") << 256 << true;
        QTest::newRow("257 colours: quantized") << 257 << false;
        QTest::newRow("5000 colours: quantized") << 5000 << false;
    }
    void exactOrQuantized()
    {
        QFETCH(int, colours);
        QFETCH(bool, exact);
        QImage image(100, 60, QImage::Format_RGB32);
        for (int i = 0; i < 6000; ++i)
            image.setPixel(
                i % 100, i / 100, qRgb((i % colours) % 256, (i % colours) / 256 * 13, 77));
        const QImage original = image;
        QString error;
        QVERIFY(ColourReducer::toPalette256(image, &error));
        QCOMPARE(image.format(), QImage::Format_Indexed8);
        QCOMPARE(image.colorCount(), 256);
        int maxDifference = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb a = original.pixel(x, y), b = image.pixel(x, y);
                maxDifference = std::max({maxDifference, std::abs(qRed(a) - qRed(b)),
                    std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
            }
        if (exact)
            QCOMPARE(maxDifference, 0);
        else
            QVERIFY2(maxDifference > 0 && maxDifference < 64,
                qPrintable(QString::number(maxDifference)));
    }

    void paletteImageKeepsIndexes()
    {
        QImage image = fixtures::indexedPattern(30, 10, 16);
        const QImage original = image;
        QString error;
        QVERIFY(ColourReducer::toPalette256(image, &error));
        QVERIFY(fixtures::sameIndexes(image, original));
        QCOMPARE(image.colorCount(), 256);
        QCOMPARE(image.colorTable().mid(0, 16), original.colorTable());
        QCOMPARE(image.colorTable().mid(16), QList<QRgb>(240, qRgb(0, 0, 0)));
    }

    void translucentPixelsLieOnWhite()
    {
        QImage image(2, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, qRgba(0, 0, 0, 0));
        image.setPixel(1, 0, qRgba(255, 0, 0, 128));
        QString error;
        QVERIFY(ColourReducer::toPalette256(image, &error));
        QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(1, 0), qRgb(255, 127, 127));
    }

    void distinctColoursStopAfterTheLimit()
    {
        const QImage image = fixtures::gradient(64, 64);
        QCOMPARE(ColourReducer::distinctColours(image, 10).size(), 11);
        QCOMPARE(ColourReducer::distinctColours(image, 0).size(), 1);
        QImage flat(8, 8, QImage::Format_RGB32);
        flat.fill(qRgb(1, 2, 3));
        QCOMPARE(ColourReducer::distinctColours(flat, 256), QList<QRgb>{qRgb(1, 2, 3)});
    }

    void flatBackgroundStaysOnOneIndex_data()
    {
        QTest::addColumn<QRgb>("background");
        QTest::addColumn<float>("dithering");
        QTest::newRow("blue, default dithering")
            << qRgb(37, 120, 200) << ColourReducer::defaultSettings().dithering;
        QTest::newRow("white, full dithering") << qRgb(255, 255, 255) << 1.0f;
        QTest::newRow("olive, full dithering") << qRgb(120, 118, 40) << 1.0f;
    }
    void flatBackgroundStaysOnOneIndex()
    {
        QFETCH(QRgb, background);
        QFETCH(float, dithering);
        QImage image = photoOnBackground(background);
        QVERIFY(!image.isNull());
        QString error;
        QVERIFY(ColourReducer::toPalette256(
            image, {ColourReducer::defaultSettings().speed, dithering}, &error));
        QSet<int> backgroundIndexes;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (x < 100 || x >= image.width() - 100 || y < 60 || y >= image.height() - 60)
                    backgroundIndexes.insert(image.pixelIndex(x, y));
        QCOMPARE(backgroundIndexes.size(), 1);
        const QRgb chosen = image.color(*backgroundIndexes.begin());
        QVERIFY(std::max({std::abs(qRed(chosen) - qRed(background)),
                    std::abs(qGreen(chosen) - qGreen(background)),
                    std::abs(qBlue(chosen) - qBlue(background))})
            <= 8);
        // The photograph itself is still dithered: it uses many entries.
        QSet<int> photoIndexes;
        for (int x = 100; x < image.width() - 100; ++x)
            photoIndexes.insert(image.pixelIndex(x, image.height() / 2));
        QVERIFY(photoIndexes.size() > 40);
    }

    void flatAreaMask_data()
    {
        QTest::addColumn<QStringList>("image");
        QTest::addColumn<QStringList>("flat");
        QTest::newRow("a 3x3 block and the same colour beside it")
            << QStringList{"#.#.#.#", ".#####.", "#.###.#", ".#####.", "#.#.#.#"}
            << QStringList{"--F-F--", "-FFFFF-", "--FFF--", "-FFFFF-", "--F-F--"};
        QTest::newRow("background with a one-pixel gap") << QStringList{"......", "......",
            "##.###", "......"} << QStringList{"FFFFFF", "FFFFFF", "--F---", "------"};
        QTest::newRow("no block: nothing flat")
            << QStringList{"#.#.", ".#.#", "#.#."} << QStringList{"----", "----", "----"};
        QTest::newRow("blocks clipped at the edges") << QStringList{"##.#", "##.#", "....", "#.#."}
                                                     << QStringList{"FF--", "FF--", "----", "----"};
        QTest::newRow("single row, runs of three")
            << QStringList{"###..#.."} << QStringList{"FFF---FF"};
        QTest::newRow("single pixel") << QStringList{"#"} << QStringList{"F"};
    }
    void flatAreaMask()
    {
        QFETCH(QStringList, image);
        QFETCH(QStringList, flat);
        QCOMPARE(maskRows(fromRows(image)), flat);
        QCOMPARE(maskRows(fromRows(image).convertToFormat(QImage::Format_RGBX8888)), flat);
    }

    void paletteMapperIsExact_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<quint32>("seed");
        QTest::newRow("one entry") << 1 << 1u;
        QTest::newRow("two entries") << 2 << 2u;
        QTest::newRow("16 entries") << 16 << 3u;
        QTest::newRow("256 entries") << 256 << 4u;
        QTest::newRow("256 clustered entries") << 256 << 5u;
    }
    void paletteMapperIsExact()
    {
        QFETCH(int, entries);
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        const bool clustered = seed == 5;
        QList<QRgb> palette = clustered ? QList<QRgb>() : randomPalette(random, entries);
        for (int i = 0; clustered && i < entries; ++i)
            palette << qRgb(
                100 + random.bounded(20), 40 + random.bounded(20), 200 + random.bounded(20));
        platform::PaletteMapper mapper(palette);
        for (int i = 0; i < 20000; ++i) {
            const QRgb colour = random.generate() | 0xFF000000u;
            QCOMPARE(int(mapper.nearest(qRed(colour), qGreen(colour), qBlue(colour))),
                bruteForceNearest(palette, colour));
        }
    }

    void paletteMapperPrefersTheLowestOfEqualEntries()
    {
        platform::PaletteMapper mapper({qRgb(9, 9, 9), qRgb(50, 50, 50), qRgb(50, 50, 50)});
        QCOMPARE(int(mapper.nearest(48, 50, 52)), 1);
        QCOMPARE(int(mapper.nearestInBlock(48, 50, 52)), 1);
    }

    void blockSearchIsNearTheExactAnswer()
    {
        QRandomGenerator random(7);
        const QList<QRgb> palette = randomPalette(random, 256);
        platform::PaletteMapper mapper(palette);
        const auto distance = [&palette](int index, QRgb c) {
            const QRgb p = palette[index];
            return std::hypot(qRed(p) - qRed(c), qGreen(p) - qGreen(c), qBlue(p) - qBlue(c));
        };
        for (int i = 0; i < 5000; ++i) {
            const QRgb c = random.generate();
            const double exact = distance(mapper.nearest(qRed(c), qGreen(c), qBlue(c)), c);
            const double block = distance(mapper.nearestInBlock(qRed(c), qGreen(c), qBlue(c)), c);
            // The block's centre is at most sqrt(3 * 2 * 2) away; the answer at most twice that.
            QVERIFY(block <= exact + 2 * std::sqrt(12.0) + 1e-9);
        }
    }

    void remapWithoutDitheringIsNearestColour()
    {
        const QImage image = fixtures::gradient(40, 30);
        const QList<QRgb> palette{
            qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
        const QImage mapped = platform::Remapper::remap(image, palette, 0.0f);
        QCOMPARE(mapped.colorTable(), palette);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QCOMPARE(mapped.pixelIndex(x, y), bruteForceNearest(palette, image.pixel(x, y)));
    }

    void ditheringKeepsTheAverageColour()
    {
        // Greys 126 to 130 in equal parts, never three alike in a row (so no flat area): nearest
        // colour turns 126 and 127 black and the rest white, error diffusion keeps the mean.
        QImage image(60, 60, QImage::Format_RGB32);
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x) {
                const int level = 126 + (x + 2 * y) % 5;
                image.setPixel(x, y, qRgb(level, level, level));
            }
        const QList<QRgb> palette{qRgb(0, 0, 0), qRgb(255, 255, 255)};
        const auto mean = [](const QImage &mapped) {
            double sum = 0;
            for (int y = 0; y < mapped.height(); ++y)
                for (int x = 0; x < mapped.width(); ++x)
                    sum += qRed(mapped.pixel(x, y));
            return sum / (mapped.width() * mapped.height());
        };
        const double plain = mean(platform::Remapper::remap(image, palette, 0.0f));
        const double dithered = mean(platform::Remapper::remap(image, palette, 1.0f));
        const double half = mean(platform::Remapper::remap(image, palette, 0.5f));
        QCOMPARE(plain, 0.6 * 255);
        QVERIFY2(std::abs(dithered - 128) < 4 && std::abs(half - 128) < 10,
            qPrintable(QStringLiteral("%1, %2").arg(dithered).arg(half)));
    }

    void tallImagesAreMappedInBandsWithoutSeams()
    {
        // Tall enough for several bands: a flat stripe running through all of them keeps one
        // index, and the result does not depend on how the bands were scheduled.
        QImage image = fixtures::gradient(40, 3000);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 10; x < 20; ++x)
                image.setPixel(x, y, qRgb(90, 160, 30));
        QRandomGenerator random(11);
        const QList<QRgb> palette = randomPalette(random, 200);
        const QImage first = platform::Remapper::remap(image, palette, 1.0f);
        QSet<int> stripe;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 10; x < 20; ++x)
                stripe.insert(first.pixelIndex(x, y));
        QCOMPARE(stripe, QSet<int>{bruteForceNearest(palette, qRgb(90, 160, 30))});
        QCOMPARE(platform::Remapper::remap(image, palette, 1.0f), first);
    }

    // The bands are cut by the image's height alone: any number of threads, handing used-up
    // source memory back, and passing rows on as they are done all give the same result.
    void bandsGiveTheSameResultOnAnyNumberOfThreads()
    {
        // Noise with small flat blocks everywhere, so that band edges run through them.
        QImage image(300, 1700, QImage::Format_RGB32);
        QRandomGenerator random(5);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, random.generate() | 0xFF000000u);
        for (int top = 0; top + 3 <= image.height(); top += 4) {
            for (int left = top % 5; left + 3 <= image.width(); left += 7) {
                const QRgb colour = image.pixel(left, top);
                for (int y = top; y < top + 3; ++y)
                    for (int x = left; x < left + 3; ++x)
                        image.setPixel(x, y, colour);
            }
        }
        const QList<QRgb> palette = randomPalette(random, 256);
        platform::RemapOptions one;
        one.threads = 1;
        const QImage expected = platform::Remapper::remap(image, palette, 0.75f, one);
        for (const int threads : {2, 3, 7}) {
            platform::RemapOptions options;
            options.threads = threads, options.consumeSource = true;
            QImage consumed = image.copy();
            QList<int> passedOn;
            options.finishedRows = [&](const QImage &result, int first, int end) {
                for (int y = first; y < end; ++y) {
                    passedOn.append(y);
                    QVERIFY(memcmp(result.constScanLine(y), expected.constScanLine(y),
                                size_t(result.width()))
                        == 0);
                }
            };
            QCOMPARE(platform::Remapper::remap(consumed, palette, 0.75f, options), expected);
            QList<int> everyRow(image.height());
            std::iota(everyRow.begin(), everyRow.end(), 0);
            QCOMPARE(passedOn, everyRow);
        }
    }

    // A reduction for the image component encodes the result's GIF data while it remaps, and
    // leaves an image that others still share as it was.
    void reductionEncodesTheGifAlongside()
    {
        QImage image = fixtures::gradient(400, 1100);
        for (int y = 0; y < image.height(); y += 3)
            image.setPixel(y % 400, y, qRgb(y % 256, 255 - y % 256, 7));
        const QImage shared = image;
        const QImage original = image.copy();
        platform::GifImageData gif;
        platform::ColourReducer::Extras extras;
        extras.consumeImage = true;
        extras.gifImageData = &gif;
        QString error;
        QVERIFY(platform::ColourReducer::toPalette256(
            image, platform::ColourReducer::defaultSettings(), &error, extras));
        QCOMPARE(image.format(), QImage::Format_Indexed8);
        QCOMPARE(shared, original);
        QVERIFY(gif.matches(image));
        platform::LzwEncoder encoder(platform::GifImageData::BitsPerPixel);
        QByteArray fresh;
        encoder.begin(fresh);
        for (int y = 0; y < image.height(); ++y)
            encoder.add(image.constScanLine(y), image.width());
        encoder.finish();
        QVERIFY(gif.bytes() == fresh);

        // A palette image needs no remapping, and has no data made for it.
        QImage indexed = fixtures::indexedPattern(20, 10, 3);
        QVERIFY(platform::ColourReducer::toPalette256(
            indexed, platform::ColourReducer::defaultSettings(), &error, extras));
        QVERIFY(!gif.matches(indexed));
    }

    void remapRefusesOtherInput()
    {
        QVERIFY(platform::Remapper::remap(fixtures::gradient(4, 4), {}, 1.0f).isNull());
        QVERIFY(platform::Remapper::remap(fixtures::indexedPattern(4, 4, 2), {qRgb(0, 0, 0)}, 1.0f)
                    .isNull());
    }

    // A picture above the sample size has its palette chosen from every step-th pixel.
    void paletteSampleTakesAGrid()
    {
        QImage picture(1800, 1001, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
        const QImage sample = ColourReducer::paletteSample(picture);
        QCOMPARE(sample.format(), QImage::Format_RGBX8888);
        // 1801800 pixels: every second pixel of every second row leaves 450450.
        QCOMPARE(sample.size(), QSize(900, 501));
        for (int y = 0; y < sample.height(); y += 37)
            for (int x = 0; x < sample.width(); x += 41)
                QCOMPARE(sample.pixel(x, y), picture.pixel(2 * x, 2 * y));
        // At the limit itself, every pixel.
        const QImage small = ColourReducer::paletteSample(picture.copy(0, 0, 1000, 750));
        QCOMPARE(small.size(), QSize(1000, 750));
    }

    // Sampled or not, a flat background stays on one index.
    void aLargePictureKeepsItsFlatBackground()
    {
        QImage picture(2400, 1000, QImage::Format_RGB32);
        picture.fill(qRgb(214, 222, 230));
        for (int y = 200; y < 800; ++y)
            for (int x = 600; x < 1800; ++x)
                picture.setPixel(x, y, qRgb((x * 7) % 256, (y * 3) % 256, (x + y) % 256));
        QImage reduced = picture;
        QString error;
        QVERIFY(ColourReducer::toPalette256(reduced, &error));
        const int background = reduced.pixelIndex(0, 0);
        for (int y = 0; y < 1000; y += 3)
            for (int x = 0; x < 2400; x += 3)
                if (x < 600 || x >= 1800 || y < 200 || y >= 800)
                    QCOMPARE(reduced.pixelIndex(x, y), background);
    }
};

TRELLIS_TEST(TestColourReducer)
#include "tst_colourreducer.moc"
