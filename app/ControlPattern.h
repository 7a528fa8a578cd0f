// How every window of the program creates its controls: one at a time, in
// its design's order, each complete before the next is created.
#pragma once

#include "Design.h"

#include "rt/Controls.h"
#include "rt/Files.h"
#include "rt/Window.h"

#include <type_traits>

namespace controls {

// The control class that each kind of design makes, and the event that a
// window may bind on it.
template <class Design>
struct Kind;

template <>
struct Kind<design::PopupMenu> {
    using Control = rt::PopupMenu;
    static constexpr rt::Event kEvent = rt::Event::Open;
};

template <>
struct Kind<design::Separator> {
    using Control = rt::Separator;
};

template <>
struct Kind<design::Button> {
    using Control = rt::PushButton;
    static constexpr rt::Event kEvent = rt::Event::Action;
};

template <>
struct Kind<design::TextArea> {
    using Control = rt::TextArea;
};

template <>
struct Kind<design::Label> {
    using Control = rt::Label;
};

template <>
struct Kind<design::Canvas> {
    using Control = rt::Canvas;
};

// Text size of every control that draws text, unless its design gives one.
constexpr float kTextSize = 12.0f;

// Adds the control to the window under its name; where it draws text, sets
// its text size and unit; where it has a backdrop, sets that; then applies
// its stored list. Size, unit and backdrop are no stored properties: the
// design sets them in code, ahead of the list.
template <class W, class Design>
void Create(W& window, const Design& d)
{
    using C = typename Kind<Design>::Control;
    window.AddControl(d.name, window.template New<C>());
    auto control = window.template ControlAs<C>(d.name);
    if constexpr (std::is_base_of_v<rt::TextControl, C>) {
        if constexpr (requires { d.textSize; })
            control->SetTextSize(d.textSize);
        else
            control->SetTextSize(kTextSize);
        control->SetTextUnit(0);
    }
    if constexpr (requires { d.backdrop; })
        control->SetBackdrop(d.backdrop());
    control->SetProperties(design::StoredList(d));
}

// The same, and then binds the control's event to the window's method for it.
template <class W, class Design>
void Create(W& window, const Design& d, void (W::*event)(typename Kind<Design>::Control&))
{
    Create(window, d);
    window.Bind(window.template ControlAs<typename Kind<Design>::Control>(d.name), Kind<Design>::kEvent, event);
}

} // namespace controls
