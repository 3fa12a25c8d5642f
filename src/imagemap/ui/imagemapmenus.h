#pragma once

class QAction;
class QMenu;
class QMenuBar;

namespace imagemap {

// The File and Options menus of the image-map window, with their shortcuts. The window connects
// the entries to what they do; the Help menu follows them.
struct ImageMapMenus
{
    // Adds both menus to the bar; the commands that need an image start disabled and Draw
    // Circles starts off.
    void build(QMenuBar *bar);
    // The object names the tests find the menus and their entries by.
    void setObjectNames();
    // An image is open: the commands that need one are enabled for good.
    void enableImageCommands();

    QMenu *file = nullptr;
    QAction *open = nullptr;
    QAction *openMap = nullptr;
    QAction *saveMap = nullptr;
    QAction *html = nullptr; // Create HTML Code
    QAction *exitSeparator = nullptr;
    QAction *exit = nullptr;
    QMenu *options = nullptr;
    QAction *invert = nullptr;
    QAction *circles = nullptr;
    QAction *svg = nullptr; // Copy SVG Map
};

} // namespace imagemap
