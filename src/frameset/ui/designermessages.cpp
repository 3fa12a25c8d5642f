#include "frameset/ui/designermessages.h"

#include "platform/filecontent.h"

namespace frameset {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

bool DesignerMessages::askYes(const QString &question) const
{
    return m_prompter.ask(question, MessageIcon::Question, MessageButtons::YesNoCancel,
               QStringLiteral("Clear"))
        == MessageAnswer::Yes;
}

bool DesignerMessages::mayClear() const
{
    return askYes(
        QStringLiteral("Are you sure you want to clear the screen without saving the changes?"));
}

bool DesignerMessages::mayExit() const
{
    return askYes(QStringLiteral("Are you sure you want exit without saving the changes?"));
}

bool DesignerMessages::mayReplaceDesign() const
{
    return askYes(QStringLiteral("Are you sure you want to open a new file without saving the "
                                 "current file?"));
}

bool DesignerMessages::mayOverwrite() const
{
    return m_prompter.ask(QStringLiteral("File already exists.  OK to over-write existing file?"),
               MessageIcon::Exclamation, MessageButtons::OkCancel, QStringLiteral("Please Note"))
        == MessageAnswer::Ok;
}

void DesignerMessages::tellPropertiesHint() const
{
    m_prompter.tell(
        QStringLiteral("Select the frame by clicking on it, then press the right mouse button."),
        MessageIcon::Exclamation);
}

void DesignerMessages::tellResizeHint() const
{
    m_prompter.tell(QStringLiteral("The cells can be re-sized by drag action.  Point the mouse to "
                                   "the right or bottom edge of the cell, and move the border "
                                   "while holding down the left mouse button."));
}

void DesignerMessages::tellFirstCellStays() const
{
    m_prompter.tell(
        QStringLiteral("The first object cannot be removed."), MessageIcon::Exclamation);
}

void DesignerMessages::tellNotWritten(const QString &path, const QString &reason) const
{
    m_prompter.tell(platform::cannotWriteText(path, reason), MessageIcon::Exclamation);
}

void DesignerMessages::tellPreviewFolderFailed(const QString &folder, const QString &reason) const
{
    m_prompter.tell(
        QStringLiteral("The preview folder cannot be made in \"%1\": %2").arg(folder, reason),
        MessageIcon::Exclamation);
}

void DesignerMessages::tellNoBrowser(const QString &document, const QString &reason) const
{
    m_prompter.tell(
        QStringLiteral("No web browser could be started to show %1: %2.").arg(document, reason),
        MessageIcon::Exclamation);
}

void DesignerMessages::tell(const QString &message, platform::MessageIcon icon) const
{
    m_prompter.tell(message, icon);
}

} // namespace frameset
