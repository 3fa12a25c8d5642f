#pragma once

#include "imagemap/core/hotspottable.h"
#include "imagemap/core/mapimport.h"
#include "platform/filedialogs.h"
#include "platform/prompter.h"

#include <QSize>
#include <optional>

namespace imagemap {

// The filter of the image Open dialog, also where a map's picture is asked for.
inline QString openFilter()
{
    return QStringLiteral("GIF(*.gif)|*.gif|JPEG(*.jpg|*.jpg");
}

inline QString mapPageFilter()
{
    return QStringLiteral("Web Pages (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*");
}

// A page's map that can be shown: the picture to load and the areas to store.
struct OpenedMap
{
    QString pagePath;
    QString picturePath;
    // The picture as the page's IMG names it ("images/NavBar.gif"); empty when the picture had
    // to be asked for.
    QString pictureSource;
    QList<MapArea> areas;
};

// The dialogs and messages of Open Map, Save Map As and Copy SVG Map, on the core's map
// reader, page writer and SVG map. Nothing here touches the window: it says what to show, and the
// window shows it only when everything has gone well.
class MapFiles
{
public:
    MapFiles(platform::Prompter &prompter, platform::FileDialogs &dialogs);

    // Asks for a page, starting in `folder`; empty when the dialog is cancelled.
    QString choosePage(const QString &folder);
    // Reads the map of the page at pagePath. Of a page with several maps, the user chooses one
    // from a list that names each with its picture; cancelling it gives nothing. A refusal is
    // told with the reader's message. A picture that is missing, remote or not named at all is
    // asked for through the image Open dialog; cancelling it gives nothing.
    std::optional<OpenedMap> readMap(const QString &pagePath);

    // Save Map As: asks for the page's name (".htm" added to a name without extension), asks
    // before replacing a file, and writes the map page atomically. Returns whether it was
    // saved; every failure is told.
    bool saveMapAs(const QString &imagePath, const HotspotTable &table);
    // The page the window's map now belongs to (empty for none), which Save Map As offers when
    // the page holds nothing but a map, and the picture as that page names it, which Copy SVG
    // Map writes.
    void setPageName(const QString &path, const QString &pictureSource = {});

    // Copy SVG Map: puts the SVG form of the map of the picture (of that size) on the
    // clipboard and tells the user; a failure is told instead.
    void copySvgMap(const QString &imagePath, QSize pictureSize, const HotspotTable &table);

private:
    // The name of the map the user chooses among the page's maps; nothing on Cancel.
    std::optional<QString> chooseMap(const MapImport &import);
    QString askForPicture(const QString &pagePath, const QString &source);
    bool mayReplace(const QString &path);

    platform::Prompter &m_prompter;
    platform::FileDialogs &m_dialogs;
    QString m_pageName;
    // True when m_pageName holds a map page and nothing else, so that Save Map As may offer it.
    bool m_pageIsOurs = false;
    QString m_pictureSource;
};

} // namespace imagemap
