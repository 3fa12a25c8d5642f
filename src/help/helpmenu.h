#pragma once

#include "platform/prompter.h"

#include <QString>

class QMainWindow;
class QMenu;

namespace help {

// The three Help commands every tool window offers, with each tool's own names and captions;
// each tool declares its own.
struct HelpMenuSpec
{
    const char *menuName; // object name of the menu
    const char *helpItemName;
    QString helpItemCaption;
    QString helpFile; // file name in the application directory
    bool techInfoWithBlank; // "Application: " + title + " " + date, or without the blank
    platform::MessageIcon techInfoIcon;
};

// The TechInfo text of a tool.
QString techInfoText(const HelpMenuSpec &spec);

// Shows the tool's help file in the help viewer.
void showOnlineHelp(const HelpMenuSpec &spec);

// Adds the "&Help" menu to a tool window: online help (also on F1), TechInfo (through the
// window's prompter) and Technical Support.
QMenu *addHelpMenu(QMainWindow *window, const HelpMenuSpec &spec, platform::Prompter &prompter);

} // namespace help
