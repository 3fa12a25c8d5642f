#pragma once

#include "platform/units.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace platform {
class FileDialogs;
}

namespace frameset {

class FilteredLineEdit;
class LayoutModel;

// The frame properties dialog: edits the FrameProperties record of the selected cell. fill()
// copies the record into the controls; OK stores them (and sets ModifiedFlag), Cancel stores
// nothing. Choosing "No" in the Scroll Bar list hides the cell's scroll-bar view at once, and
// any other entry shows it; Cancel does not undo that.
class Propform : public QDialog
{
    Q_OBJECT
public:
    // `browseFolder` is where Browse starts and what it remembers; it outlives the dialog.
    Propform(LayoutModel &model, platform::FileDialogs &dialogs, platform::TwipsScale scale,
        QString &browseFolder, QWidget *parent = nullptr);

    // Takes the selected cell as the one to edit and shows its record.
    void fill();
    // The cell whose record the dialog edits.
    int editedCell() const { return m_cell; }

    // Browse: asks for a file and puts its bare name into the URL box.
    void browse();

    FilteredLineEdit *entrybox(int i) const;

signals:
    // The scroll-bar view of `cell` was shown or hidden.
    void scrollBarChanged(int cell);

private:
    void buildControls();
    void store();
    void fixedSizeToggled(bool width, bool ticked);
    void scrollingChanged(int entry);

    LayoutModel &m_model;
    platform::FileDialogs &m_dialogs;
    platform::TwipsScale m_scale;
    QString &m_browseFolder;
    int m_cell = 0;
    // Set while fill() copies the record into the controls, so that the controls' change
    // handlers leave the design alone.
    bool m_filling = false;

    QPushButton *m_browseButton = nullptr;
    QList<FilteredLineEdit *> m_entries;
    QCheckBox *m_fixedWidth = nullptr;
    QLabel *m_widthLabel = nullptr;
    QCheckBox *m_fixedHeight = nullptr;
    QLabel *m_heightLabel = nullptr;
    QCheckBox *m_noResize = nullptr;
    QComboBox *m_scrolling = nullptr;
    QComboBox *m_border = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace frameset
