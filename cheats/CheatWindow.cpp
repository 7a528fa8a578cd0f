#include "CheatWindow.h"

#include "ControlPattern.h"
#include "MenuBar1.h"

#include <algorithm>
#include <string>

// The Close button's action method is chosen by the button's name.
static_assert(std::ranges::all_of(kCheatDesigns, [](const CheatDesign& row) {
    const std::string_view name = row.buttonName;
    return name == "PushButton1" || name == "PushButton2";
}));

CheatWindow::CheatWindow(const CheatDesign& design, std::string_view text)
    : StandardWindow(design.className), design_(design), text_(text)
{
}

rt::Ref<rt::TextArea> CheatWindow::EditField1() const { return ControlAs<rt::TextArea>("EditField1"); }
rt::Ref<rt::PushButton> CheatWindow::PushButton1() const { return ControlAs<rt::PushButton>("PushButton1"); }
rt::Ref<rt::PushButton> CheatWindow::PushButton2() const { return ControlAs<rt::PushButton>("PushButton2"); }

void CheatWindow::Layout()
{
    SetMenuBar(MenuBar1::Instance());
    SetProperties(design::StoredList(design::Window{
        .placement = 0, .width = design_.width, .height = design_.height, .title = design_.title, .closeButton = true}));
}

void CheatWindow::CreateControls()
{
    CreateControls0();
}

void CheatWindow::CreateControls0()
{
    if (design_.buttonFirst) {
        CreateCloseButton();
        CreateEditField1();
    } else {
        CreateEditField1();
        CreateCloseButton();
    }
}

void CheatWindow::CreateEditField1()
{
    controls::Create(*this, design::TextArea{
        .name = "EditField1", .frame = design_.textFrame, .tabIndex = design_.textTabIndex,
        .text = std::string(text_),
        .helpTag = ""});
}

void CheatWindow::CreateCloseButton()
{
    const bool first = std::string_view(design_.buttonName) == "PushButton1";
    controls::Create(*this, design::Button{
        .name = design_.buttonName, .frame = {design_.buttonLeft, design_.buttonTop, 69, 20},
        .tabIndex = design_.buttonTabIndex,
        .caption = "Close", .isDefault = false, .isCancel = false,
        .helpTag = ""},
        first ? &CheatWindow::PushButton1_Action : &CheatWindow::PushButton2_Action);
}

void CheatWindow::AddMenuHandlers(rt::Window& window)
{
    rt::CheckCast<CheatWindow>(window).AddMenuHandler("EditSelectAll", &CheatWindow::EditSelectAll_Action);
}

void CheatWindow::PushButton1_Action(rt::PushButton&)
{
    Close();
}

void CheatWindow::PushButton2_Action(rt::PushButton&)
{
    Close();
}

bool CheatWindow::EditSelectAll_Action()
{
    EditField1()->SetSelStart(0);
    EditField1()->SetSelLength(static_cast<int>(rt::Len(EditField1()->Text())));
    return false;
}
