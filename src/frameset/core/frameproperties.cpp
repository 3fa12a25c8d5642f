#include "frameset/core/frameproperties.h"

#include <algorithm>

namespace frameset {

bool FrameProperties::isEmpty() const
{
    return std::all_of(m_fields.begin(), m_fields.end(),
        [](const PropertyValue &value) { return value.isEmpty(); });
}

} // namespace frameset
