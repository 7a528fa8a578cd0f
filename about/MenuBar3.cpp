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
    menus::AppendEditMenu(*this);
}
