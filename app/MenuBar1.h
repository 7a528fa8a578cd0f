// The standard menu bar, shared by the application and every window but About.
#pragma once

#include "MenuBarPattern.h"

class MenuBar1 : public menus::SharedMenuBar<MenuBar1> {
public:
    static constexpr const char* kClassName = "MenuBar1.MenuBar1";
    MenuBar1();

private:
    void Untitled1();
    void Untitled2();
};
