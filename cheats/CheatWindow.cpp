#include "CheatWindow.h"

#include "MenuBar1.h"

#include <string>

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
    SetProperties(design::Window({0, design_.width, design_.height, design_.title, true}));
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
    AddControl("EditField1", New<rt::TextArea>());
    EditField1()->SetTextSize(12.0f);
    EditField1()->SetTextUnit(0);
    EditField1()->SetProperties(
        design::TextArea("EditField1", design_.textFrame, design_.textTabIndex, std::string(text_), ""));
}

void CheatWindow::CreateCloseButton()
{
    const std::string name = design_.buttonName;
    const bool first = name == "PushButton1";
    AddControl(name, New<rt::PushButton>());
    auto button = first ? PushButton1() : PushButton2();
    button->SetTextSize(12.0f);
    button->SetTextUnit(0);
    button->SetProperties(design::PushButton(
        {name, {design_.buttonLeft, design_.buttonTop, 69, 20}, design_.buttonTabIndex, "Close", false, false, ""}));
    Bind(first ? PushButton1() : PushButton2(), rt::Event::Action,
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
