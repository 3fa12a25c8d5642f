#pragma once

#include "launcher/followupclicks.h"
#include "launcher/launcherlayout.h"
#include "platform/units.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>

class QLabel;
class QAction;

namespace launcher {

// The launcher: three tool entries (icon and caption) and a File menu that opens the same
// tools. Each tool window exists at most once; opening it again brings it forward. Exit closes
// every tool window through its own close path, so a tool can still keep unsaved work.
class Bundle : public QMainWindow
{
    Q_OBJECT
public:
    using ToolFactory = std::function<QWidget *()>;

    explicit Bundle(QWidget *parent = nullptr);

    // What opens tool i (0 Panecraft, 1 Clearcoat, 2 Zonemark). The window it returns is
    // deleted when it closes, so the next opening starts a fresh one.
    void setToolFactory(int index, ToolFactory factory);

    // Opens tool i as a click on its entry does: busy pointer, show or bring forward, repaint.
    void openTool(int index);
    // Opens tool i as its File-menu command does.
    void showTool(int index);
    QWidget *toolWindow(int index) const;

    // Closes every tool window, then the launcher. Returns false, and leaves everything open,
    // when a tool window refuses to close.
    bool exitProgram();

    int highlightedEntry() const;
    QLabel *caption(int index) const { return m_captions[std::size_t(index)]; }
    QLabel *icon(int index) const { return m_icons[std::size_t(index)]; }
    const LauncherLayout &layoutInTwips() const { return m_layout; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void buildMenu();
    void layOut();
    void resetHighlight();
    void highlight(int index);
    void paintCaption(int index, bool highlighted);
    int entryOf(QObject *object) const;

    platform::TwipsScale m_scale;
    std::array<QLabel *, 3> m_icons{};
    std::array<QLabel *, 3> m_captions{};
    std::array<ToolFactory, 3> m_factories;
    std::array<QPointer<QWidget>, 3> m_tools;
    LauncherLayout m_layout;
    int m_highlighted = -1;
    bool m_exiting = false;
    FollowUpClicks *m_followUpClicks;
};

} // namespace launcher
