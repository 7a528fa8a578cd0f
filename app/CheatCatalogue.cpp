#include "CheatCatalogue.h"

#include "CheatWindow.h"
#include "Window1.h"

#include "rt/Application.h"

namespace CheatCatalogue {

namespace {

template <std::size_t Row>
void Open()
{
    CheatWindowClass<Row>::Instance()->Show();
}

constexpr std::array<Entry, 18> kEntries = {{
    {"Duskvale 1", "Mac n Pc", &Open<0>},
    {"Duskvale 1", "Play Station", &Open<1>},
    {"Duskvale 1", "Other", &Open<2>},
    {"Duskvale 2", "Mac n Pc", &Open<3>},
    {"Duskvale 2", "Play Station", &Open<4>},
    {"Duskvale 2", "Other", nullptr},
    {"Duskvale 3", "Mac n Pc", &Open<5>},
    {"Duskvale 3", "Play Station", &Open<6>},
    {"Duskvale 3", "Other", nullptr},
    {"Duskvale Ostrevane", "Mac n Pc", &Open<7>},
    {"Duskvale Ostrevane", "Play Station", &Open<8>},
    {"Duskvale Ostrevane", "Other", &Open<9>},
    {"Duskvale Wendrith", "Mac n Pc", &Open<10>},
    {"Duskvale Wendrith", "Play Station", &Open<11>},
    {"Duskvale Wendrith", "Other", &Open<12>},
    {"Duskvale Skarnholt", "Mac n Pc", &Open<13>},
    {"Duskvale Skarnholt", "Play Station", &Open<14>},
    {"Duskvale Skarnholt", "Other", nullptr},
}};

} // namespace

const std::array<Entry, 18>& Entries()
{
    return kEntries;
}

void View(Window1& window)
{
    for (const Entry& entry : kEntries) {
        if (rt::RuntimeStringCompare(window.PopupMenu1()->Text(), entry.game) != 0)
            continue;
        if (rt::RuntimeStringCompare(window.PopupMenu2()->Text(), entry.platform) != 0)
            continue;
        if (entry.open)
            entry.open();
        else
            rt::MsgBox("There is no Other");
    }
}

} // namespace CheatCatalogue
