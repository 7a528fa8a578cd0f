// The eighteen pairs of a game and a platform, and what "View" does for each.
#pragma once

class Window1;

namespace CheatCatalogue {

// The View handler: every entry is tested, in order, against the two popups.
void View(Window1& window);

} // namespace CheatCatalogue
