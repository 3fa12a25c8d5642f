#pragma once

#include <QScrollArea>

namespace frameset {

// The part of the designer below the button row that holds the cells. It scrolls when the
// design is larger than the window (a design saved on a larger screen, or a window made
// smaller), so every border can be reached; the cells keep their size. The mouse wheel scrolls
// it vertically, and horizontally while Shift is held.
class DesignArea : public QScrollArea
{
    Q_OBJECT
public:
    explicit DesignArea(QWidget *parent = nullptr);

    // The widget the cells are placed on; its origin is the top left corner of the design area.
    QWidget *canvas() const { return m_canvas; }
    // Makes the canvas exactly as large as `extent`, the cells' furthest right and bottom edges
    // in pixels from its origin.
    void setExtent(QSize extent);

protected:
    void wheelEvent(QWheelEvent *event) override;

private:
    QWidget *m_canvas;
};

} // namespace frameset
