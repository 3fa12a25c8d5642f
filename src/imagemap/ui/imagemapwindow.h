#pragma once

#include "imagemap/core/hotspotdrawing.h"
#include "imagemap/core/imagemapstate.h"
#include "imagemap/ui/mapfiles.h"
#include "platform/filedialogs.h"
#include "platform/imaging/imagecomponent.h"
#include "platform/prompter.h"
#include "platform/units.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;

namespace imagemap {

class PictureCanvas;
class HotspotDialog;

inline QString openFilter()
{
    return QStringLiteral("GIF(*.gif)|*.gif|JPEG(*.jpg|*.jpg");
}

inline QString instructionsText()
{
    return QStringLiteral(
        "Open a GIF or JPEG image from the File menu.  Drag the mouse and outline a RECTANGLE.  "
        "Outline a POLYGON by clicking on all the vertices while holding down the CTRL key.  "
        "Re-open the hotspots with right mouse button.  ");
}

inline QString imageMapCaption()
{
    return QStringLiteral("Zonemark Imagemaps  ");
}

// The image-map window of Zonemark: opens a GIF or JPEG image, lets the user outline
// rectangles, polygons and circles on it and give each a link in the properties dialog, and
// puts the image-map HTML on the clipboard. Maps are also opened from and saved to HTML pages,
// and copied as a scaling SVG. The picture scrolls inside a viewport that follows the
// window's size; the picture itself is never smaller than the image.
class ImageMapWindow : public QMainWindow
{
    Q_OBJECT
public:
    // A window that asks through message boxes and the platform's file dialogs.
    explicit ImageMapWindow(QWidget *parent = nullptr);
    // A window that asks through the given prompter and file dialogs, which must outlive it.
    ImageMapWindow(
        platform::Prompter &prompter, platform::FileDialogs &dialogs, QWidget *parent = nullptr);
    ~ImageMapWindow() override;

    // Open: asks for an image and shows it. The hotspots are cleared only once the new image
    // has loaded; a cancelled or failed Open keeps the picture and every hotspot.
    void openImage();
    // Opens the image at path as Open does once its dialog has given that path: a file dropped
    // on the window, or named on the command line.
    void openImageFile(const QString &path);
    // A page (.htm, .html) as Open Map opens it, anything else as Open does: what a drop and
    // the command line give.
    void openFile(const QString &path);
    // Open Map: asks for an HTML page and shows its map: the picture (asked for when the page's
    // is missing) and one hotspot per AREA, row 1 the first. A refused page, or a cancelled
    // dialog, leaves the picture and the hotspots as they were.
    void openMap();
    // Opens the map of the page at path as Open Map does once its dialog has given that path.
    void openMapFile(const QString &path);
    // Save Map As: writes the picture and its map as a standalone HTML page. The window stays
    // open with its hotspots.
    void saveMapAs();
    // Copy SVG Map: puts the map on the clipboard as an inline SVG that scales with its page.
    void copySvgMap();
    // Invert Image: inverts the picture's colours; hotspots and outlines stay as they are.
    void invertImage();
    // Create HTML Code: after the question, puts the image map on the clipboard, tells the
    // user and closes the window. On an error nothing reaches the clipboard and it stays open.
    void createHtml();
    // The window's Cancel button.
    void cancelShape();
    // The image component reported a selected rectangle (image pixels): it becomes a new shape
    // whose properties dialog is shown without blocking the window.
    void selectionNotified(int left, int top, int right, int bottom);

    const ImageMapState &state() const { return m_state; }
    const HotspotDrawing &drawing() const { return m_drawing; }
    // The path of the image shown; empty before the first successful Open.
    QString imagePath() const { return m_imagePath; }
    bool hasImage() const { return !m_imagePath.isEmpty(); }
    PictureCanvas *picture() const { return m_canvas; }
    // The hotspot dialog while it is shown.
    HotspotDialog *hotspotDialog() const;
    platform::TwipsScale scale() const { return m_scale; }
    // The largest viewport for the window's present size, in twips.
    QSize maxView() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // True when the hotspots may go: they are saved or there are none, or the user says so.
    bool mayDiscardHotspots(const QString &question);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Without a prompter or file dialogs given, the window makes and owns Qt's own.
    ImageMapWindow(platform::Prompter *prompter, platform::FileDialogs *dialogs, QWidget *parent);
    void buildControls();
    void buildMenus();
    // The object names the tests find the window's widgets and menu entries by.
    void setObjectNames();
    void layOut();
    void layOutViewport();
    void showPicture();
    // Loads the image and shows it with no hotspots; on failure tells why and changes nothing.
    bool showImage(const QString &path);
    // The map as Create HTML Code would write it now, to tell whether it has been kept.
    QString mapText() const;
    void enableImageCommands();
    void handle(const DrawingResult &result);
    void showHotspotDialog(bool modal);
    void closeHotspotDialog();
    void hotspotDialogClosed();
    void updatePointerDisplay();
    QSize windowTwips() const;

    std::unique_ptr<platform::Prompter> m_ownPrompter;
    std::unique_ptr<platform::FileDialogs> m_ownDialogs;
    platform::Prompter &m_prompter;
    platform::FileDialogs &m_fileDialogs;
    platform::TwipsScale m_scale;
    ImageMapState m_state;
    HotspotDrawing m_drawing;
    platform::ImageComponent m_image;
    QString m_imagePath;
    // Set once the HTML is on the clipboard, so the close that follows asks nothing.
    bool m_htmlDelivered = false;
    MapFiles m_mapFiles;
    // The map as last saved or opened; closing asks nothing while the hotspots still match it.
    QString m_keptMap;

    QLabel *m_instructions = nullptr;
    QWidget *m_viewport = nullptr;
    PictureCanvas *m_canvas = nullptr;
    QScrollBar *m_horizontalBar = nullptr;
    QScrollBar *m_verticalBar = nullptr;
    QLabel *m_pointerDisplay = nullptr;
    QPushButton *m_htmlButton = nullptr; // "OK": Create HTML Code
    QPushButton *m_cancelButton = nullptr;
    QMenu *m_fileMenu = nullptr;
    QAction *m_openAction = nullptr;
    QAction *m_htmlAction = nullptr;
    QAction *m_openMapAction = nullptr;
    QAction *m_saveMapAction = nullptr;
    QAction *m_svgAction = nullptr;
    QAction *m_exitSeparator = nullptr;
    QAction *m_exitAction = nullptr;
    QMenu *m_optionsMenu = nullptr;
    QAction *m_invertAction = nullptr;
    QAction *m_circlesAction = nullptr;
    QPointer<HotspotDialog> m_hotspotDialog;
};

} // namespace imagemap
