#include "giftool/ui/backgroundframe.h"
#include "giftool/ui/detailpanel.h"
#include "giftool/ui/giftoolmenus.h"
#include "giftool/ui/giftoolwindow.h"
#include "giftool/ui/hintline.h"
#include "giftool/ui/imagetoolbar.h"
#include "giftool/ui/pictureview.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>

namespace giftool {

// The object names by which the tests find the window's widgets, all in this one place.
void GifToolWindow::nameWidgetsForTests()
{
    const auto name = [](QObject *object, const char *objectName, int index = -1) {
        object->setObjectName(QLatin1String(objectName));
        if (index >= 0)
            object->setProperty("index", index);
    };
    name(this, "GIFForm");
    name(m_surface, "GIFFormSurface");
    name(m_hintLine->label(), "Comments");
    name(m_separator, "Line1");
    name(m_instructionLine, "Instructions");
    name(m_backgroundFrame, "Frame1");
    name(m_backgroundFrame->selectedCaption(), "Label2");
    name(m_backgroundFrame->indexBox(), "Backgroundbox");
    name(m_backgroundFrame->changeToCaption(), "Label1");
    for (int i = 0; i < 4; ++i)
        name(m_backgroundFrame->button(ConversionButton(i)), "Backgroundbutton", i);
    for (int k = 0; k < 2; ++k) {
        name(m_backgroundFrame->swatch(k), "Colorsample", k);
        name(m_detailPanel->colorIndex(k), "Colorindex", k);
        name(m_detailPanel->colorValue(k), "Clrlong", k);
        for (int part = 0; part < 3; ++part)
            name(m_detailPanel->rgb(k, part), k == 0 ? "RGB1" : "RGB2", part);
    }
    name(m_pictureView->viewport(), "Parent");
    name(m_pictureView->picture(), "Picture1");
    name(m_pictureView->horizontalBar(), "HScroll1");
    name(m_pictureView->verticalBar(), "VScroll1");
    name(m_detailPanel, "Frame2");
    name(m_detailPanel->closeButton(), "Command1");
    // The toolbar buttons are 1 to 3, their raised faces 21 to 23 and pressed faces 41 to 43.
    for (int i = 0; i < ToolbarButtonCount; ++i) {
        name(m_toolbar->button(toolbarButtonAt(i)), "Thebutton", i + 1);
        name(m_toolbar->raisedFace(toolbarButtonAt(i)), "Thebutton", i + 21);
        name(m_toolbar->pressedFace(toolbarButtonAt(i)), "Thebutton", i + 41);
    }
    name(m_toolbar->tip(), "Yellowbox");
    name(m_menus->fileMenu(), "mnuFile");
    name(m_menus->openAction(), "submenuopen");
    name(m_menus->saveAction(), "mnuSaveAS");
    name(m_menus->fileSeparator(), "mnudash");
    name(m_menus->exitAction(), "mnuExit");
    name(m_menus->optionsMenu(), "mnuOptions");
    name(m_menus->cancelTransparencyAction(), "mnuDeleteTrans");
    name(m_menus->optionsSeparator(), "dash31");
    name(m_menus->detailAction(), "mnuDetail");
    name(m_menus->fullColourPngAction(), "mnuFullColourPng");
    name(m_menus->onlyConnectedAction(), "mnuOnlyConnected");
}

} // namespace giftool
