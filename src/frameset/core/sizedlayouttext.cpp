#include "frameset/core/sizedlayouttext.h"

#include "frameset/core/design.h"
#include "frameset/core/layouttext.h"
#include "frameset/core/splitpath.h"
#include "platform/textnumber.h"

namespace frameset {

namespace {

// Blanks only, as the layout's own line breaks must stay.
QString trimBlanks(const QString &text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text[from] == u' ')
        ++from;
    while (to > from && text[to - 1] == u' ')
        --to;
    return text.mid(from, to - from);
}

// Replaces the placeholder of the split named by `splitKey` ("1A", "21B") with the fixed size.
void resolveOne(QString &sized, const PropertyValue &splitKey, qint64 pixels, const QString &border)
{
    const QString text = splitKey.text();
    if (text.isEmpty())
        return;
    const QChar side = text.back();
    const QString digits = splitpath::leadingDigits(text);
    if ((side != u'A' && side != u'B') || digits.isEmpty())
        return;
    const QString placeholder = QStringLiteral("##") + digits + u'>';
    const qsizetype at = sized.indexOf(placeholder);
    if (at < 0)
        return;
    const QString number = platform::plainNumber(pixels);
    const QString size
        = side == u'A' ? number + QStringLiteral(",*") : QStringLiteral("*,") + number;
    sized = trimBlanks(sized.left(at)) + size + border + sized.mid(at + placeholder.size() - 1);
}

} // namespace

QString resolveFixedSizes(const Design &design, const QString &border)
{
    QString sized = layouttext::write(design.splitTree());
    const FramePropertyTable &records = design.properties();
    for (int i = 0; i <= design.lastCellIndex(); ++i) {
        const FrameProperties &record = records.record(i);
        const qint64 width = record.fixedWidthPixels.wholeValue();
        const qint64 height = record.fixedHeightPixels.wholeValue();
        if (width != 0)
            resolveOne(sized, design.labels(i).columnSplitKey, width, border);
        if (height != 0)
            resolveOne(sized, design.labels(i).rowSplitKey, height, border);
    }
    return sized;
}

} // namespace frameset
