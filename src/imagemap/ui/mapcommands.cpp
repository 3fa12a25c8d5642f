#include "imagemap/ui/mapcommands.h"

#include "imagemap/core/imagemaphtml.h"
#include "imagemap/core/importedhotspots.h"
#include "imagemap/ui/imagemapmessages.h"
#include "platform/busycursor.h"
#include "platform/pendingevents.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <utility>

namespace imagemap {

MapCommands::MapCommands(ImageMapState &state, platform::Prompter &prompter,
    platform::FileDialogs &dialogs, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_prompter(prompter)
    , m_fileDialogs(dialogs)
    , m_mapFiles(prompter, dialogs)
{ }

bool MapCommands::mayClose()
{
    // Once their HTML is on the clipboard the hotspots are kept, so the close asks nothing.
    const bool delivered = std::exchange(m_htmlDelivered, false);
    return delivered || mayDiscardHotspots(discardHotspotsQuestion());
}

bool MapCommands::mayDiscardHotspots(const QString &question)
{
    const bool kept = !m_keptMap.isEmpty() && m_keptMap == mapText();
    return kept || m_state.hotspots().usedCount() == 0
        || confirmDiscardingHotspots(m_prompter, question);
}

void MapCommands::openImage()
{
    platform::FileDialogRequest request;
    request.filter = openFilter();
    request.fileName = QStringLiteral("*.gif;*.jpg");
    if (hasImage())
        request.directory = QFileInfo(m_imagePath).absolutePath();
    const QString chosen = m_fileDialogs.openFile(request);
    if (!chosen.isEmpty())
        openImageFile(chosen);
}

void MapCommands::openFile(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("htm") || suffix == QLatin1String("html"))
        openMapFile(path);
    else
        openImageFile(path);
}

void MapCommands::openImageFile(const QString &chosen)
{
    // Opening drops the hotspots as closing does, so it asks as closing does.
    if (!m_htmlDelivered && !mayDiscardHotspots(discardHotspotsForOpenQuestion()))
        return;
    if (showImage(chosen)) {
        // What was put on the clipboard belonged to the picture before.
        m_htmlDelivered = false;
        m_keptMap.clear();
        m_mapFiles.setPageName(QString());
    }
}

bool MapCommands::showImage(const QString &chosen)
{
    platform::BusyCursor busy;
    // The component keeps its current image when the new one cannot be read, so a failed Open
    // leaves the picture and every hotspot as they were.
    if (!m_image.load(chosen)) {
        busy.release();
        m_prompter.tell(m_image.errorString(), platform::MessageIcon::Exclamation);
        return false;
    }
    m_image.setColours256();
    m_imagePath = QFileInfo(chosen).absoluteFilePath();
    emit imageOpened(m_imagePath, m_image.picture());
    return true;
}

void MapCommands::openMap()
{
    const QString folder = hasImage() ? QFileInfo(m_imagePath).absolutePath() : QString();
    const QString chosen = m_mapFiles.choosePage(folder);
    if (!chosen.isEmpty())
        openMapFile(chosen);
}

void MapCommands::openMapFile(const QString &path)
{
    if (!m_htmlDelivered && !mayDiscardHotspots(discardHotspotsForOpenQuestion()))
        return;
    const std::optional<OpenedMap> map = m_mapFiles.readMap(path);
    if (!map || !showImage(map->picturePath))
        return;
    // The reader has checked the areas against the table and the store, which showImage() has
    // just emptied, so they fit.
    if (!storeImportedHotspots(m_state, map->areas))
        m_prompter.tell(capacityMessage(), platform::MessageIcon::Exclamation);
    m_keptMap = mapText();
    m_htmlDelivered = false;
    m_mapFiles.setPageName(map->pagePath, map->pictureSource);
    emit mapOpened();
}

void MapCommands::saveMapAs()
{
    if (hasImage() && m_mapFiles.saveMapAs(m_imagePath, m_state.hotspots()))
        m_keptMap = mapText();
}

QString MapCommands::mapText() const
{
    return buildImageMap(m_imagePath, m_state.hotspots()).text;
}

void MapCommands::copySvgMap()
{
    m_mapFiles.copySvgMap(
        m_imagePath, QSize(m_image.width(), m_image.height()), m_state.hotspots());
}

void MapCommands::invertImage()
{
    platform::BusyCursor busy;
    m_image.invert();
    platform::letPendingEventsRun();
    emit pictureChanged(m_image.picture());
}

void MapCommands::createHtml()
{
    if (!confirmHtml(m_prompter))
        return;
    const ImageMapHtml html = buildImageMap(m_imagePath, m_state.hotspots());
    if (!html.succeeded()) {
        m_prompter.tell(html.error);
        return;
    }
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(html.text);
    // Some platforms refuse the clipboard silently; saying "Done" and closing the window would
    // then throw the hotspots away.
    if (clipboard->text() != html.text) {
        m_prompter.tell(clipboardRefusedMessage(), platform::MessageIcon::Exclamation);
        return;
    }
    m_prompter.tell(htmlDoneMessage(), platform::MessageIcon::Exclamation);
    m_htmlDelivered = true;
    emit htmlDelivered();
}

} // namespace imagemap
