#include "imagemap/ui/imagemapmessages.h"

namespace imagemap {

bool confirmHtml(platform::Prompter &prompter)
{
    return prompter.ask(htmlQuestion(), platform::MessageIcon::Question,
               platform::MessageButtons::YesNoCancel)
        == platform::MessageAnswer::Yes;
}

bool confirmDiscardingHotspots(platform::Prompter &prompter, const QString &question)
{
    return prompter.ask(question, platform::MessageIcon::Question, platform::MessageButtons::YesNo)
        == platform::MessageAnswer::Yes;
}

void tellDrawingNotices(platform::Prompter &prompter, const QList<DrawingNotice> &notices)
{
    for (const DrawingNotice notice : notices) {
        switch (notice) {
        case DrawingNotice::Beep:
            prompter.beep();
            break;
        case DrawingNotice::Select:
            prompter.tell(QStringLiteral("Select"));
            break;
        case DrawingNotice::OutOfPoints:
            prompter.tell(capacityMessage(), platform::MessageIcon::Exclamation);
            break;
        }
    }
}

void tellLinkNotice(platform::Prompter &prompter, LinkResult::Notice notice)
{
    switch (notice) {
    case LinkResult::Notice::None:
        break;
    case LinkResult::Notice::UrlMissing:
        prompter.tell(urlMissingMessage(), platform::MessageIcon::Exclamation);
        break;
    case LinkResult::Notice::OutOfPoints:
        prompter.tell(capacityMessage(), platform::MessageIcon::Exclamation);
        break;
    }
}

bool removeHotspot(platform::Prompter &prompter, HotspotProperties &properties)
{
    if (properties.removeAsksFirst()
        && prompter.ask(deleteQuestion(), platform::MessageIcon::Question,
               platform::MessageButtons::YesNoCancel)
            != platform::MessageAnswer::Yes)
        return false;
    properties.remove();
    return true;
}

} // namespace imagemap
