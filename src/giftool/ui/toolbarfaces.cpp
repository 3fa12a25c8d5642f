#include "giftool/ui/toolbarfaces.h"

#include <QPainter>
#include <QPainterPath>

namespace giftool {

namespace {

// The pictures are drawn on a 24 x 22 grid and scaled to the button.
constexpr int GridWidth = 24;
constexpr int GridHeight = 22;

void drawBevel(QPainter &p, bool pressed)
{
    const QColor light(255, 255, 255);
    const QColor dark(128, 128, 128);
    p.fillRect(0, 0, GridWidth, GridHeight, QColor(212, 208, 200));
    p.setPen(pressed ? dark : light);
    p.drawLine(0, 0, GridWidth - 1, 0);
    p.drawLine(0, 0, 0, GridHeight - 1);
    p.setPen(pressed ? light : dark);
    p.drawLine(1, GridHeight - 1, GridWidth - 1, GridHeight - 1);
    p.drawLine(GridWidth - 1, 1, GridWidth - 1, GridHeight - 1);
}

void drawFolder(QPainter &p)
{
    p.setPen(QColor(96, 72, 0));
    p.setBrush(QColor(232, 192, 64));
    QPolygon back;
    back << QPoint(3, 6) << QPoint(8, 6) << QPoint(10, 8) << QPoint(17, 8) << QPoint(17, 17)
         << QPoint(3, 17);
    p.drawPolygon(back);
    // The open front leaf leans forward over the back.
    p.setBrush(QColor(255, 224, 112));
    QPolygon front;
    front << QPoint(6, 11) << QPoint(21, 11) << QPoint(17, 17) << QPoint(3, 17);
    p.drawPolygon(front);
}

void drawDiskette(QPainter &p)
{
    p.setPen(QColor(0, 0, 64));
    p.setBrush(QColor(48, 72, 160));
    p.drawRect(4, 3, 15, 15);
    p.setBrush(Qt::white);
    p.drawRect(7, 3, 9, 6);
    p.setBrush(QColor(176, 176, 176));
    p.drawRect(7, 12, 9, 6);
    p.fillRect(13, 4, 2, 4, QColor(48, 72, 160));
}

void drawQuestionMark(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(0, 0, 96));
    p.setBrush(QColor(64, 112, 224));
    p.drawEllipse(QRectF(4.5, 2.5, 15, 15));
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath hook;
    hook.moveTo(9.5, 7.5);
    hook.cubicTo(9.5, 4.5, 15, 4.5, 15, 7.5);
    hook.cubicTo(15, 9.5, 12, 9.5, 12, 12);
    p.drawPath(hook);
    p.drawPoint(QPointF(12, 14.5));
}

} // namespace

QPixmap toolbarFace(ToolbarButton button, bool pressed, QSize size, qreal devicePixelRatio)
{
    QPixmap pixmap(size * devicePixelRatio);
    // The painter then works in logical pixels and draws each of them with the finer grid.
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPainter p(&pixmap);
    p.scale(double(size.width()) / GridWidth, double(size.height()) / GridHeight);
    drawBevel(p, pressed);
    if (pressed)
        p.translate(1, 1);
    switch (button) {
    case ToolbarButton::Open:
        drawFolder(p);
        break;
    case ToolbarButton::Save:
        drawDiskette(p);
        break;
    case ToolbarButton::Help:
        drawQuestionMark(p);
        break;
    }
    return pixmap;
}

} // namespace giftool
