// The About window: the logo, the program's name, a short information text,
// and the buttons "OK", "V H" and "Visit Website".
#pragma once

#include "MenuWindow.h"

class Window3 : public MenuWindow {
public:
    static constexpr const char* kClassName = "Window3.Window3";
    Window3() : MenuWindow(kClassName) {}
    static rt::Ref<Window3> Instance();

    rt::Ref<rt::Canvas> Canvas1() const;
    rt::Ref<rt::Label> StaticText1() const;
    rt::Ref<rt::TextArea> EditField1() const;
    rt::Ref<rt::PushButton> PushButton1() const;
    rt::Ref<rt::PushButton> PushButton2() const;
    rt::Ref<rt::PushButton> PushButton3() const;

    void PushButton1_Action(rt::PushButton& button);
    void PushButton2_Action(rt::PushButton& button);
    void PushButton3_Action(rt::PushButton& button);

    // The About menu bar's own item; the others come with MenuWindow.
    rt::Ref<rt::MenuItem> FileSavetheLogo() const { return Item("FileSavetheLogo"); }

protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers(rt::Window& window) override;

private:
    void CreateControls0();
    bool FileSavetheLogo_Action();
};
