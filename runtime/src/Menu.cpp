#include "Private.h"

namespace rt {

MenuItem::MenuItem() = default;
MenuItem::~MenuItem() = default;

void MenuItem::Append(Ref<MenuItem> item)
{
    if (!item)
        RaiseNilObjectException();
    children_.push_back(std::move(item));
}

Ref<MenuItem> MenuItem::Child(std::string_view name) const
{
    for (const auto& child : children_) {
        if (child->Name() == name)
            return child;
    }
    return {};
}

Ref<MenuItem> MenuItem::Lookup(std::string_view name) const
{
    for (const auto& child : children_) {
        if (child->Name() == name)
            return child;
        if (auto found = child->Lookup(name))
            return found;
    }
    return {};
}

MenuBar::MenuBar(std::string className) : className_(std::move(className)) {}

MenuBar::~MenuBar()
{
    Observe([this](Observer& o) { o.MenuBarReleased(className_); });
}

} // namespace rt
