// The About window. (Its controls come with the About window's own work.)
#pragma once

#include "rt/Window.h"

class Window3 : public rt::Window {
public:
    static constexpr const char* kClassName = "Window3.Window3";
    Window3() : rt::Window(kClassName) {}
    static rt::Ref<Window3> Instance();

protected:
    void Layout() override;
};
