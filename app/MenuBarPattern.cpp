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

} // namespace menus
