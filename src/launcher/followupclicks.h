#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class QWidget;

namespace launcher {

// Keeps the rest of a double-click away from the tool window that its first click opened.
// The window appears under the pointer, so without this the second click would land in it
// and act there (in the frameset designer, open the properties of the cell under the
// pointer). For a double-click interval after guard(), mouse presses, double-clicks and their
// releases aimed at that window are dropped; later clicks reach it as usual.
class FollowUpClicks : public QObject
{
    Q_OBJECT
public:
    explicit FollowUpClicks(QObject *parent = nullptr);

    void guard(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void stop();

    QPointer<QWidget> m_window;
    QElapsedTimer m_since;
    // A dropped press drops its release too, even when it comes after the interval.
    bool m_pressDropped = false;
};

} // namespace launcher
