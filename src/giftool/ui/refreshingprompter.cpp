#include "giftool/ui/refreshingprompter.h"

namespace giftool {

platform::MessageAnswer RefreshingPrompter::ask(const QString &text, platform::MessageIcon icon,
    platform::MessageButtons buttons, const QString &title)
{
    if (m_refresh)
        m_refresh();
    return m_prompter.ask(text, icon, buttons, title);
}

} // namespace giftool
