#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;

namespace giftool {

// The GIF tool's File and Options menus, put on a window's menu bar. Their commands are
// wired by the window; Save As starts disabled and so does the Options menu, until an image
// is open.
class GifToolMenus : public QObject
{
    Q_OBJECT
public:
    explicit GifToolMenus(QMainWindow *window);

    QMenu *fileMenu() const { return m_fileMenu; }
    QMenu *optionsMenu() const { return m_optionsMenu; }
    QAction *openAction() const { return m_openAction; }
    QAction *saveAction() const { return m_saveAction; }
    QAction *fileSeparator() const { return m_fileSeparator; }
    QAction *exitAction() const { return m_exitAction; }
    QAction *cancelTransparencyAction() const { return m_cancelTransparencyAction; }
    QAction *optionsSeparator() const { return m_optionsSeparator; }
    QAction *detailAction() const { return m_detailAction; }
    QAction *fullColourPngAction() const { return m_fullColourPngAction; }
    QAction *onlyConnectedAction() const { return m_onlyConnectedAction; }

private:
    QMenu *m_fileMenu = nullptr;
    QMenu *m_optionsMenu = nullptr;
    QAction *m_openAction = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_fileSeparator = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_cancelTransparencyAction = nullptr;
    QAction *m_optionsSeparator = nullptr;
    QAction *m_detailAction = nullptr;
    QAction *m_fullColourPngAction = nullptr;
    QAction *m_onlyConnectedAction = nullptr;
};

} // namespace giftool
