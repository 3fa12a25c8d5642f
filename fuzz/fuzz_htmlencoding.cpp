// Feeds arbitrary bytes to the reader that finds and decodes a page's character set, as both the
// frameset and the map readers use it. Whatever the page declares, the text must come out as
// valid UTF-8; a page that declares nothing and is valid UTF-8 keeps its bytes.

#include "platform/htmlencoding.h"

#include <QStringDecoder>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray page(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArray text = platform::htmlTextInUtf8(page);
    QStringDecoder utf8(QStringDecoder::Utf8);
    [[maybe_unused]] const QString decoded = utf8(text);
    if (utf8.hasError())
        abort();
    QStringDecoder check(QStringDecoder::Utf8);
    [[maybe_unused]] const QString input = check(page);
    if (!check.hasError() && platform::htmlEncoding(page) == "UTF-8"
        && !page.startsWith("\xEF\xBB\xBF") && text != page)
        abort();
    return 0;
}
