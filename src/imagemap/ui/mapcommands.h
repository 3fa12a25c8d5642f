#pragma once

#include "imagemap/core/imagemapstate.h"
#include "imagemap/ui/mapfiles.h"
#include "platform/filedialogs.h"
#include "platform/imaging/imagecomponent.h"
#include "platform/prompter.h"

#include <QImage>
#include <QObject>
#include <QString>

namespace imagemap {

// The image-map window's commands on its picture and map: Open, Open Map, Save Map As, Copy
// SVG Map, Create HTML Code and Invert Image, and the question whether the hotspots may go.
// They hold the image and remember what has been kept of the map; what the window is to show
// comes out as signals.
class MapCommands : public QObject
{
    Q_OBJECT
public:
    // The prompter, file dialogs and state must outlive the commands.
    MapCommands(ImageMapState &state, platform::Prompter &prompter, platform::FileDialogs &dialogs,
        QObject *parent = nullptr);

    // The path of the image shown; empty before the first successful Open.
    QString imagePath() const { return m_imagePath; }
    bool hasImage() const { return !m_imagePath.isEmpty(); }

    // Open: asks for an image and shows it. The hotspots are cleared only once the new image
    // has loaded; a cancelled or failed Open keeps the picture and every hotspot.
    void openImage();
    // A page (.htm, .html) as Open Map opens it, anything else as Open does once its dialog has
    // given that path: what a drop and the command line give.
    void openFile(const QString &path);
    // Open Map: asks for an HTML page and shows its map: the picture (asked for when the page's
    // is missing) and one hotspot per AREA, row 1 the first. A refused page, or a cancelled
    // dialog, leaves the picture and the hotspots as they were.
    void openMap();
    // Save Map As: writes the picture and its map as a standalone HTML page. The window stays
    // open with its hotspots.
    void saveMapAs();
    // Copy SVG Map: puts the map on the clipboard as an inline SVG that scales with its page.
    void copySvgMap();
    // Invert Image: inverts the picture's colours; hotspots and outlines stay as they are.
    void invertImage();
    // Create HTML Code: after the question, puts the image map on the clipboard, tells the
    // user and asks for the window to close. On an error nothing reaches the clipboard.
    void createHtml();
    // True when the window may close: the HTML has just been delivered, or the hotspots may go.
    bool mayClose();

signals:
    // A new image has loaded: the window drops its hotspots and shows the picture.
    void imageOpened(const QString &path, const QImage &picture);
    // The picture of the same image changed (inverted).
    void pictureChanged(const QImage &picture);
    // The opened map's hotspots are stored, after imageOpened().
    void mapOpened();
    // The HTML is on the clipboard and the user has been told: the window closes.
    void htmlDelivered();

private:
    void openImageFile(const QString &path);
    void openMapFile(const QString &path);
    // Loads the image and has it shown with no hotspots; on failure tells why and changes
    // nothing.
    bool showImage(const QString &path);
    // True when the hotspots may go: they are saved or there are none, or the user says so.
    bool mayDiscardHotspots(const QString &question);
    // The map as Create HTML Code would write it now, to tell whether it has been kept.
    QString mapText() const;

    ImageMapState &m_state;
    platform::Prompter &m_prompter;
    platform::FileDialogs &m_fileDialogs;
    platform::ImageComponent m_image;
    QString m_imagePath;
    // Set once the HTML is on the clipboard, so the close that follows asks nothing.
    bool m_htmlDelivered = false;
    MapFiles m_mapFiles;
    // The map as last saved or opened; closing asks nothing while the hotspots still match it.
    QString m_keptMap;
};

} // namespace imagemap
