#include "launcher/followupclicks.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>
#include <utility>

namespace launcher {

FollowUpClicks::FollowUpClicks(QObject *parent)
    : QObject(parent)
    , m_clock([] { return QDeadlineTimer::current().deadline(); })
{ }

void FollowUpClicks::setClock(Clock clock)
{
    m_clock = std::move(clock);
}

void FollowUpClicks::guard(QWidget *window, QPoint at)
{
    if (!window)
        return;
    m_window = window;
    m_at = at;
    m_pressDropped = false;
    m_since = m_clock();
    qApp->removeEventFilter(this);
    qApp->installEventFilter(this);
}

void FollowUpClicks::stop()
{
    qApp->removeEventFilter(this);
    m_window = nullptr;
    m_pressDropped = false;
}

bool FollowUpClicks::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    if (!press && type != QEvent::MouseButtonRelease)
        return false;
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    const bool inTime = m_clock() - m_since <= interval;
    if (!m_window || (!inTime && !m_pressDropped)) {
        stop();
        return false;
    }
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_window)
        return false;
    if (press) {
        if (!inTime) {
            stop();
            return false;
        }
        const QPoint at = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
        const int distance = QGuiApplication::styleHints()->mouseDoubleClickDistance();
        if ((at - m_at).manhattanLength() > distance)
            return false;
        m_pressDropped = true;
        return true;
    }
    const bool dropped = std::exchange(m_pressDropped, false);
    if (!inTime)
        stop();
    return dropped;
}

} // namespace launcher
