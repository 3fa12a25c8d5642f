#include "giftool/ui/pictureview.h"

#include "giftool/ui/hintline.h"
#include "platform/ui/scrolledviewport.h"
#include "platform/ui/twipsgeometry.h"
#include "platform/ui/wheelscroller.h"

#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>

namespace giftool {

PictureView::PictureView(platform::TwipsScale scale, QWidget *surface)
    : QObject(surface)
    , m_scale(scale)
{
    m_viewport = new QWidget(surface);
    m_viewport->hide();
    m_picture = new QLabel(m_viewport);
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_picture->move(0, 0);
    m_picture->installEventFilter(this);
    HintLine::setHint(
        m_picture, QStringLiteral("Click on the background that you want to render transparent."));

    m_hScroll = new QScrollBar(Qt::Horizontal, surface);
    m_hScroll->hide();
    connect(m_hScroll, &QScrollBar::valueChanged, this,
        [this](int value) { m_picture->move(-m_scale.toPixels(value), m_picture->y()); });
    m_vScroll = new QScrollBar(Qt::Vertical, surface);
    m_vScroll->hide();
    connect(m_vScroll, &QScrollBar::valueChanged, this,
        [this](int value) { m_picture->move(m_picture->x(), -m_scale.toPixels(value)); });
    new platform::WheelScroller(m_picture, m_hScroll, m_vScroll, m_scale);
}

void PictureView::showImage(const QImage &image)
{
    // A conversion reloads the picture; otherwise the one shown is still the right one.
    if (image.cacheKey() == m_shownImage)
        return;
    m_picture->setPixmap(QPixmap::fromImage(image));
    m_picture->resize(image.size());
    m_shownImage = image.cacheKey();
}

void PictureView::clearImage()
{
    if (m_shownImage != 0) {
        m_picture->clear();
        m_shownImage = 0;
    }
}

void PictureView::scrollToOrigin()
{
    m_hScroll->setValue(0);
    m_vScroll->setValue(0);
}

void PictureView::layOut(bool shown, QPoint topLeft, QSize maxView, int scrollBarExtent)
{
    if (!shown) {
        m_viewport->hide();
        m_hScroll->hide();
        m_vScroll->hide();
        return;
    }
    const QSize picture(m_scale.toTwips(m_picture->width()), m_scale.toTwips(m_picture->height()));
    const platform::ViewportLayout layout
        = platform::layOutViewport(topLeft, maxView, picture, scrollBarExtent);
    platform::applyViewportLayout(layout, m_scale, m_viewport, m_hScroll, m_vScroll, m_picture);
    m_viewport->show();
}

bool PictureView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_picture && event->type() == QEvent::MouseButtonPress) {
        emit pressed(platform::pixelUnder(static_cast<QMouseEvent *>(event)->position()));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace giftool
