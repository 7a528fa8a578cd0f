// The Version History window: the built-in history and an "OK" button.
#pragma once

#include "StandardWindow.h"

class Window4 : public StandardWindow {
public:
    static constexpr const char* kClassName = "Window4.Window4";
    Window4() : StandardWindow(kClassName) {}
    static rt::Ref<Window4> Instance();

    rt::Ref<rt::TextArea> EditField1() const;
    rt::Ref<rt::PushButton> PushButton1() const;

    void PushButton1_Action(rt::PushButton& button);

protected:
    void Layout() override;
    void CreateControls() override;

private:
    void CreateControls0();
};
