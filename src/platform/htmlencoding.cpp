#include "platform/htmlencoding.h"

#include <QList>
#include <QStringDecoder>
#include <QtGlobal>
#include <array>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <optional>
#include <string_view>

namespace platform {

namespace {

struct Label
{
    std::string_view label;
    std::string_view encoding;
};

// The labels browsers accept for the encodings they decode, each with the encoding's canonical
// name. Labels of encodings that only decode to a replacement character are left out, so a page
// naming one reads as if it named none.
constexpr std::array labels = {Label{"unicode-1-1-utf-8", "UTF-8"}, Label{"unicode11utf8", "UTF-8"},
    Label{"unicode20utf8", "UTF-8"}, Label{"utf-8", "UTF-8"}, Label{"utf8", "UTF-8"},
    Label{"x-unicode20utf8", "UTF-8"}, Label{"866", "IBM866"}, Label{"cp866", "IBM866"},
    Label{"csibm866", "IBM866"}, Label{"ibm866", "IBM866"}, Label{"csisolatin2", "ISO-8859-2"},
    Label{"iso-8859-2", "ISO-8859-2"}, Label{"iso-ir-101", "ISO-8859-2"},
    Label{"iso8859-2", "ISO-8859-2"}, Label{"iso88592", "ISO-8859-2"},
    Label{"iso_8859-2", "ISO-8859-2"}, Label{"iso_8859-2:1987", "ISO-8859-2"},
    Label{"l2", "ISO-8859-2"}, Label{"latin2", "ISO-8859-2"}, Label{"csisolatin3", "ISO-8859-3"},
    Label{"iso-8859-3", "ISO-8859-3"}, Label{"iso-ir-109", "ISO-8859-3"},
    Label{"iso8859-3", "ISO-8859-3"}, Label{"iso88593", "ISO-8859-3"},
    Label{"iso_8859-3", "ISO-8859-3"}, Label{"iso_8859-3:1988", "ISO-8859-3"},
    Label{"l3", "ISO-8859-3"}, Label{"latin3", "ISO-8859-3"}, Label{"csisolatin4", "ISO-8859-4"},
    Label{"iso-8859-4", "ISO-8859-4"}, Label{"iso-ir-110", "ISO-8859-4"},
    Label{"iso8859-4", "ISO-8859-4"}, Label{"iso88594", "ISO-8859-4"},
    Label{"iso_8859-4", "ISO-8859-4"}, Label{"iso_8859-4:1988", "ISO-8859-4"},
    Label{"l4", "ISO-8859-4"}, Label{"latin4", "ISO-8859-4"},
    Label{"csisolatincyrillic", "ISO-8859-5"}, Label{"cyrillic", "ISO-8859-5"},
    Label{"iso-8859-5", "ISO-8859-5"}, Label{"iso-ir-144", "ISO-8859-5"},
    Label{"iso8859-5", "ISO-8859-5"}, Label{"iso88595", "ISO-8859-5"},
    Label{"iso_8859-5", "ISO-8859-5"}, Label{"iso_8859-5:1988", "ISO-8859-5"},
    Label{"arabic", "ISO-8859-6"}, Label{"asmo-708", "ISO-8859-6"},
    Label{"csiso88596e", "ISO-8859-6"}, Label{"csiso88596i", "ISO-8859-6"},
    Label{"csisolatinarabic", "ISO-8859-6"}, Label{"ecma-114", "ISO-8859-6"},
    Label{"iso-8859-6", "ISO-8859-6"}, Label{"iso-8859-6-e", "ISO-8859-6"},
    Label{"iso-8859-6-i", "ISO-8859-6"}, Label{"iso-ir-127", "ISO-8859-6"},
    Label{"iso8859-6", "ISO-8859-6"}, Label{"iso88596", "ISO-8859-6"},
    Label{"iso_8859-6", "ISO-8859-6"}, Label{"iso_8859-6:1987", "ISO-8859-6"},
    Label{"csisolatingreek", "ISO-8859-7"}, Label{"ecma-118", "ISO-8859-7"},
    Label{"elot_928", "ISO-8859-7"}, Label{"greek", "ISO-8859-7"}, Label{"greek8", "ISO-8859-7"},
    Label{"iso-8859-7", "ISO-8859-7"}, Label{"iso-ir-126", "ISO-8859-7"},
    Label{"iso8859-7", "ISO-8859-7"}, Label{"iso88597", "ISO-8859-7"},
    Label{"iso_8859-7", "ISO-8859-7"}, Label{"iso_8859-7:1987", "ISO-8859-7"},
    Label{"sun_eu_greek", "ISO-8859-7"}, Label{"csiso88598e", "ISO-8859-8"},
    Label{"csisolatinhebrew", "ISO-8859-8"}, Label{"hebrew", "ISO-8859-8"},
    Label{"iso-8859-8", "ISO-8859-8"}, Label{"iso-8859-8-e", "ISO-8859-8"},
    Label{"iso-ir-138", "ISO-8859-8"}, Label{"iso8859-8", "ISO-8859-8"},
    Label{"iso88598", "ISO-8859-8"}, Label{"iso_8859-8", "ISO-8859-8"},
    Label{"iso_8859-8:1988", "ISO-8859-8"}, Label{"visual", "ISO-8859-8"},
    Label{"csiso88598i", "ISO-8859-8-I"}, Label{"iso-8859-8-i", "ISO-8859-8-I"},
    Label{"logical", "ISO-8859-8-I"}, Label{"csisolatin6", "ISO-8859-10"},
    Label{"iso-8859-10", "ISO-8859-10"}, Label{"iso-ir-157", "ISO-8859-10"},
    Label{"iso8859-10", "ISO-8859-10"}, Label{"iso885910", "ISO-8859-10"},
    Label{"l6", "ISO-8859-10"}, Label{"latin6", "ISO-8859-10"}, Label{"iso-8859-13", "ISO-8859-13"},
    Label{"iso8859-13", "ISO-8859-13"}, Label{"iso885913", "ISO-8859-13"},
    Label{"iso-8859-14", "ISO-8859-14"}, Label{"iso8859-14", "ISO-8859-14"},
    Label{"iso885914", "ISO-8859-14"}, Label{"csisolatin9", "ISO-8859-15"},
    Label{"iso-8859-15", "ISO-8859-15"}, Label{"iso8859-15", "ISO-8859-15"},
    Label{"iso885915", "ISO-8859-15"}, Label{"iso_8859-15", "ISO-8859-15"},
    Label{"l9", "ISO-8859-15"}, Label{"iso-8859-16", "ISO-8859-16"}, Label{"cskoi8r", "KOI8-R"},
    Label{"koi", "KOI8-R"}, Label{"koi8", "KOI8-R"}, Label{"koi8-r", "KOI8-R"},
    Label{"koi8_r", "KOI8-R"}, Label{"koi8-ru", "KOI8-U"}, Label{"koi8-u", "KOI8-U"},
    Label{"csmacintosh", "macintosh"}, Label{"mac", "macintosh"}, Label{"macintosh", "macintosh"},
    Label{"x-mac-roman", "macintosh"}, Label{"dos-874", "windows-874"},
    Label{"iso-8859-11", "windows-874"}, Label{"iso8859-11", "windows-874"},
    Label{"iso885911", "windows-874"}, Label{"tis-620", "windows-874"},
    Label{"windows-874", "windows-874"}, Label{"cp1250", "windows-1250"},
    Label{"windows-1250", "windows-1250"}, Label{"x-cp1250", "windows-1250"},
    Label{"cp1251", "windows-1251"}, Label{"windows-1251", "windows-1251"},
    Label{"x-cp1251", "windows-1251"}, Label{"ansi_x3.4-1968", "windows-1252"},
    Label{"ascii", "windows-1252"}, Label{"cp1252", "windows-1252"}, Label{"cp819", "windows-1252"},
    Label{"csisolatin1", "windows-1252"}, Label{"ibm819", "windows-1252"},
    Label{"iso-8859-1", "windows-1252"}, Label{"iso-ir-100", "windows-1252"},
    Label{"iso8859-1", "windows-1252"}, Label{"iso88591", "windows-1252"},
    Label{"iso_8859-1", "windows-1252"}, Label{"iso_8859-1:1987", "windows-1252"},
    Label{"l1", "windows-1252"}, Label{"latin1", "windows-1252"}, Label{"us-ascii", "windows-1252"},
    Label{"windows-1252", "windows-1252"}, Label{"x-cp1252", "windows-1252"},
    Label{"x-user-defined", "windows-1252"}, Label{"cp1253", "windows-1253"},
    Label{"windows-1253", "windows-1253"}, Label{"x-cp1253", "windows-1253"},
    Label{"cp1254", "windows-1254"}, Label{"csisolatin5", "windows-1254"},
    Label{"iso-8859-9", "windows-1254"}, Label{"iso-ir-148", "windows-1254"},
    Label{"iso8859-9", "windows-1254"}, Label{"iso88599", "windows-1254"},
    Label{"iso_8859-9", "windows-1254"}, Label{"iso_8859-9:1989", "windows-1254"},
    Label{"l5", "windows-1254"}, Label{"latin5", "windows-1254"},
    Label{"windows-1254", "windows-1254"}, Label{"x-cp1254", "windows-1254"},
    Label{"cp1255", "windows-1255"}, Label{"windows-1255", "windows-1255"},
    Label{"x-cp1255", "windows-1255"}, Label{"cp1256", "windows-1256"},
    Label{"windows-1256", "windows-1256"}, Label{"x-cp1256", "windows-1256"},
    Label{"cp1257", "windows-1257"}, Label{"windows-1257", "windows-1257"},
    Label{"x-cp1257", "windows-1257"}, Label{"cp1258", "windows-1258"},
    Label{"windows-1258", "windows-1258"}, Label{"x-cp1258", "windows-1258"},
    Label{"x-mac-cyrillic", "x-mac-cyrillic"}, Label{"x-mac-ukrainian", "x-mac-cyrillic"},
    Label{"chinese", "GBK"}, Label{"csgb2312", "GBK"}, Label{"csiso58gb231280", "GBK"},
    Label{"gb2312", "GBK"}, Label{"gb_2312", "GBK"}, Label{"gb_2312-80", "GBK"},
    Label{"gbk", "GBK"}, Label{"iso-ir-58", "GBK"}, Label{"x-gbk", "GBK"},
    Label{"gb18030", "gb18030"}, Label{"big5", "Big5"}, Label{"big5-hkscs", "Big5"},
    Label{"cn-big5", "Big5"}, Label{"csbig5", "Big5"}, Label{"x-x-big5", "Big5"},
    Label{"cseucpkdfmtjapanese", "EUC-JP"}, Label{"euc-jp", "EUC-JP"}, Label{"x-euc-jp", "EUC-JP"},
    Label{"csiso2022jp", "ISO-2022-JP"}, Label{"iso-2022-jp", "ISO-2022-JP"},
    Label{"csshiftjis", "Shift_JIS"}, Label{"ms932", "Shift_JIS"}, Label{"ms_kanji", "Shift_JIS"},
    Label{"shift-jis", "Shift_JIS"}, Label{"shift_jis", "Shift_JIS"}, Label{"sjis", "Shift_JIS"},
    Label{"windows-31j", "Shift_JIS"}, Label{"x-sjis", "Shift_JIS"}, Label{"cseuckr", "EUC-KR"},
    Label{"csksc56011987", "EUC-KR"}, Label{"euc-kr", "EUC-KR"}, Label{"iso-ir-149", "EUC-KR"},
    Label{"korean", "EUC-KR"}, Label{"ks_c_5601-1987", "EUC-KR"}, Label{"ks_c_5601-1989", "EUC-KR"},
    Label{"ksc5601", "EUC-KR"}, Label{"ksc_5601", "EUC-KR"}, Label{"windows-949", "EUC-KR"},
    Label{"unicodefffe", "UTF-16BE"}, Label{"utf-16be", "UTF-16BE"}, Label{"csunicode", "UTF-16LE"},
    Label{"iso-10646-ucs-2", "UTF-16LE"}, Label{"ucs-2", "UTF-16LE"}, Label{"unicode", "UTF-16LE"},
    Label{"unicodefeff", "UTF-16LE"}, Label{"utf-16", "UTF-16LE"}, Label{"utf-16le", "UTF-16LE"}};

// The system converter's name for an encoding where it differs from the canonical one: the
// browsers' decoders for these are the supersets the converter knows by another name.
QByteArray converterName(const QByteArray &encoding)
{
    if (encoding == "ISO-8859-8-I")
        return "ISO-8859-8";
    if (encoding == "x-mac-cyrillic")
        return "MAC-CYRILLIC";
    if (encoding == "GBK")
        return "GB18030";
    if (encoding == "Big5")
        return "BIG5-HKSCS";
    if (encoding == "Shift_JIS")
        return "CP932";
    if (encoding == "EUC-KR")
        return "CP949";
    return encoding;
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// The encoding a label names; empty for a label browsers do not know.
QByteArray encodingOfLabel(QByteArray label)
{
    label = label.trimmed().toLower();
    for (const Label &known : labels) {
        if (std::string_view(label.constData(), size_t(label.size())) == known.label)
            return QByteArray(known.encoding.data(), qsizetype(known.encoding.size()));
    }
    return {};
}

// Reads the first 1024 bytes of a page for a META element that declares its encoding, skipping
// comments and the attributes of other tags as a browser's pre-scan does.
class MetaScanner
{
public:
    explicit MetaScanner(const QByteArray &page)
        : m_bytes(page.left(1024))
    { }

    QByteArray declaredEncoding()
    {
        while (m_at < m_bytes.size()) {
            if (startsWith("<!--")) {
                const qsizetype end = m_bytes.indexOf("-->", m_at + 2);
                if (end < 0)
                    return {};
                m_at = end + 3;
            } else if (startsWithCaseless("<meta") && m_at + 5 < m_bytes.size()
                && (isSpace(m_bytes[m_at + 5]) || m_bytes[m_at + 5] == '/')) {
                m_at += 6;
                const QByteArray encoding = metaEncoding();
                if (!encoding.isEmpty())
                    return encoding;
            } else if (m_bytes[m_at] == '<' && m_at + 1 < m_bytes.size()
                && (isLetter(m_bytes[m_at + 1])
                    || (m_bytes[m_at + 1] == '/' && m_at + 2 < m_bytes.size()
                        && isLetter(m_bytes[m_at + 2])))) {
                while (m_at < m_bytes.size() && !isSpace(m_bytes[m_at]) && m_bytes[m_at] != '>')
                    ++m_at;
                while (nextAttribute()) { }
            } else if (startsWith("<!") || startsWith("</") || startsWith("<?")) {
                const qsizetype end = m_bytes.indexOf('>', m_at);
                if (end < 0)
                    return {};
                m_at = end + 1;
            } else {
                ++m_at;
            }
        }
        return {};
    }

private:
    bool startsWith(const char *text) const { return m_bytes.sliced(m_at).startsWith(text); }

    bool startsWithCaseless(const char *text) const
    {
        const qsizetype length = qsizetype(std::strlen(text));
        return m_bytes.mid(m_at, length).toLower() == text;
    }

    bool atEnd() const { return m_at >= m_bytes.size(); }

    // Reads the next attribute of the tag into m_name and m_value (lower case); false at the
    // tag's end.
    bool nextAttribute()
    {
        m_name.clear();
        m_value.clear();
        while (!atEnd() && (isSpace(m_bytes[m_at]) || m_bytes[m_at] == '/'))
            ++m_at;
        if (atEnd() || m_bytes[m_at] == '>')
            return false;
        for (;; ++m_at) {
            if (atEnd())
                return true;
            const char c = m_bytes[m_at];
            if (c == '=' && !m_name.isEmpty()) {
                ++m_at;
                break;
            }
            if (isSpace(c)) {
                while (!atEnd() && isSpace(m_bytes[m_at]))
                    ++m_at;
                if (atEnd() || m_bytes[m_at] != '=')
                    return true;
                ++m_at;
                break;
            }
            if (c == '/' || c == '>')
                return true;
            m_name += lower(c);
        }
        while (!atEnd() && isSpace(m_bytes[m_at]))
            ++m_at;
        if (atEnd())
            return true;
        const char quote = m_bytes[m_at];
        if (quote == '"' || quote == '\'') {
            for (++m_at; !atEnd() && m_bytes[m_at] != quote; ++m_at)
                m_value += lower(m_bytes[m_at]);
            ++m_at;
            return true;
        }
        for (; !atEnd() && !isSpace(m_bytes[m_at]) && m_bytes[m_at] != '>'; ++m_at)
            m_value += lower(m_bytes[m_at]);
        return true;
    }

    QByteArray metaEncoding()
    {
        QList<QByteArray> seen;
        bool gotPragma = false;
        bool needPragma = false;
        std::optional<QByteArray> charset; // empty when a label names no known encoding
        while (nextAttribute()) {
            if (seen.contains(m_name))
                continue;
            seen << m_name;
            if (m_name == "http-equiv") {
                gotPragma = gotPragma || m_value == "content-type";
            } else if (m_name == "content" && !charset) {
                const QByteArray encoding = encodingOfLabel(charsetInContent(m_value));
                if (!encoding.isEmpty()) {
                    charset = encoding;
                    needPragma = true;
                }
            } else if (m_name == "charset") {
                charset = encodingOfLabel(m_value);
                needPragma = false;
            }
        }
        if (!charset || (needPragma && !gotPragma) || charset->isEmpty())
            return {};
        if (charset->startsWith("UTF-16"))
            return "UTF-8";
        return *charset;
    }

    // The label after "charset=" in a META's content value; a null array when there is none.
    static QByteArray charsetInContent(const QByteArray &content)
    {
        qsizetype at = 0;
        while ((at = content.indexOf("charset", at)) >= 0) {
            at += 7;
            while (at < content.size() && isSpace(content[at]))
                ++at;
            if (at < content.size() && content[at] == '=')
                break;
        }
        if (at < 0)
            return {};
        for (++at; at < content.size() && isSpace(content[at]);)
            ++at;
        if (at >= content.size())
            return {};
        const char quote = content[at];
        if (quote == '"' || quote == '\'') {
            const qsizetype end = content.indexOf(quote, at + 1);
            return end < 0 ? QByteArray() : content.sliced(at + 1, end - at - 1);
        }
        qsizetype end = at;
        while (end < content.size() && !isSpace(content[end]) && content[end] != ';')
            ++end;
        return content.sliced(at, end - at);
    }

    QByteArray m_bytes;
    qsizetype m_at = 0;
    QByteArray m_name;
    QByteArray m_value;
};

bool isValidUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = decoder(bytes);
    return !decoder.hasError();
}

qsizetype byteOrderMarkLength(const QByteArray &page)
{
    if (page.startsWith("\xEF\xBB\xBF"))
        return 3;
    return page.startsWith("\xFE\xFF") || page.startsWith("\xFF\xFE") ? 2 : 0;
}

// A page in a Unicode encoding, decoded by Qt with a replacement character for every malformed
// sequence and lone surrogate; the system converter would pass some through (five-byte UTF-8)
// or lose its step (a lone UTF-16 surrogate).
QByteArray unicodeInUtf8(const QByteArray &input, const QByteArray &encoding)
{
    QStringDecoder decoder(encoding == "UTF-8" ? QStringDecoder::Utf8
            : encoding == "UTF-16LE"           ? QStringDecoder::Utf16LE
                                               : QStringDecoder::Utf16BE,
        QStringDecoder::Flag::Stateless);
    QString text = decoder(input);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text.toUtf8();
}

// A page in a legacy encoding, decoded by the system's converter. A byte the encoding does not
// define becomes U+FFFD, or in windows-1252 its C1 code point, and the rest is still read.
QByteArray legacyInUtf8(QByteArray input, const QByteArray &encoding)
{
    const iconv_t converter = iconv_open("UTF-8", converterName(encoding).constData());
    // Every encoding of the table is one the system knows; one without its conversion modules
    // still gets a page it can read, each byte as its own code point.
    if (converter == iconv_t(-1))
        return QString::fromLatin1(input).toUtf8();
    QByteArray text;
    text.reserve(input.size() * 2);
    std::array<char, 4096> buffer{};
    char *in = input.data();
    size_t inLeft = size_t(input.size());
    const auto convert = [&](char **from, size_t *fromLeft) {
        char *out = buffer.data();
        size_t outLeft = buffer.size();
        const size_t done = iconv(converter, from, fromLeft, &out, &outLeft);
        const int failure = done == size_t(-1) ? errno : 0;
        text.append(buffer.data(), qsizetype(buffer.size() - outLeft));
        return failure;
    };
    while (inLeft > 0) {
        const int failure = convert(&in, &inLeft);
        if (failure == EILSEQ || failure == EINVAL) {
            // A byte the encoding does not define, or a sequence cut short by the end.
            const auto byte = static_cast<unsigned char>(*in);
            const bool c1 = encoding == "windows-1252" && byte >= 0x80 && byte < 0xA0;
            text.append(QString(QChar(c1 ? char16_t(byte) : char16_t(0xFFFD))).toUtf8());
            ++in;
            --inLeft;
        } else if (failure != 0 && failure != E2BIG) {
            break;
        }
    }
    convert(nullptr, nullptr); // ends a shifted state such as ISO-2022-JP's
    iconv_close(converter);
    return text;
}

} // namespace

QByteArray htmlEncoding(const QByteArray &page)
{
    if (page.startsWith("\xEF\xBB\xBF"))
        return "UTF-8";
    if (page.startsWith("\xFE\xFF"))
        return "UTF-16BE";
    if (page.startsWith("\xFF\xFE"))
        return "UTF-16LE";
    const QByteArray declared = MetaScanner(page).declaredEncoding();
    if (!declared.isEmpty())
        return declared;
    return isValidUtf8(page) ? "UTF-8" : "windows-1252";
}

QByteArray htmlTextInUtf8(const QByteArray &page)
{
    const QByteArray encoding = htmlEncoding(page);
    const QByteArray input = page.sliced(byteOrderMarkLength(page));
    if (encoding == "UTF-8" && isValidUtf8(input))
        return input;
    return encoding.startsWith("UTF-") ? unicodeInUtf8(input, encoding)
                                       : legacyInUtf8(input, encoding);
}

} // namespace platform
