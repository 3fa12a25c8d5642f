#pragma once

#include "frameset/core/design.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

namespace testsupport {

// Where a browser window of a given size should show the frames of an HTML frameset document,
// worked out from the document's own FRAMESET size lists: pixel counts as written, whole
// percents of the space the FRAMESET fills, and the rest for "*".
class ExpectedFrameLayout
{
public:
    struct Frame
    {
        QString source;
        QRect rect;
        // How far inside its edges the frame's own page must show: the browser may draw the
        // borders of the framesets around it there, and round differently.
        int tolerance = 0;
    };

    // A line between neighbouring parts of a FRAMESET with a BORDER attribute.
    struct Division
    {
        bool columns = false;
        // The x (COLS) or y (ROWS) where the second part starts.
        int at = 0;
        int border = 0;
        // The rectangle the FRAMESET fills.
        QRect frameset;
    };

    // Reads `document` (the text of a saved frameset document, CR LF line ends) for a window of
    // `window` pixels.
    ExpectedFrameLayout(const QString &document, QSize window);

    // Empty when the document was read; else what in it could not be placed.
    const QString &error() const { return m_error; }
    // The size list of every FRAMESET in document order, e.g. "33%,*".
    const QStringList &sizeLists() const { return m_sizeLists; }
    // Every FRAME in document order.
    const QList<Frame> &frames() const { return m_frames; }
    const QList<Division> &divisions() const { return m_divisions; }

private:
    struct Node
    {
        bool columns = false;
        QStringList sizes;
        // -1 when the tag has no BORDER attribute.
        int border = -1;
        // Empty for a FRAME.
        QList<Node> children;
        QString source;
    };

    QString readBlock(const QStringList &lines, qsizetype &at, Node &node);
    void place(const Node &node, const QRect &rect, int tolerance);

    QString m_error;
    QStringList m_sizeLists;
    QList<Frame> m_frames;
    QList<Division> m_divisions;
};

// The path of a file kept under tests/browser/.
QString browserFile(const QString &relative);
// The design file tests/browser/designs/`name`.spc, made in the designer; an empty design when it
// cannot be read.
frameset::Design browserDesign(const QString &name);

// Saturated page colours, far from the white, grey and black of frame borders.
const QList<QColor> &pageColours();
// Writes a page that shows nothing but `colour`.
bool writeColourPage(const QString &path, const QColor &colour, const QByteArray &body = {});
// The smallest rectangle that holds every pixel of `colour`; empty when there is none.
QRect colourBox(const QImage &shot, QRgb colour);
// The browser's screenshot of the page at `path`; a null image (and a warning) when it failed.
QImage screenshot(const QString &path, QSize window);

} // namespace testsupport
