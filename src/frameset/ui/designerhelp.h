#pragma once

#include "help/helpmenu.h"

namespace frameset {

// The designer's Help menu: "&Help" opens panecr95.hlp; TechInfo with a blank before the date.
help::HelpMenuSpec designerHelpMenu();

} // namespace frameset
