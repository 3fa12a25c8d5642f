#pragma once

#include "platform/prompter.h"

#include <QPointer>
#include <QWidget>

namespace platform {

// Prompter shown as a QMessageBox over a parent window.
class MessageBoxPrompter : public Prompter
{
public:
    explicit MessageBoxPrompter(QWidget *parent = nullptr, QString defaultTitle = QString());

    MessageAnswer ask(const QString &text, MessageIcon icon, MessageButtons buttons,
        const QString &title = QString()) override;
    void beep() override;
    std::optional<int> choose(
        const QString &text, const QStringList &items, int current, const QString &title) override;

private:
    QPointer<QWidget> m_parent;
    QString m_defaultTitle;
};

} // namespace platform
