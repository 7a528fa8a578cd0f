#include "Window3.h"

#include "ControlPattern.h"
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
    static const auto list = design::StoredList(design::Window{
        .placement = 0, .width = 335, .height = 368, .title = "About", .closeButton = false});
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
    controls::Create(*this, design::Canvas{
        .name = "Canvas1", .frame = {106, 35, 123, 183}, .tabIndex = 0,
        .helpTag = "Quenra brevane in a temple, you can save this image by going to the menu-save logo",
        .backdrop = &Quenracopy});
    controls::Create(*this, design::Label{
        .name = "StaticText1", .frame = {60, 8, 214, 20}, .tabIndex = 1,
        .text = "Vexorin 2", .textAlign = 1,
        .helpTag = "The programs name",
        .textSize = 14.0f});
    controls::Create(*this, design::TextArea{
        .name = "EditField1", .frame = {14, 223, 307, 105}, .tabIndex = 2,
        .text = AboutText(),
        .helpTag = "Information about the program"});
    controls::Create(*this, design::Button{
        .name = "PushButton1", .frame = {252, 340, 69, 20}, .tabIndex = 3,
        .caption = "OK", .isDefault = true, .isCancel = true,
        .helpTag = "Closes this window"},
        &Window3::PushButton1_Action);
    controls::Create(*this, design::Button{
        .name = "PushButton2", .frame = {25, 191, 52, 20}, .tabIndex = 4,
        .caption = "V H", .isDefault = false, .isCancel = false,
        .helpTag = "Version History"},
        &Window3::PushButton2_Action);
    controls::Create(*this, design::Button{
        .name = "PushButton3", .frame = {25, 340, 102, 20}, .tabIndex = 5,
        .caption = "Visit Website", .isDefault = false, .isCancel = false,
        .helpTag = std::string("Direct link to our website\" ") + kOlderWebAddress},
        &Window3::PushButton3_Action);
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
