#include "MenuBar3.h"

#include "MenuBarPattern.h"

MenuBar3::MenuBar3()
{
    Untitled1();
    Untitled2();
}

void MenuBar3::Untitled1()
{
    menus::AppendMenu(*this, "FileMenu", "&File");
    menus::AppendItem<rt::QuitMenuItem>(*this, "FileMenu", "FileQuit", "Quit", "Cmd+Q");
    menus::AppendItem(*this, "FileMenu", "FileSavetheLogo", "Save the Logo", "Cmd+S");
}

void MenuBar3::Untitled2()
{
    menus::AppendMenu(*this, "EditMenu", "&Edit");
    menus::AppendItem(*this, "EditMenu", "EditUndo", "&Undo", "Cmd+Z");
    menus::AppendItem(*this, "EditMenu", "UntitledMenu0", "-", std::nullopt);
    menus::AppendItem(*this, "EditMenu", "EditCut", "Cu&t", "Cmd+X");
    menus::AppendItem(*this, "EditMenu", "EditCopy", "&Copy", "Cmd+C");
    menus::AppendItem(*this, "EditMenu", "EditPaste", "&Paste", "Cmd+V");
    menus::AppendItem(*this, "EditMenu", "EditClear", "Clear", "");
}
