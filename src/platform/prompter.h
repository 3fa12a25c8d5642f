#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

enum class MessageIcon { None, Information, Exclamation, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Message boxes and the beep, as the tools' logic sees them. Code that must ask or beep takes a
// Prompter&, so the texts live beside the logic that shows them and tests can answer them.
class Prompter
{
public:
    virtual ~Prompter() = default;

    // Shows a message box and returns the button pressed. An empty title means the program's
    // default title. Closing the box without a button counts as Cancel (Ok for an OK-only box,
    // No for a Yes/No box).
    virtual MessageAnswer ask(const QString &text, MessageIcon icon, MessageButtons buttons,
        const QString &title = QString())
        = 0;

    virtual void beep() = 0;

    // Shows `text` over a list of `items` with `current` selected and returns the index the
    // user chose; nothing on Cancel. A prompter that cannot show a list answers Cancel.
    virtual std::optional<int> choose(
        const QString &text, const QStringList &items, int current, const QString &title);

    // An OK-only message box.
    void tell(const QString &text, MessageIcon icon = MessageIcon::None,
        const QString &title = QString());
};

} // namespace platform
