#include "animationfiles.h"
#include "giftestdata.h"
#include "giftool/core/connectedbackground.h"
#include "giftool/core/gifdocument.h"
#include "testmain.h"

#include <QTemporaryDir>
#include <QTest>

using namespace giftool;
using namespace giftesting;

// "Only the connected background": the background's color stays on what the subject encloses.
class TestConnectedBackground : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Opens the scene (saved as a BMP, so its palette stays as drawn), with only the connected
    // background unless told otherwise, and picks its top left corner, which comes to expected.
    std::unique_ptr<GifDocument> openAndClickCorner(
        const QImage &scene, PickOutcome expected = PickOutcome::Picked, bool onlyConnected = true)
    {
        const QString source = path(QStringLiteral("scene.bmp"));
        if (!scene.save(source))
            return nullptr;
        auto document = std::make_unique<GifDocument>(WorkingFiles::in(m_dir.path()));
        document->selection().setOnlyConnected(onlyConnected);
        if (document->openImage(source).outcome != OpenOutcome::Opened)
            return nullptr;
        return document->selection().pickBackground(QPoint(0, 0)).outcome == expected
            ? std::move(document)
            : nullptr;
    }

    // Reads the saved picture with Qt and checks the clear pixels are exactly the connected
    // background's, and every other pixel keeps the scene's color.
    void verifyOnlyOutsideIsClear(const QString &file, const QImage &scene)
    {
        const QImage read = QImage(file).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(read.size(), scene.size());
        int clear = 0;
        QCOMPARE(firstBadPixel(scene.size(),
                     [&](int x, int y) {
                         const bool outside = scene.pixelIndex(x, y) == 0 && !isEnclosedCream(x, y);
                         clear += outside;
                         return outside ? qAlpha(read.pixel(x, y)) == 0
                                        : read.pixel(x, y) == (scene.pixel(x, y) | ~RGB_MASK);
                     }),
            QString());
        QVERIFY(clear > scene.width() * scene.height() / 2);
    }

private slots:
    void enclosedPixelsMoveToAnEntryOfTheSameColour()
    {
        const QImage scene = enclosedScene();
        const std::optional<BackgroundIsolation> plan = planIsolation(scene, QPoint(0, 0), {0});
        QVERIFY(plan && plan->merges.isEmpty());
        QCOMPARE(plan->indexes, QList<int>{0});
        QCOMPARE(plan->colours, QList<QRgb>{Cream});
        const int spare = plan->spares.first();
        QVERIFY(spare > 2); // an entry no pixel used
        QImage isolated = scene;
        applyIsolation(isolated, *plan);
        int enclosed = 0;
        QCOMPARE(firstBadPixel(scene.size(),
                     [&](int x, int y) {
                         enclosed += isEnclosedCream(x, y);
                         return isolated.pixelIndex(x, y)
                             == (isEnclosedCream(x, y) ? spare : scene.pixelIndex(x, y))
                             && isolated.pixel(x, y) == scene.pixel(x, y);
                     }),
            QString());
        QVERIFY(enclosed > 100);
    }

    void nothingEnclosedNeedsNoPlan()
    {
        QImage plain = enclosedScene();
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x)
                if (isEnclosedCream(x, y))
                    plain.setPixel(x, y, 2);
        QVERIFY(!planIsolation(plain, QPoint(0, 0), {0}));
    }

    void aFullPaletteMergesTheClosestPair()
    {
        // Entries 200 and 201 are the closest pair of the scene's palette, one step apart.
        const QImage scene = enclosedScene(true);
        const QPair<int, int> pair(200, 201);
        const double closest = 1.0;

        const std::optional<BackgroundIsolation> plan = planIsolation(scene, QPoint(0, 0), {0});
        QVERIFY(plan && plan->merges.size() == 1);
        const PaletteMerge merge = plan->merges.first();
        QCOMPARE(
            qMakePair(std::min(merge.from, merge.into), std::max(merge.from, merge.into)), pair);
        QCOMPARE(merge.change, closest);
        QCOMPARE(plan->largestChange(), closest);
        QCOMPARE(plan->spares, QList<int>{merge.from});
    }

    void aPngKeepsTheEnclosedPartsOpaque_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fullPalette");
        // The GIFs are the connected and connected-full-palette cases of the command line.
        QTest::newRow("png") << QStringLiteral("eye.png") << false;
        QTest::newRow("png, full palette") << QStringLiteral("full.png") << true;
    }

    void aPngKeepsTheEnclosedPartsOpaque()
    {
        QFETCH(QString, name);
        QFETCH(bool, fullPalette);
        const QImage scene = enclosedScene(fullPalette);
        auto document = openAndClickCorner(scene);
        QVERIFY(document);
        const QString out = path(name);
        const SaveResult saved = document->saveTransparentGif(out);
        QVERIFY2(saved.saved, qPrintable(saved.error));
        QCOMPARE(saved.merges.size(), fullPalette ? 1 : 0);
        QCOMPARE(document->picture().merges().size(), fullPalette ? 1 : 0);
        // With a full palette, the merged entry's pixels show its partner's color.
        QImage expected = scene;
        for (const PaletteMerge &merge : saved.merges)
            expected.setColor(merge.from, expected.color(merge.into));
        verifyOnlyOutsideIsClear(out, expected);
    }

    void theGifDecodesTheSameWithGiflib()
    {
        const QImage scene = enclosedScene();
        auto document = openAndClickCorner(scene);
        QVERIFY(document);
        const QString out = path(QStringLiteral("giflib.gif"));
        QVERIFY(document->saveTransparentGif(out).saved);
        const platform::GifAnimation read = readAnimationWithGiflib(out);
        QCOMPARE(read.frames.size(), 1);
        const platform::GifFrame &frame = read.frames.first();
        QCOMPARE(frame.transparentIndex, 0);
        QCOMPARE(firstBadPixel(scene.size(),
                     [&](int x, int y) {
                         return (frame.index(x, y) == 0)
                             == (scene.pixelIndex(x, y) == 0 && !isEnclosedCream(x, y))
                             && read.coloursOf(frame).at(frame.index(x, y)) == scene.pixel(x, y);
                     }),
            QString());
    }

    void recolouringReachesOnlyTheConnectedPart()
    {
        // A two-tone background: the cream entry and its twin (entry 3, one step darker) in a
        // checkerboard outside the subject, so a click needs a conversion.
        QImage scene = enclosedScene();
        scene.setColor(3, Cream - 0x010101);
        for (int y = 0; y < scene.height(); ++y)
            for (int x = 0; x < scene.width(); ++x)
                if (scene.pixelIndex(x, y) == 0 && !isEnclosedCream(x, y) && (x + y) % 2)
                    scene.setPixel(x, y, 3);
        auto document = openAndClickCorner(scene, PickOutcome::NeedsRecolour);
        QVERIFY(document);
        QCOMPARE(document->selection().recolour(ConversionButton::Black).outcome,
            RecolourOutcome::Recoloured);

        const QImage picture = document->picture().picture();
        QCOMPARE(firstBadPixel(scene.size(),
                     [&](int x, int y) {
                         const bool outside = scene.pixelIndex(x, y) != 1
                             && scene.pixelIndex(x, y) != 2 && !isEnclosedCream(x, y);
                         return picture.pixel(x, y)
                             == (outside ? qRgb(0, 0, 0) : scene.pixel(x, y));
                     }),
            QString());
    }

    void offLeavesEveryPixelOfTheColourTransparent()
    {
        auto document = openAndClickCorner(enclosedScene(), PickOutcome::Picked, false);
        QVERIFY(document);
        const QString out = path(QStringLiteral("off.gif"));
        QVERIFY(document->saveTransparentGif(out).saved);
        const QImage read = QImage(out).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(qAlpha(read.pixel(12, 19)), 0); // the highlight in the pupil
        QCOMPARE(qAlpha(read.pixel(33, 20)), 0); // the hole of the O
    }
};

TRELLIS_TEST(TestConnectedBackground)
#include "tst_connectedbackground.moc"
