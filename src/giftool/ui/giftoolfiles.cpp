#include "giftool/ui/giftoolfiles.h"

#include "giftool/core/saverules.h"
#include "giftool/ui/giftoolwindow.h"

#include <QFileInfo>

namespace giftool {

QString GifToolFiles::chooseImage()
{
    platform::FileDialogRequest request;
    request.filter = openFilter();
    request.fileName = openPattern();
    if (!m_dialogName.isEmpty())
        request.directory = QFileInfo(m_dialogName).absolutePath();
    return m_dialogs.openFile(request);
}

QString GifToolFiles::chooseSaveName()
{
    platform::FileDialogRequest request;
    request.filter = saveFilter();
    request.fileName = offeredSaveName(m_dialogName);
    // The offered name is normally the opened image's own as a GIF: the dialog asks before
    // replacing it.
    request.confirmOverwrite = true;
    return m_dialogs.saveFile(request);
}

} // namespace giftool
