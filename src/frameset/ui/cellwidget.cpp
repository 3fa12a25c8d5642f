#include "frameset/ui/cellwidget.h"

#include "platform/units.h"

#include <QMouseEvent>

namespace frameset {

CellWidget::CellWidget(int index, QWidget *parent)
    : QLabel(parent)
    , m_index(-1)
{
    setIndex(index);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
    setMouseTracking(true);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setHighlighted(false);
}

void CellWidget::setIndex(int index)
{
    m_index = index;
    setProperty("index", index);
}

void CellWidget::setHighlighted(bool highlighted)
{
    m_highlighted = highlighted;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, highlighted ? selectionColour() : QColor(Qt::white));
    setPalette(colours);
}

void CellWidget::setCaption(const QString &caption)
{
    QString shown = caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setText(shown);
}

void CellWidget::mousePressEvent(QMouseEvent *event)
{
    emit pressed(m_index, event->button());
    event->accept();
}

void CellWidget::mouseMoveEvent(QMouseEvent *event)
{
    emit moved(m_index, platform::pixelUnder(event->position()), event->buttons());
    event->accept();
}

void CellWidget::mouseReleaseEvent(QMouseEvent *event)
{
    emit released(m_index, event->button());
    event->accept();
}

void CellWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit doubleClicked(m_index);
    event->accept();
}

} // namespace frameset
