#include "MenuBar1.h"

#include "MenuBarPattern.h"

MenuBar1::MenuBar1()
{
    Untitled1();
    Untitled2();
}

void MenuBar1::Untitled1()
{
    menus::AppendMenu(*this, "FileMenu", "&File");
    menus::AppendItem<rt::QuitMenuItem>(*this, "FileMenu", "FileQuit", "Quit", "Cmd+Q");
    menus::AppendItem<rt::AppleMenuItem>(*this, "FileMenu", "FileAbout", "About", "");
}

void MenuBar1::Untitled2()
{
    menus::AppendMenu(*this, "EditMenu", "&Edit");
    menus::AppendItem(*this, "EditMenu", "EditUndo", "&Undo", "Cmd+Z");
    menus::AppendItem(*this, "EditMenu", "UntitledMenu0", "-", std::nullopt);
    menus::AppendItem(*this, "EditMenu", "EditCut", "Cu&t", "Cmd+X");
    menus::AppendItem(*this, "EditMenu", "EditCopy", "&Copy", "Cmd+C");
    menus::AppendItem(*this, "EditMenu", "EditPaste", "&Paste", "Cmd+V");
    menus::AppendItem(*this, "EditMenu", "EditClear", "Clear", "");
    menus::AppendItem(*this, "EditMenu", "EditSelectAll", "Select All", "Cmd+A");
}
