// Feeds arbitrary bytes to the animation reader (giflib underneath). Whatever it accepts must
// survive a write and a second read with the same frames, places, indexes and control values.

#include "platform/imaging/gifanimation.h"

#include <QBuffer>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

bool sameFrames(const platform::GifAnimation &a, const platform::GifAnimation &b)
{
    if (a.frames.size() != b.frames.size() || a.loopCount != b.loopCount)
        return false;
    for (qsizetype i = 0; i < a.frames.size(); ++i) {
        const platform::GifFrame &x = a.frames[i];
        const platform::GifFrame &y = b.frames[i];
        if (x.rect != y.rect || x.pixels != y.pixels || x.delay != y.delay
            || x.disposal != y.disposal || x.transparentIndex != y.transparentIndex
            || a.coloursOf(x) != b.coloursOf(y))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    platform::GifAnimationCodec::hasSeveralFrames(bytes);
    const platform::GifAnimationCodec::ReadResult read = platform::GifAnimationCodec::read(bytes);
    if (read.animation.has_value() == !read.error.isEmpty())
        abort();
    if (!read.animation)
        return 0;
    platform::GifAnimation animation = *read.animation;
    // Every frame is written with a control block; without one it reads back as the defaults.
    for (platform::GifFrame &frame : animation.frames)
        frame.hasControl = true;
    QByteArray written;
    QBuffer buffer(&written);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!platform::GifAnimationCodec::write(buffer, animation, &error)) {
        // A frame placed beyond a GIF's 65535 pixels may be read but not written again.
        const bool tooFar = std::any_of(
            animation.frames.cbegin(), animation.frames.cend(), [](const platform::GifFrame &f) {
                return f.rect.right() >= 65535 || f.rect.bottom() >= 65535;
            });
        if (!tooFar || error.isEmpty())
            abort();
        return 0;
    }
    const platform::GifAnimationCodec::ReadResult again
        = platform::GifAnimationCodec::read(written);
    if (!again.animation || !sameFrames(animation, *again.animation))
        abort();
    return 0;
}
