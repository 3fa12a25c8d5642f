#include "frameset/core/framesetmarkup.h"

#include "platform/htmltree.h"
#include "platform/leftout.h"
#include "platform/textnumber.h"

#include <QRegularExpression>
#include <libxml/tree.h>
#include <memory>

namespace frameset {

namespace {

const QString BlankPage = QStringLiteral("about:blank");

bool isElement(const xmlNode *node, const char *name)
{
    return node && node->type == XML_ELEMENT_NODE
        && xmlStrcasecmp(node->name, reinterpret_cast<const xmlChar *>(name)) == 0;
}

bool hasAttribute(xmlNode *node, const char *name)
{
    return xmlHasProp(node, reinterpret_cast<const xmlChar *>(name)) != nullptr;
}

QString attribute(xmlNode *node, const char *name)
{
    xmlChar *value = xmlGetProp(node, reinterpret_cast<const xmlChar *>(name));
    if (!value)
        return QString();
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(value));
    xmlFree(value);
    return text;
}

// The first FRAMESET a browser would build.
xmlNode *firstFrameset(xmlNode *root)
{
    for (xmlNode *node = root; node; node = platform::nextBuiltNode(node, root)) {
        if (isElement(node, "frameset"))
            return node;
    }
    return nullptr;
}

// BORDER=0, or FRAMEBORDER=NO or 0, on the first FRAMESET that gives either turns borders off.
bool framesetBordersOn(xmlNode *frameset)
{
    for (xmlNode *node = frameset; node; node = platform::nextBuiltNode(node, frameset)) {
        if (!isElement(node, "frameset"))
            continue;
        if (hasAttribute(node, "border"))
            return platform::numericValue(attribute(node, "border")) != 0;
        if (hasAttribute(node, "frameborder")) {
            const QString value = attribute(node, "frameborder").trimmed().toLower();
            return value != QLatin1String("no") && platform::numericValue(value) != 0;
        }
    }
    return true;
}

// A margin as a number, zero included: MARGINWIDTH=0 takes the browser's own margin away.
PropertyValue marginValue(const QString &text)
{
    const QString value = text.trimmed();
    if (value.isEmpty() || !value.front().isDigit())
        return PropertyValue();
    return PropertyValue::fromNumber(platform::wholeValue(value));
}

// SCROLLING=AUTO is what a frame does without the attribute, so it stays unset as well.
PropertyValue scrollingChoice(const QString &text)
{
    const QString value = text.trimmed().toLower();
    if (value == QLatin1String("yes"))
        return PropertyValue::fromNumber(int(ScrollingChoice::Yes));
    if (value == QLatin1String("no"))
        return PropertyValue::fromNumber(int(ScrollingChoice::No));
    return PropertyValue();
}

// A frame without FRAMEBORDER takes the nearest enclosing FRAMESET's, as browsers do.
PropertyValue frameBorderChoice(xmlNode *frame)
{
    xmlNode *holder = frame;
    while (holder && !hasAttribute(holder, "frameborder"))
        holder = holder->parent && isElement(holder->parent, "frameset") ? holder->parent : nullptr;
    if (!holder)
        return PropertyValue();
    const QString value = attribute(holder, "frameborder").trimmed().toLower();
    const bool plain = value == QLatin1String("no") || value == QLatin1String("0");
    return PropertyValue::fromNumber(
        int(plain ? FrameBorderChoice::Plain : FrameBorderChoice::ThreeD));
}

// True when a frame says more than the FRAME tag of a never-set record: a page and a name of
// its own, no resizing, margins, scrolling other than AUTO or a plain border. Such a frame is
// what the properties dialog's OK stores, and a document Panecraft wrote from one comes back
// with the same tag.
bool holdsDialogEntries(const FrameProperties &p)
{
    static const QRegularExpression madeUpName(QStringLiteral("^Frame\\d+$"));
    const QString source = p.sourceUrl.text();
    const QString name = p.frameName.text();
    return (source != QLatin1String("xxxxx.htm") && source != BlankPage)
        || (!name.isEmpty() && !madeUpName.match(name).hasMatch()) || !p.noResize.isEmpty()
        || !p.marginWidth.isEmpty() || !p.marginHeight.isEmpty() || !p.scrolling.isEmpty()
        || p.frameBorder.wholeValue() == int(FrameBorderChoice::Plain);
}

// Sets every field the frame left unset as the properties dialog's OK does.
void fillAsTheDialogStores(FrameProperties &p)
{
    const auto fill = [](PropertyValue &field, const PropertyValue &stored) {
        if (field.isEmpty())
            field = stored;
    };
    fill(p.frameName, PropertyValue::fromText(QString()));
    fill(p.marginWidth, PropertyValue::fromText(QString()));
    fill(p.marginHeight, PropertyValue::fromText(QString()));
    fill(p.fixedWidthPixels, PropertyValue::fromNumber(0));
    fill(p.fixedHeightPixels, PropertyValue::fromNumber(0));
    fill(p.noResize, PropertyValue::fromNumber(0));
    fill(p.scrolling, PropertyValue::fromNumber(int(ScrollingChoice::Auto)));
    fill(p.frameBorder, PropertyValue::fromNumber(int(FrameBorderChoice::ThreeD)));
}

FrameProperties frameProperties(xmlNode *frame)
{
    FrameProperties p;
    // A frame without a page is left blank for links to fill; a made-up page would show "not
    // found" there.
    const QString source = attribute(frame, "src").trimmed();
    p.sourceUrl = PropertyValue::fromText(source.isEmpty() ? BlankPage : source);
    if (const QString name = attribute(frame, "name").trimmed(); !name.isEmpty())
        p.frameName = PropertyValue::fromText(name);
    p.marginWidth = marginValue(attribute(frame, "marginwidth"));
    p.marginHeight = marginValue(attribute(frame, "marginheight"));
    p.scrolling = scrollingChoice(attribute(frame, "scrolling"));
    if (hasAttribute(frame, "noresize"))
        p.noResize = PropertyValue::fromNumber(1);
    p.frameBorder = frameBorderChoice(frame);
    if (holdsDialogEntries(p))
        fillAsTheDialogStores(p);
    return p;
}

bool holdsText(xmlNode *element)
{
    xmlChar *content = xmlNodeGetContent(element);
    const bool any
        = content && !QString::fromUtf8(reinterpret_cast<char *>(content)).trimmed().isEmpty();
    xmlFree(content);
    return any;
}

// The parts of the page the design has no place for: its title and what it shows browsers
// without frames.
void noteWholeParts(xmlNode *root, platform::LeftOut &leftOut)
{
    for (xmlNode *node = root; node; node = platform::nextBuiltNode(node, root)) {
        if (isElement(node, "title") && holdsText(node))
            leftOut.add(QStringLiteral("the page's title"));
        else if (isElement(node, "noframes") && (holdsText(node) || node->children))
            leftOut.add(QStringLiteral("the NOFRAMES content"));
    }
}

class MarkupReader
{
public:
    MarkupReader(FramesetMarkup &markup, int maxFrames, int maxDepth)
        : m_markup(markup)
        , m_maxFrames(maxFrames)
        , m_maxDepth(maxDepth)
    { }

    bool readFrameset(xmlNode *element, FramesetNode &node, int depth);

    // What the frames and framesets read so far hold that the design cannot keep.
    platform::LeftOut leftOut;

private:
    bool readSizes(xmlNode *element, const char *name, QList<FrameSize> &sizes);
    bool readSlot(xmlNode *element, FramesetNode &node, int depth);
    // Makes `node` a frameset of `sizes` in `direction` whose places hold placed[from] onwards.
    bool readPlaces(FramesetNode &node, SplitDirection direction, const QList<FrameSize> &sizes,
        const QList<xmlNode *> &placed, qsizetype from, int depth);
    bool refuse(const QString &refusal)
    {
        m_markup.refusal = refusal;
        return false;
    }

    FramesetMarkup &m_markup;
    int m_maxFrames;
    int m_maxDepth;
};

bool MarkupReader::readSizes(xmlNode *element, const char *name, QList<FrameSize> &sizes)
{
    const QString text = attribute(element, name);
    QString bad;
    const std::optional<QList<FrameSize>> read = parseSizeList(text, &bad);
    if (!read) {
        return refuse(QStringLiteral("The size \"%1\" in %2=\"%3\" is neither a pixel count, a "
                                     "percentage nor a share (* or 2*).")
                          .arg(bad, QString::fromLatin1(name).toUpper(), text));
    }
    if (read->size() > m_maxFrames)
        return refuse(QStringLiteral("It holds more than %1 frames.").arg(m_maxFrames));
    sizes = *read;
    return true;
}

// A frame, a nested frameset, or (for a missing child) an empty page.
bool MarkupReader::readSlot(xmlNode *element, FramesetNode &node, int depth)
{
    if (element && isElement(element, "frameset"))
        return readFrameset(element, node, depth + 1);
    if (++m_markup.frames > m_maxFrames)
        return refuse(QStringLiteral("It holds more than %1 frames.").arg(m_maxFrames));
    node.isFrame = true;
    if (element) {
        node.properties = frameProperties(element);
        leftOut.attributesOf(element,
            {"src", "name", "marginwidth", "marginheight", "scrolling", "noresize", "frameborder"},
            QStringLiteral("frames"));
    } else {
        node.properties.sourceUrl = PropertyValue::fromText(QStringLiteral("about:blank"));
    }
    return true;
}

bool MarkupReader::readPlaces(FramesetNode &node, SplitDirection direction,
    const QList<FrameSize> &sizes, const QList<xmlNode *> &placed, qsizetype from, int depth)
{
    node.isFrame = false;
    node.direction = direction;
    node.sizes = sizes;
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        if (!readSlot(placed[from + i], node.children.emplace_back(), depth))
            return false;
    }
    return true;
}

bool MarkupReader::readFrameset(xmlNode *element, FramesetNode &node, int depth)
{
    if (depth > m_maxDepth)
        return refuse(
            QStringLiteral("Its framesets are nested more than %1 deep.").arg(m_maxDepth));
    QList<FrameSize> rows;
    QList<FrameSize> cols;
    if (!readSizes(element, "rows", rows) || !readSizes(element, "cols", cols))
        return false;
    leftOut.attributesOf(element, {"rows", "cols", "border", "frameborder", "framespacing"},
        QStringLiteral("framesets"));
    QList<xmlNode *> placed;
    for (xmlNode *child = element->children; child; child = child->next) {
        if (isElement(child, "frame") || isElement(child, "frameset"))
            placed.append(child);
    }
    // A browser shows one child per place and leaves places without a child empty.
    const qsizetype places = rows.size() * cols.size();
    if (places > m_maxFrames)
        return refuse(QStringLiteral("It holds more than %1 frames.").arg(m_maxFrames));
    placed.resize(places, nullptr);

    if (rows.size() > 1 && cols.size() > 1) {
        // Rows and columns at once: each row is a frameset of the columns.
        node.isFrame = false;
        node.direction = SplitDirection::Row;
        node.sizes = rows;
        for (qsizetype r = 0; r < rows.size(); ++r) {
            if (!readPlaces(node.children.emplace_back(), SplitDirection::Column, cols, placed,
                    r * cols.size(), depth))
                return false;
        }
        return true;
    }
    return rows.size() > 1 ? readPlaces(node, SplitDirection::Row, rows, placed, 0, depth)
                           : readPlaces(node, SplitDirection::Column, cols, placed, 0, depth);
}

} // namespace

FramesetMarkup FramesetMarkup::read(const QByteArray &html, int maxFrames, int maxDepth)
{
    FramesetMarkup markup;
    const platform::HtmlDocument doc = platform::readHtmlPage(html);
    xmlNode *frameset = doc ? firstFrameset(xmlDocGetRootElement(doc.get())) : nullptr;
    if (!frameset) {
        markup.refusal = QStringLiteral("It holds no FRAMESET, so there is nothing to import.");
        return markup;
    }
    markup.bordersOn = framesetBordersOn(frameset);
    MarkupReader reader(markup, maxFrames, maxDepth);
    noteWholeParts(xmlDocGetRootElement(doc.get()), reader.leftOut);
    if (reader.readFrameset(frameset, markup.root, 1))
        markup.leftOut = reader.leftOut.note(
            QStringLiteral("The design does not hold everything the page has"));
    return markup;
}

} // namespace frameset
