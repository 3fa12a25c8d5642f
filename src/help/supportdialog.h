#pragma once

#include "platform/supportcontacts.h"

#include <QDialog>

namespace help {

// "Technical Support": one non-modal window for all tools, centred on the screen.
class SupportDialog : public QDialog
{
    Q_OBJECT
public:
    // Shows the one support window, creating it when none is open.
    static SupportDialog *showSupport();
    static SupportDialog *instance();

    // The notice for these contacts: paragraphs separated by an empty line, each line ended by
    // CR LF. The window shows it for the contacts this copy was built with.
    static QString notice(const platform::SupportContacts &contacts);

private:
    explicit SupportDialog(QWidget *parent = nullptr);
};

} // namespace help
