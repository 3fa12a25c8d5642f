#include "frameset/ui/buttonpictures.h"

#include <QPainter>

namespace frameset {

namespace {

constexpr int PictureWidth = 24;
constexpr int PictureHeight = 22;

// Everything but the cross is drawn as filled rectangles: on a screen of 1.5 or 2 device pixels
// per pixel, a one-pixel line of a scaled painter loses half its width at the picture's edges.

// A pane framed by one pixel of `frame`: it covers `pane` and one pixel more to the right and
// below, as QPainter::drawRect strokes a rectangle.
void drawFramedPane(QPainter &p, const QRect &pane, const QColor &frame, const QColor &inside)
{
    p.fillRect(QRect(pane.topLeft(), pane.size() + QSize(1, 1)), frame);
    p.fillRect(pane.adjusted(1, 1, 0, 0), inside);
}

// A small window of two panes in the button's colour, split by a strong line of that colour:
// the picture shows what the split does.
void drawSplitPane(QPainter &p, const QRect &pane, bool columns, const QColor &colour)
{
    drawFramedPane(p, pane, colour, colour.lighter(185));
    if (columns) {
        const int x = pane.center().x();
        p.fillRect(QRect(x, pane.top() + 1, 2, pane.height() - 2), colour);
    } else {
        const int y = pane.center().y();
        p.fillRect(QRect(pane.left() + 1, y, pane.width() - 2, 2), colour);
    }
}

// An empty pane with a diagonal cross: everything goes.
void drawClearPane(QPainter &p, const QRect &pane)
{
    drawFramedPane(p, pane, QColor(60, 60, 60), Qt::white);
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
    const QColor &topLeft = pressed ? dark : light;
    const QColor &bottomRight = pressed ? light : dark;
    p.fillRect(0, 0, PictureWidth, PictureHeight, QColor(212, 208, 200));
    p.fillRect(0, 0, PictureWidth, 1, topLeft);
    p.fillRect(0, 0, 1, PictureHeight, topLeft);
    p.fillRect(1, PictureHeight - 1, PictureWidth - 1, 1, bottomRight);
    p.fillRect(PictureWidth - 1, 1, 1, PictureHeight - 1, bottomRight);
}

} // namespace

QPixmap buttonPicture(ButtonPicture picture, bool pressed, qreal devicePixelRatio)
{
    QPixmap pixmap(QSize(PictureWidth, PictureHeight) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
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
