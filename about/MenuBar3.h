// The About window's menu bar: File with Quit and Save the Logo, Edit without Select All.
#pragma once

#include "MenuBarPattern.h"

class MenuBar3 : public menus::SharedMenuBar<MenuBar3> {
public:
    static constexpr const char* kClassName = "MenuBar3.MenuBar3";
    MenuBar3();

private:
    void Untitled1();
    void Untitled2();
};
