#!/usr/bin/env bash
# The built program on a real X display with a window manager, driven from
# outside as a user would: keys, a click where a button has no key of its
# own, the clipboard read back with xclip, window states read with xprop.
# Usage: tst_real_display.sh PATH_TO_VEXORIN
set -euo pipefail

program=$1
source "$(dirname "$0")/../support/driving.sh"
for tool in Xvfb openbox xdotool xclip xprop; do
  command -v "$tool" >/dev/null || fail "$tool is not installed"
done

# CTest gives the test a home and XDG folders of its own; run by hand, it
# makes a runtime folder of its own at least.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR=$work/xdg
  mkdir -m 700 "$XDG_RUNTIME_DIR"
fi
is_iconic() { xprop -id "$1" WM_STATE | grep -q 'window state: Iconic'; }
is_normal() {
  xprop -id "$1" WM_STATE | grep -q 'window state: Normal' \
    && ! xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN
}
is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
windows_named() { xdotool search --name "$1" 2>/dev/null | wc -l; }

# The window manager minimises the window; the action then has to bring the
# very same window back: one window of that title, mapped normally, active.
# Usage: expect_brought_back WINDOW TITLE_PATTERN WHAT -- ACTION...
expect_brought_back() {
  local window=$1 title=$2 what=$3
  shift 4
  xdotool windowminimize "$window"
  wait_for is_iconic "$window" || fail "$what: the window manager did not minimise the window"
  "$@"
  wait_for is_normal "$window" || fail "$what: the window stays minimised"
  wait_for is_active "$window" || fail "$what: the window is not active"
  [ "$(windows_named "$title")" -eq 1 ] || fail "$what: more than one window titled $title"
  pass "$what brings the minimised window back"
}
activate() {
  timeout 10 xdotool windowactivate --sync "$1" || fail "could not activate window $1"
  wait_for is_active "$1" || fail "window $1 did not become active"
}
view_in_main() {
  activate "$main"
  xdotool key Return
}
visible_windows() { xdotool search --onlyvisible --class '^vexorin$' 2>/dev/null | wc -l; }
more_visible_windows_than() { [ "$(visible_windows)" -gt "$1" ]; }
about_in_main() {
  activate "$main"
  local before
  before=$(visible_windows)
  xdotool key alt+f
  wait_for more_visible_windows_than "$before" || fail "the File menu did not open"
  # File opens with Quit chosen; About is the item below it.
  xdotool key Down Return
}
# The window manager slides a window it restores back into place.
stands_still() {
  local before
  before=$(xdotool getwindowgeometry "$1")
  sleep 0.1
  [ "$(xdotool getwindowgeometry "$1")" = "$before" ]
}
# "V H" has no key of its own: click it, 191 below the content's top, which
# lies below the window's own menu bar.
version_history_in_about() {
  activate "$about"
  wait_for stands_still "$about" || fail "the About window does not stand still"
  eval "$(xdotool getwindowgeometry --shell "$about")"
  xdotool mousemove --window "$about" 51 $((HEIGHT - 368 + 201)) click 1
}

# A private X server with a window manager; the server's pid goes to xserver.
# The server picks a free display and tells us its number.
start_display() {
  rm -f "$work/displayfd"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 3>"$work/displayfd" &
  xserver=$!
  pids+=($xserver)
  for _ in $(seq 100); do [ -s "$work/displayfd" ] && break; sleep 0.05; done
  [ -s "$work/displayfd" ] || fail "the X server did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=:$(head -n1 "$work/displayfd")
  openbox >/dev/null 2>&1 &
  pids+=($!)
  sleep 0.5
}
unset QT_QPA_PLATFORM
start_display

# Starts the program; its pid goes to app and its main window to main.
launch() {
  "$program" >"$work/program.log" 2>&1 &
  app=$!
  pids+=($app)
  main=$(timeout 10 xdotool search --sync --onlyvisible --name '^Vexorin 2\.1$' | head -n1) \
    || fail "the main window did not appear"
}
# Usage: expect_end STATUS WHEN
expect_end() {
  local expected=$1 when=$2 status=0
  timeout 20 tail --pid="$app" -f /dev/null || fail "the program did not end $when"
  wait "$app" || status=$?
  [ "$status" -eq "$expected" ] || fail "exit status $status $when: $(tail -n 5 "$work/program.log")"
}

launch
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$WIDTH" -eq 359 ] || fail "main window is $WIDTH wide, expected 359"
# The content is 109 high below the window's own menu bar.
[ "$HEIGHT" -gt 109 ] && [ "$HEIGHT" -lt 160 ] || fail "main window is $HEIGHT high"
pass "main window: ${WIDTH}x${HEIGHT}"

timeout 10 xdotool windowactivate --sync "$main" || fail "could not activate the main window"
sleep 0.3
xdotool key --delay 80 Down Tab Down Down Return
cheat=$(timeout 10 xdotool search --sync --onlyvisible --name '^Duskvale 1 Play Station$' | head -n1) \
  || fail "the cheat window did not open"

timeout 10 xdotool windowactivate --sync "$cheat" || true
sleep 0.3
xdotool key --delay 80 ctrl+a ctrl+c
sleep 0.3
copied=$(timeout 5 xclip -o -selection clipboard | wc -m) || fail "nothing on the clipboard"
# 829 characters; the clipboard holds them with line feeds for the CRs.
[ "$copied" -eq 829 ] || fail "clipboard holds $copied characters, expected 829"
pass "cheat window opened; clipboard: $copied characters"

# The Edit menu opened from the keys and closed with Escape leaves the menu
# bar holding the keyboard; Ctrl+C still copies the window's selection.
printf 'stale' | xclip -selection clipboard
before=$(visible_windows)
xdotool key alt+e
wait_for more_visible_windows_than "$before" || fail "the Edit menu did not open"
xdotool key Escape
menu_closed() { [ "$(visible_windows)" -eq "$before" ]; }
wait_for menu_closed || fail "the Edit menu did not close"
xdotool key ctrl+c
copied_again() { [ "$(timeout 5 xclip -o -selection clipboard | wc -m)" -eq 829 ]; }
wait_for copied_again || fail "after the Edit menu, Ctrl+C copied: $(timeout 5 xclip -o -selection clipboard | head -c 40)"
pass "Ctrl+C copies after a menu closed with Escape"

expect_brought_back "$cheat" '^Duskvale 1 Play Station$' "View" -- view_in_main

about_in_main
about=$(timeout 10 xdotool search --sync --onlyvisible --name '^About$' | head -n1) \
  || fail "File > About did not open the About window"
expect_brought_back "$about" '^About$' "File > About" -- about_in_main

version_history_in_about
history=$(timeout 10 xdotool search --sync --onlyvisible --name '^Version History$' | head -n1) \
  || fail "V H did not open the Version History"
expect_brought_back "$history" '^Version History$' "V H" -- version_history_in_about

# Every cheat window opens with the keyboard on its text, also where Close
# comes first in its keyboard order: Select All and Copy take the whole text
# at once, and Tab then reaches Close, which Space presses.
# Usage: expect_text_focused TITLE CHARACTERS
expect_text_focused() {
  local title=$1 characters=$2 window
  window=$(timeout 10 xdotool search --sync --onlyvisible --name "^$title\$" | head -n1) \
    || fail "$title did not open"
  wait_for is_active "$window" || fail "$title is not active"
  xdotool key --delay 80 ctrl+a ctrl+c
  copied_all() { [ "$(timeout 5 xclip -o -selection clipboard | wc -m)" -eq "$characters" ]; }
  wait_for copied_all || fail "$title: right after opening, Ctrl+A Ctrl+C copied $(timeout 5 xclip -o -selection clipboard | wc -m) characters, expected $characters"
  xdotool key --delay 80 Tab space
  closed() { [ "$(windows_named "^$title\$")" -eq 0 ]; }
  wait_for closed || fail "$title: Tab then Space did not press Close"
  pass "$title opens on its text: $characters characters copied; Tab reaches Close"
}
# The main window's keyboard is still on the platform popup.
activate "$main"
xdotool key --delay 80 shift+Tab Down Tab Up Return
expect_text_focused "Duskvale 2 Mac n PC" 792
activate "$main"
xdotool key --delay 80 Down Return
expect_text_focused "Duskvale 2 Play Station" 1392

xdotool key ctrl+q
expect_end 0 "after Ctrl+Q"
pass "Ctrl+Q ends the program"

# Escape presses "Quit": its "Thank You" box bears the program's name, not the
# executable's, and the program ends once the box is answered.
launch
activate "$main"
xdotool key Escape
box_appears() {
  box=$(xdotool search --onlyvisible --class '^vexorin$' 2>/dev/null | grep -vx "$main" | head -n1)
  [ -n "$box" ]
}
wait_for box_appears || fail "no message box appeared after Escape"
for property in WM_NAME _NET_WM_NAME; do
  name=$(xprop -id "$box" "$property" | sed -n 's/^[^=]*= "\(.*\)"$/\1/p')
  [ "$name" = "Vexorin" ] || fail "the Thank You box's $property is \"$name\", expected \"Vexorin\""
done
activate "$box"
xdotool key Return
expect_end 0 "after Thank You"
pass "the Thank You box is named Vexorin"

# The display goes away under the running program, whatever it shows: the
# toolkit ends the process with status 1, and nothing of ours may then crash.
# Usage: expect_display_loss WHAT [ACTION...]
expect_display_loss() {
  local what=$1
  shift
  start_display
  launch
  activate "$main"
  "$@"
  kill "$xserver"
  expect_end 1 "when the display went away ($what)"
  pass "$what: status 1 when the display goes away"
}
open_about() {
  about_in_main
  timeout 10 xdotool search --sync --onlyvisible --name '^About$' >/dev/null || fail "the About window did not open"
}
open_message_box() {
  xdotool key Escape
  wait_for box_appears || fail "no message box appeared after Escape"
}
open_save_dialog() {
  open_about
  about=$(xdotool search --onlyvisible --name '^About$' | head -n1)
  activate "$about"
  local before
  before=$(visible_windows)
  xdotool key ctrl+s
  wait_for more_visible_windows_than "$before" || fail "Ctrl+S did not open the save dialog"
}
expect_display_loss "main window alone"
expect_display_loss "About open" open_about
expect_display_loss "message box open" open_message_box
expect_display_loss "save dialog open" open_save_dialog

all_passed
