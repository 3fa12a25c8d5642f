#pragma once

#include "platform/units.h"

#include <QObject>
#include <QPoint>
#include <QSize>

class QImage;
class QLabel;
class QScrollBar;
class QWidget;

namespace giftool {

// The picture the user clicks on, in a viewport with scroll bars for a picture larger than the
// room the window gives it. A press on the picture is reported as the picture's pixel under the
// pointer.
class PictureView : public QObject
{
    Q_OBJECT
public:
    // Puts the viewport and its scroll bars on surface, the window's client area, all hidden.
    PictureView(platform::TwipsScale scale, QWidget *surface);

    // Shows image; an image already shown is not set again.
    void showImage(const QImage &image);
    // Shows no picture.
    void clearImage();
    // Back to the top left corner of the picture.
    void scrollToOrigin();
    // Places the viewport at topLeft, at most maxView in size (twips), with scroll bars
    // scrollBarExtent twips thick where the picture needs them; hidden when not shown.
    void layOut(bool shown, QPoint topLeft, QSize maxView, int scrollBarExtent);

    QWidget *viewport() const { return m_viewport; }
    QLabel *picture() const { return m_picture; }
    QScrollBar *horizontalBar() const { return m_hScroll; }
    QScrollBar *verticalBar() const { return m_vScroll; }

signals:
    // The picture's pixel under the pointer at a press.
    void pressed(QPoint pixel);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    platform::TwipsScale m_scale;
    QWidget *m_viewport = nullptr;
    QLabel *m_picture = nullptr;
    QScrollBar *m_hScroll = nullptr;
    QScrollBar *m_vScroll = nullptr;
    qint64 m_shownImage = 0;
};

} // namespace giftool
