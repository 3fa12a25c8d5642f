#pragma once

#include "platform/filedialogs.h"

#include <QList>
#include <QQueue>

namespace testsupport {

// FileDialogs for tests: records each request and answers from a queue of paths; an empty
// path is a cancelled dialog. A dialog shown with nothing queued fails the running test.
class ScriptedFileDialogs : public platform::FileDialogs
{
public:
    enum class Kind { Open, Save };
    struct Shown
    {
        Kind kind;
        platform::FileDialogRequest request;
    };

    void answer(const QString &path) { m_answers.enqueue(path); }
    void cancel() { m_answers.enqueue(QString()); }

    QString openFile(const platform::FileDialogRequest &request) override;
    QString saveFile(const platform::FileDialogRequest &request) override;

    const QList<Shown> &shown() const { return m_shown; }
    int pendingAnswers() const { return int(m_answers.size()); }

private:
    QString next(Kind kind, const platform::FileDialogRequest &request);

    QList<Shown> m_shown;
    QQueue<QString> m_answers;
};

} // namespace testsupport
