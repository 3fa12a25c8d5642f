#include "platform/htmlreferences.h"

#include <QStringList>
#include <algorithm>

namespace platform {

namespace {

// The character references HTML still reads without their ";".
const QStringList &legacyNames()
{
    static const QStringList names = {QStringLiteral("AElig"), QStringLiteral("AMP"),
        QStringLiteral("Aacute"), QStringLiteral("Acirc"), QStringLiteral("Agrave"),
        QStringLiteral("Aring"), QStringLiteral("Atilde"), QStringLiteral("Auml"),
        QStringLiteral("COPY"), QStringLiteral("Ccedil"), QStringLiteral("ETH"),
        QStringLiteral("Eacute"), QStringLiteral("Ecirc"), QStringLiteral("Egrave"),
        QStringLiteral("Euml"), QStringLiteral("GT"), QStringLiteral("Iacute"),
        QStringLiteral("Icirc"), QStringLiteral("Igrave"), QStringLiteral("Iuml"),
        QStringLiteral("LT"), QStringLiteral("Ntilde"), QStringLiteral("Oacute"),
        QStringLiteral("Ocirc"), QStringLiteral("Ograve"), QStringLiteral("Oslash"),
        QStringLiteral("Otilde"), QStringLiteral("Ouml"), QStringLiteral("QUOT"),
        QStringLiteral("REG"), QStringLiteral("THORN"), QStringLiteral("Uacute"),
        QStringLiteral("Ucirc"), QStringLiteral("Ugrave"), QStringLiteral("Uuml"),
        QStringLiteral("Yacute"), QStringLiteral("aacute"), QStringLiteral("acirc"),
        QStringLiteral("acute"), QStringLiteral("aelig"), QStringLiteral("agrave"),
        QStringLiteral("amp"), QStringLiteral("aring"), QStringLiteral("atilde"),
        QStringLiteral("auml"), QStringLiteral("brvbar"), QStringLiteral("ccedil"),
        QStringLiteral("cedil"), QStringLiteral("cent"), QStringLiteral("copy"),
        QStringLiteral("curren"), QStringLiteral("deg"), QStringLiteral("divide"),
        QStringLiteral("eacute"), QStringLiteral("ecirc"), QStringLiteral("egrave"),
        QStringLiteral("eth"), QStringLiteral("euml"), QStringLiteral("frac12"),
        QStringLiteral("frac14"), QStringLiteral("frac34"), QStringLiteral("gt"),
        QStringLiteral("iacute"), QStringLiteral("icirc"), QStringLiteral("iexcl"),
        QStringLiteral("igrave"), QStringLiteral("iquest"), QStringLiteral("iuml"),
        QStringLiteral("laquo"), QStringLiteral("lt"), QStringLiteral("macr"),
        QStringLiteral("micro"), QStringLiteral("middot"), QStringLiteral("nbsp"),
        QStringLiteral("not"), QStringLiteral("ntilde"), QStringLiteral("oacute"),
        QStringLiteral("ocirc"), QStringLiteral("ograve"), QStringLiteral("ordf"),
        QStringLiteral("ordm"), QStringLiteral("oslash"), QStringLiteral("otilde"),
        QStringLiteral("ouml"), QStringLiteral("para"), QStringLiteral("plusmn"),
        QStringLiteral("pound"), QStringLiteral("quot"), QStringLiteral("raquo"),
        QStringLiteral("reg"), QStringLiteral("sect"), QStringLiteral("shy"),
        QStringLiteral("sup1"), QStringLiteral("sup2"), QStringLiteral("sup3"),
        QStringLiteral("szlig"), QStringLiteral("thorn"), QStringLiteral("times"),
        QStringLiteral("uacute"), QStringLiteral("ucirc"), QStringLiteral("ugrave"),
        QStringLiteral("uml"), QStringLiteral("uuml"), QStringLiteral("yacute"),
        QStringLiteral("yen"), QStringLiteral("yuml")};
    return names;
}

bool isAsciiAlphanumeric(QChar c)
{
    return c.unicode() < 0x80 && c.isLetterOrNumber();
}

// True when the text after an "&" would start a character reference in an attribute value.
bool startsReference(QStringView after)
{
    if (after.startsWith(u'#'))
        return true;
    // A name and ";": any such name might be one of HTML's references, so it is kept from
    // being read as one ("&foo;" reads the same either way).
    qsizetype end = 0;
    while (end < after.size() && isAsciiAlphanumeric(after[end]))
        ++end;
    if (end > 0 && end < after.size() && after[end] == u';')
        return true;
    // A legacy name without ";" counts unless a letter, a digit or "=" follows it; the browser
    // takes the longest such name.
    qsizetype longest = 0;
    for (const QString &name : legacyNames()) {
        if (name.size() > longest && after.startsWith(name))
            longest = name.size();
    }
    if (longest == 0)
        return false;
    if (longest == after.size())
        return true;
    const QChar next = after[longest];
    return next != u'=' && !isAsciiAlphanumeric(next);
}

} // namespace

QString withAmpersandsKept(const QString &value)
{
    if (!value.contains(u'&'))
        return value;
    QString written;
    written.reserve(value.size() + 8);
    for (qsizetype i = 0; i < value.size(); ++i) {
        written += value[i];
        if (value[i] == u'&' && startsReference(QStringView(value).mid(i + 1)))
            written += QStringLiteral("amp;");
    }
    return written;
}

} // namespace platform
