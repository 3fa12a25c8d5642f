#include "giftool/ui/giftoolmenus.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace giftool {

GifToolMenus::GifToolMenus(QMainWindow *window)
    : QObject(window)
{
    m_fileMenu = window->menuBar()->addMenu(QStringLiteral("&File"));
    m_openAction = m_fileMenu->addAction(QStringLiteral("&Open Image"));
    m_openAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_saveAction = m_fileMenu->addAction(QStringLiteral("Save &As"));
    m_saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    m_saveAction->setEnabled(false);
    m_fileSeparator = m_fileMenu->addSeparator();
    m_exitAction = m_fileMenu->addAction(QStringLiteral("E&xit"), window, &QWidget::close);

    m_optionsMenu = window->menuBar()->addMenu(QStringLiteral("&Options"));
    m_optionsMenu->menuAction()->setEnabled(false);
    m_cancelTransparencyAction = m_optionsMenu->addAction(QStringLiteral("&Cancel Transparency"));
    m_optionsSeparator = m_optionsMenu->addSeparator();
    m_detailAction = m_optionsMenu->addAction(QStringLiteral("&Detail"));
    m_optionsMenu->addSeparator();
    m_fullColourPngAction = m_optionsMenu->addAction(QStringLiteral("Keep Full &Colour in PNG"));
    m_fullColourPngAction->setCheckable(true);
    m_onlyConnectedAction = m_optionsMenu->addAction(QStringLiteral("Only &Connected Background"));
    m_onlyConnectedAction->setCheckable(true);
}

} // namespace giftool
