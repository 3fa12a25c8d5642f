#pragma once

#include "giftool/core/gifdocument.h"
#include "giftool/ui/giftoolcontrols.h"
#include "giftool/ui/giftoolfiles.h"
#include "giftool/ui/giftoolpresenter.h"
#include "giftool/ui/refreshingprompter.h"
#include "giftool/ui/toolbarbutton.h"
#include "platform/busycursor.h"
#include "platform/filedialogs.h"
#include "platform/prompter.h"
#include "platform/units.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

namespace giftool {

class GifToolMenus;
class GifToolWindow;

// Gives the window's widgets the object names by which the tests find them, all in one place.
void nameGifToolWidgets(
    GifToolWindow *window, const GifToolControls &controls, GifToolMenus *menus);

// The filter of the open and save dialogs.
inline QString openFilter()
{
    return QStringLiteral("GIF 87a and 89a Files(*.gif)|*.gif|Bitmap Files(*.bmp)|*.bmp|JPEG "
                          "Files(*.jpg)|*.jpg|TIFF Files(*.tif)|*.tif|PCX Files(*.pcx)|*.pcx");
}

// The filter of the save dialog: the open dialog's types and transparent PNG.
inline QString saveFilter()
{
    return openFilter() + QStringLiteral("|PNG Files(*.png)|*.png");
}

// The extensions of the pictures the window opens, as a drop offers them.
inline QStringList imageExtensions()
{
    return {QStringLiteral("gif"), QStringLiteral("bmp"), QStringLiteral("jpg"),
        QStringLiteral("jpeg"), QStringLiteral("tif"), QStringLiteral("tiff"),
        QStringLiteral("pcx"), QStringLiteral("png")};
}

// The open dialog's file name, so that all five types are listed.
inline QString openPattern()
{
    return QStringLiteral("*.bmp;*.gif;*.jpg;*.tif;*.pcx");
}

// The caption while no image is open.
inline QString gifToolCaption()
{
    return QStringLiteral("Clearcoat ");
}

// The caption while the image at path is open; an animation's also says how many frames it has.
QString openedCaption(const QString &path, int frameCount);

// Clearcoat, the GIF transparency tool: opens an image, brings it to a 256-entry palette and
// shows it; a click on the picture selects the background, the "Background" frame recolors
// it, and Save As writes a GIF89a whose background index is transparent. The window wires its
// controls to a GifDocument, which holds the image, the working files and the selection.
class GifToolWindow : public QMainWindow
{
    Q_OBJECT
public:
    // A window that asks through message boxes and the platform's file dialogs and keeps its
    // working files where WorkingFiles::locate() puts them.
    explicit GifToolWindow(QWidget *parent = nullptr);
    // A window that asks through the given prompter and file dialogs, which must outlive it;
    // without files given, the working files are located as above.
    GifToolWindow(platform::Prompter &prompter, platform::FileDialogs &dialogs,
        std::optional<WorkingFiles> files = std::nullopt, QWidget *parent = nullptr);
    ~GifToolWindow() override;

    // Open Image: asks for a GIF, BMP, JPEG, TIFF or PCX file, brings it to 256 colors and
    // shows it, ready for a click on the background. Any selection is forgotten first.
    void openImage();
    // Opens the image at path as Open Image does once its dialog has given that path: a file
    // dropped on the window, or named on the command line.
    void openImageFile(const QString &path);
    // Save As: after the questions about the selection, asks for a name and saves the picture
    // there; a ".gif" name gives a GIF89a with the background transparent. A save ends the
    // work on the image. Does nothing while no image is shown.
    void saveTransparentGif();
    // Cancel Transparency: switches the transparency of the last file opened or saved off,
    // after a question.
    void cancelTransparency();
    // A mouse press on the picture's pixel.
    void pickBackground(QPoint pixel);
    // A click on a conversion button of the Background frame.
    void convertBackground(ConversionButton button);
    // A click on swatch k of the Background frame.
    void clickSwatch(int k);
    // Options > Detail: shows the color detail panel in front of the picture.
    void showDetail();

    const GifDocument &document() const { return m_document; }
    // Whether a picture is shown, that is open and not yet saved.
    bool hasImage() const { return m_imageShown; }
    // The file Cancel Transparency works on: the last one opened or saved; empty before.
    QString lastFile() const { return m_files.lastFile(); }
    platform::TwipsScale scale() const { return m_scale; }
    // The largest viewport for the window's present size, in twips.
    QSize maxView() const;
    const GifToolControls &controls() const { return m_controls; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Without a prompter or file dialogs given, the window makes and owns Qt's own.
    GifToolWindow(platform::Prompter *prompter, platform::FileDialogs *dialogs,
        std::optional<WorkingFiles> files, QWidget *parent);
    void connectControls();
    void buildMenus();
    void layOut();
    void showState();
    bool openChosenImage(const QString &chosen);
    // Open Image with the file `choose` gives (empty: cancelled).
    void openImageFrom(const std::function<QString()> &choose);
    void openFailed(const QString &message);
    void toolbarClicked(ToolbarButton button);

    std::unique_ptr<platform::Prompter> m_ownPrompter;
    std::unique_ptr<platform::FileDialogs> m_ownDialogs;
    // The busy pointer while a conversion works; any message ends it first.
    std::optional<platform::BusyCursor> m_busy;
    // Message boxes go through m_prompter, which first brings the window up to date.
    RefreshingPrompter m_prompter;
    GifToolPresenter m_presenter{m_prompter};
    GifToolFiles m_files;
    platform::TwipsScale m_scale;
    QString m_workingFilesError;
    GifDocument m_document;
    bool m_imageShown = false;
    GifToolControls m_controls;
    GifToolMenus *m_menus = nullptr;
};

} // namespace giftool
