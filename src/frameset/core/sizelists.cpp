#include "frameset/core/sizelists.h"

#include "frameset/core/design.h"
#include "frameset/core/splitpath.h"
#include "platform/textnumber.h"

#include <algorithm>
#include <cmath>

namespace frameset {

namespace {

struct SideMember
{
    QString path;
    int cell;
    bool operator<(const SideMember &other) const
    {
        return path != other.path ? path < other.path : cell < other.cell;
    }
};

} // namespace

QString splitSizeList(const Design &design, const QString &key, SplitDirection kind)
{
    const QString even = QStringLiteral("50%,*");
    if (key.isEmpty())
        return even;
    const QString secondKey = splitpath::secondSideKey(key);
    QList<SideMember> first;
    QList<SideMember> second;
    for (int j = 0; j <= design.lastCellIndex(); ++j) {
        const QString &path = design.labels(j).path;
        if (path == key) {
            const qint64 fixed = design.properties().record(j).fixedSize(kind).wholeValue();
            if (fixed != 0)
                return platform::plainNumber(fixed) + QStringLiteral(",*");
        }
        if (path.startsWith(key))
            first.append({path, j});
        else if (!secondKey.isEmpty() && path.startsWith(secondKey))
            second.append({path, j});
    }
    if (first.isEmpty() || second.isEmpty())
        return even;
    std::sort(first.begin(), first.end());
    std::sort(second.begin(), second.end());

    const CellView &f1 = design.cell(first.front().cell);
    const CellView &l1 = design.cell(first.back().cell);
    const CellView &l2 = design.cell(second.back().cell);
    const bool columns = kind == SplitDirection::Column;
    const float origin = columns ? f1.left : f1.top;
    const float total = (columns ? l2.right() : l2.bottom()) - origin;
    const float part = (columns ? l1.right() : l1.bottom()) - origin;
    if (!(total > 0))
        return even;
    const double percent = std::floor(double(part) * 100 / double(total) + 0.5);
    return platform::plainNumber(static_cast<long long>(std::clamp(percent, 0.0, 100.0)))
        + QStringLiteral("%,*");
}

} // namespace frameset
