#include "giftool/core/transparencycancel.h"

#include "giftool/core/animationtransparency.h"
#include "giftool/core/gifpatch.h"
#include "platform/filecontent.h"
#include "platform/imaging/gifanimation.h"
#include "platform/prompter.h"

#include <QBuffer>

namespace giftool {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

namespace {

constexpr int PackedOffset = GifFirstBlock + 3;

bool hasGraphicControlBlock(const QByteArray &gif)
{
    return gif.startsWith("GIF") && gif.size() > PackedOffset && gif[GifFirstBlock] == 0x21
        && gif[GifFirstBlock + 1] == char(0xF9) && gif[GifFirstBlock + 2] == 0x04;
}

CancelResult report(CancelResult result, MessageIcon icon, platform::Prompter *prompter)
{
    if (prompter)
        prompter->tell(result.message, icon);
    return result;
}

CancelResult notWritten(const QString &message, platform::Prompter *prompter)
{
    return report({CancelOutcome::NotWritten, message}, MessageIcon::Exclamation, prompter);
}

bool confirmed(platform::Prompter *prompter)
{
    return !prompter
        || prompter->ask(QStringLiteral("Are you sure you want to delete the transparency?"),
               MessageIcon::Question, MessageButtons::OkCancel, QStringLiteral("Transparency"))
        == MessageAnswer::Ok;
}

// An animation has a graphic control block for each frame: transparency goes off in all.
CancelResult cancelAnimationTransparency(
    const QString &path, const QByteArray &gif, platform::Prompter *prompter)
{
    platform::GifAnimationCodec::ReadResult read = platform::GifAnimationCodec::read(gif);
    if (!read.animation)
        return report({CancelOutcome::Failed, read.error}, MessageIcon::Exclamation, prompter);
    if (!clearTransparency(*read.animation))
        return {CancelOutcome::NotTransparent, QString()};
    if (!confirmed(prompter))
        return {CancelOutcome::Declined, QString()};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!platform::GifAnimationCodec::write(buffer, *read.animation, &error))
        return notWritten(platform::cannotWriteText(path, error), prompter);
    if (!platform::saveFileContent(path, bytes, &error))
        return notWritten(error, prompter);
    return {CancelOutcome::Cleared, QString()};
}

} // namespace

CancelResult cancelTransparency(const QString &path, platform::Prompter *prompter)
{
    QString error;
    std::optional<QByteArray> gif = platform::readFileContent(path, &error);
    if (!gif)
        return report({CancelOutcome::Failed, error}, MessageIcon::None, prompter);
    if (platform::GifAnimationCodec::hasSeveralFrames(*gif))
        return cancelAnimationTransparency(path, *gif, prompter);
    if (!hasGraphicControlBlock(*gif)) {
        return report({CancelOutcome::NotVersion89a,
                          QStringLiteral("The image is not a version 89a or it is corrupt.")},
            MessageIcon::Exclamation, prompter);
    }
    if ((*gif)[PackedOffset] != 1)
        return {CancelOutcome::NotTransparent, QString()};
    if (!confirmed(prompter))
        return {CancelOutcome::Declined, QString()};
    (*gif)[PackedOffset] = 0;
    if (!platform::saveFileContent(path, *gif, &error))
        return notWritten(error, prompter);
    return {CancelOutcome::Cleared, QString()};
}

} // namespace giftool
