#include "frameset/ui/splitbutton.h"

#include "platform/units.h"

#include <QMouseEvent>

namespace frameset {

SplitButton::SplitButton(ButtonPicture picture, QWidget *parent)
    : QLabel(parent)
    , m_picture(picture)
{
    setProperty("index", int(picture));
    setMouseTracking(true);
    showFace(false);
    setFixedSize(pixmap().deviceIndependentSize().toSize());
}

void SplitButton::showFace(bool pressed)
{
    m_pressed = pressed;
    // Drawn for the screen the button is on, so the faces stay sharp on a scaled screen.
    setPixmap(buttonPicture(m_picture, pressed, devicePixelRatioF()));
}

void SplitButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        showFace(true);
    event->accept();
}

void SplitButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    // The normal face returns before the command runs, so it is back while a question waits.
    showFace(false);
    if (rect().contains(platform::pixelUnder(event->position())))
        emit clicked(m_picture);
}

void SplitButton::mouseMoveEvent(QMouseEvent *event)
{
    emit hovered(m_picture);
    // Taken here: passed on, the surface behind would clear the hint as for its background.
    event->accept();
}

void SplitButton::enterEvent(QEnterEvent *event)
{
    emit hovered(m_picture);
    QLabel::enterEvent(event);
}

void SplitButton::leaveEvent(QEvent *event)
{
    emit left(m_picture);
    QLabel::leaveEvent(event);
}

} // namespace frameset
