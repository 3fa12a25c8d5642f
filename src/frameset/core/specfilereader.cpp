#include "frameset/core/specfilereader.h"

#include "frameset/core/layouttext.h"
#include "frameset/core/splitpath.h"
#include "platform/filecontent.h"
#include "platform/textdecoding.h"

#include <charconv>
#include <cmath>

namespace frameset {

namespace {

constexpr int LineGuard = 1000;
constexpr int PropertyLinesBeforeBorders = 51;
// Far beyond any screen; keeps every later conversion of a size to whole numbers in range.
constexpr float MaxTwips = 1.0e7f;
constexpr QStringView Separator = u"***";

// Lines ended by CR LF, LF or CR; a break at the very end does not start another line.
class LineReader
{
public:
    explicit LineReader(const QString &text)
        : m_text(text)
    { }

    bool next(QString &line)
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

private:
    const QString &m_text;
    qsizetype m_pos = 0;
};

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

bool readCell(const QString &line, CellView &cell)
{
    QStringList v;
    if (!takeFields(line, 9, false, v))
        return false;
    float visible = 0;
    const bool numbers = parseNumber(v[0], cell.left) && parseNumber(v[1], cell.top)
        && parseNumber(v[2], cell.width) && parseNumber(v[3], cell.height)
        && parseNumber(v[5], cell.scroll.left) && parseNumber(v[6], cell.scroll.top)
        && parseNumber(v[7], cell.scroll.height) && parseNumber(v[8], visible);
    cell.path = v[4].trimmed();
    cell.scroll.visible = visible != 0;
    return numbers && splitpath::isValid(cell.path) && cell.width >= 0 && cell.height >= 0
        && cell.scroll.height >= 0;
}

bool readRecord(const QString &line, FrameProperties &record)
{
    QStringList v;
    if (!takeFields(line, FrameProperties::FieldCount, true, v))
        return false;
    // The file cannot tell an empty text from a field never set; both read as never set.
    for (int field = 0; field < FrameProperties::FieldCount; ++field)
        record.setField(FrameField(field),
            v[field].isEmpty() ? PropertyValue() : PropertyValue::fromText(v[field]));
    return true;
}

SpecFileReadResult failed(SpecFileStatus status)
{
    return {status, Design()};
}

} // namespace

SpecFileReadResult readSpecFile(const QByteArray &bytes)
{
    const QString text = platform::decodeText(bytes);
    LineReader lines(text);
    QString line;
    int counter = 0;

    QStringList layout;
    bool separator = false;
    while (lines.next(line)) {
        ++counter;
        if (line == Separator) {
            separator = true;
            break;
        }
        if (counter > LineGuard)
            return failed(SpecFileStatus::TooLong);
        if (!isBlank(line))
            layout.append(line);
    }
    if (!separator)
        return failed(SpecFileStatus::Invalid);

    Design design;
    QList<CellView> cells;
    separator = false;
    while (lines.next(line)) {
        if (line == Separator) {
            separator = true;
            break;
        }
        if (counter > LineGuard)
            return failed(SpecFileStatus::TooLong);
        if (isBlank(line))
            continue;
        ++counter;
        CellView cell;
        if (cells.size() == Design::MaxCells || !readCell(line, cell))
            return failed(SpecFileStatus::Invalid);
        cells.append(cell);
    }
    if (!separator || cells.isEmpty())
        return failed(SpecFileStatus::Invalid);
    design.cell(0) = cells.front();
    for (qsizetype i = 1; i < cells.size(); ++i)
        design.appendCell(cells[i]);
    design.setLayoutText(layouttext::join(layout));

    FramePropertyTable &records = design.properties();
    int record = 0;
    for (int i = 0; i < PropertyLinesBeforeBorders; ++i) {
        if (!lines.next(line))
            return failed(SpecFileStatus::Invalid);
        if (isBlank(line))
            continue;
        if (!readRecord(line, records.record(record++)))
            return failed(SpecFileStatus::Invalid);
    }

    float borders = 0;
    if (!lines.next(line) || !parseNumber(line, borders))
        return failed(SpecFileStatus::Invalid);
    design.setBordersOn(borders == 1);

    record = PropertyLinesBeforeBorders;
    while (lines.next(line)) {
        if (isBlank(line))
            continue;
        if (record == FramePropertyTable::RecordCount
            || !readRecord(line, records.record(record++)))
            return failed(SpecFileStatus::Invalid);
    }
    return {SpecFileStatus::Valid, design};
}

SpecFileReadResult loadSpecFile(const QString &path)
{
    const std::optional<QByteArray> bytes
        = platform::readFileContent(path, nullptr, MaxSpecFileBytes);
    if (!bytes)
        return failed(SpecFileStatus::Invalid);
    return readSpecFile(*bytes);
}

QString invalidFileMessage(const QString &path)
{
    return path + QStringLiteral(" file is not a valid Panecraft file.");
}

QString htmlFileRefusedMessage()
{
    return QStringLiteral(
        "Only files created with Panecraft and saved as spec files (*.spc) can be opened.");
}

} // namespace frameset
