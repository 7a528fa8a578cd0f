// Menu items and menu bars. A menu bar is a tree of items that any number
// of windows may share; each window shows its own toolkit menu bar built
// from it and enables the items for itself.
#pragma once

#include "rt/Core.h"

#include <string>
#include <vector>

namespace rt {

class MenuItem {
public:
    MenuItem();
    virtual ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    void SetName(std::string name) { name_ = std::move(name); }
    const std::string& Name() const { return name_; }
    void SetText(std::string text) { text_ = std::move(text); }
    const std::string& Text() const { return text_; }
    // "Cmd+Q" style; Cmd is the platform's primary modifier.
    void SetKeyboardShortcut(std::string shortcut) { shortcut_ = std::move(shortcut); }
    const std::string& KeyboardShortcut() const { return shortcut_; }
    void SetAutoEnable(bool on) { autoEnable_ = on; }
    bool AutoEnable() const { return autoEnable_; }
    bool IsSeparator() const { return text_ == "-"; }

    void Append(Ref<MenuItem> item);
    // The direct child of this name, or nothing.
    Ref<MenuItem> Child(std::string_view name) const;
    // This item or any descendant of this name, or nothing.
    Ref<MenuItem> Lookup(std::string_view name) const;
    const std::vector<Ref<MenuItem>>& Children() const { return children_; }

    virtual bool IsQuitItem() const { return false; }
    virtual bool IsAboutItem() const { return false; }

private:
    std::string name_;
    std::string text_;
    std::string shortcut_;
    bool autoEnable_ = false;
    std::vector<Ref<MenuItem>> children_;
};

// The item that quits the application; it needs no handler.
class QuitMenuItem : public MenuItem {
public:
    bool IsQuitItem() const override { return true; }
};

// The item that the platform treats as the application's About item.
class AppleMenuItem : public MenuItem {
public:
    bool IsAboutItem() const override { return true; }
};

class MenuBar : public MenuItem {
public:
    // The class name under which the runtime knows the bar ("MenuBar1.MenuBar1").
    explicit MenuBar(std::string className);
    ~MenuBar() override;
    const std::string& ClassName() const { return className_; }

private:
    std::string className_;
};

} // namespace rt
