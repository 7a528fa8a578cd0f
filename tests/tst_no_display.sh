#!/usr/bin/env bash
# The built program started where no display can be had: one plain line that
# names the display or window system it tried, with the toolkit's reason where
# it gave one, and status 1; no abort, no toolkit advice.
# Usage: tst_no_display.sh PATH_TO_VEXORIN
set -uo pipefail

program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A display number that no server holds: neither its lock file nor its socket.
unused=""
for n in $(seq 4000 4100); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
    unused=:$n
    break
  fi
done
[ -n "$unused" ] || { echo "FAIL: no unused display number"; echo "0 passed, 1 failed"; exit 1; }

passed=0
failed=0
# Usage: expect DISPLAY_OR_EMPTY PLATFORM_OR_EMPTY EXPECTED_LINE
# EXPECTED_LINE is a pattern: where the toolkit gives its reason, the line
# ends in "*". The toolkit's advice never belongs on it.
expect() {
  local display=$1 platform=$2 expected=$3 status=0
  local run=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work")
  [ -n "$display" ] && run+=(DISPLAY="$display")
  [ -n "$platform" ] && run+=(QT_QPA_PLATFORM="$platform")
  timeout 20 "${run[@]}" "$program" >"$work/out" 2>"$work/err" || status=$?
  local lines line label="DISPLAY=${display:-(unset)}${platform:+ QT_QPA_PLATFORM=$platform}"
  lines=$(wc -l <"$work/err")
  line=$(cat "$work/err")
  # shellcheck disable=SC2053 # the expected line is a pattern
  if [ "$status" -ne 1 ]; then
    echo "FAIL: $label: exit status $status, expected 1"
  elif [ "$lines" -ne 1 ] || [[ $line != $expected ]] || [[ $line == *[Rr]einstall* ]] || [ -s "$work/out" ]; then
    echo "FAIL: $label: expected the one line <$expected> on stderr, got:"
    cat "$work/out" "$work/err"
  else
    echo "ok: $label: $line"
    passed=$((passed + 1))
    return
  fi
  failed=$((failed + 1))
}

expect "" "" "vexorin: no display: DISPLAY is not set"
expect "$unused" "" "vexorin: cannot open the display \"$unused\""
# No such plugin: the toolkit's reason names the one it could not find.
expect "$unused" "nonesuch" "vexorin: cannot start the window system \"nonesuch\": *\"nonesuch\"*"
# No compositor: whatever the toolkit found wrong, said on the same line.
expect "$unused" "wayland" "vexorin: cannot start the window system \"wayland\": ?*"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
