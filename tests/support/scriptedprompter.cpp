#include "scriptedprompter.h"

#include <QTest>

namespace testsupport {

platform::MessageAnswer ScriptedPrompter::ask(const QString &text, platform::MessageIcon icon,
    platform::MessageButtons buttons, const QString &title)
{
    m_shown.append({text, icon, buttons, title});
    if (m_answers.isEmpty()) {
        QTest::qFail(
            qPrintable(QStringLiteral("unexpected message box: ") + text), __FILE__, __LINE__);
        return buttons == platform::MessageButtons::Ok ? platform::MessageAnswer::Ok
                                                       : platform::MessageAnswer::Cancel;
    }
    return m_answers.dequeue();
}

} // namespace testsupport
