#include "giftool/ui/gifhelp.h"

namespace giftool {

help::HelpMenuSpec gifToolHelpMenu()
{
    return {"mnuHelp", "mnuOnlineHelp", QStringLiteral("Online &Help"),
        QStringLiteral("clrcot95.hlp"), true, platform::MessageIcon::Information};
}

} // namespace giftool
