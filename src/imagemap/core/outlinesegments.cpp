#include "imagemap/core/outlinesegments.h"

namespace imagemap {

void OutlineSegments::place(int index, QPoint from, QPoint to)
{
    OutlineSegment &segment = m_segments[index];
    segment.from = from;
    segment.to = to;
    segment.round = false;
}

void OutlineSegments::placeRound(int index, QPoint centre, QPoint rim)
{
    place(index, centre, rim);
    m_segments[index].round = true;
}

void OutlineSegments::show(int index)
{
    const auto it = m_segments.find(index);
    if (it != m_segments.end())
        it->visible = true;
}

void OutlineSegments::remove(int index)
{
    m_segments.remove(index);
}

void OutlineSegments::removeRange(int first, int last)
{
    auto it = m_segments.lowerBound(first);
    while (it != m_segments.end() && it.key() <= last)
        it = m_segments.erase(it);
}

} // namespace imagemap
