// Stored designs: the property lists of windows and controls, each in the
// order the designer stored it. The helpers fill in what every design of the
// program shares, so a window's own file lists only what is its own, every
// value under the name of its field.
#pragma once

#include "rt/Core.h"

#include <string>

namespace rt {
class Picture;
}

namespace design {

constexpr std::int32_t kNoIndex = -2147483647 - 1;
constexpr rt::Color kWhite{255, 255, 255};
constexpr rt::Color kBlack{0, 0, 0};

// Left, top, width, height, as the design tables give a frame.
struct Frame {
    std::int32_t left;
    std::int32_t top;
    std::int32_t width;
    std::int32_t height;
};

struct WindowSpec {
    std::int32_t placement;
    std::int32_t width;
    std::int32_t height;
    std::string title;
    bool closeButton;
};
rt::Properties Window(const WindowSpec& window);

struct PopupMenuSpec {
    std::string name;
    Frame frame;
    std::int32_t tabIndex;
    std::string initialValue; // the prompt row
    std::string helpTag;
};
rt::Properties PopupMenu(const PopupMenuSpec& popup);

struct SeparatorSpec {
    std::string name;
    Frame frame;
    std::int32_t tabIndex;
};
rt::Properties Separator(const SeparatorSpec& separator);

struct ButtonSpec {
    std::string name;
    Frame frame;
    std::int32_t tabIndex;
    std::string caption;
    bool isDefault; // pressed by Return
    bool isCancel;  // pressed by Escape
    std::string helpTag;
};
rt::Properties PushButton(const ButtonSpec& button);

// A read-only, bordered, vertically scrolling text area.
struct TextAreaSpec {
    std::string name;
    Frame frame;
    std::int32_t tabIndex;
    std::string text;
    std::string helpTag;
};
rt::Properties TextArea(const TextAreaSpec& textArea);

struct LabelSpec {
    std::string name;
    Frame frame;
    std::int32_t tabIndex;
    std::string text;
    std::int32_t textAlign;
    std::string helpTag;
    float textSize; // set before the list; no stored property
};
rt::Properties Label(const LabelSpec& label);

struct CanvasSpec {
    std::string name;
    Frame frame;
    std::int32_t tabIndex;
    std::string helpTag;
    // Asked for the backdrop before the list is applied; no stored property.
    rt::Ref<rt::Picture> (*backdrop)();
};
rt::Properties Canvas(const CanvasSpec& canvas);

} // namespace design
