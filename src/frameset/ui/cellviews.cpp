#include "frameset/ui/cellviews.h"

#include "frameset/core/layoutmodel.h"
#include "frameset/ui/cellwidget.h"
#include "frameset/ui/designarea.h"
#include "frameset/ui/designercontrols.h"

#include <QScrollBar>

namespace frameset {

CellViews::CellViews(
    const LayoutModel &model, platform::TwipsScale scale, int scrollBarPixels, int areaTop)
    : m_model(model)
    , m_scale(scale)
    , m_scrollBarPixels(scrollBarPixels)
    , m_areaTop(areaTop)
{ }

CellWidget *CellViews::cell(int i) const
{
    return i >= 0 && i < m_cells.size() ? m_cells.at(i) : nullptr;
}

QScrollBar *CellViews::scrollView(int i) const
{
    return i >= 0 && i < m_scrolls.size() ? m_scrolls.at(i) : nullptr;
}

void CellViews::setCount(int count, QWidget *canvas, const std::function<void(CellWidget *)> &wire)
{
    while (m_cells.size() > count) {
        delete m_cells.takeLast();
        delete m_scrolls.takeLast();
    }
    while (m_cells.size() < count) {
        const int i = int(m_cells.size());
        auto *view = new CellWidget(i, canvas);
        view->setObjectName(QLatin1String(designerControlName(DesignerControl::Cell)));
        wire(view);
        m_cells.append(view);

        // The scroll-bar view only marks where the frame's scroll bar will be; the mouse goes
        // through it to the cell, whose border zone it covers.
        auto *scroll = new QScrollBar(Qt::Vertical, canvas);
        scroll->setObjectName(QLatin1String(designerControlName(DesignerControl::ScrollBarView)));
        scroll->setProperty("index", i);
        scroll->setAttribute(Qt::WA_TransparentForMouseEvents);
        scroll->setFocusPolicy(Qt::NoFocus);
        m_scrolls.append(scroll);
    }
}

void CellViews::placeCell(int i)
{
    const CellView &c = m_model.design().cell(i);
    // Edges are converted, not sizes, so neighbouring cells meet without gaps.
    const int left = m_scale.toPixels(c.left);
    const int top = m_scale.toPixels(c.top);
    m_cells[i]->setGeometry(left, top - m_areaTop, m_scale.toPixels(c.right()) - left,
        m_scale.toPixels(c.bottom()) - top);
}

void CellViews::placeScrollView(int i)
{
    const ScrollBarView &s = m_model.design().cell(i).scroll;
    const int left = m_scale.toPixels(s.left);
    const int top = m_scale.toPixels(s.top);
    m_scrolls[i]->setGeometry(
        left, top - m_areaTop, m_scrollBarPixels, m_scale.toPixels(s.top + s.height) - top);
    m_scrolls[i]->setVisible(s.visible);
}

void CellViews::placeAll(DesignArea *area)
{
    QSize extent;
    for (int i = 0; i < m_cells.size(); ++i) {
        placeCell(i);
        placeScrollView(i);
        extent = extent.expandedTo(
            QSize(m_cells[i]->geometry().right() + 1, m_cells[i]->geometry().bottom() + 1));
    }
    area->setExtent(extent);
    for (QScrollBar *scroll : std::as_const(m_scrolls))
        scroll->raise();
}

void CellViews::paintSelection(bool shown)
{
    const int selected = m_model.selectedCell();
    for (CellWidget *view : std::as_const(m_cells))
        view->setHighlighted(shown && view->index() == selected);
}

} // namespace frameset
