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

    // Accepts the digits 0 to 9.
    static bool isDigit(QChar c);
    // Accepts everything but ";" and line breaks, which would break a spec file's lines.
    static bool fitsSpecLine(QChar c);

private:
    void filterEdit(const QString &text);

    Accepts m_accepts;
};

} // namespace frameset
