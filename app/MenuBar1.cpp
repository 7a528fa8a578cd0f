#include "MenuBar1.h"

#include "MenuBarPattern.h"

namespace {
rt::Ref<MenuBar1> g_shared;
}

MenuBar1::MenuBar1() : rt::MenuBar(kClassName)
{
    Untitled1();
    Untitled2();
}

rt::Ref<MenuBar1> MenuBar1::Instance()
{
    if (!g_shared)
        g_shared = rt::Ref<MenuBar1>(std::make_shared<MenuBar1>());
    return g_shared;
}

void MenuBar1::Release()
{
    g_shared.Clear();
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
