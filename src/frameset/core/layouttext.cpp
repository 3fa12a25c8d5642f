#include "frameset/core/layouttext.h"

namespace frameset::layouttext {

namespace {
constexpr int MaxCell = 99;
constexpr QStringView LeafPrefix = u"!!";
constexpr QStringView ColumnsOpening = u"<FRAMESET COLS= ##";
constexpr QStringView RowsOpening = u"<FRAMESET ROWS= ##";
} // namespace

QStringList lines(const QString &layout)
{
    if (layout.isEmpty())
        return {};
    return layout.split(LineBreak.toString());
}

QString join(const QStringList &lines)
{
    return lines.join(LineBreak.toString());
}

QString leafLine(int cell)
{
    return LeafPrefix.toString() + QString::number(cell);
}

int leafCell(QStringView line)
{
    if (!line.startsWith(LeafPrefix))
        return -1;
    const QStringView digits = line.mid(LeafPrefix.size());
    if (digits.isEmpty() || digits.size() > 3 || (digits.size() > 1 && digits[0] == u'0'))
        return -1;
    int value = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value <= MaxCell ? value : -1;
}

QString splitLine(SplitDirection direction, const QString &key)
{
    const QStringView opening = direction == SplitDirection::Column ? ColumnsOpening : RowsOpening;
    return opening.toString() + key + u'>';
}

QString splitBlock(SplitDirection direction, const QString &key, int cell, int newCell)
{
    return join(
        {splitLine(direction, key), leafLine(cell), leafLine(newCell), FramesetEnd.toString()});
}

int findSplit(const QStringList &lines, const QString &key, SplitDirection *direction)
{
    const QString columns = splitLine(SplitDirection::Column, key);
    const QString rows = splitLine(SplitDirection::Row, key);
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i] == columns || lines[i] == rows) {
            if (direction)
                *direction = lines[i] == columns ? SplitDirection::Column : SplitDirection::Row;
            return i;
        }
    }
    return -1;
}

void closeLeafGap(QStringList &lines, int removed)
{
    for (QString &line : lines) {
        const int cell = leafCell(line);
        if (cell > removed)
            line = leafLine(cell - 1);
    }
}

} // namespace frameset::layouttext
