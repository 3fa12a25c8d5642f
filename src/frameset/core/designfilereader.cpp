#include "frameset/core/designfilereader.h"

#include "frameset/core/layouttext.h"
#include "frameset/core/recordline.h"
#include "frameset/core/splitpath.h"
#include "platform/filecontent.h"
#include "platform/textdecoding.h"

#include <charconv>
#include <cmath>

namespace frameset {

namespace {

constexpr int LineGuard = 1000;
// Far beyond any screen; keeps every later conversion of a size to whole numbers in range.
constexpr float MaxTwips = 1.0e7f;
constexpr QStringView Separator = u"***";

bool isBlank(const QString &line)
{
    return line.trimmed().isEmpty();
}

// The whole trimmed text must be a finite number within MaxTwips.
bool parseNumber(const QString &text, float &value)
{
    const QByteArray digits = text.trimmed().toLatin1();
    if (digits.isEmpty())
        return false;
    const char *end = digits.constData() + digits.size();
    const auto result = std::from_chars(digits.constData(), end, value);
    return result.ec == std::errc() && result.ptr == end && std::isfinite(value)
        && std::fabs(value) <= MaxTwips;
}

// The first `count` values of `line`, each ended by ";". With `quoted`, a value that starts with
// a double quote and is closed by one right before a ";" is taken whole, "" standing for ".
bool takeFields(const QString &line, int count, bool quoted, QStringList &fields)
{
    fields.clear();
    qsizetype pos = 0;
    while (fields.size() < count) {
        if (quoted && pos < line.size() && line[pos] == u'"') {
            QString value;
            qsizetype i = pos + 1;
            bool closed = false;
            while (i < line.size()) {
                if (line[i] == u'"') {
                    if (i + 1 < line.size() && line[i + 1] == u'"') {
                        value += u'"';
                        i += 2;
                        continue;
                    }
                    closed = i + 1 < line.size() && line[i + 1] == u';';
                    break;
                }
                value += line[i++];
            }
            if (closed) {
                fields.append(value);
                pos = i + 2;
                continue;
            }
        }
        const qsizetype semicolon = line.indexOf(u';', pos);
        if (semicolon < 0)
            return false;
        fields.append(line.mid(pos, semicolon - pos));
        pos = semicolon + 1;
    }
    return true;
}

bool readCell(const QString &line, CellView &cell, QString &path)
{
    QStringList v;
    if (!takeFields(line, 9, false, v))
        return false;
    float visible = 0;
    const bool numbers = parseNumber(v[0], cell.left) && parseNumber(v[1], cell.top)
        && parseNumber(v[2], cell.width) && parseNumber(v[3], cell.height)
        && parseNumber(v[5], cell.scroll.left) && parseNumber(v[6], cell.scroll.top)
        && parseNumber(v[7], cell.scroll.height) && parseNumber(v[8], visible);
    path = v[4].trimmed();
    cell.scroll.visible = visible != 0;
    return numbers && splitpath::isValid(path) && cell.width >= 0 && cell.height >= 0
        && cell.scroll.height >= 0;
}

bool readRecord(const QString &line, FrameProperties &record, CellLabels &labels)
{
    QStringList v;
    if (!takeFields(line, recordline::ColumnCount, true, v))
        return false;
    // The file cannot tell an empty text from a field never set; both read as never set.
    for (int i = 0; i < recordline::ColumnCount; ++i) {
        recordline::column(record, labels, i)
            = v[i].isEmpty() ? PropertyValue() : PropertyValue::fromText(v[i]);
    }
    return true;
}

DesignFileReadResult failed(DesignFileStatus status)
{
    return {status, Design()};
}

} // namespace

DesignFileReader::DesignFileReader(const QByteArray &bytes)
    : m_text(platform::decodeText(bytes))
{ }

bool DesignFileReader::nextLine(QString &line)
{
    if (m_pos >= m_text.size())
        return false;
    qsizetype end = m_pos;
    while (end < m_text.size() && m_text[end] != u'\r' && m_text[end] != u'\n')
        ++end;
    line = m_text.mid(m_pos, end - m_pos);
    m_pos = end;
    if (m_pos < m_text.size() && m_text[m_pos] == u'\r')
        ++m_pos;
    if (m_pos < m_text.size() && m_text[m_pos] == u'\n')
        ++m_pos;
    return true;
}

DesignFileStatus DesignFileReader::readLayout(QStringList &layout)
{
    QString line;
    while (nextLine(line)) {
        ++m_counter;
        if (line == Separator)
            return DesignFileStatus::Valid;
        if (m_counter > LineGuard)
            return DesignFileStatus::TooLong;
        // A byte-order mark after leading blank lines (a file joined to another, or re-saved by
        // another editor) is not part of the layout: written back at the start of the file, it
        // would be taken for the file's own mark and dropped on the next reading.
        if (layout.isEmpty() && line.startsWith(QChar(0xFEFF)))
            line.remove(0, 1);
        if (!isBlank(line))
            layout.append(line);
    }
    return DesignFileStatus::Invalid;
}

DesignFileStatus DesignFileReader::readCells(QList<CellView> &cells, QStringList &paths)
{
    QString line;
    while (nextLine(line)) {
        if (line == Separator)
            return cells.isEmpty() ? DesignFileStatus::Invalid : DesignFileStatus::Valid;
        if (m_counter > LineGuard)
            return DesignFileStatus::TooLong;
        if (isBlank(line))
            continue;
        ++m_counter;
        CellView cell;
        QString path;
        if (cells.size() == Design::MaxCells || !readCell(line, cell, path))
            return DesignFileStatus::Invalid;
        cells.append(cell);
        paths.append(path);
    }
    return DesignFileStatus::Invalid;
}

DesignFileStatus DesignFileReader::readRecords(Design &design)
{
    FramePropertyTable &records = design.properties();
    QString line;
    int record = 0;
    for (int i = 0; i < PropertyLinesBeforeBorders; ++i) {
        if (!nextLine(line))
            return DesignFileStatus::Invalid;
        if (isBlank(line))
            continue;
        if (!readRecord(line, records.record(record), design.labels(record)))
            return DesignFileStatus::Invalid;
        ++record;
    }

    float borders = 0;
    if (!nextLine(line) || !parseNumber(line, borders))
        return DesignFileStatus::Invalid;
    design.setBordersOn(borders == 1);

    record = PropertyLinesBeforeBorders;
    while (nextLine(line)) {
        if (isBlank(line))
            continue;
        if (record == FramePropertyTable::RecordCount
            || !readRecord(line, records.record(record), design.labels(record)))
            return DesignFileStatus::Invalid;
        ++record;
    }
    return DesignFileStatus::Valid;
}

DesignFileReadResult DesignFileReader::read()
{
    QStringList layout;
    if (const DesignFileStatus status = readLayout(layout); status != DesignFileStatus::Valid)
        return failed(status);
    QList<CellView> cells;
    QStringList paths;
    if (const DesignFileStatus status = readCells(cells, paths); status != DesignFileStatus::Valid)
        return failed(status);

    Design design;
    design.cell(0) = cells.front();
    design.labels(0).path = paths.front();
    for (qsizetype i = 1; i < cells.size(); ++i)
        design.appendCell(cells[i], paths[i]);
    design.setSplitTree(layouttext::read(layout));
    if (const DesignFileStatus status = readRecords(design); status != DesignFileStatus::Valid)
        return failed(status);
    return {DesignFileStatus::Valid, design};
}

DesignFileReadResult DesignFileReader::read(const QByteArray &bytes)
{
    return DesignFileReader(bytes).read();
}

DesignFileReadResult DesignFileReader::load(const QString &path)
{
    const std::optional<QByteArray> bytes = platform::readFileContent(path, nullptr, MaxBytes);
    if (!bytes)
        return failed(DesignFileStatus::Invalid);
    return read(*bytes);
}

QString DesignFileReader::invalidFileMessage(const QString &path)
{
    return path + QStringLiteral(" file is not a valid Panecraft file.");
}

QString DesignFileReader::htmlFileRefusedMessage()
{
    return QStringLiteral(
        "Only files created with Panecraft and saved as spec files (*.spc) can be opened.");
}

} // namespace frameset
