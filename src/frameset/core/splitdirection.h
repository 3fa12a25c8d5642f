#pragma once

namespace frameset {

// The direction of a split, numbered as the designer's split buttons are: 0 = row split (cells
// stacked, blue button), 1 = column split (cells side by side, red button).
enum class SplitDirection { Row = 0, Column = 1 };

} // namespace frameset
