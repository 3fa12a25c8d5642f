#include "scriptedfiledialogs.h"

#include <QTest>

namespace testsupport {

QString ScriptedFileDialogs::openFile(const platform::FileDialogRequest &request)
{
    return next(Kind::Open, request);
}

QString ScriptedFileDialogs::saveFile(const platform::FileDialogRequest &request)
{
    return next(Kind::Save, request);
}

QString ScriptedFileDialogs::next(Kind kind, const platform::FileDialogRequest &request)
{
    m_shown.append({kind, request});
    if (m_answers.isEmpty()) {
        QTest::qFail("unexpected file dialog", __FILE__, __LINE__);
        return QString();
    }
    return m_answers.dequeue();
}

} // namespace testsupport
