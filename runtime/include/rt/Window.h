// Windows. Every window class has at most one live instance, found by the
// class's doubled name.
//
// Lifetime, in one rule: the runtime's list of open windows owns each open
// window; closing hands the window to the event loop, which destroys it, and
// with it its controls and widgets, once the events that closed it have
// returned. Event bindings and menu handlers hold their window weakly.
//
// Someone who keeps a Ref past the close keeps the window an object: closed
// for good (Show does nothing), no longer its class's instance, its widgets
// hidden, its controls still there for code to read and to raise events on.
// It goes when the last Ref lets go, its widgets with it, or with the loop
// when that happens inside an event. From then on a control still held
// raises NilObjectException when used, and nothing of the window's widgets
// reaches program code: its menu items and events do nothing. The runtime
// keeps all of this in runtime/src/WindowLifetime.cpp.
#pragma once

#include "rt/Controls.h"
#include "rt/Core.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace rt {

struct Internals;

class MenuBar;
class WindowPrivate;

class Window : public std::enable_shared_from_this<Window> {
public:
    // className is the doubled name ("Window1.Window1").
    explicit Window(std::string className);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::string& ClassName() const;

    // Raises Layout, CreateControls and AddMenuHandlers in this order, raises
    // each control's Open event, and shows the window when Visible is set.
    void Construct();

    // Shows the window and brings it to the front.
    void Show();
    void Close();
    bool IsOpen() const;

    void SetMenuBar(Ref<rt::MenuBar> bar);
    Ref<rt::MenuBar> MenuBar() const;

    void SetProperties(const Properties& list);
    std::optional<Value> PropertyValue(std::string_view name) const;
    std::string Title() const;
    int Width() const;
    int Height() const;
    bool ContentsChanged() const;

    // Creates a control of class C in this window.
    template <class C>
    Ref<C> New()
    {
        auto control = std::make_shared<C>();
        ConstructControl(*control);
        return Ref<C>(control);
    }
    // Adds the control under this name; a name already taken in this window
    // raises a RuntimeException and leaves both controls as they were.
    void AddControl(const std::string& name, const Ref<Control>& control);
    Ref<Control> ControlByName(std::string_view name) const;
    // The control of that name as class C (checked), or nothing.
    template <class C>
    Ref<C> ControlAs(std::string_view name) const
    {
        return CheckCast<C>(ControlByName(name));
    }

    // Binds a control's event to a method of this window. The binding holds
    // the window weakly: an event that fires after the window has gone raises
    // NilObjectException.
    template <class W, class C>
    void Bind(const Ref<C>& control, Event event, void (W::*method)(C&))
    {
        std::weak_ptr<W> window = std::dynamic_pointer_cast<W>(shared_from_this());
        std::weak_ptr<C> source = std::static_pointer_cast<C>(control->shared_from_this());
        control->AddEventHandler(event, [window, source, method] {
            auto w = window.lock();
            auto c = source.lock();
            if (!w || !c)
                RaiseNilObjectException();
            ((*w).*method)(*c);
        });
    }

    // Registers a method of this window as the handler of the menu item of
    // this name. Like an event binding it holds the window weakly, so a
    // window's own handlers never keep it alive. An item has one handler per
    // window: registering another under the same name replaces the first.
    template <class W>
    void AddMenuHandler(const std::string& itemName, bool (W::*method)())
    {
        std::weak_ptr<W> window = std::dynamic_pointer_cast<W>(shared_from_this());
        if (window.expired())
            throw IllegalCastException("menu handler of another window class");
        RegisterMenuHandler(itemName, [window, method] {
            auto w = window.lock();
            if (!w)
                RaiseNilObjectException();
            return ((*w).*method)();
        });
    }
    bool HasMenuHandler(std::string_view itemName) const;

protected:
    // The three construction events.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers(Window& window) { (void)window; }

private:
    friend struct Internals;
    void ConstructControl(Control& control);
    void RegisterMenuHandler(const std::string& itemName, std::function<bool()> handler);
    std::unique_ptr<WindowPrivate> d_;
};

// The live window known under this class name, or nothing.
Ref<Window> GetImplicitWindow(std::string_view className);

// The implicit-instance accessor: the open window of class W, or a newly
// constructed one. W names itself in W::kClassName.
template <class W>
Ref<W> ImplicitInstance()
{
    Ref<Window> window = GetImplicitWindow(W::kClassName);
    if (!window) {
        auto created = std::make_shared<W>();
        created->Construct();
        window = Ref<Window>(created);
    }
    return CheckCast<W>(window);
}

} // namespace rt
