#pragma once

#include <QString>

namespace platform {

// The program-wide values every tool reads.
inline QString programTitle()
{
    return QStringLiteral("Quillon Trellis Collection v4.4");
}

inline QString versionDate()
{
    return QStringLiteral("(08-Sept-97)");
}

// Where users reach the project for help.
inline QString supportIssueTracker()
{
    return QStringLiteral("https://codeberg.org/trellis/trellis/issues");
}

inline QString supportMailAddress()
{
    return QStringLiteral("trellis-users@lists.codeberg.org");
}

} // namespace platform
