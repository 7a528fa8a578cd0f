// The base of every window of the program: accessors of its menu items, each
// returning the item of its name below the window's menu bar, or nothing.
#pragma once

#include "rt/Menu.h"
#include "rt/Window.h"

// The items that both menu bars have.
class MenuWindow : public rt::Window {
public:
    using rt::Window::Window;

    rt::Ref<rt::MenuItem> EditMenu() const { return Item("EditMenu"); }
    rt::Ref<rt::MenuItem> EditClear() const { return Item("EditClear"); }
    rt::Ref<rt::MenuItem> EditPaste() const { return Item("EditPaste"); }
    rt::Ref<rt::MenuItem> EditCopy() const { return Item("EditCopy"); }
    rt::Ref<rt::MenuItem> EditCut() const { return Item("EditCut"); }
    rt::Ref<rt::MenuItem> UntitledMenu0() const { return Item("UntitledMenu0"); }
    rt::Ref<rt::MenuItem> EditUndo() const { return Item("EditUndo"); }
    rt::Ref<rt::MenuItem> FileMenu() const { return Item("FileMenu"); }
    rt::Ref<rt::QuitMenuItem> FileQuit() const { return rt::CheckCast<rt::QuitMenuItem>(Item("FileQuit")); }

protected:
    rt::Ref<rt::MenuItem> Item(std::string_view name) const { return MenuBar()->Lookup(name); }
};
