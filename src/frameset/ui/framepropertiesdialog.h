#pragma once

#include "frameset/core/framepropertieseditor.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;

namespace frameset {

class FilteredLineEdit;

// The frame properties dialog: the view of a FramePropertiesEditor over the selected cell's
// record. fill() shows the record; OK stores the controls (and marks the design modified),
// Cancel stores nothing. Choosing "No" in the Scroll Bar list hides the cell's scroll-bar view
// at once, and any other entry shows it; Cancel does not undo that.
class FramePropertiesDialog : public QDialog
{
    Q_OBJECT
public:
    // `browseFolder` is where Browse starts and what it remembers; it outlives the dialog.
    FramePropertiesDialog(LayoutModel &model, platform::FileDialogs &dialogs,
        platform::TwipsScale scale, QString &browseFolder, QWidget *parent = nullptr);

    // Takes the selected cell as the one to edit and shows its record.
    void fill();
    // The cell whose record the dialog edits.
    int editedCell() const { return m_editor.editedCell(); }

    // Browse: asks for a file and puts its bare name into the URL box.
    void browse();

    FilteredLineEdit *textBox(FrameTextBox box) const;

signals:
    // The scroll-bar view of `cell` was shown or hidden.
    void scrollBarChanged(int cell);

private:
    void buildControls();
    void placeControls(QGridLayout *grid);
    void connectControls();
    // Gives every control the object name the tests and the help pictures find it by.
    void nameControls();
    void showEntries(const FramePropertiesEntries &entries);
    FramePropertiesEntries entries() const;
    void fixedSizeToggled(bool width, bool ticked);
    void scrollingChanged(int entry);

    FramePropertiesEditor m_editor;
    platform::TwipsScale m_scale;
    // Set while the controls are filled, so that their change handlers leave the design alone.
    bool m_filling = false;
    // What the fixed-size labels show while their boxes are ticked.
    qint64 m_fixedWidthPixels = 0;
    qint64 m_fixedHeightPixels = 0;

    QLabel *m_sourceUrlCaption = nullptr;
    QPushButton *m_browseButton = nullptr;
    FilteredLineEdit *m_sourceUrlBox = nullptr;
    QLabel *m_frameNameCaption = nullptr;
    FilteredLineEdit *m_frameNameBox = nullptr;
    QLabel *m_marginWidthCaption = nullptr;
    QLabel *m_marginHeightCaption = nullptr;
    FilteredLineEdit *m_marginWidthBox = nullptr;
    FilteredLineEdit *m_marginHeightBox = nullptr;
    QCheckBox *m_fixedWidthBox = nullptr;
    QLabel *m_fixedWidthLabel = nullptr;
    QCheckBox *m_fixedHeightBox = nullptr;
    QLabel *m_fixedHeightLabel = nullptr;
    QCheckBox *m_noResizeBox = nullptr;
    QLabel *m_scrollingCaption = nullptr;
    QComboBox *m_scrollingList = nullptr;
    QLabel *m_frameBorderCaption = nullptr;
    QComboBox *m_frameBorderList = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};

} // namespace frameset
