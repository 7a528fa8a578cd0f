// How every menu bar of the program builds itself: each menu, then each of
// its items, complete and appended before the next is created.
#pragma once

#include "rt/Menu.h"

#include <memory>
#include <optional>
#include <string>

namespace menus {

// One shared instance per menu-bar class: built on first use, dropped by the
// module finalisation at exit.
template <class Bar>
class SharedMenuBar : public rt::MenuBar {
public:
    static rt::Ref<Bar> Instance()
    {
        if (!Shared())
            Shared() = rt::Ref<Bar>(std::make_shared<Bar>());
        return Shared();
    }
    static void Release() { Shared().Clear(); }

protected:
    SharedMenuBar() : rt::MenuBar(Bar::kClassName) {}

private:
    static rt::Ref<Bar>& Shared()
    {
        static rt::Ref<Bar> shared;
        return shared;
    }
};

// Creates the menu itself and appends it to the bar.
void AppendMenu(rt::MenuBar& bar, const std::string& name, const std::string& text);

// Creates an item of class Item and appends it to the bar's menu of that name.
// A separator gets no shortcut; "set empty" is the empty shortcut.
template <class Item = rt::MenuItem>
void AppendItem(rt::MenuBar& bar, const std::string& menuName, const std::string& name, const std::string& text,
                std::optional<std::string> shortcut)
{
    rt::Ref<rt::MenuItem> item(std::make_shared<Item>());
    item->SetName(name);
    item->SetAutoEnable(true);
    item->SetText(text);
    if (shortcut)
        item->SetKeyboardShortcut(*shortcut);
    bar.Child(menuName)->Append(item);
}

// The Edit menu that both menu bars share, Undo to Clear; a bar that has
// more Edit items appends them after these.
void AppendEditMenu(rt::MenuBar& bar);

} // namespace menus
