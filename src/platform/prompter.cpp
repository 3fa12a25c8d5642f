#include "platform/prompter.h"

namespace platform {

void Prompter::tell(const QString &text, MessageIcon icon, const QString &title)
{
    ask(text, icon, MessageButtons::Ok, title);
}

std::optional<int> Prompter::choose(const QString &, const QStringList &, int, const QString &)
{
    return std::nullopt;
}

} // namespace platform
