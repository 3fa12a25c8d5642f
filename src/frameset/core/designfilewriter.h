#pragma once

#include <QByteArray>
#include <QString>

namespace frameset {

class Design;

// The design file (".spc") of a design, in UTF-8 with CR LF line ends: the layout text and CR LF,
// "***", one line per cell (left; top; width; height; path; scroll-bar left; top; height;
// visible as -1 or 0;, the geometry in design units, which the file calls twips), an empty line,
// "***", the property records 0..50 (each the eleven fields of recordline::column, each
// followed by ";"), the Borders line ("1" or "0"), the records 51 up to the last cell of a larger
// design in the same form, and a final CR LF. A field value that holds a ";" or starts with a
// double quote is written in double quotes with inner quotes doubled, so it reads back whole.
class DesignFileWriter
{
public:
    // The bytes of the design file of `design`.
    static QByteArray write(const Design &design);

    // Saves the design file of `design` to `path` (replacing an existing file only once all is
    // written). Returns an empty text on success, else the platform's description of the error.
    static QString save(const QString &path, const Design &design);

    // A length in twips as the design file writes it: the shortest decimal that reads back to the
    // same number, without exponent or leading blank ("4500", "2249.5", "-15").
    static QString number(float value);
};

} // namespace frameset
