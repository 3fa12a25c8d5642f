#pragma once

#include <QByteArray>
#include <QString>

// The HTML5 page of a design: the same layout as its frameset document, made of nested CSS grids
// of inline frames, for browsers that no longer show frames.
namespace frameset {

class Design;

// The whole page: doctype, UTF-8 charset, `title`, a style sheet, and one grid per split of the
// layout whose tracks are the split's size list in the frameset document (a share in "fr" of what
// the border leaves, a fixed width or height in pixels, the rest), with a gap as wide as the border
// the browser draws for that FRAMESET: 5 pixels where Borders is ticked, none where it is not, and
// the parent's (or the browser's own 6 pixels) where a fixed size leaves the FRAMESET without a
// BORDER attribute. Each cell is an IFRAME with the FRAME's source and name (the same defaults),
// scrolling="yes" or "no" when set so; margins and no-resize have no counterpart. A design without
// splits gives a page without frames, as its frameset document has none. Lines end in CR LF, the
// last one too.
QString buildHtml5Page(const Design &design, const QString &title);

// Saves the page to `path` in UTF-8 (replacing an existing file only once all is written).
// Returns an empty text on success, else the platform's description of the error.
QString writeHtml5Page(const QString &path, const QString &page);

} // namespace frameset
