#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>

class QWidget;

namespace launcher {

// Keeps the rest of a double-click away from the tool window that its first click opened.
// The window appears under the pointer, so without this the second click would land in it
// and act there (in the frameset designer, open the properties of the cell under the
// pointer). A press in that window that would make a double-click with the opening click (within
// the double-click interval and distance of it) is dropped with its release; every other click
// reaches the window as usual.
class FollowUpClicks : public QObject
{
    Q_OBJECT
public:
    explicit FollowUpClicks(QObject *parent = nullptr);

    // `at`: where the opening click was, in global coordinates.
    void guard(QWidget *window, QPoint at);

    // Milliseconds on a steady clock; tests put their own clock here instead of waiting.
    using Clock = std::function<qint64()>;
    void setClock(Clock clock);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void stop();

    QPointer<QWidget> m_window;
    Clock m_clock;
    qint64 m_since = 0;
    QPoint m_at;
    // A dropped press drops its release too, even when it comes after the interval.
    bool m_pressDropped = false;
};

} // namespace launcher
