#include "imagemap/ui/imagemapmenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace imagemap {

void ImageMapMenus::build(QMenuBar *bar)
{
    file = bar->addMenu(QStringLiteral("&File"));
    open = file->addAction(QStringLiteral("&Open"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    openMap = file->addAction(QStringLiteral("Open &Map"));
    openMap->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    saveMap = file->addAction(QStringLiteral("Save Map &As"));
    saveMap->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    saveMap->setEnabled(false);
    html = file->addAction(QStringLiteral("Create &HTML Code"));
    html->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    html->setEnabled(false);
    exitSeparator = file->addSeparator();
    exit = file->addAction(QStringLiteral("E&xit"));

    options = bar->addMenu(QStringLiteral("&Options"));
    invert = options->addAction(QStringLiteral("&Invert Image"));
    invert->setEnabled(false);
    // Off at start, so a plain drag outlines a rectangle as it always has.
    circles = options->addAction(QStringLiteral("Draw &Circles"));
    circles->setCheckable(true);
    circles->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    svg = options->addAction(QStringLiteral("Copy &SVG Map"));
    svg->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    svg->setEnabled(false);
}

void ImageMapMenus::setObjectNames()
{
    file->setObjectName(QStringLiteral("mnuFile"));
    open->setObjectName(QStringLiteral("mnuOpen"));
    openMap->setObjectName(QStringLiteral("mnuOpenMap"));
    saveMap->setObjectName(QStringLiteral("mnuSaveMap"));
    svg->setObjectName(QStringLiteral("mnuSvgMap"));
    html->setObjectName(QStringLiteral("mnuHTML"));
    exitSeparator->setObjectName(QStringLiteral("dash1"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    invert->setObjectName(QStringLiteral("mnuInvert"));
    circles->setObjectName(QStringLiteral("mnuCircles"));
}

void ImageMapMenus::enableImageCommands()
{
    invert->setEnabled(true);
    html->setEnabled(true);
    saveMap->setEnabled(true);
    svg->setEnabled(true);
}

} // namespace imagemap
