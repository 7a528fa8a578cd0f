#include "Window1.h"

#include "CheatCatalogue.h"
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
    static const auto list = design::Window({2, 359, 109, "Vexorin 2.1", true});
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
    AddControl("PopupMenu1", New<rt::PopupMenu>());
    PopupMenu1()->SetTextSize(12.0f);
    PopupMenu1()->SetTextUnit(0);
    PopupMenu1()->SetProperties(design::PopupMenu("PopupMenu1", {9, 8, 341, 22}, 0, "Select A Duskvale Game",
                                                  "Click here to select a duskvale game"));
    Bind(PopupMenu1(), rt::Event::Open, &Window1::PopupMenu1_Open);

    AddControl("PopupMenu2", New<rt::PopupMenu>());
    PopupMenu2()->SetTextSize(12.0f);
    PopupMenu2()->SetTextUnit(0);
    PopupMenu2()->SetProperties(design::PopupMenu("PopupMenu2", {9, 42, 341, 20}, 1, "Select A Console",
                                                  "Click here to select a conole EX. PlayStation Mac"));
    Bind(PopupMenu2(), rt::Event::Open, &Window1::PopupMenu2_Open);

    AddControl("Separator1", New<rt::Separator>());
    Separator1()->SetProperties(design::Separator("Separator1", {9, 33, 341, 4}, 2));

    AddControl("PushButton1", New<rt::PushButton>());
    PushButton1()->SetTextSize(12.0f);
    PushButton1()->SetTextUnit(0);
    PushButton1()->SetProperties(design::PushButton(
        {"PushButton1", {281, 74, 69, 20}, 3, "View", true, false, "Opens the window with the combination of Game+Console"}));
    Bind(PushButton1(), rt::Event::Action, &Window1::PushButton1_Action);

    AddControl("PushButton2", New<rt::PushButton>());
    PushButton2()->SetTextSize(12.0f);
    PushButton2()->SetTextUnit(0);
    PushButton2()->SetProperties(
        design::PushButton({"PushButton2", {9, 74, 69, 20}, 4, "Quit", false, true, "Quits the program"}));
    Bind(PushButton2(), rt::Event::Action, &Window1::PushButton2_Action);
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
