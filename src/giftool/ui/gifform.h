#pragma once

#include "giftool/core/gifdocument.h"
#include "giftool/ui/refreshingprompter.h"
#include "platform/filedialogs.h"
#include "platform/prompter.h"
#include "platform/units.h"

#include <QMainWindow>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QScrollBar;

namespace giftool {

class BackgroundFrame;
class DetailPanel;
class ImageToolbar;

// The filter of the open and save dialogs.
inline QString OpenFilter()
{
    return QStringLiteral("GIF 87a and 89a Files(*.gif)|*.gif|Bitmap Files(*.bmp)|*.bmp|JPEG "
                          "Files(*.jpg)|*.jpg|TIFF Files(*.tif)|*.tif|PCX Files(*.pcx)|*.pcx");
}

// The open dialog's file name, so that all five types are listed.
inline QString OpenPattern()
{
    return QStringLiteral("*.bmp;*.gif;*.jpg;*.tif;*.pcx");
}

// The caption while no image is open.
inline QString gifFormCaption()
{
    return QStringLiteral("Clearcoat ");
}

// Clearcoat, the GIF transparency tool: opens an image, brings it to a 256-entry palette and
// shows it; a click on the picture selects the background, the "Background" frame recolors
// it, and Save As writes a GIF89a whose background index is transparent. The window wires its
// controls to a GifDocument, which holds the image, the working files and the selection.
class GIFForm : public QMainWindow
{
    Q_OBJECT
public:
    // A window that asks through message boxes and the platform's file dialogs and keeps its
    // working files where WorkingFiles::locate() puts them.
    explicit GIFForm(QWidget *parent = nullptr);
    // A window that asks through the given prompter and file dialogs, which must outlive it;
    // without files given, the working files are located as above.
    GIFForm(platform::Prompter &prompter, platform::FileDialogs &dialogs,
        std::optional<WorkingFiles> files = std::nullopt, QWidget *parent = nullptr);
    ~GIFForm() override;

    // Open Image: asks for a GIF, BMP, JPEG, TIFF or PCX file, brings it to 256 colors and
    // shows it, ready for a click on the background. Any selection is forgotten first.
    void OpenImage();
    // Save As: after the questions about the selection, asks for a name and saves the picture
    // there; a ".gif" name gives a GIF89a with the background transparent. A save ends the
    // work on the image. Does nothing while no image is shown.
    void SaveTransparentGif();
    // Cancel Transparency: switches the transparency of the last file opened or saved off,
    // after a question.
    void CancelTransparency();
    // A mouse press on the picture at (x, y) twips of the picture.
    void SelectBackground(int x, int y);
    // A click on Backgroundbutton(index) (or Colorsample(index)).
    void ConvertBackground(int index);
    // Options > Detail: shows the color detail panel in front of the picture.
    void showDetail();

    const GifDocument &document() const { return m_document; }
    // Whether a picture is shown, that is open and not yet saved.
    bool hasImage() const { return m_imageShown; }
    // The file Cancel Transparency works on: the last one opened or saved; empty before.
    QString lastFile() const { return m_lastFile; }
    platform::TwipsScale scale() const { return m_scale; }
    // MaxViewWidth and MaxViewHeight for the window's present size, in twips.
    QSize maxView() const;

    QLabel *picture() const { return m_picture; }
    QWidget *viewport() const { return m_viewport; }
    QScrollBar *horizontalBar() const { return m_hScroll; }
    QScrollBar *verticalBar() const { return m_vScroll; }
    ImageToolbar *toolbar() const { return m_toolbar; }
    QLabel *comments() const { return m_comments; }
    QLabel *instructions() const { return m_instructions; }
    BackgroundFrame *backgroundFrame() const { return m_frame; }
    DetailPanel *detailPanel() const { return m_detail; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Without a prompter or file dialogs given, the window makes and owns Qt's own.
    GIFForm(platform::Prompter *prompter, platform::FileDialogs *dialogs,
        std::optional<WorkingFiles> files, QWidget *parent);
    void buildControls();
    void buildMenus();
    void setHint(QWidget *widget, const QString &hint);
    void layOut();
    void layOutViewport();
    void showState();
    void showPicture();
    void openFailed(const QString &message, platform::MessageIcon icon);
    void toolbarClicked(int button);
    QSize windowTwips() const;

    std::unique_ptr<platform::Prompter> m_ownPrompter;
    std::unique_ptr<platform::FileDialogs> m_ownDialogs;
    // Message boxes go through m_prompter, which first brings the window up to date.
    RefreshingPrompter m_prompter;
    platform::FileDialogs &m_fileDialogs;
    platform::TwipsScale m_scale;
    QString m_workingFilesError;
    GifDocument m_document;
    bool m_imageShown = false;
    qint64 m_shownPicture = 0;
    // The name the file dialogs offer next: the last one chosen in either.
    QString m_dialogName;
    QString m_lastFile;

    QWidget *m_surface = nullptr;
    ImageToolbar *m_toolbar = nullptr;
    QLabel *m_comments = nullptr;
    QWidget *m_line = nullptr;
    QLabel *m_instructions = nullptr;
    BackgroundFrame *m_frame = nullptr;
    QWidget *m_viewport = nullptr;
    QLabel *m_picture = nullptr;
    QScrollBar *m_hScroll = nullptr;
    QScrollBar *m_vScroll = nullptr;
    DetailPanel *m_detail = nullptr;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_optionsMenu = nullptr;
    QAction *m_saveAction = nullptr;
};

} // namespace giftool
