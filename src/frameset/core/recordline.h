#pragma once

#include "frameset/core/celllabels.h"
#include "frameset/core/frameproperties.h"

namespace frameset::recordline {

// A design file's record line holds a cell's frame attributes with its two split keys among
// them: columns 0-5 and 8-10 are the FrameProperties fields, 6 and 7 the column and row keys.
inline constexpr int ColumnCount = 11;
inline constexpr int ColumnKeyColumn = 6;
inline constexpr int RowKeyColumn = 7;

// The value in column `column` (0..10) of the record line of a cell with `properties` and
// `labels`.
template <typename Properties, typename Labels>
auto &column(Properties &properties, Labels &labels, int column)
{
    if (column == ColumnKeyColumn)
        return labels.columnSplitKey;
    if (column == RowKeyColumn)
        return labels.rowSplitKey;
    const int field = column < ColumnKeyColumn ? column : column - 2;
    return properties.*FrameProperties::Fields[std::size_t(field)];
}

} // namespace frameset::recordline
