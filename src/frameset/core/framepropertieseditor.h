#pragma once

#include "frameset/core/frameproperties.h"
#include "frameset/core/pixelscale.h"

#include <QString>
#include <optional>

namespace platform {
class FileDialogs;
}

namespace frameset {

class LayoutModel;

// The four text boxes of the frame properties dialog.
enum class FrameTextBox { SourceUrl, FrameName, MarginWidth, MarginHeight };

// One fixed-size box of the dialog: whether it may be ticked (the cell belongs to a split of
// that direction), whether it is ticked, and the size in pixels it shows while ticked.
struct FixedSizeEntry
{
    bool available = false;
    bool ticked = false;
    qint64 pixels = 0;

    bool operator==(const FixedSizeEntry &other) const = default;
};

// What the dialog's controls hold, as plain values.
struct FramePropertiesEntries
{
    QString sourceUrl;
    QString frameName;
    QString marginWidth;
    QString marginHeight;
    FixedSizeEntry fixedWidth;
    FixedSizeEntry fixedHeight;
    bool noResize = false;
    ScrollingChoice scrolling = ScrollingChoice::Auto;
    FrameBorderChoice frameBorder = FrameBorderChoice::ThreeD;

    // The text that box `box` holds.
    QString &text(FrameTextBox box) { return this->*textField(box); }
    const QString &text(FrameTextBox box) const { return this->*textField(box); }

    bool operator==(const FramePropertiesEntries &other) const = default;

private:
    static QString FramePropertiesEntries::*textField(FrameTextBox box);
};

// The logic of the frame properties dialog, without widgets: it edits the FrameProperties
// record of one cell. open() tells what the controls show; store() (OK) keeps what they hold
// and marks the design modified; Cancel stores nothing. The scroll-bar rule changes the cell's
// scroll-bar view at once, and Cancel does not take that back.
class FramePropertiesEditor
{
public:
    // `browseFolder` is where Browse starts and what it remembers; it outlives the editor.
    FramePropertiesEditor(LayoutModel &model, platform::FileDialogs &dialogs, PixelScale scale,
        QString &browseFolder);

    // Takes the selected cell as the one to edit and returns what the controls show for its
    // record: the texts as stored, a frame name made up as "Frame" and the cell number + 1 when
    // the stored one is blank, a fixed size ticked when it is not 0 (available only when the
    // cell has a split key of that direction), no-resize ticked when not 0, and the list
    // entries of the stored choices (the first entry for a value the list does not have).
    FramePropertiesEntries open();
    // The cell whose record the editor edits.
    int editedCell() const { return m_cell; }

    // What a fixed width (height) box shows once ticked: the edited cell's width (height) now,
    // in whole pixels. Nothing when the cell is no longer in the design.
    std::optional<qint64> fixedWidthWhenTicked() const;
    std::optional<qint64> fixedHeightWhenTicked() const;

    // The scroll-bar rule: "No" hides the edited cell's scroll-bar view, "Auto" and "Yes" put it
    // along the cell's right edge and show it. The design does not count as modified: only OK
    // stores the choice. False (and no change) when the cell is no longer in the design.
    bool chooseScrolling(ScrollingChoice choice);

    // Browse: asks for any file, starting in the remembered folder, remembers the chosen file's
    // folder and returns its bare name for the URL box. Nothing when the dialog is cancelled.
    std::optional<QString> browse();

    // OK: stores the entries in the edited cell's record (the texts trimmed, a fixed size only
    // while ticked and 0 otherwise, the ticks and choices as numbers) and marks the design
    // modified. The cell's labels (split path and keys) stay as they are.
    void store(const FramePropertiesEntries &entries);

    // The characters a text box takes from what is typed or pasted: the URL and the name take
    // all but ";" and line breaks, which would break a design file's lines; the margins take the
    // digits 0 to 9.
    static bool accepts(FrameTextBox box, QChar c);

private:
    LayoutModel &m_model;
    platform::FileDialogs &m_dialogs;
    PixelScale m_scale;
    QString &m_browseFolder;
    int m_cell = 0;
};

} // namespace frameset
