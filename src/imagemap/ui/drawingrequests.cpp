#include "imagemap/ui/drawingrequests.h"

#include "imagemap/ui/hotspotdialog.h"
#include "imagemap/ui/imagemapmessages.h"

#include <QLineEdit>

namespace imagemap {

DrawingRequests::DrawingRequests(
    ImageMapState &state, platform::Prompter &prompter, QWidget *window, QWidget *picture)
    : m_state(state)
    , m_prompter(prompter)
    , m_window(window)
    , m_picture(picture)
{ }

DrawingRequests::~DrawingRequests()
{
    delete m_dialog.data();
}

void DrawingRequests::carryOut(const DrawingResult &result)
{
    tellDrawingNotices(m_prompter, result.notices);
    switch (result.action) {
    case DrawingAction::None:
        break;
    case DrawingAction::ShowDialog:
        showDialog(true);
        break;
    case DrawingAction::ShowDialogModeless:
        showDialog(false);
        break;
    case DrawingAction::CloseDialog:
        closeDialog();
        break;
    case DrawingAction::CloseWindow:
        m_window->close();
        return;
    }
    m_picture->update();
}

void DrawingRequests::showDialog(bool modal)
{
    auto *dialog
        = new HotspotDialog(m_state, m_prompter, m_window->frameGeometry().top(), m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_dialog = dialog;
    QObject::connect(dialog, &QDialog::finished, m_window, [this] { dialogClosed(); });
    if (modal) {
        dialog->exec();
        return;
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    dialog->entry(HotspotDialog::Field::Url)->setFocus(Qt::OtherFocusReason);
}

void DrawingRequests::dialogClosed()
{
    m_picture->update();
    // Drawing goes on where it stopped: the next polygon's Ctrl release must reach the picture.
    if (m_window->isVisible()) {
        m_window->activateWindow();
        m_picture->setFocus(Qt::OtherFocusReason);
    }
}

HotspotDialog *DrawingRequests::shownDialog() const
{
    return m_dialog && m_dialog->isVisible() ? m_dialog.data() : nullptr;
}

void DrawingRequests::closeDialog()
{
    if (HotspotDialog *dialog = shownDialog())
        dialog->reject();
}

} // namespace imagemap
