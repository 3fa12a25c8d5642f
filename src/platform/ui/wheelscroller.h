#pragma once

#include "platform/units.h"

#include <QObject>

class QScrollBar;
class QWidget;

namespace platform {

// Lets the mouse wheel move a picture that a viewport shows through a pair of scroll bars whose
// values are twips: the wheel scrolls vertically, Shift+wheel horizontally. Watches the
// picture, which fills the viewport wherever the bars are shown.
class WheelScroller : public QObject
{
    Q_OBJECT
public:
    WheelScroller(QWidget *picture, QScrollBar *horizontal, QScrollBar *vertical, TwipsScale scale);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QScrollBar *m_horizontal;
    QScrollBar *m_vertical;
    TwipsScale m_scale;
};

} // namespace platform
