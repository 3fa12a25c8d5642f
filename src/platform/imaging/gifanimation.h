#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <QString>
#include <optional>

class QIODevice;

namespace platform {

// One image of a GIF file, with what its graphic control block says about it.
struct GifFrame
{
    QRect rect; // where the image sits on the logical screen
    QByteArray pixels; // rect.width() x rect.height() palette indexes, top row first
    QList<QRgb> localColours; // the image's own colour table; empty when it uses the global one
    bool hasControl = false; // a graphic control block precedes the image
    int disposal = 0; // what happens to the image's area before the next one is drawn (0 to 3)
    int delay = 0; // hundredths of a second before the next image
    bool waitsForInput = false;
    int transparentIndex = -1; // the index the control block marks transparent; -1 for none

    uchar index(int x, int y) const { return uchar(pixels.at(y * rect.width() + x)); }
    uchar *line(int y) { return reinterpret_cast<uchar *>(pixels.data()) + y * rect.width(); }
};

// A GIF file of one or more images: the logical screen, the global colour table, the loop
// count and every frame. Comments and application data other than the loop count are not kept.
struct GifAnimation
{
    QSize screen;
    int colourResolution = 8; // bits per primary colour of the source, 1 to 8
    int backgroundIndex = 0;
    quint8 aspect = 0;
    QList<QRgb> globalColours; // empty when the file has no global table
    std::optional<int> loopCount; // from the looping application block; 0 loops for ever
    QList<GifFrame> frames;

    // The colour table a frame's indexes refer to.
    const QList<QRgb> &coloursOf(const GifFrame &frame) const
    {
        return frame.localColours.isEmpty() ? globalColours : frame.localColours;
    }
};

// Pads a colour table with black to the smallest size a GIF table can have (2, 4, ..., 256)
// that holds `needed` entries; a table already that long stays as it is.
void coverTableEntries(QList<QRgb> &colours, int needed);

// Reading and writing whole GIF animations through giflib.
class GifAnimationCodec
{
public:
    // The most frames, and the most pixels of all frames together, an animation may have.
    static constexpr int MaxFrames = 10'000;
    static constexpr qint64 MaxTotalPixels = 400'000'000;

    // Whether the bytes are a GIF file with a second image. Only the file's structure is read,
    // not its pixels, so this is cheap; a file damaged before its second image has none.
    static bool hasSeveralFrames(const QByteArray &file);

    struct ReadResult
    {
        std::optional<GifAnimation> animation;
        QString error; // why there is none, naming the frame at fault
    };

    // Decodes every image of a GIF file. A file that ends where a block would start, with no
    // trailer, keeps the images before; a cut or damaged image, a frame without a colour table
    // or one of no pixels is refused. Tables too short for the indexes used are padded with
    // black, so every frame can be written again.
    static ReadResult read(const QByteArray &file);

    // Writes a GIF89a of the animation: the screen, the global table, the loop count and, for
    // every frame, a graphic control block and the image, not interlaced. The screen grows to
    // hold every frame. Colour tables must have 2, 4, ..., 256 entries.
    static bool write(QIODevice &device, const GifAnimation &animation, QString *error);
};

} // namespace platform
