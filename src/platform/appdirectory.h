#pragma once

#include <QString>

namespace platform {

// A folder path with exactly one trailing "/" (the root "/" stays "/"). A trailing "\" also
// counts as a separator, so a path that already ends in one gets none added.
QString withTrailingSeparator(const QString &folder);

// The directory of the running program, ending in "/".
QString applicationDirectory();

} // namespace platform
