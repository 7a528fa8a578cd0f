#include "Window3.h"

#include "Design.h"
#include "MenuBar3.h"
#include "Quenracopy.h"
#include "Window4.h"

#include "rt/Application.h"

#include <string>

namespace {

// The maker's web site, named bare in the About text and opened by "Visit Website".
constexpr const char* kWebHost = "pemberlyn.example.com";
// The address the site had before; still shown in the button's help tag.
constexpr const char* kOlderWebAddress = "http://www.example.net/pemberlyn/";

const rt::Properties& WindowDesign()
{
    static const auto list = design::Window({0, 335, 368, "About", false});
    return list;
}

std::string AboutText()
{
    return std::string("This Program was made by Pemberlyn.\r")
         + "This is Freeware.\r"
         + "Use this program and have a lot of fun with your Duskvale games, please keep up to date with this "
           "program by visiting "
         + kWebHost + " or by clicking on the\r"
         + "Visit Site below this text box.\r";
}

} // namespace

rt::Ref<Window3> Window3::Instance()
{
    return rt::ImplicitInstance<Window3>();
}

rt::Ref<rt::Canvas> Window3::Canvas1() const { return ControlAs<rt::Canvas>("Canvas1"); }
rt::Ref<rt::Label> Window3::StaticText1() const { return ControlAs<rt::Label>("StaticText1"); }
rt::Ref<rt::TextArea> Window3::EditField1() const { return ControlAs<rt::TextArea>("EditField1"); }
rt::Ref<rt::PushButton> Window3::PushButton1() const { return ControlAs<rt::PushButton>("PushButton1"); }
rt::Ref<rt::PushButton> Window3::PushButton2() const { return ControlAs<rt::PushButton>("PushButton2"); }
rt::Ref<rt::PushButton> Window3::PushButton3() const { return ControlAs<rt::PushButton>("PushButton3"); }

void Window3::Layout()
{
    SetMenuBar(MenuBar3::Instance());
    SetProperties(WindowDesign());
}

void Window3::CreateControls()
{
    CreateControls0();
}

void Window3::CreateControls0()
{
    AddControl("Canvas1", New<rt::Canvas>());
    Canvas1()->SetBackdrop(Quenracopy());
    Canvas1()->SetProperties(design::Canvas(
        "Canvas1", {106, 35, 123, 183}, 0,
        "Quenra brevane in a temple, you can save this image by going to the menu-save logo"));

    AddControl("StaticText1", New<rt::Label>());
    StaticText1()->SetTextSize(14.0f);
    StaticText1()->SetTextUnit(0);
    StaticText1()->SetProperties(
        design::Label("StaticText1", {60, 8, 214, 20}, 1, "Vexorin 2", 1, "The programs name"));

    AddControl("EditField1", New<rt::TextArea>());
    EditField1()->SetTextSize(12.0f);
    EditField1()->SetTextUnit(0);
    EditField1()->SetProperties(
        design::TextArea("EditField1", {14, 223, 307, 105}, 2, AboutText(), "Information about the program"));

    AddControl("PushButton1", New<rt::PushButton>());
    PushButton1()->SetTextSize(12.0f);
    PushButton1()->SetTextUnit(0);
    PushButton1()->SetProperties(
        design::PushButton({"PushButton1", {252, 340, 69, 20}, 3, "OK", true, true, "Closes this window"}));
    Bind(PushButton1(), rt::Event::Action, &Window3::PushButton1_Action);

    AddControl("PushButton2", New<rt::PushButton>());
    PushButton2()->SetTextSize(12.0f);
    PushButton2()->SetTextUnit(0);
    PushButton2()->SetProperties(
        design::PushButton({"PushButton2", {25, 191, 52, 20}, 4, "V H", false, false, "Version History"}));
    Bind(PushButton2(), rt::Event::Action, &Window3::PushButton2_Action);

    AddControl("PushButton3", New<rt::PushButton>());
    PushButton3()->SetTextSize(12.0f);
    PushButton3()->SetTextUnit(0);
    PushButton3()->SetProperties(design::PushButton({"PushButton3", {25, 340, 102, 20}, 5, "Visit Website", false,
                                                     false,
                                                     std::string("Direct link to our website\" ") + kOlderWebAddress}));
    Bind(PushButton3(), rt::Event::Action, &Window3::PushButton3_Action);
}

void Window3::AddMenuHandlers(rt::Window& window)
{
    rt::CheckCast<Window3>(window).AddMenuHandler("FileSavetheLogo", &Window3::FileSavetheLogo_Action);
}

void Window3::PushButton1_Action(rt::PushButton&)
{
    Close();
}

void Window3::PushButton2_Action(rt::PushButton&)
{
    Window4::Instance()->Show();
}

void Window3::PushButton3_Action(rt::PushButton&)
{
    rt::ShowURL(std::string("http://") + kWebHost);
}

bool Window3::FileSavetheLogo_Action()
{
    auto file = rt::GetSaveFolderItem("pictur", "Logo.jpg");
    if (!file)
        return false;
    // A user who chose a place must learn when nothing could be written there.
    if (auto why = file->SaveAsJPEG(Canvas1()->Backdrop()))
        rt::MsgBox("The logo could not be saved: " + *why);
    return false;
}
