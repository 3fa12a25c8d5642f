#pragma once

#include "frameset/core/propertyvalue.h"
#include "frameset/core/splitdirection.h"
#include "frameset/core/splittree.h"

namespace frameset {

// What undoing the last split brings back: the split tree from before it, and the split key that
// it overwrote in the labels of the cell it divided. There is one level of undo.
struct SplitUndo
{
    // After a split, until an undo, a removal or an opened design.
    bool available = false;
    SplitTree treeBefore;
    int cell = -1;
    SplitDirection direction = SplitDirection::Column;
    PropertyValue keyBefore;
};

} // namespace frameset
