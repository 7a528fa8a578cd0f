// Designs of windows and controls, and the stored property lists made from
// them, each in the order the designer stored it. A design holds only what
// is its own, every value under the name of its field; StoredList fills in
// what every design of the program shares.
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

struct Window {
    std::int32_t placement;
    std::int32_t width;
    std::int32_t height;
    std::string title;
    bool closeButton;
};
rt::Properties StoredList(const Window& window);

struct PopupMenu {
    std::string name;
    Frame frame;
    std::int32_t tabIndex;
    std::string initialValue; // the prompt row
    std::string helpTag;
};
rt::Properties StoredList(const PopupMenu& popup);

struct Separator {
    std::string name;
    Frame frame;
    std::int32_t tabIndex;
};
rt::Properties StoredList(const Separator& separator);

struct Button {
    std::string name;
    Frame frame;
    std::int32_t tabIndex;
    std::string caption;
    bool isDefault; // pressed by Return
    bool isCancel;  // pressed by Escape
    std::string helpTag;
};
rt::Properties StoredList(const Button& button);

// A read-only, bordered, vertically scrolling text area.
struct TextArea {
    std::string name;
    Frame frame;
    std::int32_t tabIndex;
    std::string text;
    std::string helpTag;
};
rt::Properties StoredList(const TextArea& textArea);

struct Label {
    std::string name;
    Frame frame;
    std::int32_t tabIndex;
    std::string text;
    std::int32_t textAlign;
    std::string helpTag;
    float textSize; // set before the list; no stored property
};
rt::Properties StoredList(const Label& label);

struct Canvas {
    std::string name;
    Frame frame;
    std::int32_t tabIndex;
    std::string helpTag;
    // Asked for the backdrop before the list is applied; no stored property.
    rt::Ref<rt::Picture> (*backdrop)();
};
rt::Properties StoredList(const Canvas& canvas);

} // namespace design
