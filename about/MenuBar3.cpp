#include "MenuBar3.h"

#include "MenuBarPattern.h"

namespace {
rt::Ref<MenuBar3> g_shared;
}

MenuBar3::MenuBar3() : rt::MenuBar(kClassName)
{
    Untitled1();
    Untitled2();
}

rt::Ref<MenuBar3> MenuBar3::Instance()
{
    if (!g_shared)
        g_shared = rt::Ref<MenuBar3>(std::make_shared<MenuBar3>());
    return g_shared;
}

void MenuBar3::Release()
{
    g_shared.Clear();
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
