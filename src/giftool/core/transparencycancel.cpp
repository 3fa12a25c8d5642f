#include "giftool/core/transparencycancel.h"

#include "giftool/core/gifpatch.h"
#include "platform/filecontent.h"
#include "platform/prompter.h"

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

} // namespace

CancelResult cancelTransparency(const QString &path, platform::Prompter *prompter)
{
    QString error;
    std::optional<QByteArray> gif = platform::readFileContent(path, &error);
    if (!gif)
        return report({CancelOutcome::Failed, error}, MessageIcon::None, prompter);
    if (!hasGraphicControlBlock(*gif)) {
        return report({CancelOutcome::NotVersion89a,
                          QStringLiteral("The image is not a version 89a or it is corrupt.")},
            MessageIcon::Exclamation, prompter);
    }
    if ((*gif)[PackedOffset] != 1)
        return {CancelOutcome::NotTransparent, QString()};
    if (prompter
        && prompter->ask(QStringLiteral("Are you sure you want to delete the transparency?"),
               MessageIcon::Question, MessageButtons::OkCancel, QStringLiteral("Transparency"))
            != MessageAnswer::Ok)
        return {CancelOutcome::Declined, QString()};
    (*gif)[PackedOffset] = 0;
    if (!platform::writeFileAtomically(path, *gif, &error))
        return report({CancelOutcome::Failed, error}, MessageIcon::None, prompter);
    return {CancelOutcome::Cleared, QString()};
}

} // namespace giftool
