#pragma once

#include "platform/filedialogs.h"
#include "platform/prompter.h"

#include <QStringList>

namespace screenshots {

// Answers the windows' message boxes and file dialogs as a user working through a scene
// would: OK to every notice, No to "save it now?", the scene's image to every Open, Cancel to
// every Save. Any other question means the scene went wrong and is recorded.
class SceneAnswers : public platform::Prompter, public platform::FileDialogs
{
public:
    explicit SceneAnswers(QString openPath = QString())
        : m_openPath(std::move(openPath))
    { }

    platform::MessageAnswer ask(const QString &text, platform::MessageIcon,
        platform::MessageButtons buttons, const QString &) override
    {
        if (buttons == platform::MessageButtons::Ok)
            return platform::MessageAnswer::Ok;
        if (text.startsWith(QStringLiteral("Done!")))
            return platform::MessageAnswer::No;
        m_unexpected << text;
        return platform::MessageAnswer::Cancel;
    }
    void beep() override { }
    QString openFile(const platform::FileDialogRequest &) override { return m_openPath; }
    QString saveFile(const platform::FileDialogRequest &) override { return QString(); }

    void setOpenPath(const QString &path) { m_openPath = path; }
    // The questions no scene expected, joined by " | "; empty when the scene went as planned.
    QString unexpected() const { return m_unexpected.join(QStringLiteral(" | ")); }

private:
    QString m_openPath;
    QStringList m_unexpected;
};

} // namespace screenshots
