#pragma once

#include "frameset/core/design.h"

#include <QByteArray>
#include <QString>

namespace frameset {

// The design area an imported frameset fills: the rectangle of the design's root cell, the
// design units per pixel of the screen (pixel sizes of the frameset become units with it) and
// the width of the scroll-bar views, in design units. The window passes its own; the defaults,
// 960 x 640 pixels below the button row at 15 units per pixel, serve where there is no window.
struct ImportArea
{
    float left = 0;
    float top = 450;
    float width = 14400;
    float height = 9600;
    int unitsPerPixel = 15;
    float scrollBarWidth = 255;
};

// What importing gave: the design, or why there is none.
struct FramesetImport
{
    Design design;
    // Empty when the design was made; else one or two sentences for the user.
    QString refusal;
    // For a design made: what the page held that the design cannot keep, as a sentence for the
    // user; empty when nothing was left out.
    QString leftOut;

    bool imported() const { return refusal.isEmpty(); }
};

// Makes a design from an HTML document that holds a FRAMESET: one written by Panecraft, by hand
// or by another tool. The first FRAMESET of the document is taken, with the framesets nested in
// it. A ROWS or COLS list of more than two entries becomes nested two-way splits (the first entry
// against the rest, and so on, but pixels last against a rest that starts with a share); a
// FRAMESET with both ROWS and COLS becomes rows of columns.
// Each FRAME's sizes are worked out as a browser lays the frameset out in the design area; a pixel
// entry also becomes the fixed width or height of a cell where one can carry it (a cell whose
// innermost split of that direction is the entry's own), unless the list holds pixels alone,
// which browsers read as proportions. Fixed sizes that the area cannot hold, or that would
// leave a frame under a pixel, get a larger area that holds them. SRC, NAME, MARGINWIDTH,
// MARGINHEIGHT, SCROLLING, NORESIZE and FRAMEBORDER (a frame without one takes its frameset's) go
// into the frame properties; a frame without a page shows "about:blank". BORDER=0 (or
// FRAMEBORDER=NO) on the first FRAMESET that sets either unticks Borders. Missing frames become
// empty pages ("about:blank"), surplus ones are left out as a browser leaves them out. Cells are
// numbered in document order.
//
// Refused, with a message: no FRAMESET, fewer than two or more than 100 frames, a size list that
// cannot be read, framesets nested more than MaxDepth deep and frames that would still get no
// width or height.
class FramesetImporter
{
public:
    // Larger files are no frameset documents.
    static constexpr qint64 MaxBytes = 16 * 1024 * 1024;
    static constexpr int MaxDepth = 64;

    // Reads `html` in the character set it declares, as browsers read it.
    static FramesetImport read(const QByteArray &html, const ImportArea &area);
    // Reads the file at `path`; an unreadable file is refused with the system's reason.
    static FramesetImport load(const QString &path, const ImportArea &area);

    // The message the user sees for a refused file: the path, then the refusal.
    static QString refusedMessage(const QString &path, const QString &refusal);
};

} // namespace frameset
