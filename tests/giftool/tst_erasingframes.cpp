#include "giftool/core/erasingframes.h"
#include "platform/imaging/gifcanvas.h"
#include "testmain.h"

#include <QRandomGenerator>
#include <QTest>

using platform::GifAnimation;
using platform::GifCanvas;
using platform::GifFrame;

namespace {

// A small animation of random frames: places (some beyond the screen), disposals 0 to 4, global
// or local tables of 2 to 8 entries with repeated colours, and some frames with a clear index.
GifAnimation randomAnimation(QRandomGenerator &random)
{
    GifAnimation animation;
    animation.screen = QSize(1 + random.bounded(12), 1 + random.bounded(10));
    const auto table = [&](int size) {
        QList<QRgb> colours;
        for (int i = 0; i < size; ++i)
            colours << qRgb(random.bounded(3) * 100, random.bounded(2) * 100, 0);
        return colours;
    };
    animation.globalColours = table(2 << random.bounded(3));
    const int frames = 1 + random.bounded(6);
    for (int f = 0; f < frames; ++f) {
        GifFrame frame;
        const int x = random.bounded(animation.screen.width());
        const int y = random.bounded(animation.screen.height());
        frame.rect = QRect(x, y, 1 + random.bounded(animation.screen.width() + 3 - x),
            1 + random.bounded(animation.screen.height() + 2 - y));
        if (f == 0 && random.bounded(2))
            frame.rect = QRect(QPoint(0, 0), animation.screen);
        frame.hasControl = true;
        frame.disposal = random.bounded(5);
        if (random.bounded(3) == 0)
            frame.localColours = table(2 << random.bounded(2));
        const int entries = int(animation.coloursOf(frame).size());
        frame.transparentIndex = random.bounded(3) == 0 ? random.bounded(entries) : -1;
        frame.pixels.resize(qsizetype(frame.rect.width()) * frame.rect.height());
        for (char &pixel : frame.pixels)
            pixel = char(random.bounded(entries));
        animation.frames << frame;
    }
    return animation;
}

// The animation with some pixels of some frames made clear, as the per-frame rule does: they
// move onto the frame's clear index, or onto an entry that becomes one.
GifAnimation withPixelsMadeClear(GifAnimation animation, QRandomGenerator &random)
{
    for (GifFrame &frame : animation.frames) {
        if (random.bounded(4) == 0)
            continue;
        const int entries = int(animation.coloursOf(frame).size());
        if (frame.transparentIndex < 0)
            frame.transparentIndex = random.bounded(entries);
        const int picked = random.bounded(entries);
        for (char &pixel : frame.pixels) {
            if (uchar(pixel) == picked)
                pixel = char(frame.transparentIndex);
        }
    }
    return animation;
}

// The pictures of `saved` as they should look: those of `opened`, with the pixels that `saved`
// made clear painting clear.
QList<QImage> picturesWanted(const GifAnimation &opened, const GifAnimation &saved)
{
    QSize screen = opened.screen;
    for (const GifFrame &frame : opened.frames)
        screen = screen.expandedTo(QSize(frame.rect.right() + 1, frame.rect.bottom() + 1));
    GifCanvas canvas(QRect(QPoint(0, 0), screen));
    QList<QImage> pictures;
    for (qsizetype f = 0; f < saved.frames.size(); ++f) {
        const GifFrame &before = opened.frames[f], &after = saved.frames[f];
        QBitArray clears(after.pixels.size());
        for (qsizetype i = 0; i < after.pixels.size(); ++i)
            clears.setBit(i,
                uchar(after.pixels[i]) == after.transparentIndex
                    && uchar(before.pixels[i]) != before.transparentIndex);
        canvas.draw(after, saved.coloursOf(after), clears);
        pictures << canvas.picture();
    }
    return pictures;
}

bool sameFrames(const GifAnimation &a, const GifAnimation &b)
{
    for (qsizetype f = 0; f < a.frames.size(); ++f) {
        const GifFrame &x = a.frames[f], &y = b.frames[f];
        if (std::tie(x.rect, x.pixels, x.localColours, x.disposal, x.transparentIndex)
            != std::tie(y.rect, y.pixels, y.localColours, y.disposal, y.transparentIndex))
            return false;
    }
    return a.screen == b.screen && a.globalColours == b.globalColours;
}

} // namespace

// Frames that clear pixels where the opened animation painted them are drawn anew, whatever the
// places, disposals and tables; frames that already show right stay as they are. Checked on
// random animations, with our own canvas (tst_animatedgif checks real files with ImageMagick).
class TestErasingFrames : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureShowsWhatWasClearedAndNothingElseChanges()
    {
        QRandomGenerator random(20261208);
        int redrawn = 0, kept = 0;
        for (int run = 0; run < 1500; ++run) {
            const GifAnimation opened = randomAnimation(random);
            const GifAnimation cleared = withPixelsMadeClear(opened, random);
            const QList<QImage> wanted = picturesWanted(opened, cleared);
            const bool alreadyRight = platform::composedFrames(cleared) == wanted;
            GifAnimation saved = cleared;
            const int frames = giftool::mendErasingFrames(opened, saved);
            const QByteArray where = QByteArray("animation ") + QByteArray::number(run);
            QVERIFY2(platform::composedFrames(saved) == wanted, where.constData());
            QVERIFY2(alreadyRight == (frames == 0), where.constData());
            if (alreadyRight)
                QVERIFY2(sameFrames(saved, cleared), where.constData());
            (alreadyRight ? kept : redrawn) += 1;
        }
        // Both kinds were met often.
        QVERIFY(redrawn > 200 && kept > 200);
    }
};

TRELLIS_TEST(TestErasingFrames)
#include "tst_erasingframes.moc"
