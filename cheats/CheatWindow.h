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
    int catalogueEntry;    // which entry of the cheat catalogue opens it
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
    {"Window6.Window6", 1, "Duskvale 1 Mac n PC", 438, 277, {1, 2, 432, 241}, 0, "PushButton1", 140, 249, 1, false},
    {"Window7.Window7", 2, "Duskvale 1 Play Station", 347, 276, {2, 3, 340, 243}, 0, "PushButton1", 84, 250, 1, false},
    {"Window8.Window8", 3, "Duskvale 1 Other", 259, 217, {1, 2, 248, 180}, 1, "PushButton2", 57, 194, 2, false},
    {"Window9.Window9", 4, "Duskvale 2 Mac n PC", 350, 242, {2, 1, 344, 208}, 2, "PushButton2", 56, 214, 1, true},
    {"Window10.Window10", 5, "Duskvale 2 Play Station", 391, 303, {2, 4, 377, 265}, 2, "PushButton2", 53, 276, 1, true},
    {"Window11.Window11", 7, "Duskvale 3 Mac n PC", 400, 282, {0, 0, 392, 256}, 0, "PushButton1", 133, 259, 1, false},
    {"Window12.Window12", 8, "Duskvale 3 Play Station", 424, 303, {0, 0, 416, 271}, 0, "PushButton2", 131, 278, 2, false},
    {"Window13.Window13", 10, "Duskvale OSV Mac n PC", 367, 284, {1, 0, 360, 257}, 0, "PushButton1", 84, 261, 1, false},
    {"Window14.Window14", 11, "Duskvale OSV Play Station", 381, 291, {0, 0, 375, 259}, 0, "PushButton2", 80, 265, 2, false},
    {"Window15.Window15", 12, "Duskvale OSV Other", 420, 322, {0, 0, 414, 291}, 0, "PushButton2", 95, 297, 2, false},
    {"Window16.Window16", 13, "Duskvale Wendrith Mac n PC", 409, 310, {1, 1, 398, 279}, 0, "PushButton2", 113, 281, 2, false},
    {"Window17.Window17", 14, "Duskvale Wendrith Play Station", 399, 322, {2, 4, 395, 289}, 0, "PushButton2", 122, 297, 2, false},
    {"Window18.Window18", 15, "Duskvale Wendrith Other", 362, 300, {0, -1, 359, 280}, 0, "PushButton2", 122, 278, 2, false},
    {"Window19.Window19", 16, "Duskvale SKH Mac n PC", 352, 230, {0, -1, 352, 186}, 0, "PushButton1", 252, 204, 1, false},
    {"Window20.Window20", 17, "Duskvale SKH Play Station", 370, 281, {1, 0, 362, 251}, 0, "PushButton2", 115, 257, 2, false},
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
