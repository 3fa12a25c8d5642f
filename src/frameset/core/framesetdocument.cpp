#include "frameset/core/framesetdocument.h"

#include "frameset/core/design.h"
#include "frameset/core/layouttext.h"
#include "frameset/core/sizedlayouttext.h"
#include "frameset/core/sizelists.h"
#include "frameset/core/splitpath.h"
#include "platform/filecontent.h"
#include "platform/htmlreferences.h"
#include "platform/textnumber.h"

#include <algorithm>

namespace frameset {

namespace {

// The document declares no character set, so a browser reads it as windows-1252: every
// character beyond ASCII is written as a numeric character reference ("&#233;") and the file
// stays pure ASCII.
QString withCharacterReferences(const QString &text)
{
    QString ascii;
    ascii.reserve(text.size());
    for (const uint code : QStringView(text).toUcs4()) {
        if (code < 0x80)
            ascii += QChar(char16_t(code));
        else
            ascii += QStringLiteral("&#") + QString::number(code) + u';';
    }
    return ascii;
}

// A value is written unquoted as typed unless HTML would end or misread it there.
QString attributeValue(const QString &typed)
{
    static const QString mustQuote = QStringLiteral(" \t\n\f\r\"'=<>`");
    const QString value = withCharacterReferences(platform::withAmpersandsKept(typed));
    const bool plain
        = std::none_of(value.begin(), value.end(), [](QChar c) { return mustQuote.contains(c); });
    if (plain)
        return value;
    QString quoted = value;
    quoted.replace(u'"', QStringLiteral("&quot;"));
    return u'"' + quoted + u'"';
}

QString scrollingPiece(const PropertyValue &scrolling)
{
    if (scrolling.isEmpty())
        return QStringLiteral(" SCROLLING=AUTO ");
    const double value = scrolling.numericValue();
    if (value == int(ScrollingChoice::Auto))
        return QStringLiteral(" SCROLLING=AUTO");
    if (value == int(ScrollingChoice::Yes))
        return QStringLiteral(" SCROLLING=YES ");
    if (value == int(ScrollingChoice::No))
        return QStringLiteral(" SCROLLING=NO ");
    return QString();
}

// A margin is written when it spells a number, 0 included: the browser takes MARGINWIDTH=0 as
// "no margin", and gives its own default margin without the attribute.
bool writesMargin(const PropertyValue &margin)
{
    if (margin.wholeValue() != 0)
        return true;
    const QString text = margin.text().trimmed();
    return !text.isEmpty() && text.front().isDigit();
}

// Replaces every size placeholder ("##" and a key up to the ">" of its line) with the split's
// size list and border, working forwards so that nothing is looked at twice.
QString fillPlaceholders(const Design &design, QString text)
{
    const QString border
        = design.bordersOn() ? QStringLiteral(" BORDER=5") : QStringLiteral(" BORDER=0");
    qsizetype from = 0;
    qsizetype at;
    while ((at = text.indexOf(QStringLiteral("##"), from)) >= 0) {
        const QString key = splitpath::leadingDigits(QStringView(text).mid(at + 2));
        const qsizetype before = std::min<qsizetype>(at, 7);
        const SplitDirection kind = text.mid(at - before, before).contains(QStringLiteral("COL"))
            ? SplitDirection::Column
            : SplitDirection::Row;
        qsizetype lineEnd = text.indexOf(u'\r', at);
        if (lineEnd < 0)
            lineEnd = text.size();
        qsizetype rest = text.indexOf(u'>', at);
        if (rest < 0 || rest > lineEnd)
            rest = at + 2 + key.size();
        const QString sizes = splitSizeList(design, key, kind) + border;
        text = text.left(at) + sizes + text.mid(rest);
        from = at + sizes.size();
    }
    return text;
}

} // namespace

QString frameTag(const Design &design, int cell)
{
    const FrameProperties &p = design.properties().record(cell);
    const QString source = p.sourceUrl.text();
    const QString name = p.frameName.text();
    QString tag = QStringLiteral("<FRAME SRC=")
        + (source.isEmpty() ? QStringLiteral("xxxxx.htm") : attributeValue(source));
    tag += QStringLiteral(" NAME=")
        + (name.isEmpty() ? QStringLiteral("Frame") + platform::plainNumber(cell + 1LL)
                          : attributeValue(name));
    if (p.noResize.numericValue() != 0)
        tag += QStringLiteral(" NORESIZE ");
    tag += scrollingPiece(p.scrolling);
    if (writesMargin(p.marginWidth))
        tag += QStringLiteral(" MARGINWIDTH=") + platform::numberFormat(p.marginWidth.wholeValue());
    if (writesMargin(p.marginHeight))
        tag += QStringLiteral(" MARGINHEIGHT=")
            + platform::numberFormat(p.marginHeight.wholeValue());
    tag += p.frameBorder.numericValue() == int(FrameBorderChoice::ThreeD)
        ? QStringLiteral(" FRAMEBORDER=YES")
        : QStringLiteral(" FRAMEBORDER=NO");
    return tag + u'>';
}

QString buildFramesetDocument(const Design &design)
{
    // Without borders a FRAMESET of a fixed size says BORDER=0 too; the browser would draw its
    // own default border there.
    const QString fixedBorder = design.bordersOn() ? QString() : QStringLiteral(" BORDER=0");
    QStringList lines
        = layouttext::lines(fillPlaceholders(design, resolveFixedSizes(design, fixedBorder)));
    // Only whole leaf lines become FRAME tags, so a "!!" in a URL or name is written as typed.
    for (QString &line : lines) {
        const int cell = layouttext::leafCell(line);
        if (cell >= 0)
            line = frameTag(design, cell);
    }
    return QStringLiteral("<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n")
        + layouttext::join(lines) + QStringLiteral("\r\n</HTML>");
}

QByteArray framesetDocumentFileContent(const QString &documentText)
{
    return documentText.toUtf8() + "\r\n";
}

QString writeFramesetDocument(const QString &path, const QString &documentText)
{
    QString error;
    return platform::writeFileAtomically(path, framesetDocumentFileContent(documentText), &error)
        ? QString()
        : error;
}

} // namespace frameset
