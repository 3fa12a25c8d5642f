#pragma once

#include <QString>
#include <QtGlobal>

namespace frameset {

// One field of a frame property record. A field is empty (never set since the last reset), a
// text (as read from a design file or typed into a text box) or a number (set by the properties
// dialog). The three are kept apart because the FRAME tag differs for a never-set field.
class PropertyValue
{
public:
    enum class Kind { Empty, Text, Number };

    PropertyValue() = default;
    static PropertyValue fromText(const QString &text);
    static PropertyValue fromNumber(qint64 number);

    Kind kind() const { return m_kind; }
    // True only for a field that was never set; an empty text is a text.
    bool isEmpty() const { return m_kind == Kind::Empty; }

    // The field as text: a number in decimal without a leading blank, a text as stored, an
    // empty field as "".
    QString text() const;

    // The number that the field's leading digits spell; an empty or non-numeric field is 0.
    double numericValue() const;
    // numericValue truncated to a whole number.
    qint64 wholeValue() const;

    bool operator==(const PropertyValue &other) const = default;

private:
    Kind m_kind = Kind::Empty;
    QString m_text;
    qint64 m_number = 0;
};

} // namespace frameset
