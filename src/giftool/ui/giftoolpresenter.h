#pragma once

#include "giftool/core/backgroundselection.h"
#include "giftool/core/transparencycancel.h"
#include "platform/prompter.h"

#include <QString>

namespace giftool {

// The instruction line after a save under path.
QString saveResultText(const QString &path);

// What the instruction line adds after saving the first of an animation's frameCount frames
// in a type that holds one picture.
QString firstFrameOnlyText(int frameCount);

// Clearcoat's words for what its core comes to: the instruction line, whether Save As may be
// used, the messages that go with each pick and conversion, and the questions before a save and
// before Cancel Transparency. A message is told with the instruction line empty; the line takes
// its text once the message is dismissed.
class GifToolPresenter
{
public:
    explicit GifToolPresenter(platform::Prompter &prompter)
        : m_prompter(prompter)
    { }

    const QString &instructions() const { return m_instructions; }
    // Save As may be used: the picture is open and its background needs no conversion first.
    bool saveAsEnabled() const { return m_saveAsEnabled; }

    // Another image is about to be opened: the line is emptied.
    void forget() { m_instructions.clear(); }
    // An image was opened, or failed to open.
    void opened(bool success);
    // Tells what a press on the picture came to; returns whether the user asked to save now.
    bool tellPick(const PickResult &result);
    // Tells what a conversion button came to.
    void tellRecolour(const RecolourResult &result);
    // The picture was saved under path, with frameCount frames opened.
    void saved(const QString &path, int frameCount);

    // Tells why an image could not be opened or saved.
    void tellFailure(const QString &message);

    // Asks what must be asked before a save: whether to save without a selected background and
    // whether to save a background of more than one color. False when the user cancelled.
    bool confirmSave(bool backgroundSelected, bool multiColour);
    // Cancel Transparency: asks before the file is changed and tells what could not be done.
    CancelResult cancelTransparency(const QString &path);

private:
    // Empties the line, tells text and then shows it on the line.
    void tellAndShow(const QString &text);

    platform::Prompter &m_prompter;
    QString m_instructions = QStringLiteral("Open an image file from the File menu.");
    bool m_saveAsEnabled = false;
};

} // namespace giftool
