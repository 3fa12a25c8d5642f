#include "frameset/ui/buttonpictures.h"

#include <QPainter>

namespace frameset {

namespace {

constexpr int PictureWidth = 24;
constexpr int PictureHeight = 22;

// A small window of two panes in the button's colour, split by a strong line of that colour:
// the picture shows what the split does.
void drawSplitPane(QPainter &p, const QRect &pane, bool columns, const QColor &colour)
{
    p.setPen(colour);
    p.setBrush(colour.lighter(185));
    p.drawRect(pane);
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::FlatCap));
    if (columns) {
        const int x = pane.center().x() + 1;
        p.drawLine(x, pane.top() + 1, x, pane.bottom());
    } else {
        const int y = pane.center().y() + 1;
        p.drawLine(pane.left() + 1, y, pane.right(), y);
    }
}

// An empty pane with a diagonal cross: everything goes.
void drawClearPane(QPainter &p, const QRect &pane)
{
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawRect(pane);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 2));
    const QRect inner = pane.adjusted(4, 4, -4, -4);
    p.drawLine(inner.topLeft(), inner.bottomRight());
    p.drawLine(inner.topRight(), inner.bottomLeft());
}

// The button's raised or sunken bevel.
void drawBevel(QPainter &p, bool pressed)
{
    const QColor light(255, 255, 255);
    const QColor dark(128, 128, 128);
    p.fillRect(0, 0, PictureWidth, PictureHeight, QColor(212, 208, 200));
    p.setPen(pressed ? dark : light);
    p.drawLine(0, 0, PictureWidth - 1, 0);
    p.drawLine(0, 0, 0, PictureHeight - 1);
    p.setPen(pressed ? light : dark);
    p.drawLine(1, PictureHeight - 1, PictureWidth - 1, PictureHeight - 1);
    p.drawLine(PictureWidth - 1, 1, PictureWidth - 1, PictureHeight - 1);
}

} // namespace

QPixmap buttonPicture(ButtonPicture picture, bool pressed)
{
    QPixmap pixmap(PictureWidth, PictureHeight);
    QPainter p(&pixmap);
    drawBevel(p, pressed);
    // A pressed face moves its picture one pixel down and to the right, as a sunken key does.
    const int shift = pressed ? 1 : 0;
    const QRect pane(3 + shift, 3 + shift, 17, 15);
    switch (picture) {
    case ButtonPicture::RowSplit:
        drawSplitPane(p, pane, false, QColor(20, 60, 220));
        break;
    case ButtonPicture::ColumnSplit:
        drawSplitPane(p, pane, true, QColor(220, 30, 30));
        break;
    case ButtonPicture::ClearAll:
        drawClearPane(p, pane);
        break;
    }
    return pixmap;
}

} // namespace frameset
