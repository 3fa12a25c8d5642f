#include "frameset/ui/filteredlineedit.h"

namespace frameset {

FilteredLineEdit::FilteredLineEdit(Accepts accepts, QWidget *parent)
    : QLineEdit(parent)
    , m_accepts(std::move(accepts))
{
    connect(this, &QLineEdit::textEdited, this, &FilteredLineEdit::filterEdit);
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
