#include "giftool/ui/giftoolquestions.h"

namespace giftool {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

bool confirmSave(platform::Prompter &prompter, bool backgroundSelected, bool multiColour)
{
    const QString title = QStringLiteral("Transparent");
    if (!backgroundSelected
        && prompter.ask(QStringLiteral("You have not selected a 'transparent' background.  Do you "
                                       "still want to save the file? "),
               MessageIcon::Question, MessageButtons::OkCancel, title)
            != MessageAnswer::Ok)
        return false;
    if (multiColour
        && prompter.ask(QStringLiteral("The background has more than one color and it may not "
                                       "appear transparent.  OK to proceed?"),
               MessageIcon::Question, MessageButtons::OkCancel, title)
            != MessageAnswer::Ok)
        return false;
    return true;
}

CancelResult cancelTransparencyAsking(const QString &path, platform::Prompter &prompter)
{
    const CancelResult result = cancelTransparency(path, [&prompter] {
        return prompter.ask(QStringLiteral("Are you sure you want to delete the transparency?"),
                   MessageIcon::Question, MessageButtons::OkCancel, QStringLiteral("Transparency"))
            == MessageAnswer::Ok;
    });
    switch (result.outcome) {
    case CancelOutcome::Failed:
        prompter.tell(result.message);
        break;
    case CancelOutcome::Damaged:
    case CancelOutcome::NotVersion89a:
    case CancelOutcome::NotWritten:
        prompter.tell(result.message, MessageIcon::Exclamation);
        break;
    case CancelOutcome::Cleared:
    case CancelOutcome::Declined:
    case CancelOutcome::NotTransparent:
        break;
    }
    return result;
}

} // namespace giftool
