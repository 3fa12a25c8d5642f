#include "imagemap/ui/imagemaphelp.h"

namespace imagemap {

help::HelpMenuSpec imageMapHelpMenu()
{
    return {"mnuHelp", "mnuOnlineHelp", QStringLiteral("&Help"), QStringLiteral("zonemk95.hlp"),
        false, platform::MessageIcon::Exclamation};
}

} // namespace imagemap
