#pragma once

#include <QLineEdit>
#include <functional>

namespace frameset {

// A text box that drops the characters it does not accept from whatever the user puts in,
// typed, pasted or dropped ("1a2" becomes "12" in a digits-only box). Text set by the program
// is taken as it is. Editing keys (Backspace, Delete, arrows, Tab, Enter) work as usual.
class FilteredLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    using Accepts = std::function<bool(QChar)>;

    explicit FilteredLineEdit(Accepts accepts, QWidget *parent = nullptr);

private:
    void filterEdit(const QString &text);

    Accepts m_accepts;
};

} // namespace frameset
