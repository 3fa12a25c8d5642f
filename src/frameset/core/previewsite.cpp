#include "frameset/core/previewsite.h"

#include "frameset/core/design.h"
#include "frameset/core/framesetdocument.h"
#include "platform/filecontent.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace frameset {

namespace {

const QString DocumentName = QStringLiteral("panecraft-preview.htm");

// The page, relative to the preview's folder, that a frame's source names; empty for an address,
// an absolute path or a path that leads out of the folder.
QString pageInFolder(const QString &source)
{
    const QUrl url(source);
    if (!url.isValid() || !url.isRelative() || source.startsWith(u'/') || source.startsWith(u'\\'))
        return QString();
    const QString path = url.path();
    const QString clean = QDir::cleanPath(path);
    if (path.isEmpty() || clean.startsWith(QLatin1String("..")) || clean.startsWith(u'/')
        || clean == QLatin1String("."))
        return QString();
    return clean;
}

// The source each cell of the split tree shows, as its FRAME tag writes it.
QStringList frameSources(const Design &design)
{
    QStringList sources;
    for (const int cell : design.splitTree().cells()) {
        const QString source = design.properties().record(cell).sourceUrl.text();
        sources.append(source.isEmpty() ? QStringLiteral("xxxxx.htm") : source);
    }
    return sources;
}

// The design with every frame whose page lies in `siteFolder` showing that page by its full
// address, so that the page finds its pictures and style sheets beside it.
Design withSitePages(const Design &design, const QString &siteFolder)
{
    Design shown = design;
    const QDir site(siteFolder);
    const QUrl base = QUrl::fromLocalFile(site.absolutePath() + u'/');
    for (int cell = 0; cell <= shown.lastCellIndex(); ++cell) {
        PropertyValue &source = shown.properties().record(cell).sourceUrl;
        const QString page = pageInFolder(source.text());
        if (!page.isEmpty() && QFileInfo(site.filePath(page)).isFile())
            source = PropertyValue::fromText(
                base.resolved(QUrl(source.text())).toString(QUrl::FullyEncoded));
    }
    return shown;
}

} // namespace

QString standInPage(const QString &source)
{
    const QString name = source.toHtmlEscaped();
    return QStringLiteral(
        "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n"
        "<title>%1</title>\r\n<style>html,body{height:100%;margin:0}"
        "body{display:flex;align-items:center;justify-content:center;text-align:center;"
        "background:#fffff0;color:#333;font:14px sans-serif}</style>\r\n</head>\r\n"
        "<body>\r\n<div><b id=\"name\">%1</b><br><span id=\"size\"></span><br>"
        "<small>stands in for %1</small></div>\r\n<script>\r\n"
        "function show() {\r\n"
        "  document.getElementById('name').textContent = window.name || '(no name)';\r\n"
        "  document.getElementById('size').textContent = innerWidth + ' x ' + "
        "innerHeight + ' pixels';\r\n"
        "}\r\nshow();\r\naddEventListener('resize', show);\r\n</script>\r\n"
        "</body>\r\n</html>\r\n")
        .arg(name);
}

PreviewSite writePreviewSite(const QString &folder, const Design &design, const QString &siteFolder)
{
    PreviewSite site;
    const QDir dir(folder);
    const QString document = dir.filePath(DocumentName);
    const Design shown = siteFolder.isEmpty() ? design : withSitePages(design, siteFolder);
    if (!platform::saveFileContent(
            document, framesetDocumentFileContent(buildFramesetDocument(shown)), &site.error))
        return site;
    for (const QString &source : frameSources(shown)) {
        const QString page = pageInFolder(source);
        if (page.isEmpty() || site.standIns.contains(page) || QFileInfo::exists(dir.filePath(page)))
            continue;
        const QString path = dir.filePath(page);
        if (!dir.mkpath(QFileInfo(path).path())) {
            site.error = QStringLiteral("The folder of %1 cannot be made.").arg(path);
            return site;
        }
        if (!platform::saveFileContent(path, standInPage(source).toUtf8(), &site.error))
            return site;
        site.standIns.append(page);
    }
    site.document = document;
    return site;
}

} // namespace frameset
