// The standard Edit items. Where the front window registered no handler of
// its own, they act on its focused text area, as the toolkit provides.
#pragma once

#include <string_view>

class QPlainTextEdit;

namespace rt {

enum class EditCommand { None, Undo, Cut, Copy, Paste, Clear, SelectAll };

// The command of a menu item's name, or None.
EditCommand EditCommandFor(std::string_view itemName);
// Whether the command has something to act on in the text area (none: false).
bool EditApplies(EditCommand command, const QPlainTextEdit* edit);
// Runs the command on the text area, where it applies.
void RunEdit(EditCommand command, QPlainTextEdit* edit);

} // namespace rt
