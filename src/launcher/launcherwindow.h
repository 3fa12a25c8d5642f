#pragma once

#include "launcher/followupclicks.h"
#include "launcher/launcherlayout.h"
#include "launcher/tool.h"
#include "platform/units.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <optional>

class QLabel;
class QAction;
class QMenu;

namespace launcher {

// The launcher: three tool entries (icon and caption) and a File menu that opens the same
// tools. Each tool window exists at most once; opening it again brings it forward. Exit closes
// every tool window through its own close path, so a tool can still keep unsaved work.
class LauncherWindow : public QMainWindow
{
    Q_OBJECT
public:
    using ToolFactory = std::function<QWidget *()>;

    explicit LauncherWindow(QWidget *parent = nullptr);

    // What opens the tool. The window it returns is deleted when it closes, so the next
    // opening starts a fresh one.
    void setToolFactory(Tool tool, ToolFactory factory);

    // Opens the tool as a click on its entry does: busy pointer, show or bring forward, repaint.
    void openTool(Tool tool);
    // Opens the tool as its File-menu command does.
    void showTool(Tool tool);
    QWidget *toolWindow(Tool tool) const;

    // Closes every tool window, then the launcher. Returns false, and leaves everything open,
    // when a tool window refuses to close.
    bool exitProgram();

    // The tool whose entry is highlighted, if any.
    std::optional<Tool> highlightedTool() const { return m_highlighted; }
    QLabel *caption(Tool tool) const { return m_captions[entryIndex(tool)]; }
    QLabel *icon(Tool tool) const { return m_icons[entryIndex(tool)]; }
    const LauncherLayout &layoutInTwips() const { return m_layout; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void buildEntries();
    void buildMenu();
    // The object names the tests find the launcher's widgets and menu entries by.
    void setObjectNames();
    void layOut();
    void resetHighlight();
    void highlight(Tool tool);
    void paintCaption(Tool tool, bool highlighted);
    // The tool whose icon or caption the object is.
    std::optional<Tool> toolOf(QObject *object) const;

    platform::TwipsScale m_scale;
    QLabel *m_instructions = nullptr;
    std::array<QLabel *, 3> m_icons{};
    std::array<QLabel *, 3> m_captions{};
    QMenu *m_fileMenu = nullptr;
    std::array<QAction *, 3> m_openActions{};
    QAction *m_exitSeparator = nullptr;
    QAction *m_exitAction = nullptr;
    std::array<ToolFactory, 3> m_factories;
    std::array<QPointer<QWidget>, 3> m_tools;
    LauncherLayout m_layout;
    std::optional<Tool> m_highlighted;
    bool m_exiting = false;
    FollowUpClicks *m_followUpClicks;
};

} // namespace launcher
