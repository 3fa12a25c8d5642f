#include "imagemap/core/mappage.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace imagemap {

QString pictureReference(const QString &imagePath, const QString &pagePath)
{
    const QString relative = QDir(QFileInfo(pagePath).absolutePath())
                                 .relativeFilePath(QFileInfo(imagePath).absoluteFilePath());
    if (QDir::isAbsolutePath(relative))
        return QUrl::fromLocalFile(relative).toString(QUrl::FullyEncoded);
    QString reference = QDir::fromNativeSeparators(relative);
    // "%" first, so the escapes of the other two are not escaped again.
    reference.replace(u'%', QStringLiteral("%25"))
        .replace(u'#', QStringLiteral("%23"))
        .replace(u'?', QStringLiteral("%3F"));
    return reference;
}

ImageMapHtml buildMapPage(
    const QString &imagePath, const QString &pagePath, const HotspotTable &table)
{
    ImageMapHtml page = buildImageMap(imagePath, table, pictureReference(imagePath, pagePath));
    if (!page.succeeded())
        return page;
    const QString title = QFileInfo(imagePath).fileName().chopped(4).toHtmlEscaped();
    page.text = QStringLiteral("<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n"
                               "<title>%1</title>\r\n</head>\r\n<body>\r\n")
                    .arg(title)
        + page.text + QStringLiteral("\r\n</body>\r\n</html>\r\n");
    return page;
}

bool holdsOnlyAMapPage(const QByteArray &bytes)
{
    static const QRegularExpression form(QStringLiteral(
        "^<!DOCTYPE html>\\r\\n<html>\\r\\n<head>\\r\\n<meta charset=\"utf-8\">\\r\\n"
        "<title>[^<\\r\\n]*</title>\\r\\n</head>\\r\\n<body>\\r\\n"
        "<IMG [^\\r\\n]*>\\r\\n<MAP [^\\r\\n]*>\\r\\n(?:<AREA [^\\r\\n]*>\\r\\n)*</MAP>\\r\\n"
        "</body>\\r\\n</html>\\r\\n$"));
    return form.match(QString::fromUtf8(bytes)).hasMatch();
}

} // namespace imagemap
