#include "platform/prompter.h"

namespace platform {

void Prompter::tell(const QString &text, MessageIcon icon, const QString &title)
{
    ask(text, icon, MessageButtons::Ok, title);
}

} // namespace platform
