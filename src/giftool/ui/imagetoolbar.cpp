#include "giftool/ui/imagetoolbar.h"

#include "giftool/ui/gifformlayout.h"
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
    , m_tipLeft(GifFormLayout::TipLeft)
{
    const QSize size = platform::twipsToPixels(
        m_scale, 0, 0, GifFormLayout::ButtonWidth, GifFormLayout::ButtonHeight)
                           .size();
    for (int b = 1; b <= ButtonCount; ++b) {
        const std::size_t i = std::size_t(b - 1);
        // The faces stay hidden; the button shows one of them at a time.
        auto makeFace = [this, b, size](int index, bool pressed) {
            auto *face = new QLabel(m_surface);
            face->setObjectName(QStringLiteral("Thebutton"));
            face->setProperty("index", index);
            face->setPixmap(toolbarFace(b, pressed, size, m_surface->devicePixelRatioF()));
            face->hide();
            return face;
        };
        m_raisedFaces[i] = makeFace(b + 20, false);
        m_pressedFaces[i] = makeFace(b + 40, true);

        auto *button = new QLabel(m_surface);
        button->setObjectName(QStringLiteral("Thebutton"));
        button->setProperty("index", b);
        button->setPixmap(m_raisedFaces[i]->pixmap());
        button->setMouseTracking(true);
        button->installEventFilter(this);
        const QRect r = GifFormLayout::buttonGeometry(b);
        platform::placeInTwips(button, m_scale, r.x(), r.y(), r.width(), r.height());
        m_buttons[i] = button;
    }

    m_tip = new QLabel(m_surface);
    m_tip->setObjectName(QStringLiteral("Yellowbox"));
    m_tip->setAutoFillBackground(true);
    QPalette palette = m_tip->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 128));
    palette.setColor(QPalette::WindowText, Qt::black);
    m_tip->setPalette(palette);
    m_tip->setAlignment(Qt::AlignCenter);
    platform::placeInTwips(
        m_tip, m_scale, GifFormLayout::TipLeft, GifFormLayout::TipTop, 0, GifFormLayout::TipHeight);
    m_tip->hide();
}

void ImageToolbar::hideTip()
{
    m_tip->hide();
}

void ImageToolbar::showTip(int button)
{
    static const std::array<QString, ButtonCount> texts
        = {QStringLiteral("Open Image File"), QStringLiteral("Save File"), QStringLiteral("Help")};
    const QString &text = texts[std::size_t(button - 1)];
    const int left = GifFormLayout::buttonGeometry(button).left();
    if (m_tipLeft != left) {
        m_tipLeft = left;
        const int width = m_scale.toTwips(m_surface->fontMetrics().horizontalAdvance(text))
            + GifFormLayout::TipPadding;
        platform::placeInTwips(
            m_tip, m_scale, left, GifFormLayout::TipTop, width, GifFormLayout::TipHeight);
        m_tip->setText(text);
        m_tip->setVisible(!text.isEmpty());
    } else if (m_tip->isHidden()) {
        m_tip->show();
    }
    m_tip->raise();
}

bool ImageToolbar::buttonEvent(int button, QEvent *event)
{
    const std::size_t i = std::size_t(button - 1);
    QLabel *face = m_buttons[i];
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        face->setPixmap(m_pressedFaces[i]->pixmap());
        return true;
    case QEvent::MouseButtonRelease: {
        face->setPixmap(m_raisedFaces[i]->pixmap());
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
    for (int b = 1; b <= ButtonCount; ++b) {
        if (watched == m_buttons[std::size_t(b - 1)])
            return buttonEvent(b, event);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace giftool
