#pragma once

#include "platform/units.h"

#include <QList>
#include <functional>

class QScrollBar;
class QWidget;

namespace frameset {

class CellWidget;
class DesignArea;
class LayoutModel;

// The cell views and scroll-bar views of the design area, one pair per cell of the layout model,
// placed where the model's geometry puts them.
class CellViews
{
public:
    // `areaTop` is where the design area starts in the window, in pixels.
    CellViews(
        const LayoutModel &model, platform::TwipsScale scale, int scrollBarPixels, int areaTop);

    int count() const { return int(m_cells.size()); }
    CellWidget *cell(int i) const;
    QScrollBar *scrollView(int i) const;

    // Keeps `count` pairs on `canvas`, making the missing ones (each new cell view handed to
    // `wire`) or deleting the surplus from the highest number down.
    void setCount(int count, QWidget *canvas, const std::function<void(CellWidget *)> &wire);
    // Puts cell view i where the model's cell i lies.
    void placeCell(int i);
    // Places every pair, scroll-bar views above the cells, and gives `area` the extent they
    // cover.
    void placeAll(DesignArea *area);
    // Paints the model's selected cell in the selection colour when `shown`, the others white.
    void paintSelection(bool shown);

private:
    void placeScrollView(int i);

    const LayoutModel &m_model;
    platform::TwipsScale m_scale;
    int m_scrollBarPixels;
    int m_areaTop;
    QList<CellWidget *> m_cells;
    QList<QScrollBar *> m_scrolls;
};

} // namespace frameset
