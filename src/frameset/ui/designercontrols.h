#pragma once

namespace frameset {

// The designer window's controls that the tests and the help pictures find by object name.
enum class DesignerControl {
    Window,
    Surface,
    HintLine,
    SizeDisplay,
    BordersBox,
    ButtonRowLine,
    DesignArea,
    DesignCanvas,
    SplitButton,
    Cell,
    ScrollBarView,
    FileMenu,
    NewCommand,
    OpenCommand,
    SaveCommand,
    SaveAsCommand,
    HtmlCommand,
    ImportCommand,
    Html5Command,
    ExitCommand,
    EditMenu,
    UndoCommand,
    DesignMenu,
    RowSplitCommand,
    ColumnSplitCommand,
    PropertiesCommand,
    ResizeCommand,
    RemoveCommand,
    PreviewCommand,
    ClearCommand,
    HelpMenu,
    HelpCommand,
};

// The object name of `control`. The one table of these names is in designerwindow.cpp; the
// split buttons, cells and scroll-bar views share their name and are told apart by an "index"
// property.
const char *designerControlName(DesignerControl control);

} // namespace frameset
