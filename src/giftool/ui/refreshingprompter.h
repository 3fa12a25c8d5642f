#pragma once

#include "platform/prompter.h"

#include <functional>

namespace giftool {

// Passes every message box on to another prompter, first running a refresh, so a window shows
// its present state behind a message that a command asks in the middle of its work.
class RefreshingPrompter : public platform::Prompter
{
public:
    RefreshingPrompter(platform::Prompter &prompter, std::function<void()> refresh)
        : m_prompter(prompter)
        , m_refresh(std::move(refresh))
    { }

    platform::MessageAnswer ask(const QString &text, platform::MessageIcon icon,
        platform::MessageButtons buttons, const QString &title = QString()) override;
    void beep() override { m_prompter.beep(); }
    std::optional<int> choose(
        const QString &text, const QStringList &items, int current, const QString &title) override
    {
        return m_prompter.choose(text, items, current, title);
    }

private:
    platform::Prompter &m_prompter;
    std::function<void()> m_refresh;
};

} // namespace giftool
