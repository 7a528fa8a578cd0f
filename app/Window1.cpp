#include "Window1.h"

#include "CheatCatalogue.h"
#include "ControlPattern.h"
#include "Design.h"
#include "MenuBar1.h"
#include "Window3.h"

#include "rt/Application.h"

#include <array>

namespace {

constexpr std::array kGameNames = {"Duskvale 1", "Duskvale 2", "Duskvale 3",
                                   "Duskvale Ostrevane", "Duskvale Wendrith", "Duskvale Skarnholt"};
constexpr std::array kPlatformNames = {"Mac n PC", "Play Station", "Other"};

const rt::Properties& WindowDesign()
{
    static const auto list = design::StoredList(design::Window{
        .placement = 2, .width = 359, .height = 109, .title = "Vexorin 2.1", .closeButton = true});
    return list;
}

} // namespace

rt::Ref<Window1> Window1::Instance()
{
    return rt::ImplicitInstance<Window1>();
}

rt::Ref<rt::PopupMenu> Window1::PopupMenu1() const { return ControlAs<rt::PopupMenu>("PopupMenu1"); }
rt::Ref<rt::PopupMenu> Window1::PopupMenu2() const { return ControlAs<rt::PopupMenu>("PopupMenu2"); }
rt::Ref<rt::Separator> Window1::Separator1() const { return ControlAs<rt::Separator>("Separator1"); }
rt::Ref<rt::PushButton> Window1::PushButton1() const { return ControlAs<rt::PushButton>("PushButton1"); }
rt::Ref<rt::PushButton> Window1::PushButton2() const { return ControlAs<rt::PushButton>("PushButton2"); }

void Window1::Layout()
{
    SetMenuBar(MenuBar1::Instance());
    SetProperties(WindowDesign());
}

void Window1::CreateControls()
{
    CreateControls0();
}

void Window1::CreateControls0()
{
    controls::Create(*this, design::PopupMenu{
        .name = "PopupMenu1", .frame = {9, 8, 341, 22}, .tabIndex = 0,
        .initialValue = "Select A Duskvale Game",
        .helpTag = "Click here to select a duskvale game"},
        &Window1::PopupMenu1_Open);
    controls::Create(*this, design::PopupMenu{
        .name = "PopupMenu2", .frame = {9, 42, 341, 20}, .tabIndex = 1,
        .initialValue = "Select A Console",
        .helpTag = "Click here to select a conole EX. PlayStation Mac"},
        &Window1::PopupMenu2_Open);
    controls::Create(*this, design::Separator{
        .name = "Separator1", .frame = {9, 33, 341, 4}, .tabIndex = 2});
    controls::Create(*this, design::Button{
        .name = "PushButton1", .frame = {281, 74, 69, 20}, .tabIndex = 3,
        .caption = "View", .isDefault = true, .isCancel = false,
        .helpTag = "Opens the window with the combination of Game+Console"},
        &Window1::PushButton1_Action);
    controls::Create(*this, design::Button{
        .name = "PushButton2", .frame = {9, 74, 69, 20}, .tabIndex = 4,
        .caption = "Quit", .isDefault = false, .isCancel = true,
        .helpTag = "Quits the program"},
        &Window1::PushButton2_Action);
}

void Window1::AddMenuHandlers(rt::Window& window)
{
    rt::CheckCast<Window1>(window).AddMenuHandler("FileAbout", &Window1::FileAbout_Action);
}

void Window1::PopupMenu1_Open(rt::PopupMenu&)
{
    for (const char* game : kGameNames)
        PopupMenu1()->AddRow(game);
}

void Window1::PopupMenu2_Open(rt::PopupMenu&)
{
    for (const char* platform : kPlatformNames)
        PopupMenu2()->AddRow(platform);
}

void Window1::PushButton1_Action(rt::PushButton&)
{
    CheatCatalogue::View(*this);
}

void Window1::PushButton2_Action(rt::PushButton&)
{
    rt::MsgBox("Thank You");
    rt::Quit(0);
}

bool Window1::FileAbout_Action()
{
    Window3::Instance()->Show();
    return false;
}
