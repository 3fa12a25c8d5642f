#include "frameset/core/splittree.h"

#include <algorithm>

namespace frameset {

namespace {

// The first node, in order from the top, for which `matches` holds.
template <typename Nodes, typename Matches>
auto firstNode(Nodes &nodes, const Matches &matches) -> decltype(&nodes.front())
{
    for (auto &node : nodes) {
        if (matches(node))
            return &node;
        if (node.kind == SplitNode::Kind::Split) {
            if (auto *found = firstNode(node.parts, matches))
                return found;
        }
    }
    return nullptr;
}

void collectCells(const QList<SplitNode> &nodes, QList<int> &cells)
{
    for (const SplitNode &node : nodes) {
        if (node.kind == SplitNode::Kind::Cell)
            cells.append(node.cell);
        else if (node.kind == SplitNode::Kind::Split)
            collectCells(node.parts, cells);
    }
}

// Lowers by one the number of every cell above `removed`.
void closeNumberGap(QList<SplitNode> &nodes, int removed)
{
    for (SplitNode &node : nodes) {
        if (node.kind == SplitNode::Kind::Cell && node.cell > removed)
            --node.cell;
        else if (node.kind == SplitNode::Kind::Split)
            closeNumberGap(node.parts, removed);
    }
}

} // namespace

SplitNode SplitNode::leaf(int cell)
{
    SplitNode node;
    node.kind = Kind::Cell;
    node.cell = cell;
    return node;
}

SplitNode SplitNode::split(SplitDirection direction, const QString &key, int first, int second)
{
    SplitNode node;
    node.kind = Kind::Split;
    node.direction = direction;
    node.key = key;
    node.parts = {leaf(first), leaf(second)};
    return node;
}

SplitNode SplitNode::verbatim(const QString &text)
{
    SplitNode node;
    node.kind = Kind::Verbatim;
    node.text = text;
    return node;
}

bool SplitNode::operator==(const SplitNode &other) const
{
    if (kind != other.kind)
        return false;
    switch (kind) {
    case Kind::Cell:
        return cell == other.cell;
    case Kind::Verbatim:
        return text == other.text;
    case Kind::Split:
        break;
    }
    return direction == other.direction && key == other.key && closed == other.closed
        && std::equal(parts.begin(), parts.end(), other.parts.begin(), other.parts.end());
}

bool SplitTree::splitCell(int cell, SplitDirection direction, const QString &key, int newCell)
{
    const SplitNode split = SplitNode::split(direction, key, cell, newCell);
    if (m_nodes.isEmpty()) {
        m_nodes.append(split);
        return true;
    }
    SplitNode *leaf = firstNode(m_nodes, [cell](const SplitNode &n) { return n.isCell(cell); });
    if (!leaf)
        return false;
    *leaf = split;
    return true;
}

std::optional<SplitDirection> SplitTree::findSplit(const QString &key) const
{
    const SplitNode *split = firstNode(m_nodes,
        [&key](const SplitNode &n) { return n.kind == SplitNode::Kind::Split && n.key == key; });
    if (!split)
        return std::nullopt;
    return split->direction;
}

std::optional<SplitDirection> SplitTree::mergeSplit(const QString &key, int first, int second)
{
    SplitNode *split = firstNode(m_nodes,
        [&key](const SplitNode &n) { return n.kind == SplitNode::Kind::Split && n.key == key; });
    if (!split || !split->closed || split->parts.size() != 2 || !split->parts[0].isCell(first)
        || !split->parts[1].isCell(second))
        return std::nullopt;
    const SplitDirection direction = split->direction;
    *split = SplitNode::leaf(first);
    closeNumberGap(m_nodes, second);
    if (m_nodes.size() == 1 && m_nodes.front().kind == SplitNode::Kind::Cell)
        m_nodes.clear(); // a single cell has no nodes
    return direction;
}

QList<int> SplitTree::cells() const
{
    QList<int> cells;
    collectCells(m_nodes, cells);
    return cells;
}

} // namespace frameset
