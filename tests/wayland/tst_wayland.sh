#!/usr/bin/env bash
# The built program in a Wayland session: a headless compositor, the toolkit's
# Wayland plugin, and the main window mapped on the compositor's output. The
# protocol log (WAYLAND_DEBUG) shows the window's title being set and the
# compositor putting its surface on an output; the program must then still be
# running, having said nothing else.
# Usage: tst_wayland.sh PATH_TO_VEXORIN
set -uo pipefail

program=$1
source "$(dirname "$0")/../support/driving.sh"
command -v weston >/dev/null || fail "weston is not installed"

# Neither the compositor nor the program may leave anything in the real home.
export HOME=$work/home XDG_RUNTIME_DIR=$work/xdg
mkdir -p "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_CONFIG_HOME

weston --backend=headless-backend.so --socket=vx-wayland --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=("$!")
wait_for test -S "$XDG_RUNTIME_DIR/vx-wayland" \
  || fail "the compositor did not start: $(tail -n 5 "$work/weston.log")"

WAYLAND_DISPLAY=vx-wayland QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$program" >"$work/out" 2>"$work/log" &
app=$!
pids+=("$app")

# The object ids of the main window: its toplevel by the title it is given,
# then the xdg surface that made that toplevel, then the surface beneath.
log_id() { sed -n "s/$1/\\1/p" "$work/log" | head -n1; }
toplevel_titled() { toplevel=$(log_id '.*-> xdg_toplevel@\([0-9]*\)\.set_title("Vexorin 2\.1").*') && [ -n "$toplevel" ]; }
surface_on_output() {
  local xdg_surface surface
  xdg_surface=$(log_id ".*-> xdg_surface@\\([0-9]*\\)\\.get_toplevel(new id xdg_toplevel@$toplevel).*")
  surface=$(log_id ".*get_xdg_surface(new id xdg_surface@$xdg_surface, wl_surface@\\([0-9]*\\)).*")
  [ -n "$xdg_surface" ] && [ -n "$surface" ] && grep -q "^\[[ 0-9.]*\] wl_surface@$surface\.enter(wl_output@" "$work/log"
}

toplevel=""
wait_for toplevel_titled || fail "no window titled \"Vexorin 2.1\" was made; the program said: $(grep -v '^\[' "$work/log" | head -n 5)"
wait_for surface_on_output || fail "the main window never reached the compositor's output"
pass "the main window is on the output"

# A moment more for anything the toolkit would say once the window is up.
sleep 0.5
kill -0 "$app" 2>/dev/null || fail "the program ended: $(grep -v '^\[' "$work/log" | head -n 5)"
said=$(grep -v '^\[' "$work/log"; cat "$work/out")
[ -z "$said" ] || fail "the program said: $said"
pass "the program runs and says nothing"
all_passed
