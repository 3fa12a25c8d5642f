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

} // namespace platform
