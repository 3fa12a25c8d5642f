#pragma once

#include "frameset/core/celllabels.h"
#include "frameset/core/celltable.h"
#include "frameset/core/frameproperties.h"

namespace frameset {

// The FrameProperties record of every cell number 0..99.
using FramePropertyTable = CellTable<FrameProperties>;
// The CellLabels of every cell number 0..99.
using CellLabelTable = CellTable<CellLabels>;

} // namespace frameset
