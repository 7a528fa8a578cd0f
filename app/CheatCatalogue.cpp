#include "CheatCatalogue.h"

#include "CheatWindow.h"
#include "Window1.h"

#include "rt/Application.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

namespace CheatCatalogue {

namespace {

struct Pair {
    std::string_view game;
    std::string_view platform; // as tested; letter case is ignored
};

// The catalogue's order. Which pair opens which cheat window is the cheat
// table's to say (its catalogueEntry, counted from 1); a pair that no row
// names gives "There is no Other".
constexpr std::array<Pair, 18> kPairs = {{
    {"Duskvale 1", "Mac n Pc"},
    {"Duskvale 1", "Play Station"},
    {"Duskvale 1", "Other"},
    {"Duskvale 2", "Mac n Pc"},
    {"Duskvale 2", "Play Station"},
    {"Duskvale 2", "Other"},
    {"Duskvale 3", "Mac n Pc"},
    {"Duskvale 3", "Play Station"},
    {"Duskvale 3", "Other"},
    {"Duskvale Ostrevane", "Mac n Pc"},
    {"Duskvale Ostrevane", "Play Station"},
    {"Duskvale Ostrevane", "Other"},
    {"Duskvale Wendrith", "Mac n Pc"},
    {"Duskvale Wendrith", "Play Station"},
    {"Duskvale Wendrith", "Other"},
    {"Duskvale Skarnholt", "Mac n Pc"},
    {"Duskvale Skarnholt", "Play Station"},
    {"Duskvale Skarnholt", "Other"},
}};

// Each cheat window is opened by exactly one pair, and the table follows the
// catalogue's order.
constexpr bool RowsFollowTheCatalogue()
{
    int previous = 0;
    for (const CheatDesign& row : kCheatDesigns) {
        if (row.catalogueEntry <= previous || row.catalogueEntry > static_cast<int>(kPairs.size()))
            return false;
        previous = row.catalogueEntry;
    }
    return true;
}
static_assert(RowsFollowTheCatalogue());

constexpr std::size_t kNoRow = kCheatDesigns.size();

// The row of the cheat table that the pair at this index opens, or kNoRow.
constexpr std::size_t RowOf(std::size_t index)
{
    for (std::size_t row = 0; row < kCheatDesigns.size(); ++row) {
        if (kCheatDesigns[row].catalogueEntry == static_cast<int>(index) + 1)
            return row;
    }
    return kNoRow;
}

template <std::size_t Row>
void Open()
{
    CheatWindowClass<Row>::Instance()->Show();
}

// Shows the pair's cheat window; none: "There is no Other".
using Opener = void (*)();

template <std::size_t Index>
constexpr Opener OpenerOf()
{
    constexpr std::size_t row = RowOf(Index);
    if constexpr (row == kNoRow)
        return nullptr;
    else
        return &Open<row>;
}

struct Entry {
    Pair pair;
    Opener open;
};

template <std::size_t... Index>
constexpr std::array<Entry, sizeof...(Index)> MakeEntries(std::index_sequence<Index...>)
{
    return {{Entry{kPairs[Index], OpenerOf<Index>()}...}};
}

constexpr auto kEntries = MakeEntries(std::make_index_sequence<kPairs.size()>());

} // namespace

void View(Window1& window)
{
    for (const Entry& entry : kEntries) {
        if (rt::RuntimeStringCompare(window.PopupMenu1()->Text(), entry.pair.game) != 0)
            continue;
        if (rt::RuntimeStringCompare(window.PopupMenu2()->Text(), entry.pair.platform) != 0)
            continue;
        if (entry.open)
            entry.open();
        else
            rt::MsgBox("There is no Other");
    }
}

} // namespace CheatCatalogue
