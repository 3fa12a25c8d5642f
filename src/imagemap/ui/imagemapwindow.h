#pragma once

#include "imagemap/core/hotspotdrawing.h"
#include "imagemap/core/imagemapstate.h"
#include "imagemap/ui/drawingrequests.h"
#include "imagemap/ui/imagemapmenus.h"
#include "imagemap/ui/mapcommands.h"
#include "imagemap/ui/pictureviewport.h"
#include "platform/filedialogs.h"
#include "platform/prompter.h"
#include "platform/units.h"

#include <QMainWindow>
#include <memory>

class QLabel;
class QPushButton;

namespace imagemap {

class PictureCanvas;
class HotspotDialog;

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

    // A page (.htm, .html) as Open Map opens it, anything else as Open does: what a drop and
    // the command line give.
    void openFile(const QString &path) { m_commands.openFile(path); }
    // The image component reported a selected rectangle (image pixels): it becomes a new shape
    // whose properties dialog is shown without blocking the window.
    void selectionNotified(int left, int top, int right, int bottom);

    const ImageMapState &state() const { return m_state; }
    const HotspotDrawing &drawing() const { return m_drawing; }
    // The path of the image shown; empty before the first successful Open.
    QString imagePath() const { return m_commands.imagePath(); }
    PictureCanvas *picture() const { return m_view->canvas(); }
    // The hotspot dialog while it is shown.
    HotspotDialog *hotspotDialog() const { return m_requests->shownDialog(); }
    // The largest viewport for the window's present size, in twips.
    QSize maxView() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Without a prompter or file dialogs given, the window makes and owns Qt's own.
    ImageMapWindow(platform::Prompter *prompter, platform::FileDialogs *dialogs, QWidget *parent);
    void buildControls();
    void connectMenus();
    // The object names the tests find the window's widgets and menu entries by.
    void setObjectNames();
    void layOut();
    // A new image has loaded: the hotspots go and the picture is shown from its top-left corner.
    void showOpenedImage(const QString &path, const QImage &image);
    void updatePointerDisplay();
    QSize windowTwips() const;

    std::unique_ptr<platform::Prompter> m_ownPrompter;
    std::unique_ptr<platform::FileDialogs> m_ownDialogs;
    platform::Prompter &m_prompter;
    platform::FileDialogs &m_fileDialogs;
    platform::TwipsScale m_scale;
    ImageMapState m_state;
    HotspotDrawing m_drawing;
    MapCommands m_commands;
    ImageMapMenus m_menus;
    QLabel *m_instructions = nullptr;
    std::unique_ptr<PictureViewport> m_view;
    QLabel *m_pointerDisplay = nullptr;
    QPushButton *m_htmlButton = nullptr; // "OK": Create HTML Code
    QPushButton *m_cancelButton = nullptr;
    // Declared after the state: the dialog it shows works on the state, so it goes first.
    std::unique_ptr<DrawingRequests> m_requests;
};

} // namespace imagemap
