#include "Design.h"

namespace design {

namespace {

// Name, Index, the frame and the four locks open every control's list.
void AddPlacement(rt::Properties& list, const std::string& name, Frame frame)
{
    list.insert(list.end(), {
        {"Name", name},
        {"Index", kNoIndex},
        {"Left", frame.left},
        {"Top", frame.top},
        {"Width", frame.width},
        {"Height", frame.height},
        {"LockLeft", false},
        {"LockTop", false},
        {"LockRight", false},
        {"LockBottom", false},
        {"TabPanelIndex", std::int32_t{0}},
    });
}

void AddPlainFont(rt::Properties& list)
{
    list.insert(list.end(), {
        {"TextFont", std::string("System")},
        {"Bold", false},
        {"Italic", false},
        {"Underline", false},
    });
}

} // namespace

rt::Properties StoredList(const Window& window)
{
    return {
        {"Placement", window.placement},
        {"Width", window.width},
        {"Height", window.height},
        {"MinWidth", std::int32_t{64}},
        {"MinHeight", std::int32_t{64}},
        {"MaxWidth", std::int32_t{32000}},
        {"MaxHeight", std::int32_t{32000}},
        {"Frame", std::int32_t{9}},
        {"Composite", true},
        {"HasBackColor", false},
        {"BackColor", kWhite},
        {"Title", window.title},
        {"Visible", true},
        {"FullScreen", false},
        {"MenuBarVisible", true},
        {"CloseButton", window.closeButton},
        {"Resizeable", false},
        {"LiveResize", false},
        {"MaximizeButton", false},
        {"MinimizeButton", false},
        {"MacProcID", std::int32_t{0}},
    };
}

rt::Properties StoredList(const PopupMenu& popup)
{
    rt::Properties list;
    AddPlacement(list, popup.name, popup.frame);
    list.insert(list.end(), {
        {"TabIndex", popup.tabIndex},
        {"TabStop", true},
        {"Enabled", true},
        {"InitialValue", popup.initialValue},
        {"ListIndex", std::int32_t{0}},
        {"Visible", true},
        {"HelpTag", popup.helpTag},
        {"AutoDeactivate", true},
    });
    AddPlainFont(list);
    list.insert(list.end(), {
        {"DataSource", std::string()},
        {"DataField", std::string()},
        {"InitialParent", std::string()},
    });
    return list;
}

rt::Properties StoredList(const Separator& separator)
{
    rt::Properties list;
    AddPlacement(list, separator.name, separator.frame);
    list.insert(list.end(), {
        {"TabIndex", separator.tabIndex},
        {"TabStop", true},
        {"InitialParent", std::string()},
        {"Visible", true},
        {"HelpTag", std::string()},
        {"AutoDeactivate", true},
        {"Enabled", true},
    });
    return list;
}

rt::Properties StoredList(const Button& button)
{
    rt::Properties list;
    AddPlacement(list, button.name, button.frame);
    list.insert(list.end(), {
        {"TabIndex", button.tabIndex},
        {"TabStop", true},
        {"Caption", button.caption},
        {"Default", button.isDefault},
        {"Cancel", button.isCancel},
        {"Enabled", true},
        {"Visible", true},
        {"HelpTag", button.helpTag},
        {"AutoDeactivate", true},
        {"ButtonStyle", std::int32_t{0}},
    });
    AddPlainFont(list);
    list.push_back({"InitialParent", std::string()});
    return list;
}

rt::Properties StoredList(const TextArea& textArea)
{
    rt::Properties list;
    AddPlacement(list, textArea.name, textArea.frame);
    list.insert(list.end(), {
        {"TabIndex", textArea.tabIndex},
        {"TabStop", true},
        {"Border", true},
        {"Multiline", true},
        {"ScrollbarHorizontal", false},
        {"ScrollbarVertical", true},
        {"Styled", false},
        {"UseFocusRing", true},
        {"TextColor", kBlack},
        {"BackColor", kWhite},
        {"Enabled", true},
        {"Format", std::string()},
        {"Visible", true},
        {"HelpTag", textArea.helpTag},
        {"AutoDeactivate", true},
        {"HideSelection", true},
    });
    AddPlainFont(list);
    list.insert(list.end(), {
        {"Text", textArea.text},
        {"Mask", std::string()},
        {"ReadOnly", true},
        {"LimitText", std::int32_t{0}},
        {"AcceptTabs", false},
        {"Alignment", std::int32_t{0}},
        {"AutomaticallyCheckSpelling", true},
        {"DataSource", std::string()},
        {"DataField", std::string()},
        {"InitialParent", std::string()},
    });
    return list;
}

rt::Properties StoredList(const Label& label)
{
    rt::Properties list;
    AddPlacement(list, label.name, label.frame);
    list.insert(list.end(), {
        {"TabIndex", label.tabIndex},
        {"Text", label.text},
        {"TextAlign", label.textAlign},
        {"TextColor", kBlack},
        {"Multiline", false},
        {"Enabled", true},
        {"Visible", true},
        {"Selectable", false},
        {"Transparent", false},
        {"HelpTag", label.helpTag},
        {"AutoDeactivate", true},
    });
    AddPlainFont(list);
    list.insert(list.end(), {
        {"DataSource", std::string()},
        {"DataField", std::string()},
        {"InitialParent", std::string()},
    });
    return list;
}

rt::Properties StoredList(const Canvas& canvas)
{
    rt::Properties list;
    AddPlacement(list, canvas.name, canvas.frame);
    list.insert(list.end(), {
        {"TabIndex", canvas.tabIndex},
        {"TabStop", true},
        {"Visible", true},
        {"HelpTag", canvas.helpTag},
        {"AutoDeactivate", true},
        {"Enabled", true},
        {"UseFocusRing", true},
        {"AcceptFocus", false},
        {"AcceptTabs", false},
        {"DoubleBuffer", false},
        {"EraseBackground", true},
        {"InitialParent", std::string()},
    });
    return list;
}

} // namespace design
