// The controls a window can hold. Each control applies a stored property
// list by name; every name it knows is kept and can be read back, and an
// unknown name raises a RuntimeException.
#pragma once

#include "rt/Core.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace rt {

struct Internals;

class Window;
class Picture;
class WindowPrivate;
class ControlPrivate;
struct ControlKind;

// Events a control can raise; the numbers are the runtime's own.
enum class Event { Open = 1, Action = 15 };

class Control : public std::enable_shared_from_this<Control> {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // The class name the runtime knows the control by ("PushButton").
    std::string ClassName() const;
    const std::string& Name() const;

    void SetProperties(const Properties& list);
    // The last value stored under a known property name, or nothing.
    std::optional<Value> PropertyValue(std::string_view name) const;

    void AddEventHandler(Event event, std::function<void()> handler);

    bool Enabled() const;
    bool Visible() const;
    int TabIndex() const;

protected:
    explicit Control(const ControlKind& kind);
    ControlPrivate& Private() const;

private:
    friend struct Internals;
    friend class WindowPrivate;
    friend class Window;
    std::unique_ptr<ControlPrivate> d_;
};

// Controls that draw text have a text size and a text unit.
class TextControl : public Control {
protected:
    using Control::Control;

public:
    void SetTextSize(float size);
    float TextSize() const;
    void SetTextUnit(int unit);
    int TextUnit() const;
};

class PopupMenu : public TextControl {
public:
    PopupMenu();
    void AddRow(const std::string& text);
    int ListCount() const;
    std::string List(int row) const;
    int ListIndex() const;
    void SetListIndex(int row);
    // The text of the selected row; empty when no row is selected.
    std::string Text() const;
};

class PushButton : public TextControl {
public:
    PushButton();
    std::string Caption() const;
    bool Default() const;
    bool Cancel() const;
    // Presses the button as a click would, when it is enabled.
    void Push();
};

class TextArea : public TextControl {
public:
    TextArea();
    // The text exactly as stored, line breaks included.
    std::string Text() const;
    void SetText(const std::string& text);
    bool ReadOnly() const;
    // Selection in characters (code points), as the user sees them.
    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
};

class Label : public TextControl {
public:
    Label();
    std::string Text() const;
};

class Canvas : public Control {
public:
    Canvas();
    Ref<Picture> Backdrop() const;
    void SetBackdrop(Ref<Picture> picture);
};

class Separator : public Control {
public:
    Separator();
};

} // namespace rt
