#include "MenuBarPattern.h"

namespace menus {

void AppendMenu(rt::MenuBar& bar, const std::string& name, const std::string& text)
{
    rt::Ref<rt::MenuItem> menu(std::make_shared<rt::MenuItem>());
    menu->SetName(name);
    menu->SetAutoEnable(true);
    menu->SetText(text);
    menu->SetKeyboardShortcut("");
    bar.Append(menu);
}

void AppendEditMenu(rt::MenuBar& bar)
{
    AppendMenu(bar, "EditMenu", "&Edit");
    AppendItem(bar, "EditMenu", "EditUndo", "&Undo", "Cmd+Z");
    AppendItem(bar, "EditMenu", "UntitledMenu0", "-", std::nullopt);
    AppendItem(bar, "EditMenu", "EditCut", "Cu&t", "Cmd+X");
    AppendItem(bar, "EditMenu", "EditCopy", "&Copy", "Cmd+C");
    AppendItem(bar, "EditMenu", "EditPaste", "&Paste", "Cmd+V");
    AppendItem(bar, "EditMenu", "EditClear", "Clear", "");
}

} // namespace menus
