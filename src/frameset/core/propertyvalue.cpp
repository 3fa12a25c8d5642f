#include "frameset/core/propertyvalue.h"

#include "platform/textnumber.h"

namespace frameset {

PropertyValue PropertyValue::fromText(const QString &text)
{
    PropertyValue value;
    value.m_kind = Kind::Text;
    value.m_text = text;
    return value;
}

PropertyValue PropertyValue::fromNumber(qint64 number)
{
    PropertyValue value;
    value.m_kind = Kind::Number;
    value.m_number = number;
    return value;
}

QString PropertyValue::text() const
{
    switch (m_kind) {
    case Kind::Empty:
        return QString();
    case Kind::Text:
        return m_text;
    case Kind::Number:
        return platform::plainNumber(m_number);
    }
    return QString();
}

double PropertyValue::numericValue() const
{
    switch (m_kind) {
    case Kind::Empty:
        return 0;
    case Kind::Text:
        return platform::numericValue(m_text);
    case Kind::Number:
        return static_cast<double>(m_number);
    }
    return 0;
}

qint64 PropertyValue::wholeValue() const
{
    if (m_kind == Kind::Number)
        return m_number;
    return m_kind == Kind::Text ? platform::wholeValue(m_text) : 0;
}

} // namespace frameset
