#include "giftool/ui/giftoolpresenter.h"

#include "giftool/core/saverules.h"

namespace giftool {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

namespace {

const QString ClickInstruction
    = QStringLiteral("Click and select the background area of the image.");
const QString MustConvertText = QStringLiteral(
    "You MUST change the background to a single color.  Choose a button in the Background Frame.");
const QString DoneText = QStringLiteral(
    "Done! You must now save this image (File menu). As a precaution, do not overwrite the "
    "original image file; you should save it under a new name.  ");
const QString NotInPaletteText = QStringLiteral(
    "Please try again.  Select a different pixel.  If the problem persists, save the image as a "
    "bitmap (BMP), re-open the saved bitmap file and repeat the procedure.  If your system is not "
    "set to 256 colors, you may need to change the setting to 256-colors.");
const QString NoSelectionText
    = QStringLiteral("Please click on the image and select the background color.");
const QString ClickAgainText = QStringLiteral("Please click on the background again.");

} // namespace

QString saveResultText(const QString &path)
{
    // Shown exactly as it is: this platform's file names are case-sensitive.
    const QString &name = path;
    if (isGifName(path)) {
        return QStringLiteral("The image has been saved as ") + name
            + QStringLiteral(".  View the effect in web browser.  If not transparent, repeat the "
                             "process but use the ")
            + name + QStringLiteral(" (not the original) file.");
    }
    return QStringLiteral("The image has been saved as ") + name + QStringLiteral(". ");
}

QString firstFrameOnlyText(int frameCount)
{
    return QStringLiteral("Only the first of its %1 frames was saved: this type holds one "
                          "picture.")
        .arg(frameCount);
}

void GifToolPresenter::opened(bool success)
{
    m_saveAsEnabled = success;
    if (success)
        m_instructions = ClickInstruction;
}

void GifToolPresenter::tellAndShow(const QString &text)
{
    m_instructions.clear();
    m_prompter.tell(text, MessageIcon::Exclamation);
    m_instructions = text;
}

bool GifToolPresenter::tellPick(const PickResult &result)
{
    switch (result.outcome) {
    case PickOutcome::NoPicture:
        return false;
    case PickOutcome::OutOfPicture:
    case PickOutcome::NeedsRecolour:
        m_saveAsEnabled = false;
        tellAndShow(
            result.outcome == PickOutcome::OutOfPicture ? NotInPaletteText : MustConvertText);
        return false;
    case PickOutcome::Picked:
        break;
    }
    m_instructions.clear();
    m_saveAsEnabled = true;
    if (m_prompter.ask(DoneText, MessageIcon::Question, MessageButtons::YesNoCancel)
        == MessageAnswer::Yes)
        return true;
    m_instructions = DoneText;
    return false;
}

void GifToolPresenter::tellRecolour(const RecolourResult &result)
{
    switch (result.outcome) {
    case RecolourOutcome::Recoloured:
        m_saveAsEnabled = false;
        tellAndShow(ClickAgainText);
        break;
    case RecolourOutcome::NothingSampled:
        m_prompter.tell(NoSelectionText, MessageIcon::Exclamation);
        break;
    case RecolourOutcome::NoNeighbour:
        break;
    case RecolourOutcome::Failed:
        m_prompter.tell(result.error, MessageIcon::Exclamation);
        break;
    }
}

void GifToolPresenter::saved(const QString &path, int frameCount)
{
    m_instructions = saveResultText(path);
    if (frameCount > 1 && !isGifName(path))
        m_instructions += firstFrameOnlyText(frameCount);
    m_saveAsEnabled = false;
}

void GifToolPresenter::tellFailure(const QString &message)
{
    m_prompter.tell(message, MessageIcon::Exclamation);
}

bool GifToolPresenter::confirmSave(bool backgroundSelected, bool multiColour)
{
    const QString title = QStringLiteral("Transparent");
    if (!backgroundSelected
        && m_prompter.ask(
               QStringLiteral("You have not selected a 'transparent' background.  Do you "
                              "still want to save the file? "),
               MessageIcon::Question, MessageButtons::OkCancel, title)
            != MessageAnswer::Ok)
        return false;
    if (multiColour
        && m_prompter.ask(QStringLiteral("The background has more than one color and it may not "
                                         "appear transparent.  OK to proceed?"),
               MessageIcon::Question, MessageButtons::OkCancel, title)
            != MessageAnswer::Ok)
        return false;
    return true;
}

CancelResult GifToolPresenter::cancelTransparency(const QString &path)
{
    const CancelResult result = giftool::cancelTransparency(path, [this] {
        return m_prompter.ask(QStringLiteral("Are you sure you want to delete the transparency?"),
                   MessageIcon::Question, MessageButtons::OkCancel, QStringLiteral("Transparency"))
            == MessageAnswer::Ok;
    });
    switch (result.outcome) {
    case CancelOutcome::Failed:
        m_prompter.tell(result.message);
        break;
    case CancelOutcome::Damaged:
    case CancelOutcome::NotVersion89a:
    case CancelOutcome::NotWritten:
        m_prompter.tell(result.message, MessageIcon::Exclamation);
        break;
    case CancelOutcome::Cleared:
    case CancelOutcome::Declined:
    case CancelOutcome::NotTransparent:
        break;
    }
    return result;
}

} // namespace giftool
