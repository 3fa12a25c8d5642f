#include "frameset/core/designfilewriter.h"

#include "frameset/core/design.h"
#include "frameset/core/layouttext.h"
#include "frameset/core/recordline.h"
#include "platform/filecontent.h"

#include <charconv>

namespace frameset {

namespace {

const QString FileLineEnd = QStringLiteral("\r\n");

QString fieldText(const PropertyValue &value)
{
    QString text = value.text();
    // A value never spans lines in the file.
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    if (text.contains(u';') || text.startsWith(u'"')) {
        text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        text = u'"' + text + u'"';
    }
    return text;
}

QString propertyLine(const FrameProperties &record, const CellLabels &labels)
{
    QString line;
    for (int column = 0; column < recordline::ColumnCount; ++column)
        line += fieldText(recordline::column(record, labels, column)) + u';';
    return line;
}

QString cellLine(const CellView &cell, const QString &path)
{
    QString line;
    for (const float value : {cell.left, cell.top, cell.width, cell.height})
        line += DesignFileWriter::number(value) + u';';
    line += path + u';';
    for (const float value : {cell.scroll.left, cell.scroll.top, cell.scroll.height})
        line += DesignFileWriter::number(value) + u';';
    line += (cell.scroll.visible ? QStringLiteral("-1") : QStringLiteral("0")) + u';';
    return line;
}

} // namespace

QString DesignFileWriter::number(float value)
{
    if (value == 0)
        return QStringLiteral("0"); // never "-0"
    char buffer[64];
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QByteArray DesignFileWriter::write(const Design &design)
{
    QString text
        = layouttext::write(design.splitTree()) + FileLineEnd + QStringLiteral("***") + FileLineEnd;
    for (int i = 0; i <= design.lastCellIndex(); ++i)
        text += cellLine(design.cell(i), design.labels(i).path) + FileLineEnd;
    text += FileLineEnd + QStringLiteral("***") + FileLineEnd;
    const FramePropertyTable &records = design.properties();
    for (int i = 0; i < PropertyLinesBeforeBorders; ++i)
        text += propertyLine(records.record(i), design.labels(i)) + FileLineEnd;
    text += design.bordersOn() ? QStringLiteral("1") : QStringLiteral("0");
    for (int i = PropertyLinesBeforeBorders; i <= design.lastCellIndex(); ++i)
        text += FileLineEnd + propertyLine(records.record(i), design.labels(i));
    text += FileLineEnd;
    return text.toUtf8();
}

QString DesignFileWriter::save(const QString &path, const Design &design)
{
    QString error;
    return platform::writeFileAtomically(path, write(design), &error) ? QString() : error;
}

} // namespace frameset
