#pragma once

#include <cstddef>

namespace Quillwright {

// The main window's menu commands in menu order; each is a QAction whose
// object name is its menu entry's name (Command::FileOpen is "mnuFileOpen").
enum class Command {
    FileNew,
    FileOpen,
    FileClose,
    FileSave,
    FileSaveAs,
    FileSaveAll,
    Publish,
    FileProperties,
    FilePageSetup,
    FilePrintPreview,
    FilePrint,
    FileSend,
    FileExit,
    EditUndo,
    EditCut,
    EditCopy,
    EditPaste,
    EditPasteSpecial,
    ViewToolbar,
    ViewStatusBar,
    ViewRefresh,
    ViewOptions,
    ViewWebBrowser,
    ToolsOptions,
    WindowNewWindow,
    WindowCascade,
    WindowTileHorizontal,
    WindowTileVertical,
    WindowArrangeIcons,
    HelpContents,
    HelpSearchForHelpOn,
    HelpAbout,
    Count
};

// The menus of the menu bar, in its order.
enum class Menu { File, Edit, View, Tools, Window, Help, Count };

// The buttons of the toolbar tbToolBar, each with the key its click passes
// to tbToolBar_ButtonClick ("New", ..., "undo", ..., "cmd").
enum class ToolButton { New, Open, Save, Print, Undo, Cut, Copy, Paste, Find, Cmd, Count };

inline constexpr std::size_t CommandCount = std::size_t(Command::Count);
inline constexpr std::size_t MenuCount = std::size_t(Menu::Count);
inline constexpr std::size_t ToolButtonCount = std::size_t(ToolButton::Count);

} // namespace Quillwright
