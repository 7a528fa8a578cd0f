// The base of the windows that use the standard menu bar.
#pragma once

#include "MenuWindow.h"

// The items that only the standard menu bar has.
class StandardWindow : public MenuWindow {
public:
    using MenuWindow::MenuWindow;

    rt::Ref<rt::MenuItem> EditSelectAll() const { return Item("EditSelectAll"); }
    rt::Ref<rt::AppleMenuItem> FileAbout() const { return rt::CheckCast<rt::AppleMenuItem>(Item("FileAbout")); }
};
