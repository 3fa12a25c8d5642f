#include "giftool/core/transparencycancel.h"

#include "giftool/core/animationtransparency.h"
#include "giftool/core/gifpatch.h"
#include "platform/filecontent.h"
#include "platform/imaging/gifanimation.h"

#include <QBuffer>

namespace giftool {

namespace {

constexpr int PackedOffset = GifFirstBlock + 3;

bool hasGraphicControlBlock(const QByteArray &gif)
{
    return gif.startsWith("GIF") && gif.size() > PackedOffset && gif[GifFirstBlock] == 0x21
        && gif[GifFirstBlock + 1] == char(0xF9) && gif[GifFirstBlock + 2] == 0x04;
}

bool confirmed(const std::function<bool()> &confirm)
{
    return !confirm || confirm();
}

// An animation has a graphic control block for each frame: transparency goes off in all.
CancelResult cancelAnimationTransparency(
    const QString &path, const QByteArray &gif, const std::function<bool()> &confirm)
{
    platform::GifAnimationCodec::ReadResult read = platform::GifAnimationCodec::read(gif);
    if (!read.animation)
        return {CancelOutcome::Damaged, read.error};
    if (!clearTransparency(*read.animation))
        return {CancelOutcome::NotTransparent, QString()};
    if (!confirmed(confirm))
        return {CancelOutcome::Declined, QString()};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!platform::GifAnimationCodec::write(buffer, *read.animation, &error))
        return {CancelOutcome::NotWritten, platform::cannotWriteText(path, error)};
    if (!platform::saveFileContent(path, bytes, &error))
        return {CancelOutcome::NotWritten, error};
    return {CancelOutcome::Cleared, QString()};
}

} // namespace

CancelResult cancelTransparency(const QString &path, const std::function<bool()> &confirm)
{
    QString error;
    std::optional<QByteArray> gif = platform::readFileContent(path, &error);
    if (!gif)
        return {CancelOutcome::Failed, error};
    if (platform::GifAnimationCodec::hasSeveralFrames(*gif))
        return cancelAnimationTransparency(path, *gif, confirm);
    if (!hasGraphicControlBlock(*gif)) {
        return {CancelOutcome::NotVersion89a,
            QStringLiteral("The image is not a version 89a or it is corrupt.")};
    }
    if ((*gif)[PackedOffset] != 1)
        return {CancelOutcome::NotTransparent, QString()};
    if (!confirmed(confirm))
        return {CancelOutcome::Declined, QString()};
    (*gif)[PackedOffset] = 0;
    if (!platform::saveFileContent(path, *gif, &error))
        return {CancelOutcome::NotWritten, error};
    return {CancelOutcome::Cleared, QString()};
}

} // namespace giftool
