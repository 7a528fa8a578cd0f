// The eighteen pairs of a game and a platform, and what "View" does for each.
#pragma once

#include <array>
#include <string_view>

class Window1;

namespace CheatCatalogue {

struct Entry {
    std::string_view game;
    std::string_view platform; // as tested; letter case is ignored
    void (*open)();            // shows the pair's cheat window; none: "There is no Other"
};

const std::array<Entry, 18>& Entries();

// The View handler: every entry is tested, in order, against the two popups.
void View(Window1& window);

} // namespace CheatCatalogue
