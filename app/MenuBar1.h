// The standard menu bar, shared by the application and every window but About.
#pragma once

#include "rt/Menu.h"

class MenuBar1 : public rt::MenuBar {
public:
    static constexpr const char* kClassName = "MenuBar1.MenuBar1";
    MenuBar1();
    // The shared instance, built on first use.
    static rt::Ref<MenuBar1> Instance();
    // Module finalisation: drops the shared instance, if it was ever built.
    static void Release();

private:
    void Untitled1();
    void Untitled2();
};
