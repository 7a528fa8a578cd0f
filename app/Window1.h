// The main window: the game and platform popups, "View" and "Quit".
#pragma once

#include "StandardWindow.h"

class Window1 : public StandardWindow {
public:
    static constexpr const char* kClassName = "Window1.Window1";
    Window1() : StandardWindow(kClassName) {}
    static rt::Ref<Window1> Instance();

    rt::Ref<rt::PopupMenu> PopupMenu1() const;
    rt::Ref<rt::PopupMenu> PopupMenu2() const;
    rt::Ref<rt::Separator> Separator1() const;
    rt::Ref<rt::PushButton> PushButton1() const;
    rt::Ref<rt::PushButton> PushButton2() const;

    void PopupMenu1_Open(rt::PopupMenu& popup);
    void PopupMenu2_Open(rt::PopupMenu& popup);
    void PushButton1_Action(rt::PushButton& button);
    void PushButton2_Action(rt::PushButton& button);

protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers(rt::Window& window) override;

private:
    void CreateControls0();
    bool FileAbout_Action();
};
