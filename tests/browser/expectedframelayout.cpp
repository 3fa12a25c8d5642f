#include "expectedframelayout.h"

#include "frameset/core/designfilereader.h"
#include "headlesschromium.h"

#include <QFile>
#include <QRegularExpression>
#include <algorithm>

namespace testsupport {

namespace {

// A FRAMESET without a BORDER attribute gets the browser's own border, no wider than this.
constexpr int DefaultBorderAllowance = 6;
// Room for rounding and edge pixels at the window's own edges.
constexpr int BaseTolerance = 2;

// The lengths into which a size list divides `extent` pixels: pixel counts as written, whole
// percents of the extent, and what is left shared by the "*" parts.
QList<int> partLengths(const QStringList &sizes, int extent)
{
    QList<int> lengths;
    int used = 0;
    int stars = 0;
    for (const QString &size : sizes) {
        int length = 0;
        if (size == QLatin1String("*"))
            ++stars;
        else if (size.endsWith(u'%'))
            length = extent * size.chopped(1).toInt() / 100;
        else
            length = size.toInt();
        lengths.append(length);
        used += length;
    }
    const int rest = std::max(extent - used, 0);
    for (qsizetype i = 0, star = 0; i < sizes.size(); ++i) {
        if (sizes.at(i) == QLatin1String("*"))
            lengths[i] = rest / stars + (star++ < rest % stars ? 1 : 0);
    }
    return lengths;
}

} // namespace

ExpectedFrameLayout::ExpectedFrameLayout(const QString &document, QSize window)
{
    const QStringList lines = document.split(QStringLiteral("\r\n"));
    qsizetype at = lines.indexOf(QStringLiteral("</HEAD>")) + 1;
    if (at == 0) {
        m_error = QStringLiteral("the document has no </HEAD> line");
        return;
    }
    Node root;
    m_error = readBlock(lines, at, root);
    if (m_error.isEmpty() && lines.mid(at) != QStringList{QStringLiteral("</HTML>"), QString()})
        m_error = QStringLiteral("the frames are not followed by </HTML> and the last line end");
    if (m_error.isEmpty())
        place(root, QRect(QPoint(0, 0), window), BaseTolerance);
}

QString ExpectedFrameLayout::readBlock(const QStringList &lines, qsizetype &at, Node &node)
{
    static const QRegularExpression frameset(
        QStringLiteral("^<FRAMESET (COLS|ROWS)= ?([0-9%*,]+)(?: BORDER=(\\d+))?>$"));
    static const QRegularExpression frame(QStringLiteral("^<FRAME SRC=([^ >]+) .*>$"));
    if (at >= lines.size())
        return QStringLiteral("the document ends inside a FRAMESET");
    const QString &line = lines.at(at++);
    if (const QRegularExpressionMatch m = frame.match(line); m.hasMatch()) {
        node.source = m.captured(1);
        return QString();
    }
    const QRegularExpressionMatch m = frameset.match(line);
    if (!m.hasMatch())
        return QStringLiteral("unexpected line: ") + line;
    node.columns = m.captured(1) == QLatin1String("COLS");
    node.sizes = m.captured(2).split(u',');
    node.border = m.captured(3).isEmpty() ? -1 : m.captured(3).toInt();
    m_sizeLists.append(m.captured(2));
    while (at < lines.size() && lines.at(at) != QLatin1String("</FRAMESET>")) {
        node.children.append(Node());
        if (const QString error = readBlock(lines, at, node.children.last()); !error.isEmpty())
            return error;
    }
    if (at++ >= lines.size())
        return QStringLiteral("a FRAMESET is not closed");
    if (node.children.size() != node.sizes.size())
        return QStringLiteral("a size list does not match its frames: ") + line;
    return QString();
}

void ExpectedFrameLayout::place(const Node &node, const QRect &rect, int tolerance)
{
    if (node.children.isEmpty()) {
        m_frames.append({node.source, rect, tolerance});
        return;
    }
    // Each FRAMESET level may move an edge by its border and a pixel of rounding.
    const int inner = tolerance + (node.border >= 0 ? node.border : DefaultBorderAllowance) + 1;
    const QList<int> lengths = partLengths(node.sizes, node.columns ? rect.width() : rect.height());
    int start = node.columns ? rect.x() : rect.y();
    for (qsizetype i = 0; i < lengths.size(); ++i) {
        if (i > 0 && node.border >= 0)
            m_divisions.append({node.columns, start, node.border, rect});
        const QRect part = node.columns ? QRect(start, rect.y(), lengths.at(i), rect.height())
                                        : QRect(rect.x(), start, rect.width(), lengths.at(i));
        place(node.children.at(i), part, inner);
        start += lengths.at(i);
    }
}

QString browserFile(const QString &relative)
{
    return qEnvironmentVariable("TRELLIS_SOURCE_DIR") + QStringLiteral("/tests/browser/")
        + relative;
}

frameset::Design browserDesign(const QString &name)
{
    return frameset::DesignFileReader::load(
        browserFile(QStringLiteral("designs/") + name + QStringLiteral(".spc")))
        .design;
}

const QList<QColor> &pageColours()
{
    static const QList<QColor> colours{QColor(0xe6, 0x19, 0x4b), QColor(0x3c, 0xb4, 0x4b),
        QColor(0x43, 0x63, 0xd8), QColor(0xf5, 0x82, 0x31), QColor(0x91, 0x1e, 0xb4),
        QColor(0x42, 0xd4, 0xf4), QColor(0x80, 0x80, 0x00)};
    return colours;
}

bool writeColourPage(const QString &path, const QColor &colour, const QByteArray &body)
{
    QFile file(path);
    const QByteArray page = "<html><body style=\"margin:0;background:" + colour.name().toLatin1()
        + "\">" + body + "</body></html>";
    return file.open(QIODevice::WriteOnly) && file.write(page) == page.size();
}

QRect colourBox(const QImage &shot, QRgb colour)
{
    QRect box;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (nearColour(shot.pixel(x, y), colour))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

QImage screenshot(const QString &path, QSize window)
{
    const ChromiumPage shown
        = HeadlessChromium::shared().open(path, window, HeadlessChromium::Capture::Screenshot);
    if (!shown.failure.isEmpty())
        qWarning("%s", qPrintable(shown.failure + QStringLiteral(": ") + shown.errors));
    return shown.screenshot;
}

} // namespace testsupport
