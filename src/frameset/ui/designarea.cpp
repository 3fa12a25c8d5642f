#include "frameset/ui/designarea.h"

namespace frameset {

DesignArea::DesignArea(QWidget *parent)
    : QScrollArea(parent)
    , m_canvas(new QWidget)
{
    setObjectName(QStringLiteral("DesignArea"));
    setFrameShape(QFrame::NoFrame);
    // Clicks on the cells must not move the keyboard focus here: the window's keys stay as they
    // were before the area scrolled.
    setFocusPolicy(Qt::NoFocus);
    m_canvas->setObjectName(QStringLiteral("DesignCanvas"));
    setWidget(m_canvas);
}

void DesignArea::setExtent(QSize extent)
{
    m_canvas->resize(extent.expandedTo(QSize(0, 0)));
}

} // namespace frameset
