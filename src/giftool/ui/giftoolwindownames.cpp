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
namespace {

void name(QObject *object, const char *objectName, int index = -1)
{
    object->setObjectName(QLatin1String(objectName));
    if (index >= 0)
        object->setProperty("index", index);
}

void nameMenus(GifToolMenus *menus)
{
    name(menus->fileMenu(), "mnuFile");
    name(menus->openAction(), "submenuopen");
    name(menus->saveAction(), "mnuSaveAS");
    name(menus->fileSeparator(), "mnudash");
    name(menus->exitAction(), "mnuExit");
    name(menus->optionsMenu(), "mnuOptions");
    name(menus->cancelTransparencyAction(), "mnuDeleteTrans");
    name(menus->optionsSeparator(), "dash31");
    name(menus->detailAction(), "mnuDetail");
    name(menus->fullColourPngAction(), "mnuFullColourPng");
    name(menus->onlyConnectedAction(), "mnuOnlyConnected");
}

} // namespace

void nameGifToolWidgets(GifToolWindow *window, const GifToolControls &controls, GifToolMenus *menus)
{
    const GifToolControls &c = controls;
    name(window, "GIFForm");
    name(c.surface, "GIFFormSurface");
    name(c.hintLine->label(), "Comments");
    name(c.separator, "Line1");
    name(c.instructionLine, "Instructions");
    name(c.backgroundFrame, "Frame1");
    name(c.backgroundFrame->selectedCaption(), "Label2");
    name(c.backgroundFrame->indexBox(), "Backgroundbox");
    name(c.backgroundFrame->changeToCaption(), "Label1");
    for (int i = 0; i < 4; ++i)
        name(c.backgroundFrame->button(ConversionButton(i)), "Backgroundbutton", i);
    for (int k = 0; k < 2; ++k) {
        name(c.backgroundFrame->swatch(k), "Colorsample", k);
        name(c.detailPanel->colourIndex(k), "Colorindex", k);
        name(c.detailPanel->colourValue(k), "Clrlong", k);
        for (int part = 0; part < 3; ++part)
            name(c.detailPanel->rgb(k, part), k == 0 ? "RGB1" : "RGB2", part);
    }
    name(c.pictureView->viewport(), "Parent");
    name(c.pictureView->picture(), "Picture1");
    name(c.pictureView->horizontalBar(), "HScroll1");
    name(c.pictureView->verticalBar(), "VScroll1");
    name(c.detailPanel, "Frame2");
    name(c.detailPanel->closeButton(), "Command1");
    // The toolbar buttons are 1 to 3, their raised faces 21 to 23 and pressed faces 41 to 43.
    for (int i = 0; i < ToolbarButtonCount; ++i) {
        name(c.toolbar->button(toolbarButtonAt(i)), "Thebutton", i + 1);
        name(c.toolbar->raisedFace(toolbarButtonAt(i)), "Thebutton", i + 21);
        name(c.toolbar->pressedFace(toolbarButtonAt(i)), "Thebutton", i + 41);
    }
    name(c.toolbar->tip(), "Yellowbox");
    nameMenus(menus);
}

} // namespace giftool
