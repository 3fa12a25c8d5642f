#include "frameset/core/frameproperties.h"

#include <algorithm>

namespace frameset {

PropertyValue &FrameProperties::splitKey(SplitDirection direction)
{
    return direction == SplitDirection::Column ? columnSplitKey : rowSplitKey;
}

const PropertyValue &FrameProperties::splitKey(SplitDirection direction) const
{
    return direction == SplitDirection::Column ? columnSplitKey : rowSplitKey;
}

const PropertyValue &FrameProperties::fixedSize(SplitDirection direction) const
{
    return direction == SplitDirection::Column ? fixedWidthPixels : fixedHeightPixels;
}

bool FrameProperties::isEmpty() const
{
    return std::all_of(FileColumns.begin(), FileColumns.end(),
        [this](PropertyValue FrameProperties::*field) { return (this->*field).isEmpty(); });
}

} // namespace frameset
