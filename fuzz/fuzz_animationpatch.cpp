// Feeds arbitrary bytes to the animation reader and, when it takes them, makes them transparent
// as a save of the GIF tool does: a conversion and a transparent index chosen from the input's
// last bytes, then writes the result and reads it back. Every frame must survive with its place
// and size, and switching transparency off must leave no frame transparent.

#include "giftool/core/animationtransparency.h"
#include "platform/imaging/gifanimation.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

namespace {

platform::GifAnimation writtenAndRead(const platform::GifAnimation &animation)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!platform::GifAnimationCodec::write(buffer, animation, &error))
        return {};
    platform::GifAnimationCodec::ReadResult read = platform::GifAnimationCodec::read(bytes);
    if (!read.animation)
        abort(); // what we wrote must read back
    return *read.animation;
}

bool samePlaces(const platform::GifAnimation &a, const platform::GifAnimation &b)
{
    if (a.frames.size() != b.frames.size())
        return false;
    for (qsizetype i = 0; i < a.frames.size(); ++i) {
        if (a.frames[i].rect != b.frames[i].rect)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    const QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const platform::GifAnimationCodec::ReadResult read = platform::GifAnimationCodec::read(bytes);
    if (!read.animation)
        return 0;
    giftool::PaletteConversion conversion;
    conversion.indexes = {data[size - 2]};
    conversion.before = {giftool::PaletteRow::fromValue(data[size - 3] * 0x010101)};
    conversion.target = giftool::PaletteRow::fromRgb(255, 255, 255);
    conversion.movedTo = data[size - 2];
    const giftool::AnimationEdits edits{{conversion}, true, data[size - 1]};
    giftool::TransparentAnimation saved = giftool::transparentAnimation(*read.animation, edits);
    if (saved.transparentFrames > saved.animation.frames.size())
        abort();
    platform::GifAnimation again = writtenAndRead(saved.animation);
    if (again.frames.isEmpty())
        return 0; // a frame beyond what a GIF can hold: refused, not written
    if (!samePlaces(saved.animation, again))
        abort();
    giftool::clearTransparency(again);
    const platform::GifAnimation opaque = writtenAndRead(again);
    for (const platform::GifFrame &frame : opaque.frames) {
        if (frame.transparentIndex >= 0)
            abort();
    }
    return 0;
}
