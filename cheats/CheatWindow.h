// The cheat window: one design shared by the fifteen cheat-window classes,
// which differ only by a row of the design table and by their text.
#pragma once

#include "Design.h"
#include "StandardWindow.h"

#include <array>
#include <cstddef>
#include <string_view>

struct CheatDesign {
    const char* className; // the doubled class name
    int catalogueEntry;    // the catalogue entry, counted from 1, that opens it
    const char* title;
    int width;
    int height;
    design::Frame textFrame;
    int textTabIndex;
    const char* buttonName; // "PushButton1" or "PushButton2"
    int buttonLeft;
    int buttonTop;
    int buttonTabIndex;
    bool buttonFirst; // whether the button is created before the text area
};

// Window6 to Window20, in the catalogue's order.
inline constexpr std::array<CheatDesign, 15> kCheatDesigns = {{
    {.className = "Window6.Window6",   .catalogueEntry = 1,  .title = "Duskvale 1 Mac n PC",
     .width = 438, .height = 277, .textFrame = {1, 2, 432, 241},  .textTabIndex = 0,
     .buttonName = "PushButton1", .buttonLeft = 140, .buttonTop = 249, .buttonTabIndex = 1, .buttonFirst = false},
    {.className = "Window7.Window7",   .catalogueEntry = 2,  .title = "Duskvale 1 Play Station",
     .width = 347, .height = 276, .textFrame = {2, 3, 340, 243},  .textTabIndex = 0,
     .buttonName = "PushButton1", .buttonLeft = 84,  .buttonTop = 250, .buttonTabIndex = 1, .buttonFirst = false},
    {.className = "Window8.Window8",   .catalogueEntry = 3,  .title = "Duskvale 1 Other",
     .width = 259, .height = 217, .textFrame = {1, 2, 248, 180},  .textTabIndex = 1,
     .buttonName = "PushButton2", .buttonLeft = 57,  .buttonTop = 194, .buttonTabIndex = 2, .buttonFirst = false},
    {.className = "Window9.Window9",   .catalogueEntry = 4,  .title = "Duskvale 2 Mac n PC",
     .width = 350, .height = 242, .textFrame = {2, 1, 344, 208},  .textTabIndex = 2,
     .buttonName = "PushButton2", .buttonLeft = 56,  .buttonTop = 214, .buttonTabIndex = 1, .buttonFirst = true},
    {.className = "Window10.Window10", .catalogueEntry = 5,  .title = "Duskvale 2 Play Station",
     .width = 391, .height = 303, .textFrame = {2, 4, 377, 265},  .textTabIndex = 2,
     .buttonName = "PushButton2", .buttonLeft = 53,  .buttonTop = 276, .buttonTabIndex = 1, .buttonFirst = true},
    {.className = "Window11.Window11", .catalogueEntry = 7,  .title = "Duskvale 3 Mac n PC",
     .width = 400, .height = 282, .textFrame = {0, 0, 392, 256},  .textTabIndex = 0,
     .buttonName = "PushButton1", .buttonLeft = 133, .buttonTop = 259, .buttonTabIndex = 1, .buttonFirst = false},
    {.className = "Window12.Window12", .catalogueEntry = 8,  .title = "Duskvale 3 Play Station",
     .width = 424, .height = 303, .textFrame = {0, 0, 416, 271},  .textTabIndex = 0,
     .buttonName = "PushButton2", .buttonLeft = 131, .buttonTop = 278, .buttonTabIndex = 2, .buttonFirst = false},
    {.className = "Window13.Window13", .catalogueEntry = 10, .title = "Duskvale OSV Mac n PC",
     .width = 367, .height = 284, .textFrame = {1, 0, 360, 257},  .textTabIndex = 0,
     .buttonName = "PushButton1", .buttonLeft = 84,  .buttonTop = 261, .buttonTabIndex = 1, .buttonFirst = false},
    {.className = "Window14.Window14", .catalogueEntry = 11, .title = "Duskvale OSV Play Station",
     .width = 381, .height = 291, .textFrame = {0, 0, 375, 259},  .textTabIndex = 0,
     .buttonName = "PushButton2", .buttonLeft = 80,  .buttonTop = 265, .buttonTabIndex = 2, .buttonFirst = false},
    {.className = "Window15.Window15", .catalogueEntry = 12, .title = "Duskvale OSV Other",
     .width = 420, .height = 322, .textFrame = {0, 0, 414, 291},  .textTabIndex = 0,
     .buttonName = "PushButton2", .buttonLeft = 95,  .buttonTop = 297, .buttonTabIndex = 2, .buttonFirst = false},
    {.className = "Window16.Window16", .catalogueEntry = 13, .title = "Duskvale Wendrith Mac n PC",
     .width = 409, .height = 310, .textFrame = {1, 1, 398, 279},  .textTabIndex = 0,
     .buttonName = "PushButton2", .buttonLeft = 113, .buttonTop = 281, .buttonTabIndex = 2, .buttonFirst = false},
    {.className = "Window17.Window17", .catalogueEntry = 14, .title = "Duskvale Wendrith Play Station",
     .width = 399, .height = 322, .textFrame = {2, 4, 395, 289},  .textTabIndex = 0,
     .buttonName = "PushButton2", .buttonLeft = 122, .buttonTop = 297, .buttonTabIndex = 2, .buttonFirst = false},
    {.className = "Window18.Window18", .catalogueEntry = 15, .title = "Duskvale Wendrith Other",
     .width = 362, .height = 300, .textFrame = {0, -1, 359, 280}, .textTabIndex = 0,
     .buttonName = "PushButton2", .buttonLeft = 122, .buttonTop = 278, .buttonTabIndex = 2, .buttonFirst = false},
    {.className = "Window19.Window19", .catalogueEntry = 16, .title = "Duskvale SKH Mac n PC",
     .width = 352, .height = 230, .textFrame = {0, -1, 352, 186}, .textTabIndex = 0,
     .buttonName = "PushButton1", .buttonLeft = 252, .buttonTop = 204, .buttonTabIndex = 1, .buttonFirst = false},
    {.className = "Window20.Window20", .catalogueEntry = 17, .title = "Duskvale SKH Play Station",
     .width = 370, .height = 281, .textFrame = {1, 0, 362, 251},  .textTabIndex = 0,
     .buttonName = "PushButton2", .buttonLeft = 115, .buttonTop = 257, .buttonTabIndex = 2, .buttonFirst = false},
}};

// The built-in text of the cheat window at this row of the table.
std::string_view CheatText(std::size_t row);

class CheatWindow : public StandardWindow {
public:
    explicit CheatWindow(const CheatDesign& design, std::string_view text);

    rt::Ref<rt::TextArea> EditField1() const;
    // The Close button bears one of these two names, as its design says.
    rt::Ref<rt::PushButton> PushButton1() const;
    rt::Ref<rt::PushButton> PushButton2() const;

    void PushButton1_Action(rt::PushButton& button);
    void PushButton2_Action(rt::PushButton& button);

    const CheatDesign& Design() const { return design_; }

protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers(rt::Window& window) override;

private:
    void CreateControls0();
    void CreateEditField1();
    void CreateCloseButton();
    bool EditSelectAll_Action();

    const CheatDesign& design_;
    std::string_view text_;
};

// One class per row of the table, each known by its own doubled name.
template <std::size_t Row>
class CheatWindowClass final : public CheatWindow {
public:
    static constexpr const char* kClassName = kCheatDesigns[Row].className;
    CheatWindowClass() : CheatWindow(kCheatDesigns[Row], CheatText(Row)) {}
    static rt::Ref<CheatWindowClass> Instance() { return rt::ImplicitInstance<CheatWindowClass>(); }
};

using Window6 = CheatWindowClass<0>;
using Window7 = CheatWindowClass<1>;
using Window8 = CheatWindowClass<2>;
using Window9 = CheatWindowClass<3>;
using Window10 = CheatWindowClass<4>;
using Window11 = CheatWindowClass<5>;
using Window12 = CheatWindowClass<6>;
using Window13 = CheatWindowClass<7>;
using Window14 = CheatWindowClass<8>;
using Window15 = CheatWindowClass<9>;
using Window16 = CheatWindowClass<10>;
using Window17 = CheatWindowClass<11>;
using Window18 = CheatWindowClass<12>;
using Window19 = CheatWindowClass<13>;
using Window20 = CheatWindowClass<14>;
