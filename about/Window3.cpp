#include "Window3.h"

#include "Design.h"
#include "MenuBar3.h"

rt::Ref<Window3> Window3::Instance()
{
    return rt::ImplicitInstance<Window3>();
}

void Window3::Layout()
{
    SetMenuBar(MenuBar3::Instance());
    SetProperties(design::Window({0, 335, 368, "About", false}));
}
