#include "Window4.h"

#include "ControlPattern.h"
#include "Design.h"
#include "MenuBar1.h"

#include <string>

namespace {

const rt::Properties& WindowDesign()
{
    static const auto list = design::StoredList(design::Window{
        .placement = 0, .width = 258, .height = 239, .title = "Version History", .closeButton = false});
    return list;
}

// Lines joined by single CRs, with none after the last.
std::string VersionHistory()
{
    static const char* const kLines[] = {
        "Version 2.1",
        "-Removed extra features(useless)",
        "-Updated SKH cheat code",
        "-Minor GUI improvements",
        "-------------------------------",
        "Version 2.0",
        "-New Interface",
        "-Help Tags",
        "-Better Organization",
        "-Image Viewer",
        "-Music Player(requires quicktime)",
        "-Direct link to Terminal",
        "-------------------------------",
        "Version 1.1",
        "-New added cheat code to the Duskvale SKH section(submitted by: Halvorik).",
        "-This Window",
        "-Select all feature",
        "-------------------------------",
        "Version 1.0",
        "-First Release",
    };
    std::string text;
    for (const char* line : kLines) {
        if (!text.empty())
            text += '\r';
        text += line;
    }
    return text;
}

} // namespace

rt::Ref<Window4> Window4::Instance()
{
    return rt::ImplicitInstance<Window4>();
}

rt::Ref<rt::TextArea> Window4::EditField1() const { return ControlAs<rt::TextArea>("EditField1"); }
rt::Ref<rt::PushButton> Window4::PushButton1() const { return ControlAs<rt::PushButton>("PushButton1"); }

void Window4::Layout()
{
    SetMenuBar(MenuBar1::Instance());
    SetProperties(WindowDesign());
}

void Window4::CreateControls()
{
    CreateControls0();
}

void Window4::CreateControls0()
{
    controls::Create(*this, design::TextArea{
        .name = "EditField1", .frame = {3, 3, 245, 205}, .tabIndex = 0,
        .text = VersionHistory(),
        .helpTag = ""});
    controls::Create(*this, design::Button{
        .name = "PushButton1", .frame = {95, 214, 69, 20}, .tabIndex = 1,
        .caption = "OK", .isDefault = true, .isCancel = true,
        .helpTag = ""},
        &Window4::PushButton1_Action);
}

void Window4::PushButton1_Action(rt::PushButton&)
{
    Close();
}
