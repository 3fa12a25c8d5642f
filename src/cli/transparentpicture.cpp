#include "cli/transparentpicture.h"

#include "giftool/core/gifdocument.h"
#include "platform/prompter.h"

#include <QTextStream>

namespace cli {

namespace {

// The Background frame's answers without a window: the completion question is answered No
// (the command saves by itself) and every message is kept for the error output.
class AnsweringPrompter : public platform::Prompter
{
public:
    platform::MessageAnswer ask(const QString &text, platform::MessageIcon,
        platform::MessageButtons buttons, const QString &) override
    {
        m_lastText = text;
        return buttons == platform::MessageButtons::YesNoCancel ? platform::MessageAnswer::No
                                                                : platform::MessageAnswer::Ok;
    }
    void beep() override { }
    const QString &lastText() const { return m_lastText; }

private:
    QString m_lastText;
};

// A sampled palette index as the error output writes it; empty for an empty slot.
QString indexText(const giftool::SampleSlot &slot)
{
    return slot.filled() ? QString::number(*slot.index) : QString();
}

// Selects the background at the pixel and recolors it when asked. An empty text on success.
QString selectAt(giftool::GifDocument &document, const TransparentOptions &options)
{
    giftool::BackgroundSelection &selection = document.selection();
    const QPoint at = *options.at;
    const QString where = QStringLiteral("%1,%2").arg(at.x()).arg(at.y());
    if (at.x() >= document.imageWidth() || at.y() >= document.imageHeight()) {
        return where
            + QStringLiteral(" lies outside the %1 x %2 image")
                  .arg(document.imageWidth())
                  .arg(document.imageHeight());
    }
    if (at.x() == document.imageWidth() - 1) {
        return where
            + QStringLiteral(" is in the last column, which has no right-hand neighbour to "
                             "compare the background with; choose a point further left");
    }
    const platform::TwipsScale scale;
    const int x = scale.toTwips(at.x());
    const int y = scale.toTwips(at.y());
    AnsweringPrompter prompter;
    giftool::SelectOutcome outcome = selection.selectBackground(x, y, prompter);
    if (outcome == giftool::SelectOutcome::NotInPalette)
        return prompter.lastText();
    if (outcome == giftool::SelectOutcome::MustConvert && !options.recolorButton) {
        return QStringLiteral("the background at %1 has two colors (palette indexes %2 and %3); "
                              "add --recolor %4 to make it one")
            .arg(where, indexText(selection.slot(0)), indexText(selection.slot(1)),
                QStringLiteral("white, grey, black or neighbour"));
    }
    if (!options.recolorButton)
        return QString();
    // On a uniform background the neighbour already has the background's color: there is
    // nothing to recolor it to, and nothing that needs it.
    if (outcome == giftool::SelectOutcome::Selected
        && *options.recolorButton == giftool::ConversionButton::Neighbour)
        return QString();
    if (!selection.convertBackground(*options.recolorButton, prompter))
        return prompter.lastText();
    outcome = selection.selectBackground(x, y, prompter);
    if (outcome != giftool::SelectOutcome::Selected)
        return QStringLiteral("the background at %1 is still not one color").arg(where);
    return QString();
}

// Selects the background the options name, recolored when asked. An empty text on success.
QString selectBackground(giftool::GifDocument &document, const TransparentOptions &options)
{
    if (options.at)
        return selectAt(document, options);
    giftool::BackgroundSelection &selection = document.selection();
    AnsweringPrompter prompter;
    selection.selectIndex(*options.index);
    if (options.recolorButton && !selection.convertBackground(*options.recolorButton, prompter))
        return prompter.lastText();
    return QString();
}

void reportSaved(const QString &output, int transparent, const giftool::SaveResult &saved,
    int frameCount, QTextStream &out)
{
    out << output << ": palette index " << transparent << " is transparent";
    if (saved.framesSaved > 1) {
        out << "; its color is clear in " << saved.transparentFrames << " of " << saved.framesSaved
            << " frames";
    } else if (frameCount > 1) {
        out << "; only the first of " << frameCount << " frames was saved";
    }
    out << ".\n";
    if (!saved.merges.isEmpty())
        out << output << ": " << mergeReport(saved.merges) << '\n';
}

} // namespace

QString mergeReport(const QList<giftool::PaletteMerge> &merges)
{
    return QStringLiteral("the palette was full: merged entries %1 to keep the enclosed parts "
                          "apart; largest color change %2")
        .arg(giftool::mergedEntriesText(merges))
        .arg(giftool::largestChange(merges), 0, 'f', 1);
}

PictureOutcome makeTransparent(
    const QString &image, const QString &output, const TransparentOptions &options)
{
    PictureOutcome outcome;
    // The working files stay in memory, so a running window's "TEMP.BMP" is never touched and
    // the picture makes no round trips through the disk.
    giftool::GifDocument document(giftool::WorkingFiles::heldInMemory());
    document.selection().setOnlyConnected(options.connected);
    const giftool::OpenResult opened = document.openImage(image);
    if (opened.outcome != giftool::OpenOutcome::Opened) {
        outcome.error = opened.error;
        return outcome;
    }
    outcome.error = selectBackground(document, options);
    if (!outcome.error.isEmpty())
        return outcome;

    const int transparent = document.selection().transparentIndex();
    document.setKeepFullColourInPng(options.fullColour);
    const giftool::SaveResult saved = document.saveTransparentGif(output);
    if (!saved.saved) {
        outcome.error = saved.error;
        outcome.notWritten = saved.notWritten;
        return outcome;
    }
    QTextStream out(&outcome.report);
    reportSaved(output, transparent, saved, document.frameCount(), out);
    outcome.saved = true;
    return outcome;
}

} // namespace cli
