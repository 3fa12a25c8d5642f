#pragma once

#include "imagemap/core/hotspotdrawing.h"
#include "imagemap/core/imagemapstate.h"
#include "platform/prompter.h"

#include <QPointer>

class QWidget;

namespace imagemap {

class HotspotDialog;

// Carries out what the drawing asks of the image-map window: tells the drawing's notices,
// shows the properties dialog (modally, or without blocking the window) or closes it, and
// closes the window. The dialog works on the window's state, so it goes before the state does.
class DrawingRequests
{
public:
    // window: the image-map window, parent of the dialog; picture: the picture the drawing is
    // on, which is repainted after every request and takes the focus back from the dialog.
    DrawingRequests(
        ImageMapState &state, platform::Prompter &prompter, QWidget *window, QWidget *picture);
    ~DrawingRequests();

    void carryOut(const DrawingResult &result);
    // The dialog while it is shown.
    HotspotDialog *shownDialog() const;
    // Closes the shown dialog as its Cancel would; nothing when none is shown.
    void closeDialog();

private:
    void showDialog(bool modal);
    void dialogClosed();

    ImageMapState &m_state;
    platform::Prompter &m_prompter;
    QWidget *m_window = nullptr;
    QWidget *m_picture = nullptr;
    QPointer<HotspotDialog> m_dialog;
};

} // namespace imagemap
