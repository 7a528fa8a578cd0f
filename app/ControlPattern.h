// How every window of the program creates its controls: one at a time, in
// its design's order, each complete before the next is created.
#pragma once

#include "Design.h"

#include "rt/Controls.h"
#include "rt/Files.h"
#include "rt/Window.h"

#include <type_traits>

namespace controls {

// The control class that each kind of design makes, its stored list, and
// the event that a window may bind on it.
template <class Spec>
struct Kind;

template <>
struct Kind<design::PopupMenuSpec> {
    using Control = rt::PopupMenu;
    static constexpr rt::Event kEvent = rt::Event::Open;
    static rt::Properties List(const design::PopupMenuSpec& spec) { return design::PopupMenu(spec); }
};

template <>
struct Kind<design::SeparatorSpec> {
    using Control = rt::Separator;
    static rt::Properties List(const design::SeparatorSpec& spec) { return design::Separator(spec); }
};

template <>
struct Kind<design::ButtonSpec> {
    using Control = rt::PushButton;
    static constexpr rt::Event kEvent = rt::Event::Action;
    static rt::Properties List(const design::ButtonSpec& spec) { return design::PushButton(spec); }
};

template <>
struct Kind<design::TextAreaSpec> {
    using Control = rt::TextArea;
    static rt::Properties List(const design::TextAreaSpec& spec) { return design::TextArea(spec); }
};

template <>
struct Kind<design::LabelSpec> {
    using Control = rt::Label;
    static rt::Properties List(const design::LabelSpec& spec) { return design::Label(spec); }
};

template <>
struct Kind<design::CanvasSpec> {
    using Control = rt::Canvas;
    static rt::Properties List(const design::CanvasSpec& spec) { return design::Canvas(spec); }
};

// Text size of every control that draws text, unless its design gives one.
constexpr float kTextSize = 12.0f;

// Adds the control to the window under its name; where it draws text, sets
// its text size and unit; where it has a backdrop, sets that; then applies
// its stored list. Size, unit and backdrop are no stored properties: the
// design sets them in code, ahead of the list.
template <class W, class Spec>
void Create(W& window, const Spec& spec)
{
    using C = typename Kind<Spec>::Control;
    window.AddControl(spec.name, window.template New<C>());
    auto control = window.template ControlAs<C>(spec.name);
    if constexpr (std::is_base_of_v<rt::TextControl, C>) {
        if constexpr (requires { spec.textSize; })
            control->SetTextSize(spec.textSize);
        else
            control->SetTextSize(kTextSize);
        control->SetTextUnit(0);
    }
    if constexpr (requires { spec.backdrop; })
        control->SetBackdrop(spec.backdrop());
    control->SetProperties(Kind<Spec>::List(spec));
}

// The same, and then binds the control's event to the window's method for it.
template <class W, class Spec>
void Create(W& window, const Spec& spec, void (W::*event)(typename Kind<Spec>::Control&))
{
    Create(window, spec);
    window.Bind(window.template ControlAs<typename Kind<Spec>::Control>(spec.name), Kind<Spec>::kEvent, event);
}

} // namespace controls
