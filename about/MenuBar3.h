// The About window's menu bar: File with Quit and Save the Logo, Edit without Select All.
#pragma once

#include "rt/Menu.h"

class MenuBar3 : public rt::MenuBar {
public:
    static constexpr const char* kClassName = "MenuBar3.MenuBar3";
    MenuBar3();
    // The shared instance, built by the first About window of the run.
    static rt::Ref<MenuBar3> Instance();
    // Module finalisation: drops the shared instance, if it was ever built.
    static void Release();

private:
    void Untitled1();
    void Untitled2();
};
