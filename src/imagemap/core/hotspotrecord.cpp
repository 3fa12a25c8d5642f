#include "imagemap/core/hotspotrecord.h"

#include <cmath>

namespace imagemap {

int circleRadius(QPoint centre, QPoint rim)
{
    return int(std::lround(std::hypot(double(rim.x()) - centre.x(), double(rim.y()) - centre.y())));
}

} // namespace imagemap
