#include "frameset/ui/filteredlineedit.h"

namespace frameset {

FilteredLineEdit::FilteredLineEdit(Accepts accepts, QWidget *parent)
    : QLineEdit(parent)
    , m_accepts(std::move(accepts))
{
    connect(this, &QLineEdit::textEdited, this, &FilteredLineEdit::filterEdit);
}

bool FilteredLineEdit::isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool FilteredLineEdit::fitsSpecLine(QChar c)
{
    return c != u';' && c != u'\r' && c != u'\n';
}

void FilteredLineEdit::filterEdit(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    const int cursor = cursorPosition();
    int cursorAfter = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (!m_accepts(text.at(i)))
            continue;
        kept.append(text.at(i));
        if (i < cursor)
            ++cursorAfter;
    }
    if (kept == text)
        return;
    setText(kept);
    setCursorPosition(cursorAfter);
}

} // namespace frameset
