#pragma once

#include "frameset/core/splitdirection.h"

#include <QString>

// The size list that a split's FRAMESET gets from the geometry of its cells.
namespace frameset {

class Design;

// The size list of the split with `key` (digits) whose cells lie side by side (Column) or are
// stacked (Row): the first child's fixed width (height) followed by ",*" when it has one, else
// the first side's share of the split's extent in whole percent followed by "%,*" ("33%,*" for
// halves of 3000 and 6000 units). A key whose sides are not both found, or that spans no
// extent, gives an even "50%,*".
QString splitSizeList(const Design &design, const QString &key, SplitDirection kind);

} // namespace frameset
