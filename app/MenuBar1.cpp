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
    menus::AppendEditMenu(*this);
    menus::AppendItem(*this, "EditMenu", "EditSelectAll", "Select All", "Cmd+A");
}
