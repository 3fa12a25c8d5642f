#include "frameset/core/frameproperties.h"

#include <algorithm>

namespace frameset {

const PropertyValue &FrameProperties::fixedSize(SplitDirection direction) const
{
    return direction == SplitDirection::Column ? fixedWidthPixels : fixedHeightPixels;
}

bool FrameProperties::isEmpty() const
{
    return std::all_of(Fields.begin(), Fields.end(),
        [this](PropertyValue FrameProperties::*field) { return (this->*field).isEmpty(); });
}

} // namespace frameset
