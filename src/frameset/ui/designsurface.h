#pragma once

#include "frameset/core/splitdirection.h"
#include "frameset/ui/buttonpictures.h"
#include "frameset/ui/cellviews.h"
#include "platform/units.h"

#include <QList>
#include <QWidget>

class QCheckBox;
class QFrame;
class QLabel;
class QScrollBar;

namespace frameset {

class CellResizer;
class CellWidget;
class DesignArea;
class LayoutModel;
class SplitButton;
struct CellView;

// The designer's client area: the row of split buttons with the hint line, the cell-size display
// and the Borders box above a horizontal line, and below it the design area with one cell view and
// one scroll-bar view per cell of the layout model. The design area scrolls under the button row,
// which stays in view. It shows the model (showDesign) and turns the mouse on the cells into
// selection, the properties request and border drags through the CellResizer.
class DesignSurface : public QWidget
{
    Q_OBJECT
public:
    // Where the design area starts, in twips below the top of the client area.
    static constexpr float DesignTop = 450;

    DesignSurface(LayoutModel &model, CellResizer &resizer, platform::TwipsScale scale,
        int scrollBarPixels, QWidget *parent = nullptr);

    // Re-reads every cell, scroll-bar view, cell 0's caption and the Borders setting from the
    // model. With `selectionShown` the selected cell is painted in the selection colour and its
    // size is shown; without, the size display is empty.
    void showDesign(bool selectionShown);
    bool selectionShown() const { return m_selectionShown; }

    CellWidget *cell(int i) const;
    int cellCount() const { return m_views.count(); }
    QScrollBar *scrollView(int i) const;
    SplitButton *button(int i) const;
    QLabel *hintLine() const { return m_hintLine; }
    QLabel *sizeDisplay() const { return m_sizeDisplay; }
    QCheckBox *bordersBox() const { return m_bordersBox; }
    DesignArea *designArea() const { return m_area; }

signals:
    // The row or the column split button was clicked.
    void splitRequested(SplitDirection direction);
    // The "Clear All" button was clicked.
    void clearRequested();
    // A double-click or a right-button press on a cell asks for its frame properties.
    void propertiesRequested(int cell);
    // A border drag was refused: it crossed the cell's far edge, or left a cell without size.
    void refused();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    void buildButtonRow();
    void showHint(ButtonPicture button);
    // Places every cell and scroll-bar view and sizes the design area's canvas to hold them.
    // Shows the size of a cell of `width` x `height` twips in pixels.
    void showSize(float width, float height);
    // The selected cell's size while the selection is shown, otherwise nothing.
    void showSelectedSize();

    void onCellPressed(int i, Qt::MouseButton button);
    void onCellMoved(int i, QPoint position, Qt::MouseButtons buttons);
    void onCellReleased(int i, Qt::MouseButton button);
    void onCellDoubleClicked(int i);

    LayoutModel &m_model;
    CellResizer &m_resizer;
    platform::TwipsScale m_scale;
    bool m_selectionShown = false;
    QList<SplitButton *> m_buttons;
    QLabel *m_hintLine = nullptr;
    QLabel *m_sizeDisplay = nullptr;
    QCheckBox *m_bordersBox = nullptr;
    QFrame *m_buttonRowLine = nullptr;
    DesignArea *m_area = nullptr;
    // Where the design area begins, in pixels below the top of the surface.
    int m_areaTop;
    CellViews m_views;
};

} // namespace frameset
