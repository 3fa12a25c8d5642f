#include "launcher/toolicons.h"

#include <QPainter>
#include <QPainterPath>

namespace launcher {

namespace {

void drawFrame(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(QColor(40, 40, 40), r.width() / 24.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, r.width() / 16.0, r.width() / 16.0);
}

void drawPanecraft(QPainter &p, const QRectF &r)
{
    drawFrame(p, r);
    const qreal w = r.width();
    const QRectF left(r.left(), r.top(), w * 0.33, r.height());
    p.fillRect(left.adjusted(w * 0.06, w * 0.06, 0, -w * 0.06), QColor(255, 255, 224));
    const qreal pen = w / 20.0;
    p.setPen(QPen(QColor(200, 30, 30), pen));
    p.drawLine(QPointF(r.left() + w * 0.33, r.top() + pen),
        QPointF(r.left() + w * 0.33, r.bottom() - pen));
    p.setPen(QPen(QColor(30, 70, 200), pen));
    p.drawLine(QPointF(r.left() + w * 0.33, r.top() + r.height() * 0.45),
        QPointF(r.right() - pen, r.top() + r.height() * 0.45));
}

void drawClearcoat(QPainter &p, const QRectF &r)
{
    drawFrame(p, r);
    const int cells = 6;
    const QRectF inner
        = r.adjusted(r.width() * 0.08, r.width() * 0.08, -r.width() * 0.08, -r.width() * 0.08);
    const qreal step = inner.width() / cells;
    p.setPen(Qt::NoPen);
    for (int y = 0; y < cells; ++y)
        for (int x = 0; x < cells; ++x)
            p.fillRect(QRectF(inner.left() + x * step, inner.top() + y * step, step, step),
                (x + y) % 2 ? QColor(200, 200, 200) : QColor(250, 250, 250));
    // A sun and a hill standing on the transparent background.
    p.setBrush(QColor(240, 170, 20));
    p.drawEllipse(QPointF(inner.left() + inner.width() * 0.68, inner.top() + inner.height() * 0.3),
        step * 1.1, step * 1.1);
    QPainterPath hill;
    hill.moveTo(inner.bottomLeft());
    hill.quadTo(
        QPointF(inner.center().x(), inner.top() + inner.height() * 0.35), inner.bottomRight());
    hill.closeSubpath();
    p.setBrush(QColor(40, 150, 60));
    p.drawPath(hill);
}

void drawZonemark(QPainter &p, const QRectF &r)
{
    drawFrame(p, r);
    const qreal w = r.width();
    const QRectF inner = r.adjusted(w * 0.08, w * 0.08, -w * 0.08, -w * 0.08);
    p.fillRect(inner, QColor(170, 210, 240));
    QPen pen(Qt::black, w / 28.0, Qt::DashLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(inner.left() + inner.width() * 0.1, inner.top() + inner.height() * 0.12,
        inner.width() * 0.4, inner.height() * 0.35));
    pen.setColor(QColor(200, 30, 30));
    p.setPen(pen);
    const QPointF tri[3]
        = {QPointF(inner.left() + inner.width() * 0.7, inner.top() + inner.height() * 0.45),
            QPointF(inner.right() - inner.width() * 0.06, inner.bottom() - inner.height() * 0.1),
            QPointF(inner.left() + inner.width() * 0.35, inner.bottom() - inner.height() * 0.1)};
    p.drawPolygon(tri, 3);
}

} // namespace

QPixmap toolIcon(Tool tool, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(size * 0.04, size * 0.04, size * 0.92, size * 0.92);
    switch (tool) {
    case Tool::Panecraft:
        drawPanecraft(p, r);
        break;
    case Tool::Clearcoat:
        drawClearcoat(p, r);
        break;
    case Tool::Zonemark:
        drawZonemark(p, r);
        break;
    }
    return pixmap;
}

} // namespace launcher
