#!/usr/bin/env bash
# The built program on a real X display with a window manager, driven from
# outside as a user would: keyboard only, the clipboard read back with xclip.
# Usage: tst_real_display.sh PATH_TO_VEXORIN
set -euo pipefail

program=$1
fail() { echo "FAIL: $*"; exit 1; }
for tool in Xvfb openbox xdotool xclip xwininfo; do
  command -v "$tool" >/dev/null || fail "$tool is not installed"
done

work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/xdg
mkdir -m 700 "$XDG_RUNTIME_DIR"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Let the server pick a free display and tell us its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 3>"$work/displayfd" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/displayfd" ] && break; sleep 0.05; done
[ -s "$work/displayfd" ] || fail "the X server did not start: $(cat "$work/xvfb.log")"
export DISPLAY=:$(head -n1 "$work/displayfd")
unset QT_QPA_PLATFORM
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 0.5

"$program" >"$work/program.log" 2>&1 &
app=$!
pids+=($app)

main=$(timeout 10 xdotool search --sync --onlyvisible --name '^Vexorin 2\.1$' | head -n1) \
  || fail "the main window did not appear"
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$WIDTH" -eq 359 ] || fail "main window is $WIDTH wide, expected 359"
# The content is 109 high below the window's own menu bar.
[ "$HEIGHT" -gt 109 ] && [ "$HEIGHT" -lt 160 ] || fail "main window is $HEIGHT high"
echo "main window: ${WIDTH}x${HEIGHT}"

timeout 10 xdotool windowactivate --sync "$main" || fail "could not activate the main window"
sleep 0.3
xdotool key --delay 80 Down Tab Down Down Return
cheat=$(timeout 10 xdotool search --sync --onlyvisible --name '^Duskvale 1 Play Station$' | head -n1) \
  || fail "the cheat window did not open"
echo "cheat window opened"

timeout 10 xdotool windowactivate --sync "$cheat" || true
sleep 0.3
xdotool key --delay 80 ctrl+a ctrl+c
sleep 0.3
copied=$(timeout 5 xclip -o -selection clipboard | wc -m) || fail "nothing on the clipboard"
# 829 characters; the clipboard holds them with line feeds for the CRs.
[ "$copied" -eq 829 ] || fail "clipboard holds $copied characters, expected 829"
echo "clipboard: $copied characters"

xdotool key ctrl+q
status=0
timeout 10 tail --pid="$app" -f /dev/null || fail "the program did not end after Ctrl+Q"
wait "$app" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status: $(cat "$work/program.log")"
echo "1 passed, 0 failed"
