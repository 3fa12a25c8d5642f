#include "frameset/ui/designerhelp.h"

namespace frameset {

help::HelpMenuSpec designerHelpMenu()
{
    return {"mnuHelp2", "mnuHelp", QStringLiteral("&Help"), QStringLiteral("panecr95.hlp"), true,
        platform::MessageIcon::Information};
}

} // namespace frameset
