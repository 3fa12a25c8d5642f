#include "imagemap/ui/mapfiles.h"

#include "imagemap/core/mappage.h"
#include "imagemap/core/svgmap.h"
#include "imagemap/ui/imagemapmessages.h"
#include "platform/busycursor.h"
#include "platform/filecontent.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>

namespace imagemap {

MapFiles::MapFiles(platform::Prompter &prompter, platform::FileDialogs &dialogs)
    : m_prompter(prompter)
    , m_dialogs(dialogs)
{ }

QString MapFiles::choosePage(const QString &folder)
{
    platform::FileDialogRequest request;
    request.filter = mapPageFilter();
    request.directory = folder;
    request.title = QStringLiteral("Open Map");
    return m_dialogs.openFile(request);
}

std::optional<OpenedMap> MapFiles::readMap(const QString &pagePath)
{
    platform::BusyCursor busy;
    MapImport import = readImageMapFile(pagePath);
    busy.release();
    if (import.mapNames.size() > 1) {
        const std::optional<QString> chosen = chooseMap(import);
        if (!chosen)
            return std::nullopt;
        if (*chosen != import.mapName)
            import = readImageMapFile(pagePath, *chosen);
    }
    if (!import.succeeded()) {
        m_prompter.tell(import.error, platform::MessageIcon::Exclamation);
        return std::nullopt;
    }
    if (!import.notes.isEmpty())
        m_prompter.tell(
            import.notes.join(QStringLiteral("  ")), platform::MessageIcon::Information);
    OpenedMap map{QFileInfo(pagePath).absoluteFilePath(),
        localPicturePath(pagePath, import.pictureSource), import.pictureSource, import.areas};
    if (map.picturePath.isEmpty() || !QFileInfo(map.picturePath).isFile()) {
        map.pictureSource.clear();
        map.picturePath = askForPicture(pagePath, import.pictureSource);
        if (map.picturePath.isEmpty())
            return std::nullopt;
    }
    return map;
}

std::optional<QString> MapFiles::chooseMap(const MapImport &import)
{
    // A map is taken by its name, so a map without one can only be the one taken already, and
    // of maps of the same name the first is the one browsers use.
    QStringList names;
    QStringList items;
    int current = 0;
    for (qsizetype i = 0; i < import.mapNames.size(); ++i) {
        const QString &name = import.mapNames[i];
        const bool taken = import.succeeded() && name == import.mapName;
        if ((name.isEmpty() && !taken) || names.contains(name))
            continue;
        if (taken)
            current = int(names.size());
        names << name;
        const QString picture = import.mapPictures.value(i);
        items << QStringLiteral("%1 - %2").arg(name.isEmpty() ? QStringLiteral("(no name)") : name,
            picture.isEmpty() ? QStringLiteral("no picture uses it") : picture);
    }
    if (names.size() < 2)
        return import.mapName;
    const std::optional<int> chosen = m_prompter.choose(
        chooseMapQuestion(int(names.size())), items, current, QStringLiteral("Open Map"));
    if (!chosen)
        return std::nullopt;
    return names.value(*chosen);
}

QString MapFiles::askForPicture(const QString &pagePath, const QString &source)
{
    platform::FileDialogRequest request;
    request.filter = openFilter();
    request.directory = QFileInfo(pagePath).absolutePath();
    // The name the page gives, so that the dialog finds the picture where it was moved to.
    const QString name = QFileInfo(QUrl(source).path()).fileName();
    request.fileName = name.isEmpty() ? QStringLiteral("*.gif;*.jpg") : name;
    request.title = name.isEmpty()
        ? QStringLiteral("Open the picture of the map")
        : QStringLiteral("Open the picture of the map (%1 was not found)").arg(name);
    return m_dialogs.openFile(request);
}

void MapFiles::setPageName(const QString &path, const QString &pictureSource)
{
    m_pageName = path;
    m_pictureSource = pictureSource;
    const std::optional<QByteArray> bytes = path.isEmpty()
        ? std::nullopt
        : platform::readFileContent(path, nullptr, MaximumPageBytes);
    m_pageIsOurs = bytes && holdsOnlyAMapPage(*bytes);
}

bool MapFiles::mayReplace(const QString &path)
{
    if (!QFileInfo::exists(path))
        return true;
    // A page with more than a map (its text, scripts, styles) is said to be lost as a whole.
    const std::optional<QByteArray> bytes
        = platform::readFileContent(path, nullptr, MaximumPageBytes);
    const bool wholePage = bytes && bytes->contains('<') && !holdsOnlyAMapPage(*bytes);
    const QString question
        = wholePage ? replacePageQuestion(QFileInfo(path).fileName()) : replaceFileQuestion();
    return m_prompter.ask(question, platform::MessageIcon::Exclamation,
               platform::MessageButtons::OkCancel, QStringLiteral("Please Note"))
        == platform::MessageAnswer::Ok;
}

bool MapFiles::saveMapAs(const QString &imagePath, const HotspotTable &table)
{
    platform::FileDialogRequest request;
    request.filter = mapPageFilter();
    // The map name is the picture's name without its extension; so is the page's, at first.
    // The page a map was opened from is never offered: the map page would replace all of it.
    const QFileInfo picture(imagePath);
    const QString name = picture.fileName();
    const QString base = picture.absolutePath() + u'/' + (name.size() > 4 ? name.chopped(4) : name);
    QString offered = base + QStringLiteral(".htm");
    if (!m_pageName.isEmpty() && m_pageIsOurs)
        offered = m_pageName;
    else if (!m_pageName.isEmpty() && QFileInfo(offered) == QFileInfo(m_pageName))
        offered = base + QStringLiteral("-map.htm");
    request.fileName = offered;
    request.confirmOverwrite = false; // asked below, once
    request.title = QStringLiteral("Save Map As");
    QString path = m_dialogs.saveFile(request);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".htm");
    if (!mayReplace(path))
        return false;
    const ImageMapHtml page = buildMapPage(imagePath, path, table);
    if (!page.succeeded()) {
        m_prompter.tell(page.error);
        return false;
    }
    platform::BusyCursor busy;
    QString error;
    const bool written = platform::writeFileAtomically(path, page.text.toUtf8(), &error);
    busy.release();
    if (!written) {
        m_prompter.tell(mapNotSavedMessage(path, error), platform::MessageIcon::Exclamation);
        return false;
    }
    m_pageName = path;
    m_pageIsOurs = true;
    // The saved page names the picture in its own way.
    m_pictureSource.clear();
    return true;
}

void MapFiles::copySvgMap(const QString &imagePath, QSize pictureSize, const HotspotTable &table)
{
    const ImageMapHtml svg = buildSvgMap(imagePath, pictureSize, table, m_pictureSource);
    if (!svg.succeeded()) {
        m_prompter.tell(svg.error);
        return;
    }
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(svg.text);
    // Some platforms refuse the clipboard silently; "Done" would then be untrue.
    if (clipboard->text() != svg.text) {
        m_prompter.tell(svgClipboardRefusedMessage(), platform::MessageIcon::Exclamation);
        return;
    }
    m_prompter.tell(svgDoneMessage(), platform::MessageIcon::Information);
}

} // namespace imagemap
