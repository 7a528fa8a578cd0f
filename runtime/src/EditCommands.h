// The standard Edit items. Where the front window registered no handler of
// its own, they act on its focused text area, as the toolkit provides.
#pragma once

#include <string_view>

class QPlainTextEdit;

namespace rt {

enum class EditCommand { None, Undo, Cut, Copy, Paste, Clear, SelectAll };

// The command of a menu item's name, or None.
EditCommand EditCommandFor(std::string_view itemName);

// What the commands find in one text area (or in none), read once for all
// the items of a menu rather than again for each of them.
class EditTarget {
public:
    explicit EditTarget(const QPlainTextEdit* edit);
    // Whether the command has something to act on (no text area: false).
    bool Applies(EditCommand command) const;

private:
    const QPlainTextEdit* edit_;
    bool selection_ = false;
    bool editable_ = false;
};

// Whether the command has something to act on in the text area (none: false).
bool EditApplies(EditCommand command, const QPlainTextEdit* edit);
// Runs the command on the text area, where it applies.
void RunEdit(EditCommand command, QPlainTextEdit* edit);

} // namespace rt
