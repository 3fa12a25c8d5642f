#include "imagemap/core/vertexstore.h"

namespace imagemap {

bool VertexStore::set(int index, QPoint point)
{
    if (!isValidIndex(index))
        return false;
    m_points[index] = point;
    return true;
}

} // namespace imagemap
