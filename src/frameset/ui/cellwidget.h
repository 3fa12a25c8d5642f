#pragma once

#include <QLabel>

namespace frameset {

// The view of one design cell: a framed label, white or in the selection colour,
// that reports the mouse events on it with its cell number.
class CellWidget : public QLabel
{
    Q_OBJECT
public:
    // The background of the selected cell: red 255, green 255, blue 224.
    static QColor selectionColour() { return QColor(255, 255, 224); }

    explicit CellWidget(int index, QWidget *parent = nullptr);

    int index() const { return m_index; }
    void setIndex(int index);

    bool isHighlighted() const { return m_highlighted; }
    // Paints the cell in the selection colour or white.
    void setHighlighted(bool highlighted);

    // Shows a caption whose lines are separated by CR LF.
    void setCaption(const QString &caption);

signals:
    void pressed(int index, Qt::MouseButton button);
    // Position in pixels relative to the cell; the buttons held during the move.
    void moved(int index, QPoint position, Qt::MouseButtons buttons);
    void released(int index, Qt::MouseButton button);
    void doubleClicked(int index);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    int m_index;
    bool m_highlighted = false;
};

} // namespace frameset
