#pragma once

#include <QPoint>
#include <array>

namespace imagemap {

// The shared pool of shape points in image pixels, indexes 0 to 99. Points are only ever
// written at indexes the store holds; reading outside it gives (0, 0).
class VertexStore
{
public:
    static constexpr int Capacity = 100;
    static constexpr int LastIndex = Capacity - 1;

    static bool isValidIndex(int index) { return index >= 0 && index <= LastIndex; }

    QPoint at(int index) const { return isValidIndex(index) ? m_points[index] : QPoint(); }

    // Stores the point and returns true, or returns false for an index outside the store.
    bool set(int index, QPoint point);

    void clear() { m_points.fill(QPoint()); }

private:
    std::array<QPoint, Capacity> m_points{};
};

} // namespace imagemap
