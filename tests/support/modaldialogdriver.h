#pragma once

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <utility>

namespace testsupport {

// Acts on a modal dialog of type T from inside the event loop it runs while the command that
// opened it waits: each queued step runs on the dialog once it is shown. A dialog that never
// comes, or that is still open after the last step, is a failure: it is reported through the
// failure handler (the tests' QTest::qFail, the screenshot tool's error output) and the open
// dialog is rejected, so nothing waits forever. The tests, the screenshot tool and every
// window's dialog use this one driver.
template <typename T> class ModalDialogDriver
{
public:
    using Step = std::function<void(T &)>;
    using FailureHandler = std::function<void(const QString &)>;

    explicit ModalDialogDriver(FailureHandler onFailure, int timeoutMs = 5000)
        : m_onFailure(std::move(onFailure))
        , m_timeoutMs(timeoutMs)
    { }

    // Queues a step for the next time a dialog of type T is shown (the first step arms the
    // driver). Steps that leave the dialog open go on to the next step on the same dialog.
    void then(Step step)
    {
        m_steps.append(std::move(step));
        if (m_steps.size() == 1)
            arm();
    }

    int pending() const { return int(m_steps.size()); }

    // While no step is queued, a dialog of type T that opens anyway is rejected and reported,
    // instead of waiting for input that never comes.
    void guardAgainstUnexpectedDialogs()
    {
        m_guard.setInterval(20);
        QObject::connect(&m_guard, &QTimer::timeout, [this] {
            auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
            if (!dialog || !m_steps.isEmpty())
                return;
            dialog->reject();
            m_onFailure(QStringLiteral("an unexpected dialog was shown"));
        });
        m_guard.start();
    }

private:
    static constexpr int PollMs = 10;

    void arm()
    {
        m_waited = 0;
        QTimer::singleShot(0, [this] { runNext(); });
    }

    void runNext()
    {
        if (m_steps.isEmpty())
            return;
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            m_waited += PollMs;
            if (m_waited > m_timeoutMs) {
                m_steps.clear();
                m_onFailure(QStringLiteral("the dialog was never shown"));
                return;
            }
            QTimer::singleShot(PollMs, [this] { runNext(); });
            return;
        }
        m_waited = 0;
        const Step step = m_steps.takeFirst();
        QPointer<T> shown(dialog);
        step(*dialog);
        if (!shown || !shown->isVisible()) {
            if (!m_steps.isEmpty())
                arm();
            return;
        }
        if (m_steps.isEmpty()) {
            shown->reject();
            m_onFailure(QStringLiteral("the dialog stayed open after its last step"));
            return;
        }
        arm();
    }

    FailureHandler m_onFailure;
    int m_timeoutMs;
    QList<Step> m_steps;
    int m_waited = 0;
    QTimer m_guard;
};

} // namespace testsupport
