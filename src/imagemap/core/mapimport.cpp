#include "imagemap/core/mapimport.h"

#include "imagemap/core/hotspottable.h"
#include "imagemap/core/vertexstore.h"
#include "platform/filecontent.h"
#include "platform/htmltree.h"
#include "platform/leftout.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>
#include <libxml/tree.h>
#include <memory>
#include <optional>

namespace imagemap {

namespace {

// Indexes 0 and 1 of the vertex store are never used; a window just cleared has the rest.
constexpr int FreeVertexSlots = VertexStore::LastIndex - 1;
constexpr int HotspotRows = HotspotTable::LastRow;

QString failure(const QString &reason)
{
    return QStringLiteral("Cannot open the map: ") + reason;
}

bool isElement(const xmlNode *node, const char *name)
{
    return node->type == XML_ELEMENT_NODE
        && xmlStrcasecmp(node->name, reinterpret_cast<const xmlChar *>(name)) == 0;
}

// The attribute's value with its entities decoded, matched by name in any case; no value when
// the element does not have it.
std::optional<QString> attribute(const xmlNode *element, const char *name)
{
    for (const xmlAttr *a = element->properties; a; a = a->next) {
        if (xmlStrcasecmp(a->name, reinterpret_cast<const xmlChar *>(name)) != 0)
            continue;
        xmlChar *value = xmlNodeGetContent(reinterpret_cast<const xmlNode *>(a));
        const QString text = QString::fromUtf8(reinterpret_cast<const char *>(value));
        xmlFree(value);
        return text;
    }
    return std::nullopt;
}

// The elements of that name inside `root`, in document order.
QList<const xmlNode *> elements(const xmlNode *root, const char *name)
{
    QList<const xmlNode *> found;
    for (const xmlNode *node = root; node; node = platform::nextBuiltNode(node, root)) {
        if (isElement(node, name))
            found << node;
    }
    return found;
}

// A map's name, or its ID where it has no NAME.
QString mapNameOf(const xmlNode *map)
{
    return attribute(map, "name").value_or(attribute(map, "id").value_or(QString())).trimmed();
}

// The name of the map an IMG's USEMAP names, without its "#"; nothing without a USEMAP.
std::optional<QString> usedMapName(const xmlNode *img)
{
    std::optional<QString> name = attribute(img, "usemap");
    if (!name)
        return std::nullopt;
    *name = name->trimmed();
    if (name->startsWith(u'#'))
        name->remove(0, 1);
    return name;
}

// The map of that NAME, or failing that of that ID; nullptr when there is none.
const xmlNode *mapNamed(const QList<const xmlNode *> &maps, const QString &name)
{
    for (const char *key : {"name", "id"}) {
        for (const xmlNode *map : maps) {
            if (attribute(map, key) == name)
                return map;
        }
    }
    return nullptr;
}

// The SRC of the first IMG whose USEMAP names the map `name`; empty when none does.
QString pictureOf(const QList<const xmlNode *> &images, const QString &name)
{
    for (const xmlNode *img : images) {
        const QString used = usedMapName(img).value_or(QString());
        if (!used.isEmpty() && (used == name || u'#' + used == name))
            return attribute(img, "src").value_or(QString()).trimmed();
    }
    return QString();
}

// The map named `wanted` (by NAME, then by ID) and the picture of the first IMG that uses it.
const xmlNode *findNamedMap(const QList<const xmlNode *> &maps,
    const QList<const xmlNode *> &images, const QString &wanted, MapImport &import)
{
    import.pictureSource = pictureOf(images, wanted);
    if (const xmlNode *map = mapNamed(maps, wanted))
        return map;
    import.error = failure(QStringLiteral("the page holds no MAP named \"%1\".").arg(wanted));
    return nullptr;
}

// The map `wanted` names, or else the map the first IMG with a USEMAP names (by NAME, then by
// ID), or else the first MAP.
const xmlNode *findMap(const xmlNode *root, const QString &wanted, MapImport &import)
{
    const QList<const xmlNode *> maps = elements(root, "map");
    const QList<const xmlNode *> images = elements(root, "img");
    for (const xmlNode *map : maps) {
        import.mapNames << mapNameOf(map);
        import.mapPictures << pictureOf(images, import.mapNames.last());
    }
    if (!wanted.isEmpty())
        return findNamedMap(maps, images, wanted, import);
    for (const xmlNode *img : images) {
        const std::optional<QString> used = usedMapName(img);
        if (!used)
            continue;
        const QString &name = *used;
        import.pictureSource = attribute(img, "src").value_or(QString()).trimmed();
        if (const xmlNode *map = mapNamed(maps, name))
            return map;
        // Many pages name the map with the "#" that belongs to USEMAP alone; browsers then find
        // no map, but the map meant is plain.
        for (const xmlNode *map : maps) {
            if (attribute(map, "name") == u'#' + name) {
                import.notes << QStringLiteral(
                    "The page names its map \"#%1\", with the \"#\" that belongs in USEMAP "
                    "only, so browsers do not find it; it was taken as the map \"%1\".")
                                    .arg(name);
                return map;
            }
        }
        import.error
            = failure(QStringLiteral("the picture's USEMAP names the map \"%1\", but the page "
                                     "holds no MAP of that name.")
                          .arg(name));
        return nullptr;
    }
    if (maps.isEmpty()) {
        import.error = failure(QStringLiteral("the page holds no image map (no MAP element)."));
        return nullptr;
    }
    return maps.first();
}

// The numbers of a COORDS text, or a problem text naming the coordinate at fault.
std::optional<QList<int>> coordinates(const QString &text, QString &problem)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    static const QRegularExpression number(QStringLiteral("^(\\d+(\\.\\d*)?|\\.\\d+)$"));
    QList<int> numbers;
    for (const QString &token : text.split(separators, Qt::SkipEmptyParts)) {
        if (token.contains(u'%')) {
            problem = QStringLiteral("the percent coordinate \"%1\"; only pixels can be taken")
                          .arg(token);
        } else if (token.startsWith(u'-')) {
            problem = QStringLiteral("the negative coordinate \"%1\"").arg(token);
        } else if (!number.match(token).hasMatch()) {
            problem = QStringLiteral("the coordinate \"%1\", which is not a number").arg(token);
        } else if (token.toDouble() > MaximumCoordinate) {
            problem = QStringLiteral("the coordinate \"%1\", larger than %2")
                          .arg(token)
                          .arg(MaximumCoordinate);
        }
        if (!problem.isEmpty())
            return std::nullopt;
        numbers << qRound(token.toDouble());
    }
    return numbers;
}

// The points of a shape from its numbers; a problem text when their count does not fit.
QString shapePoints(ShapeKind shape, const QList<int> &n, QList<QPoint> &points)
{
    const qsizetype count = n.size();
    if (shape == ShapeKind::Rectangle) {
        if (count != 4)
            return QStringLiteral("%1 coordinates; a rectangle takes 4").arg(count);
        points = {QPoint(n[0], n[1]), QPoint(n[2], n[3])};
    } else if (shape == ShapeKind::Circle) {
        if (count != 3)
            return QStringLiteral("%1 coordinates; a circle takes 3 (x, y, radius)").arg(count);
        points = {QPoint(n[0], n[1]), QPoint(n[0] + n[2], n[1])};
    } else {
        if (count % 2 != 0)
            return QStringLiteral("%1 coordinates; a polygon takes pairs of x and y").arg(count);
        for (qsizetype i = 0; i + 1 < count; i += 2)
            points << QPoint(n[i], n[i + 1]);
        // The closing point is added where the list does not repeat the first vertex.
        if (points.size() < 2 || points.first() != points.last())
            points << (points.isEmpty() ? QPoint() : points.first());
        const QList<QPoint> corners(points.begin(), points.end() - 1);
        if (QSet<QPoint>(corners.begin(), corners.end()).size() < 3)
            return QStringLiteral("a polygon of fewer than three corners");
    }
    return QString();
}

std::optional<ShapeKind> shapeNamed(const QString &name)
{
    const QString n = name.trimmed().toLower();
    if (n.isEmpty() || n == QLatin1String("rect") || n == QLatin1String("rectangle"))
        return ShapeKind::Rectangle;
    if (n == QLatin1String("poly") || n == QLatin1String("polygon"))
        return ShapeKind::Polygon;
    if (n == QLatin1String("circle") || n == QLatin1String("circ"))
        return ShapeKind::Circle;
    return std::nullopt;
}

// Reads one AREA into `area`. Returns a problem text, or an empty one; `skipped` is set for a
// DEFAULT area, which becomes no hotspot.
QString readArea(const xmlNode *element, MapArea &area, bool &skipped)
{
    const QString shapeText = attribute(element, "shape").value_or(QString());
    skipped = shapeText.trimmed().compare(QLatin1String("default"), Qt::CaseInsensitive) == 0;
    if (skipped)
        return QString();
    const std::optional<ShapeKind> shape = shapeNamed(shapeText);
    if (!shape)
        return QStringLiteral("the unknown shape \"%1\"").arg(shapeText.trimmed());
    QString problem;
    const std::optional<QList<int>> numbers
        = coordinates(attribute(element, "coords").value_or(QString()), problem);
    if (!numbers)
        return problem;
    area.shape = *shape;
    problem = shapePoints(*shape, *numbers, area.points);
    const std::optional<QString> href = attribute(element, "href");
    area.url = href.value_or(QString());
    area.linked = href.has_value();
    area.altText = attribute(element, "alt").value_or(QString());
    area.targetFrame = attribute(element, "target").value_or(QString());
    return problem;
}

QString areaName(const xmlNode *element, int number)
{
    const std::optional<QString> href = attribute(element, "href");
    return QStringLiteral("area %1").arg(number)
        + (href ? QStringLiteral(" (HREF \"%1\")").arg(*href) : QString());
}

// Reads the AREAs of the map into `import`, checking them against the table and the store.
void readAreas(const xmlNode *map, MapImport &import)
{
    int number = 0;
    int usedSlots = 0;
    platform::LeftOut leftOut;
    for (const xmlNode *element : elements(map, "area")) {
        ++number;
        MapArea area;
        bool skipped = false;
        QString problem = readArea(element, area, skipped);
        if (skipped) {
            // The map Zonemark writes ends with a DEFAULT area of its own, without a link.
            if (const std::optional<QString> href = attribute(element, "href"))
                leftOut.add(QStringLiteral("the DEFAULT area's link to \"%1\"").arg(*href));
            continue;
        }
        leftOut.attributesOf(element, {"shape", "coords", "href", "nohref", "alt", "target"},
            QStringLiteral("areas"));
        // With three slots for the smallest shape the store runs out first (at the 33rd
        // hotspot); the table's limit is checked all the same, so that neither is overrun.
        if (problem.isEmpty() && import.areas.size() == HotspotRows)
            problem = QStringLiteral("more hotspots than the %1 the table holds").arg(HotspotRows);
        usedSlots += problem.isEmpty() ? vertexSlots(area) : 0;
        if (problem.isEmpty() && usedSlots > FreeVertexSlots) {
            problem = QStringLiteral("more points than the %1 the vertex store holds (a "
                                     "rectangle takes 5, a circle 3, a polygon one per corner "
                                     "and 1 more)")
                          .arg(FreeVertexSlots);
        }
        if (!problem.isEmpty()) {
            import.areas.clear();
            import.error
                = failure(areaName(element, number) + QStringLiteral(": ") + problem + u'.');
            return;
        }
        import.areas << area;
    }
    if (!leftOut.isEmpty())
        import.notes << leftOut.note(QStringLiteral("Hotspots do not hold everything the map has"));
}

} // namespace

int vertexSlots(const MapArea &area)
{
    switch (area.shape) {
    case ShapeKind::Rectangle:
        return 5;
    case ShapeKind::Circle:
        return 3;
    case ShapeKind::Polygon:
        break;
    }
    return int(area.points.size());
}

MapImport readImageMap(const QByteArray &page, const QString &mapName)
{
    MapImport import;
    const platform::HtmlDocument document = platform::readHtmlPage(page);
    const xmlNode *root = document ? xmlDocGetRootElement(document.get()) : nullptr;
    if (!root) {
        import.error = failure(QStringLiteral("the page holds no image map (no MAP element)."));
        return import;
    }
    const xmlNode *map = findMap(root, mapName, import);
    if (map) {
        import.mapName = mapNameOf(map);
        readAreas(map, import);
    }
    return import;
}

MapImport readImageMapFile(const QString &path, const QString &mapName)
{
    QString error;
    const std::optional<QByteArray> bytes
        = platform::readFileContent(path, &error, MaximumPageBytes);
    if (!bytes) {
        MapImport import;
        import.error = failure(QStringLiteral("\"%1\" cannot be read: %2").arg(path, error));
        return import;
    }
    return readImageMap(*bytes, mapName);
}

QString localPicturePath(const QString &pagePath, const QString &source)
{
    QString text = source.trimmed();
    if (text.isEmpty())
        return QString();
    text.replace(u'\\', u'/');
    const QUrl base = QUrl::fromLocalFile(QFileInfo(pagePath).absolutePath() + u'/');
    const QUrl resolved = base.resolved(QUrl(text));
    // "//host/p.gif" keeps the file: scheme of the page but names another computer.
    const bool remoteHost
        = !resolved.host().isEmpty() && resolved.host() != QLatin1String("localhost");
    return resolved.isLocalFile() && !remoteHost ? resolved.toLocalFile() : QString();
}

} // namespace imagemap
