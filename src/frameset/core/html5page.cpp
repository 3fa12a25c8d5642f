#include "frameset/core/html5page.h"

#include "frameset/core/design.h"
#include "frameset/core/layouttext.h"
#include "frameset/core/sizedlayouttext.h"
#include "frameset/core/sizelists.h"
#include "frameset/core/splitpath.h"
#include "platform/filecontent.h"
#include "platform/textnumber.h"

namespace frameset {

namespace {

// The border a browser gives a FRAMESET without a BORDER attribute at the top of a document.
constexpr int BrowserBorder = 6;
constexpr int TickedBorder = 5;
const QString CrLf = QStringLiteral("\r\n");

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// One track of a grid from one entry of a two-entry size list; `other` is the other entry.
QString track(const QString &entry, const QString &other)
{
    if (entry == QLatin1String("*")) {
        // Beside a percentage, "*" takes the rest of the hundred.
        if (other.endsWith(u'%'))
            return QStringLiteral("minmax(0,%1fr)").arg(100 - other.chopped(1).toInt());
        return QStringLiteral("minmax(0,1fr)");
    }
    if (entry.endsWith(u'%'))
        return QStringLiteral("minmax(0,%1fr)").arg(entry.chopped(1).toInt());
    return QStringLiteral("minmax(0,%1px)").arg(entry.toInt());
}

QString tracks(const QString &sizeList)
{
    const QStringList entries = sizeList.split(u',');
    if (entries.size() != 2)
        return QStringLiteral("minmax(0,1fr) minmax(0,1fr)");
    return track(entries[0], entries[1]) + u' ' + track(entries[1], entries[0]);
}

class PageWriter
{
public:
    explicit PageWriter(const Design &design)
        : m_design(design)
        , m_lines(layouttext::lines(layouttext::write(design.splitTree())))
        , m_sized(layouttext::lines(resolveFixedSizes(design)))
    { }

    // Writes the block that starts at line m_at, inside a FRAMESET whose border is `border`.
    void writeBlock(int border);

    QString body;

private:
    void writeFrame(int cell);
    void writeSplit(int border);

    const Design &m_design;
    const QStringList m_lines;
    const QStringList m_sized;
    qsizetype m_at = 0;
};

void PageWriter::writeBlock(int border)
{
    if (m_at >= m_lines.size())
        return;
    const int cell = layouttext::leafCell(m_lines[m_at]);
    if (cell >= 0) {
        ++m_at;
        writeFrame(cell);
    } else {
        writeSplit(border);
    }
}

void PageWriter::writeFrame(int cell)
{
    const FrameProperties &p = m_design.properties().record(cell);
    const QString source = p.sourceUrl.text();
    const QString name = p.frameName.text().isEmpty()
        ? QStringLiteral("Frame") + platform::plainNumber(cell + 1LL)
        : p.frameName.text();
    body += QStringLiteral("<iframe src=\"%1\" name=\"%2\" title=\"%2\"")
                .arg(escaped(source.isEmpty() ? QStringLiteral("xxxxx.htm") : source),
                    escaped(name));
    if (!p.scrolling.isEmpty() && p.scrolling.numericValue() == int(ScrollingChoice::Yes))
        body += QStringLiteral(" scrolling=\"yes\"");
    else if (!p.scrolling.isEmpty() && p.scrolling.numericValue() == int(ScrollingChoice::No))
        body += QStringLiteral(" scrolling=\"no\"");
    body += QStringLiteral("></iframe>") + CrLf;
}

void PageWriter::writeSplit(int border)
{
    const QString &line = m_lines[m_at];
    const QString sized = m_sized.value(m_at);
    ++m_at;
    const bool columns = line.contains(QLatin1String("COLS"));
    QString sizes;
    if (sized.contains(QLatin1String("##"))) {
        const QString key = splitpath::leadingDigits(QStringView(line).mid(line.indexOf(u'#') + 2));
        sizes
            = splitSizeList(m_design, key, columns ? SplitDirection::Column : SplitDirection::Row);
        border = m_design.bordersOn() ? TickedBorder : 0;
    } else {
        // A fixed size: with borders the FRAMESET has no BORDER attribute and the browser keeps
        // the parent's; without, it says BORDER=0.
        sizes = sized.mid(sized.indexOf(u'=') + 1).chopped(1).trimmed();
        if (!m_design.bordersOn())
            border = 0;
    }
    body += QStringLiteral("<div class=\"split\" style=\"grid-template-%1:%2;%3-gap:%4px\">")
                .arg(columns ? QStringLiteral("columns") : QStringLiteral("rows"), tracks(sizes),
                    columns ? QStringLiteral("column") : QStringLiteral("row"))
                .arg(border)
        + CrLf;
    for (int side = 0; side < 2; ++side)
        writeBlock(border);
    if (m_at < m_lines.size() && m_lines[m_at] == layouttext::FramesetEnd)
        ++m_at;
    body += QStringLiteral("</div>") + CrLf;
}

} // namespace

QString buildHtml5Page(const Design &design, const QString &title)
{
    PageWriter writer(design);
    writer.writeBlock(BrowserBorder);
    const QStringList head = {QStringLiteral("<!DOCTYPE html>"), QStringLiteral("<html>"),
        QStringLiteral("<head>"), QStringLiteral("<meta charset=\"utf-8\">"),
        QStringLiteral("<title>") + escaped(title) + QStringLiteral("</title>"),
        QStringLiteral("<style>"),
        QStringLiteral("html,body{height:100%;margin:0;overflow:hidden}"),
        QStringLiteral(".split{display:grid;width:100%;height:100%;min-width:0;min-height:0;"
                       "background:#eee}"),
        QStringLiteral("iframe{display:block;width:100%;height:100%;min-width:0;min-height:0;"
                       "border:0;background:#fff}"),
        QStringLiteral("</style>"), QStringLiteral("</head>"), QStringLiteral("<body>")};
    return head.join(CrLf) + CrLf + writer.body + QStringLiteral("</body>") + CrLf
        + QStringLiteral("</html>") + CrLf;
}

QString writeHtml5Page(const QString &path, const QString &page)
{
    QString error;
    return platform::writeFileAtomically(path, page.toUtf8(), &error) ? QString() : error;
}

} // namespace frameset
