#include "platform/ui/messageboxprompter.h"

#include "platform/programinfo.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace platform {

MessageBoxPrompter::MessageBoxPrompter(QWidget *parent, QString defaultTitle)
    : m_parent(parent)
    , m_defaultTitle(defaultTitle.isEmpty() ? programTitle() : std::move(defaultTitle))
{ }

MessageAnswer MessageBoxPrompter::ask(
    const QString &text, MessageIcon icon, MessageButtons buttons, const QString &title)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(title.isEmpty() ? m_defaultTitle : title);
    box.setText(text);
    switch (icon) {
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    box.exec();
    const QAbstractButton *clicked = box.clickedButton();
    switch (box.standardButton(const_cast<QAbstractButton *>(clicked))) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        if (buttons == MessageButtons::YesNo)
            return MessageAnswer::No;
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
}

std::optional<int> MessageBoxPrompter::choose(
    const QString &text, const QStringList &items, int current, const QString &title)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(title.isEmpty() ? m_defaultTitle : title);
    dialog.setLabelText(text);
    dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
    dialog.setComboBoxItems(items);
    if (current >= 0 && current < items.size())
        dialog.setTextValue(items[current]);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const qsizetype chosen = items.indexOf(dialog.textValue());
    return chosen < 0 ? std::nullopt : std::optional<int>(int(chosen));
}

void MessageBoxPrompter::beep()
{
    QApplication::beep();
}

} // namespace platform
