#pragma once

#include "platform/prompter.h"

#include <QString>

namespace frameset {

// What Panecraft's designer says and asks, in one place: the questions before work is dropped
// or a file replaced, the hints of the Design menu, and the messages that tell what a command
// came to. Every message box of the window and its file commands goes through here.
class DesignerMessages
{
public:
    explicit DesignerMessages(platform::Prompter &prompter)
        : m_prompter(prompter)
    { }

    platform::Prompter &prompter() const { return m_prompter; }

    // New with unsaved changes: true only for Yes.
    bool mayClear() const;
    // Closing with unsaved changes: true only for Yes.
    bool mayExit() const;
    // Open or Import with unsaved changes: true only for Yes.
    bool mayReplaceDesign() const;
    // A file of the name chosen exists: true only for OK.
    bool mayOverwrite() const;

    // Design > Properties and Design > Resize Cells explain how it is done with the mouse.
    void tellPropertiesHint() const;
    void tellResizeHint() const;
    void tellFirstCellStays() const;
    // A file could not be written, with the system's reason.
    void tellNotWritten(const QString &path, const QString &reason) const;
    void tellPreviewFolderFailed(const QString &folder, const QString &reason) const;
    void tellNoBrowser(const QString &document, const QString &reason) const;
    // A message a core operation gave, as it is.
    void tell(
        const QString &message, platform::MessageIcon icon = platform::MessageIcon::None) const;
    // An input that does nothing here.
    void beep() const { m_prompter.beep(); }

private:
    bool askYes(const QString &question) const;

    platform::Prompter &m_prompter;
};

} // namespace frameset
