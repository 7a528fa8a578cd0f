// Stored designs: the property lists of windows and controls, each in the
// order the designer stored it. The helpers fill in what every design of the
// program shares, so a window's own file lists only what is its own.
#pragma once

#include "rt/Core.h"

#include <string>

namespace design {

constexpr std::int32_t kNoIndex = -2147483647 - 1;
constexpr rt::Color kWhite{255, 255, 255};
constexpr rt::Color kBlack{0, 0, 0};

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

rt::Properties PopupMenu(const std::string& name, Frame frame, std::int32_t tabIndex,
                         const std::string& initialValue, const std::string& helpTag);
rt::Properties Separator(const std::string& name, Frame frame, std::int32_t tabIndex);

struct ButtonSpec {
    std::string name;
    Frame frame;
    std::int32_t tabIndex;
    std::string caption;
    bool isDefault;
    bool isCancel;
    std::string helpTag;
};
rt::Properties PushButton(const ButtonSpec& button);

// A read-only, bordered, vertically scrolling text area.
rt::Properties TextArea(const std::string& name, Frame frame, std::int32_t tabIndex, const std::string& text,
                        const std::string& helpTag);
rt::Properties Label(const std::string& name, Frame frame, std::int32_t tabIndex, const std::string& text,
                     std::int32_t textAlign, const std::string& helpTag);
rt::Properties Canvas(const std::string& name, Frame frame, std::int32_t tabIndex, const std::string& helpTag);

} // namespace design
