#include "frameset/core/layouttext.h"

namespace frameset::layouttext {

namespace {
constexpr int MaxCell = 99;
constexpr QStringView LeafPrefix = u"!!";
constexpr QStringView ColumnsOpening = u"<FRAMESET COLS= ##";
constexpr QStringView RowsOpening = u"<FRAMESET ROWS= ##";
// The direction and key of an opening line whose key is digits.
bool splitOpening(const QString &line, SplitDirection &direction, QString &key)
{
    const bool columns = line.startsWith(ColumnsOpening);
    if ((!columns && !line.startsWith(RowsOpening)) || !line.endsWith(u'>'))
        return false;
    const QStringView digits = QStringView(line).mid(ColumnsOpening.size()).chopped(1);
    if (digits.isEmpty())
        return false;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return false;
    }
    direction = columns ? SplitDirection::Column : SplitDirection::Row;
    key = digits.toString();
    return true;
}

void writeNodes(const QList<SplitNode> &nodes, QStringList &out);

void writeNode(const SplitNode &node, QStringList &out)
{
    switch (node.kind) {
    case SplitNode::Kind::Cell:
        out.append(leafLine(node.cell));
        break;
    case SplitNode::Kind::Verbatim:
        out.append(node.text);
        break;
    case SplitNode::Kind::Split:
        out.append(splitLine(node.direction, node.key));
        writeNodes(node.parts, out);
        if (node.closed)
            out.append(FramesetEnd.toString());
        break;
    }
}

void writeNodes(const QList<SplitNode> &nodes, QStringList &out)
{
    for (const SplitNode &node : nodes)
        writeNode(node, out);
}

} // namespace

QStringList lines(const QString &layout)
{
    if (layout.isEmpty())
        return {};
    return layout.split(LineBreak.toString());
}

QString join(const QStringList &lines)
{
    return lines.join(LineBreak.toString());
}

QString leafLine(int cell)
{
    return LeafPrefix.toString() + QString::number(cell);
}

int leafCell(QStringView line)
{
    if (!line.startsWith(LeafPrefix))
        return -1;
    const QStringView digits = line.mid(LeafPrefix.size());
    if (digits.isEmpty() || digits.size() > 3 || (digits.size() > 1 && digits[0] == u'0'))
        return -1;
    int value = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value <= MaxCell ? value : -1;
}

QString splitLine(SplitDirection direction, const QString &key)
{
    const QStringView opening = direction == SplitDirection::Column ? ColumnsOpening : RowsOpening;
    return opening.toString() + key + u'>';
}

SplitTree read(const QStringList &lines)
{
    // The open framesets, innermost last, each with the nodes read into it so far.
    QList<SplitNode> open;
    QList<SplitNode> top;
    const auto add
        = [&](const SplitNode &node) { (open.isEmpty() ? top : open.back().parts).append(node); };
    for (const QString &line : lines) {
        SplitDirection direction;
        QString key;
        if (const int cell = leafCell(line); cell >= 0) {
            add(SplitNode::leaf(cell));
        } else if (splitOpening(line, direction, key)) {
            SplitNode split = SplitNode::split(direction, key, 0, 0);
            split.parts.clear();
            split.closed = false;
            open.append(split);
        } else if (line == FramesetEnd && !open.isEmpty()) {
            SplitNode split = open.takeLast();
            split.closed = true;
            add(split);
        } else {
            add(SplitNode::verbatim(line));
        }
    }
    while (!open.isEmpty())
        add(open.takeLast());
    return SplitTree(top);
}

QString write(const SplitTree &tree)
{
    QStringList out;
    writeNodes(tree.nodes(), out);
    return join(out);
}

} // namespace frameset::layouttext
