#include "imagemap/core/imagemaphtml.h"

#include "platform/htmlreferences.h"
#include "platform/textnumber.h"

#include <QStringList>
#include <algorithm>

namespace imagemap {

namespace {

// The extension the map name leaves off: a dot and three letters.
constexpr qsizetype ExtensionLength = 4;

// A double quote would end the attribute value early, and an "&" that starts a character
// reference would change it.
QString escaped(const QString &text)
{
    return platform::withAmpersandsKept(text).replace(u'"', QStringLiteral("&quot;"));
}

QString attribute(const QString &value)
{
    return escaped(value.trimmed());
}

QString quoted(const QString &value)
{
    return u'"' + value + u'"';
}

QString shapeName(ShapeKind kind)
{
    switch (kind) {
    case ShapeKind::Rectangle:
        return QStringLiteral("RECT");
    case ShapeKind::Circle:
        return QStringLiteral("CIRCLE");
    case ShapeKind::Polygon:
        break;
    }
    return QStringLiteral("POLYGON");
}

// The COORDS value: "x1,y1,x2,y2,..." in image pixels; for a circle "x,y,radius", the radius
// being the distance from the centre to the edge point, rounded.
QString coordsText(const HotspotRecord &row)
{
    QList<long long> numbers;
    if (row.shape == ShapeKind::Circle) {
        if (row.points.size() == 2) {
            const QPoint centre = row.points[0];
            const QPoint edge = row.points[1];
            numbers << centre.x() << centre.y() << circleRadius(centre, edge);
        }
    } else {
        for (const QPoint &point : row.points)
            numbers << point.x() << point.y();
    }
    QStringList texts;
    for (long long number : numbers)
        texts << platform::plainNumber(number);
    return texts.join(u',');
}

} // namespace

QString areaLine(const HotspotRecord &row)
{
    return QStringLiteral("<AREA SHAPE=") + quoted(shapeName(row.shape)) + QStringLiteral(" ALT=")
        + quoted(attribute(row.altText)) + QStringLiteral(" COORDS=") + quoted(coordsText(row))
        + (row.linked ? QStringLiteral(" HREF=") + quoted(attribute(row.url))
                      : QStringLiteral(" NOHREF"))
        + QStringLiteral(" TARGET=") + quoted(attribute(row.targetFrame)) + u'>';
}

ImageMapHtml buildImageMap(const QString &imagePath, const HotspotTable &table)
{
    return buildImageMap(imagePath, table, QString());
}

ImageMapHtml buildImageMap(
    const QString &imagePath, const HotspotTable &table, const QString &source)
{
    ImageMapHtml result;
    if (imagePath.isEmpty()) {
        result.error = QStringLiteral("Cannot create the HTML code: no image file is open.");
        return result;
    }
    const qsizetype separator = std::max(imagePath.lastIndexOf(u'/'), imagePath.lastIndexOf(u'\\'));
    if (separator < 0) {
        result.error = QStringLiteral(
            "Cannot create the HTML code: \"%1\" is not the full path of an image file.")
                           .arg(imagePath);
        return result;
    }
    const QString imageFile = imagePath.mid(separator + 1);
    // Exactly four characters leave an empty map name, which HTML takes; fewer cannot be right.
    if (imageFile.size() < ExtensionLength) {
        result.error
            = QStringLiteral("Cannot create the HTML code: the file name \"%1\" is too short "
                             "to give the image map a name.")
                  .arg(imageFile);
        return result;
    }
    const QString mapName = escaped(imageFile.chopped(ExtensionLength));

    QStringList lines;
    lines << QStringLiteral("<IMG SRC=") + quoted(escaped(source.isEmpty() ? imageFile : source))
            + QStringLiteral(" BORDER=1 USEMAP=") + quoted(u'#' + mapName) + u'>';
    lines << QStringLiteral("<MAP NAME=") + quoted(mapName) + u'>';
    for (int i = HotspotTable::FirstRow; i <= HotspotTable::LastRow; ++i) {
        if (table.inUse(i))
            lines << areaLine(table.row(i));
    }
    lines << QStringLiteral("<AREA SHAPE=\"DEFAULT\" NOHREF>");
    lines << QStringLiteral("</MAP>");
    result.text = lines.join(QStringLiteral("\r\n"));
    return result;
}

} // namespace imagemap
