#include "imagemap/core/svgmap.h"

#include "platform/textnumber.h"

#include <QFileInfo>
#include <QStringList>
#include <algorithm>

namespace imagemap {

namespace {

QString number(int value)
{
    return platform::plainNumber(value);
}

QString attribute(const char *name, const QString &value)
{
    return u' ' + QLatin1String(name) + QStringLiteral("=\"") + value.toHtmlEscaped() + u'"';
}

// Painted but invisible, so that the shape takes the pointer.
const char *const Invisible = " fill=\"#fff\" fill-opacity=\"0\" stroke=\"none\"/>";

QString shapeElement(const HotspotRecord &row)
{
    const QList<QPoint> &p = row.points;
    if (row.shape == ShapeKind::Circle && p.size() == 2) {
        return QStringLiteral("<circle") + attribute("cx", number(p[0].x()))
            + attribute("cy", number(p[0].y())) + attribute("r", number(circleRadius(p[0], p[1])))
            + QLatin1String(Invisible);
    }
    if (row.shape == ShapeKind::Rectangle && p.size() == 2) {
        return QStringLiteral("<rect") + attribute("x", number(std::min(p[0].x(), p[1].x())))
            + attribute("y", number(std::min(p[0].y(), p[1].y())))
            + attribute("width", number(std::abs(p[1].x() - p[0].x())))
            + attribute("height", number(std::abs(p[1].y() - p[0].y()))) + QLatin1String(Invisible);
    }
    QStringList pairs;
    // The repeated first vertex is left out: a polygon closes itself.
    for (qsizetype i = 0; i + 1 < p.size(); ++i)
        pairs << number(p[i].x()) + u',' + number(p[i].y());
    return QStringLiteral("<polygon") + attribute("points", pairs.join(u' '))
        + QLatin1String(Invisible);
}

QString linkLine(const HotspotRecord &row)
{
    // An area without a link is an <a> without href: it keeps its title and takes no click.
    QString line = QStringLiteral("<a");
    if (row.linked)
        line += attribute("href", row.url.trimmed());
    if (!row.targetFrame.trimmed().isEmpty())
        line += attribute("target", row.targetFrame.trimmed());
    line += u'>';
    if (!row.altText.trimmed().isEmpty())
        line += QStringLiteral("<title>") + row.altText.trimmed().toHtmlEscaped()
            + QStringLiteral("</title>");
    return line + shapeElement(row) + QStringLiteral("</a>");
}

} // namespace

ImageMapHtml buildSvgMap(
    const QString &imagePath, QSize pictureSize, const HotspotTable &table, const QString &source)
{
    ImageMapHtml svg;
    if (imagePath.isEmpty() || pictureSize.isEmpty()) {
        svg.error = QStringLiteral("Cannot create the SVG map: no image file is open.");
        return svg;
    }
    const QString width = number(pictureSize.width());
    const QString height = number(pictureSize.height());
    QStringList lines;
    lines << QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\"")
            + attribute("viewBox", QStringLiteral("0 0 ") + width + u' ' + height)
            + QStringLiteral(" width=\"100%\">");
    lines << QStringLiteral("<image")
            + attribute("href", source.isEmpty() ? QFileInfo(imagePath).fileName() : source)
            + attribute("width", width) + attribute("height", height) + QStringLiteral("/>");
    // Later shapes lie on top, so the rows go in reverse: where hotspots overlap the lowest
    // row must take the pointer, as the first AREA does in an IMG map.
    for (int i = HotspotTable::LastRow; i >= HotspotTable::FirstRow; --i) {
        if (table.inUse(i))
            lines << linkLine(table.row(i));
    }
    lines << QStringLiteral("</svg>");
    svg.text = lines.join(QStringLiteral("\r\n"));
    return svg;
}

} // namespace imagemap
