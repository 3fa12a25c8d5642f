#pragma once

#include <QByteArray>
#include <QString>

// The HTML frameset document of a design.
namespace frameset {

class Design;

// The FRAME tag of `cell` from its property record, without a line break, e.g.
// "<FRAME SRC=xxxxx.htm NAME=Frame1 SCROLLING=AUTO  FRAMEBORDER=YES>" for a record never set.
// Values that cannot stand unquoted in HTML are written in double quotes, and characters beyond
// ASCII as numeric character references ("caf&#233;.htm"), so the document is pure ASCII.
QString frameTag(const Design &design, int cell);

// The whole document: the HTML head, then the layout text of the split tree with every split
// turned into a FRAMESET tag with its size list (and BORDER=5 or BORDER=0 unless the size is
// fixed) and every leaf line into its FRAME tag, then "</HTML>". Lines end in CR LF, the last one
// has none.
QString buildFramesetDocument(const Design &design);

// The bytes of the saved file: the document in UTF-8 followed by CR LF.
QByteArray framesetDocumentFileContent(const QString &documentText);

// Saves the document to `path` (replacing an existing file only once all is written). Returns
// an empty text on success, else the platform's description of the error.
QString writeFramesetDocument(const QString &path, const QString &documentText);

} // namespace frameset
