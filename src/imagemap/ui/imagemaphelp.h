#pragma once

#include "help/helpmenu.h"

namespace imagemap {

// The image-map editor's Help menu: "&Help" opens zonemk95.hlp; TechInfo without the blank, with
// the exclamation icon.
help::HelpMenuSpec imageMapHelpMenu();

} // namespace imagemap
