#include "frameset/ui/designerhelp.h"

#include "frameset/ui/designercontrols.h"

namespace frameset {

help::HelpMenuSpec designerHelpMenu()
{
    return {designerControlName(DesignerControl::HelpMenu),
        designerControlName(DesignerControl::HelpCommand), QStringLiteral("&Help"),
        QStringLiteral("panecr95.hlp"), true, platform::MessageIcon::Information};
}

} // namespace frameset
