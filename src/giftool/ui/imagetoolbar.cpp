#include "giftool/ui/imagetoolbar.h"

#include "giftool/ui/giftoolwindowlayout.h"
#include "giftool/ui/toolbarfaces.h"
#include "platform/pendingevents.h"
#include "platform/ui/twipsgeometry.h"
#include "platform/units.h"

#include <QLabel>
#include <QMouseEvent>

namespace giftool {

ImageToolbar::ImageToolbar(platform::TwipsScale scale, QWidget *surface)
    : QObject(surface)
    , m_scale(scale)
    , m_surface(surface)
    , m_tipLeft(GifToolWindowLayout::TipLeft)
{
    const QSize size = platform::twipsToPixels(
        m_scale, 0, 0, GifToolWindowLayout::ButtonWidth, GifToolWindowLayout::ButtonHeight)
                           .size();
    for (int i = 0; i < ToolbarButtonCount; ++i) {
        const ToolbarButton which = toolbarButtonAt(i);
        m_raisedFaces[slotOf(which)] = makeFace(which, false, size);
        m_pressedFaces[slotOf(which)] = makeFace(which, true, size);

        auto *button = new QLabel(m_surface);
        button->setPixmap(raisedFace(which)->pixmap());
        button->setMouseTracking(true);
        button->installEventFilter(this);
        const QRect r = GifToolWindowLayout::buttonGeometry(which);
        platform::placeInTwips(button, m_scale, r.x(), r.y(), r.width(), r.height());
        m_buttons[slotOf(which)] = button;
    }

    m_tip = new QLabel(m_surface);
    m_tip->setAutoFillBackground(true);
    QPalette palette = m_tip->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 128));
    palette.setColor(QPalette::WindowText, Qt::black);
    m_tip->setPalette(palette);
    m_tip->setAlignment(Qt::AlignCenter);
    platform::placeInTwips(m_tip, m_scale, GifToolWindowLayout::TipLeft,
        GifToolWindowLayout::TipTop, 0, GifToolWindowLayout::TipHeight);
    m_tip->hide();
}

QLabel *ImageToolbar::makeFace(ToolbarButton button, bool pressed, QSize size)
{
    // The faces stay hidden; the button shows one of them at a time.
    auto *face = new QLabel(m_surface);
    face->setPixmap(toolbarFace(button, pressed, size, m_surface->devicePixelRatioF()));
    face->hide();
    return face;
}

void ImageToolbar::hideTip()
{
    m_tip->hide();
}

void ImageToolbar::showTip(ToolbarButton button)
{
    static const std::array<QString, ToolbarButtonCount> texts
        = {QStringLiteral("Open Image File"), QStringLiteral("Save File"), QStringLiteral("Help")};
    const QString &text = texts[slotOf(button)];
    const int left = GifToolWindowLayout::buttonGeometry(button).left();
    if (m_tipLeft != left) {
        m_tipLeft = left;
        const int width = m_scale.toTwips(m_surface->fontMetrics().horizontalAdvance(text))
            + GifToolWindowLayout::TipPadding;
        platform::placeInTwips(m_tip, m_scale, left, GifToolWindowLayout::TipTop, width,
            GifToolWindowLayout::TipHeight);
        m_tip->setText(text);
        m_tip->setVisible(!text.isEmpty());
    } else if (m_tip->isHidden()) {
        m_tip->show();
    }
    m_tip->raise();
}

bool ImageToolbar::buttonEvent(ToolbarButton button, QEvent *event)
{
    QLabel *face = m_buttons[slotOf(button)];
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        face->setPixmap(pressedFace(button)->pixmap());
        return true;
    case QEvent::MouseButtonRelease: {
        face->setPixmap(raisedFace(button)->pixmap());
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton
            && face->rect().contains(platform::pixelUnder(mouse->position()))) {
            platform::letPendingEventsRun();
            emit clicked(button);
        }
        return true;
    }
    case QEvent::MouseMove:
        showTip(button);
        return false;
    case QEvent::Leave:
        // The pointer may leave for the menu bar or another window, which never clear it.
        hideTip();
        return false;
    default:
        return false;
    }
}

bool ImageToolbar::eventFilter(QObject *watched, QEvent *event)
{
    for (int i = 0; i < ToolbarButtonCount; ++i) {
        if (watched == m_buttons[std::size_t(i)])
            return buttonEvent(toolbarButtonAt(i), event);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace giftool
