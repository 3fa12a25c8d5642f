#pragma once

#include "platform/prompter.h"

#include <QList>
#include <QMetaType>
#include <QQueue>

namespace testsupport {

// A Prompter for tests: records every message box and answers from a queue. A box shown with
// no answer queued fails the running test.
class ScriptedPrompter : public platform::Prompter
{
public:
    struct Shown
    {
        QString text;
        platform::MessageIcon icon;
        platform::MessageButtons buttons;
        QString title;
        QStringList items; // of a list to choose from
        int current = -1;
    };

    // Queues the answer for the next message box.
    void answer(platform::MessageAnswer answer) { m_answers.enqueue(answer); }
    // Queues the index chosen from the next list; nothing for Cancel.
    void answerChoice(std::optional<int> choice) { m_choices.enqueue(choice); }

    platform::MessageAnswer ask(const QString &text, platform::MessageIcon icon,
        platform::MessageButtons buttons, const QString &title = QString()) override;
    void beep() override { ++m_beeps; }
    std::optional<int> choose(
        const QString &text, const QStringList &items, int current, const QString &title) override;

    const QList<Shown> &shown() const { return m_shown; }
    QString lastText() const { return m_shown.isEmpty() ? QString() : m_shown.last().text; }
    int beeps() const { return m_beeps; }
    int pendingAnswers() const { return int(m_answers.size() + m_choices.size()); }
    void clear()
    {
        m_shown.clear();
        m_answers.clear();
        m_choices.clear();
        m_beeps = 0;
    }

private:
    QList<Shown> m_shown;
    QQueue<platform::MessageAnswer> m_answers;
    QQueue<std::optional<int>> m_choices;
    int m_beeps = 0;
};

} // namespace testsupport

// Answers are data rows of many window tests.
Q_DECLARE_METATYPE(platform::MessageAnswer)
