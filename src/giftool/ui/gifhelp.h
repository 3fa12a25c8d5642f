#pragma once

#include "help/helpmenu.h"

namespace giftool {

// The GIF tool's Help menu: "Online &Help" opens clrcot95.hlp; TechInfo with a blank before the
// date.
help::HelpMenuSpec gifToolHelpMenu();

} // namespace giftool
