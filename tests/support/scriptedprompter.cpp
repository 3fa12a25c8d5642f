#include "scriptedprompter.h"

#include <QTest>

namespace testsupport {

platform::MessageAnswer ScriptedPrompter::ask(const QString &text, platform::MessageIcon icon,
    platform::MessageButtons buttons, const QString &title)
{
    m_shown.append({text, icon, buttons, title, {}, -1});
    if (m_answers.isEmpty()) {
        QTest::qFail(
            qPrintable(QStringLiteral("unexpected message box: ") + text), __FILE__, __LINE__);
        return buttons == platform::MessageButtons::Ok ? platform::MessageAnswer::Ok
                                                       : platform::MessageAnswer::Cancel;
    }
    return m_answers.dequeue();
}

std::optional<int> ScriptedPrompter::choose(
    const QString &text, const QStringList &items, int current, const QString &title)
{
    m_shown.append({text, platform::MessageIcon::Question, platform::MessageButtons::OkCancel,
        title, items, current});
    if (m_choices.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected list: ") + text), __FILE__, __LINE__);
        return std::nullopt;
    }
    return m_choices.dequeue();
}

} // namespace testsupport
