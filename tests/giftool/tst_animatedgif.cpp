#include "animationfiles.h"
#include "giftestdata.h"
#include "giftool/core/animationtransparency.h"
#include "giftool/core/gifdocument.h"
#include "giftool/core/transparencycancel.h"
#include "giftool/ui/giftoolpresenter.h"
#include "platform/imaging/gifcanvas.h"
#include "scriptedprompter.h"
#include "testmain.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace giftool;
using namespace giftesting;
using platform::GifAnimation;
using platform::GifFrame;

namespace {

QRgb colourAt(const GifAnimation &animation, const GifFrame &frame, int i)
{
    return animation.coloursOf(frame).at(uchar(frame.pixels.at(i)));
}

// Checks a saved animation against the one opened, pixel by pixel: a pixel is clear when it was
// clear before or had one of the background colors in a frame whose table holds the transparent
// color; every other pixel keeps its color. Delays and the loop count stay, and every frame has
// a control block. A frame drawn anew in another place, so that it shows its picture right
// (see mendErasingFrames), is judged by that picture instead; the frame before it may now
// restore the background. Every other frame keeps its place and disposal.
void verifySaved(const GifAnimation &in, const GifAnimation &out, const QList<QRgb> &background,
    QRgb transparent, const QList<bool> &frameHasColour)
{
    QCOMPARE(out.frames.size(), in.frames.size());
    QCOMPARE(out.loopCount, in.loopCount);
    for (qsizetype f = 0; f < in.frames.size(); ++f) {
        const GifFrame &before = in.frames[f], &after = out.frames[f];
        QCOMPARE(after.delay, before.delay);
        QVERIFY(after.hasControl);
        if (after.rect != before.rect)
            continue;
        QVERIFY2(after.disposal == before.disposal || after.disposal == 2,
            qPrintable(QStringLiteral("frame %1").arg(f)));
        if (frameHasColour[f]) {
            QVERIFY(after.transparentIndex >= 0);
            if (before.transparentIndex < 0)
                QCOMPARE(out.coloursOf(after).at(after.transparentIndex), transparent);
        } else {
            QCOMPARE(after.transparentIndex, before.transparentIndex);
        }
        const auto kept = [&](int x, int y) {
            const int i = y * before.rect.width() + x;
            const bool wasClear = uchar(before.pixels[i]) == before.transparentIndex;
            const bool isBackground
                = frameHasColour[f] && background.contains(colourAt(in, before, i));
            const bool isClear = uchar(after.pixels[i]) == after.transparentIndex;
            return isClear == (wasClear || isBackground)
                && (isClear || colourAt(out, after, i) == colourAt(in, before, i));
        };
        QCOMPARE(firstBadPixel(before.rect.size(), kept), QString());
    }
}

// The wrong pixels of each saved picture (see wrongPixels), as our own canvas draws the frames
// that giflib reads and as ImageMagick composes the files; the second is empty, with a warning,
// when ImageMagick is missing.
std::pair<QString, QString> picturesOff(
    const QString &opened, const QString &saved, const QList<QRgb> &background)
{
    const QString ours = wrongPixels(platform::composedFrames(readAnimationWithGiflib(opened)),
        platform::composedFrames(readAnimationWithGiflib(saved)), background);
    const QList<QImage> before = coalescedByImageMagick(opened);
    if (before.isEmpty()) {
        qWarning("/usr/bin/convert is missing: the saved animation is not composed by an "
                 "independent decoder.");
        return {ours, QString()};
    }
    return {ours, wrongPixels(before, coalescedByImageMagick(saved), background)};
}

} // namespace

// Animated GIFs keep every frame through the tool: opened, made transparent by the color picked
// on the first frame, recolored, saved, switched back to opaque.
class TestAnimatedGif : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    testsupport::ScriptedPrompter m_prompter;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // data/name opened.
    std::unique_ptr<GifDocument> openDocument(
        const QString &name = QStringLiteral("fourframes.gif"))
    {
        auto document = std::make_unique<GifDocument>(WorkingFiles::in(m_dir.path()));
        const OpenResult opened
            = document->openImage(QFileInfo(name).isAbsolute() ? name : dataFile(name));
        if (opened.outcome != OpenOutcome::Opened)
            qWarning() << opened.error;
        return opened.outcome == OpenOutcome::Opened ? std::move(document) : nullptr;
    }

    // Saves under name; the path, or an empty string (with the reason given) when it fails.
    QString save(GifDocument &document, const QString &name)
    {
        const SaveResult saved = document.saveTransparentGif(path(name));
        if (!saved.saved)
            qWarning() << saved.error;
        return saved.saved ? path(name) : QString();
    }

private slots:
    void aPickedColourIsClearInEveryFrameThatHasIt()
    {
        const GifAnimation in = readAnimationWithGiflib(dataFile(QStringLiteral("fourframes.gif")));
        auto document = openDocument();
        QVERIFY(document);
        QCOMPARE(document->frameCount(), 4);
        // The window shows the first frame, on the whole screen.
        QCOMPARE(document->picture().picture().size(), QSize(40, 30));
        QVERIFY(document->selection().pickIndex(0));

        const QString out = path(QStringLiteral("out.gif"));
        const SaveResult saved = document->saveTransparentGif(out);
        QVERIFY2(saved.saved, qPrintable(saved.error));
        QCOMPARE(saved.framesSaved, 4);
        QCOMPARE(saved.transparentFrames, 3);
        const GifAnimation result = readAnimationWithGiflib(out);
        verifySaved(in, result, {Cream}, Cream, {true, true, true, false});
        QCOMPARE(result.frames[0].transparentIndex, 0);
        QCOMPARE(result.frames[1].transparentIndex, 1); // cream's place in the frame's own table
        QCOMPARE(result.frames[2].transparentIndex, 3); // the frame's own clear index stays
        QCOMPARE(result.frames[3].localColours, in.frames[3].localColours);
        // The second frame paints cream over the red box, the third covers what is left of it:
        // the box must not show through once cream is clear.
        const auto [ours, independent]
            = picturesOff(dataFile(QStringLiteral("fourframes.gif")), out, {Cream});
        if (!independent.isNull())
            QCOMPARE(independent, QStringLiteral("0 0 0 0"));
        QCOMPARE(ours, QStringLiteral("0 0 0 0"));
        // A GIF's result line is the same as for a single picture.
        GifToolPresenter presenter(m_prompter);
        presenter.saved(out, document->frameCount());
        QCOMPARE(presenter.instructions(), saveResultText(out));
    }

    void qtSeesTheSameFramesDelaysAndLoop()
    {
        const GifAnimation in = readAnimationWithGiflib(dataFile(QStringLiteral("fourframes.gif")));
        auto document = openDocument();
        QVERIFY(document);
        document->selection().pickIndex(0);
        const QString out = save(*document, QStringLiteral("qt-out.gif"));
        QVERIFY(!out.isEmpty());

        const QtFrames before = readFramesWithQt(dataFile(QStringLiteral("fourframes.gif")));
        const QtFrames after = readFramesWithQt(out);
        QCOMPARE(after.images.size(), 4);
        QCOMPARE(after.delays, before.delays);
        QCOMPARE(after.loopCount, before.loopCount);
        // Every frame as Qt draws it, over what earlier frames left: each pixel a frame paints
        // shows the frame's color, except its cream, which is gone (clear, or letting an earlier
        // frame show). No opaque cream is left anywhere, so no frame can show cream.
        for (qsizetype k = 0; k < after.images.size(); ++k) {
            const GifFrame &frame = in.frames[k];
            const auto drawn = [&](int x, int y) {
                if (frame.index(x, y) == frame.transparentIndex)
                    return true;
                const QRgb colour = in.coloursOf(frame).at(frame.index(x, y));
                const QRgb shown = after.images[k].pixel(frame.rect.topLeft() + QPoint(x, y));
                return colour == Cream ? qAlpha(shown) == 0 || shown != Cream : shown == colour;
            };
            QCOMPARE(firstBadPixel(frame.rect.size(), drawn), QString());
        }
        // The first frame's cream is all clear.
        QCOMPARE(firstBadPixel(QSize(40, 30),
                     [&](int x, int y) {
                         return (qAlpha(after.images[0].pixel(x, y)) == 0)
                             == (before.images[0].pixel(x, y) == Cream);
                     }),
            QString());
    }

    void conversionsRecolourTheBackgroundOfEveryFrame_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QRgb>("target");
        QTest::newRow("white") << int(ConversionButton::White) << White;
        QTest::newRow("grey") << int(ConversionButton::Grey) << qRgb(192, 192, 192);
        QTest::newRow("black") << int(ConversionButton::Black) << Black;
    }

    void conversionsRecolourTheBackgroundOfEveryFrame()
    {
        QFETCH(int, button);
        QFETCH(QRgb, target);
        const GifAnimation in
            = readAnimationWithGiflib(dataFile(QStringLiteral("fourframes-twotone.gif")));
        auto document = openDocument(QStringLiteral("fourframes-twotone.gif"));
        QVERIFY(document);
        BackgroundSelection &selection = document->selection();
        // Column 19 of row 1 is the stripe's last near-cream pixel, with cream to its right.
        const QPoint stripeEnd(19, 1);
        QCOMPARE(selection.pickBackground(stripeEnd).outcome, PickOutcome::NeedsRecolour);
        QCOMPARE(selection.recolour(ConversionButton(button)).outcome, RecolourOutcome::Recoloured);
        QCOMPARE(selection.pickBackground(stripeEnd).outcome, PickOutcome::Picked);

        // The animation's first frame is what the window shows.
        const QImage shown = document->picture().picture();
        const QString out = save(*document, QStringLiteral("converted.gif"));
        QVERIFY(!out.isEmpty());
        const GifAnimation result = readAnimationWithGiflib(out);
        verifySaved(in, result, {Cream, NearCream}, target, {true, true, true, false});
        QCOMPARE(result.frames.first().pixels, frameOf(shown).pixels);
        QCOMPARE(wrongPixels(platform::composedFrames(in), platform::composedFrames(result),
                     {Cream, NearCream}),
            QStringLiteral("0 0 0 0"));
    }

    void otherTypesKeepTheFirstFrameAndSaySo_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("bmp") << QStringLiteral("first.bmp");
        QTest::newRow("png") << QStringLiteral("first.png");
    }

    void otherTypesKeepTheFirstFrameAndSaySo()
    {
        QFETCH(QString, name);
        auto document = openDocument();
        QVERIFY(document);
        document->selection().pickIndex(1);
        const QString out = path(name);
        const SaveResult saved = document->saveTransparentGif(out);
        QVERIFY2(saved.saved && saved.framesSaved == 1, qPrintable(saved.error));
        GifToolPresenter presenter(m_prompter);
        presenter.saved(out, document->frameCount());
        QCOMPARE(presenter.instructions(),
            QStringLiteral("The image has been saved as %1. Only the first of its 4 frames was "
                           "saved: this type holds one picture.")
                .arg(out));
        platform::ImageComponent reread;
        QVERIFY(reread.load(out));
        QCOMPARE(reread.image().size(), QSize(40, 30));
        QCOMPARE(reread.picture().pixel(15, 12) & RGB_MASK, Red & RGB_MASK);
    }

    void cancelTransparencyClearsEveryFrame()
    {
        auto document = openDocument();
        QVERIFY(document);
        document->selection().pickIndex(0);
        const QString out = save(*document, QStringLiteral("cancel-out.gif"));
        QVERIFY(!out.isEmpty());

        m_prompter.answer(platform::MessageAnswer::Cancel);
        QCOMPARE(
            GifToolPresenter(m_prompter).cancelTransparency(out).outcome, CancelOutcome::Declined);
        QCOMPARE(readAnimationWithGiflib(out).frames[0].transparentIndex, 0);

        m_prompter.answer(platform::MessageAnswer::Ok);
        QCOMPARE(
            GifToolPresenter(m_prompter).cancelTransparency(out).outcome, CancelOutcome::Cleared);
        QList<int> clear;
        for (const GifFrame &frame : readAnimationWithGiflib(out).frames)
            clear << frame.transparentIndex;
        QCOMPARE(clear, QList<int>(4, -1));
        // Nothing is left to switch off: nothing is asked or said.
        const qsizetype asked = m_prompter.shown().size();
        QCOMPARE(GifToolPresenter(m_prompter).cancelTransparency(out).outcome,
            CancelOutcome::NotTransparent);
        QCOMPARE(m_prompter.shown().size(), asked);
    }

    // Only the connected background: the region is taken on the first frame; the other frames
    // keep every pixel of the color clear.
    void onlyTheConnectedBackgroundOfTheFirstFrame()
    {
        // A cream hole at 14,11 (4 x 4) in the red box.
        const GifAnimation in
            = readAnimationWithGiflib(dataFile(QStringLiteral("fourframes-hole.gif")));
        const GifFrame &first = in.frames.first();
        auto document = openDocument(QStringLiteral("fourframes-hole.gif"));
        QVERIFY(document);
        document->selection().setOnlyConnected(true);
        QCOMPARE(document->selection().pickBackground(QPoint(1, 1)).outcome, PickOutcome::Picked);
        const QString out = save(*document, QStringLiteral("hole-out.gif"));
        QVERIFY(!out.isEmpty());

        const GifAnimation result = readAnimationWithGiflib(out);
        const GifFrame &shown = result.frames.first();
        QCOMPARE(shown.transparentIndex, 0);
        QCOMPARE(firstBadPixel(QSize(40, 30),
                     [&](int x, int y) {
                         const bool hole = x >= 14 && x < 18 && y >= 11 && y < 15;
                         return (shown.index(x, y) == 0) == (first.index(x, y) == 0 && !hole)
                             && result.coloursOf(shown).at(shown.index(x, y))
                             == in.coloursOf(first).at(first.index(x, y));
                     }),
            QString());
        // The spare entry is one no other frame of the global table used.
        const uchar spare = shown.index(15, 12);
        for (qsizetype f = 1; f < in.frames.size(); ++f)
            if (in.frames[f].localColours.isEmpty())
                QVERIFY(!in.frames[f].pixels.contains(char(spare)));
        // The other frames are done by color, as without the option.
        GifAnimation otherIn = in, otherOut = result;
        otherIn.frames.removeFirst();
        otherOut.frames.removeFirst();
        verifySaved(otherIn, otherOut, {Cream}, Cream, {true, true, false});
        // Only the first picture shows the hole, opaque; the second frame paints over it.
        QCOMPARE(
            wrongPixels(platform::composedFrames(in), platform::composedFrames(result), {Cream}),
            QStringLiteral("16 0 0 0"));
    }

    // Our canvas draws the frames as ImageMagick composes them, whatever their disposal.
    void framesAreDrawnAsAnIndependentDecoderDrawsThem_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString name :
            {"optimize.gif", "optimize-frame.gif", "optimize-transparency.gif", "previous.gif",
                "previous-clean.gif", "background.gif", "background-full.gif"})
            QTest::newRow(qPrintable(name)) << optimisedFile(name);
        QTest::newRow("fourframes.gif") << dataFile(QStringLiteral("fourframes.gif"));
    }

    void framesAreDrawnAsAnIndependentDecoderDrawsThem()
    {
        QFETCH(QString, path);
        const QList<QImage> independent = coalescedByImageMagick(path);
        if (independent.isEmpty())
            QSKIP("/usr/bin/convert is missing: nothing to compare our canvas with.");
        const QList<QImage> ours = platform::composedFrames(readAnimationWithGiflib(path));
        QCOMPARE(wrongPixels(independent, ours, {}),
            QStringList(independent.size(), QStringLiteral("0")).join(' '));
    }

    // A frame drawn anew takes its own table, the global one or a new one, and needs an entry for
    // every color of its change and one for clear. Here the second frame erases one pixel of a
    // block of 255 colors (all of the global table but cream) that the first frame leaves and
    // adds a pixel beside it, so the first must be cleared and the second must draw the block
    // again.
    void aFrameDrawnAnewNeedsATableThatHoldsItsChange_data()
    {
        QTest::addColumn<QRgb>("added"); // the color the second frame adds besides cream
        QTest::addColumn<QString>("wrong");
        QTest::newRow("a color of the global table") << qRgb(7, 0, 0) << QStringLiteral("0 0");
        // 255 colors, the new one and clear do not fit in 256 entries: the frames stay as the
        // per-frame rule writes them, and the erased pixel shows through.
        QTest::newRow("a color of its own") << qRgb(7, 7, 7) << QStringLiteral("0 1");
    }

    void aFrameDrawnAnewNeedsATableThatHoldsItsChange()
    {
        QFETCH(QRgb, added);
        QFETCH(QString, wrong);
        GifAnimation in;
        in.screen = QSize(20, 16);
        in.globalColours << Cream;
        for (int i = 1; i < 256; ++i)
            in.globalColours << qRgb(i, 0, 0);
        GifFrame block;
        block.rect = QRect(0, 0, 20, 16);
        block.disposal = 1;
        block.pixels = QByteArray(20 * 16, '\0');
        for (int i = 0; i < 256; ++i)
            block.pixels[(i / 16) * 20 + 2 + i % 16] = char(std::max(i, 1));
        GifFrame eraser;
        // The added color left of the block, cream over its first pixel (index 1, as the next).
        eraser.rect = QRect(1, 0, 2, 1);
        eraser.localColours = {Cream, added};
        eraser.pixels = QByteArray("\1\0", 2);
        in.frames = {block, eraser};

        const TransparentAnimation saved = transparentAnimation(in, {{}, true, 0});
        const GifAnimation &out = saved.animation;
        QCOMPARE(wrongPixels(platform::composedFrames(in), platform::composedFrames(out), {Cream}),
            wrong);
        const bool drawnAnew = wrong == QStringLiteral("0 0");
        QCOMPARE(out.frames[0].disposal, drawnAnew ? 2 : 1);
        QCOMPARE(out.frames[1].rect, drawnAnew ? QRect(1, 0, 17, 16) : eraser.rect);
        QCOMPARE(out.frames[1].localColours.isEmpty(), drawnAnew);

        // The same files as ImageMagick composes them.
        const QString opened = path(QStringLiteral("block.gif")),
                      written = path(QStringLiteral("block-out.gif"));
        for (const auto &[file, animation] :
            {std::pair{opened, &std::as_const(in)}, std::pair{written, &out}}) {
            QFile device(file);
            QString error;
            QVERIFY(device.open(QIODevice::WriteOnly));
            QVERIFY2(
                platform::GifAnimationCodec::write(device, *animation, &error), qPrintable(error));
        }
        const auto [ours, independent] = picturesOff(opened, written, {Cream});
        QCOMPARE(ours, wrong);
        if (independent.isNull())
            QSKIP(
                "/usr/bin/convert is missing: the pictures were composed by our own canvas only.");
        QCOMPARE(independent, wrong);
    }

    // Animations as optimisers write them (see tests/data/optimised): a frame holds what changed,
    // drawn over what the frame before left, and background pixels erase the box where it was.
    // Every picture must look as before with only its cream clear; where the per-frame rule
    // already gives that, the frames stay as the rule writes them.
    void optimisedAnimationsShowTheirPicturesWithTheBackgroundClear_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("drawnAnew");
        QTest::newRow("sub-rectangles left in place") << QStringLiteral("optimize.gif") << true;
        QTest::newRow("without a clear index") << QStringLiteral("optimize-frame.gif") << true;
        QTest::newRow("unspecified, local tables")
            << QStringLiteral("optimize-transparency.gif") << true;
        QTest::newRow("restore to previous") << QStringLiteral("previous.gif") << true;
        QTest::newRow("restore to background") << QStringLiteral("background.gif") << true;
        QTest::newRow("restore to previous, nothing erased")
            << QStringLiteral("previous-clean.gif") << false;
        QTest::newRow("restore to background, whole frames")
            << QStringLiteral("background-full.gif") << false;
    }

    void optimisedAnimationsShowTheirPicturesWithTheBackgroundClear()
    {
        QFETCH(QString, name);
        QFETCH(bool, drawnAnew);
        const QString opened = optimisedFile(name);
        const GifAnimation in = readAnimationWithGiflib(opened);
        auto document = openDocument(opened);
        QVERIFY(document);
        QVERIFY(
            document->selection().pickIndex(int(in.coloursOf(in.frames.first()).indexOf(Cream))));
        const QString out = save(*document, name);
        QVERIFY(!out.isEmpty());

        const auto [ours, independent] = picturesOff(opened, out, {Cream});
        const QString right = QStringList(in.frames.size(), QStringLiteral("0")).join(' ');
        if (!independent.isNull())
            QCOMPARE(independent, right);
        QCOMPARE(ours, right);
        if (!drawnAnew) {
            QList<bool> hasCream;
            for (const GifFrame &frame : in.frames)
                hasCream << in.coloursOf(frame).contains(Cream);
            verifySaved(in, readAnimationWithGiflib(out), {Cream}, Cream, hasCream);
        }
        if (independent.isNull())
            QSKIP(
                "/usr/bin/convert is missing: the pictures were composed by our own canvas only.");
    }
};

TRELLIS_TEST(TestAnimatedGif)
#include "tst_animatedgif.moc"
