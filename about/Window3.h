// The About window: the logo, the program's name, a short information text,
// and the buttons "OK", "V H" and "Visit Website".
#pragma once

#include "rt/Menu.h"
#include "rt/Window.h"

class Window3 : public rt::Window {
public:
    static constexpr const char* kClassName = "Window3.Window3";
    Window3() : rt::Window(kClassName) {}
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

    // The items of the About menu bar, each found by name below the window's bar.
    rt::Ref<rt::MenuItem> EditMenu() const { return Item("EditMenu"); }
    rt::Ref<rt::MenuItem> EditClear() const { return Item("EditClear"); }
    rt::Ref<rt::MenuItem> EditPaste() const { return Item("EditPaste"); }
    rt::Ref<rt::MenuItem> EditCopy() const { return Item("EditCopy"); }
    rt::Ref<rt::MenuItem> EditCut() const { return Item("EditCut"); }
    rt::Ref<rt::MenuItem> UntitledMenu0() const { return Item("UntitledMenu0"); }
    rt::Ref<rt::MenuItem> EditUndo() const { return Item("EditUndo"); }
    rt::Ref<rt::MenuItem> FileMenu() const { return Item("FileMenu"); }
    rt::Ref<rt::MenuItem> FileSavetheLogo() const { return Item("FileSavetheLogo"); }
    rt::Ref<rt::QuitMenuItem> FileQuit() const { return rt::CheckCast<rt::QuitMenuItem>(Item("FileQuit")); }

protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers(rt::Window& window) override;

private:
    rt::Ref<rt::MenuItem> Item(std::string_view name) const { return MenuBar()->Lookup(name); }
    void CreateControls0();
    bool FileSavetheLogo_Action();
};
