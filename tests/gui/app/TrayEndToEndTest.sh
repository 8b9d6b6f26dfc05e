#!/usr/bin/env bash
# The tray icon in a real notification area (trayer) on a private X server:
#   tests/gui/app/TrayEndToEndTest.sh BUILD
# Hiding the window to the tray deletes it, a left click on the icon brings
# it back, and the tray menu's Next advances the song while no window is
# there. Exit 77 (skipped) without trayer or the X tools (scripts/install-deps).
# Pictures of each step go to $E2E_SHOTS when it names a folder.
if [ "${1:-}" != "--steps" ]; then
  command -v trayer >/dev/null || { echo "TrayEndToEnd: trayer is not installed" >&2; exit 77; }
  root=$(cd "$(dirname "$0")/../../.." && pwd)
  exec "$root/scripts/e2e-window" "${1:?usage: $0 BUILD}" "$0" --steps
fi

# Sourced by scripts/e2e-window from here on, with sonara's main window open.
shot() { e2e_shot "$@"; }
units_x() { e2e_units_x "$@"; }
units_y() { e2e_units_y "$@"; }
close_x=$(($(units_x 466) - 7))
# The mini tool bar's items are 14 pixels apart; the tray button is four
# left of the close button, past the group gap of 5.
tray_x=$((close_x - 4 * 14))

# The program looks for a notification area when it starts: end the first
# run, which had none, and start again beside trayer with two songs queued.
e2e_click "$close_x" 10
e2e_wait_exit 10
e2e_cli playlist add "$E2E_MUSIC/Alpha Band - First Light.mp3" \
  "$E2E_MUSIC/Alpha Band - Second Wind.mp3" >/dev/null
trayer --edge top --align right --widthtype request --height 24 --SetDockType false \
  --SetPartialStrut false --transparent false >/dev/null 2>&1 &
tray_host=$!
tray_up() { xdotool search --onlyvisible --class trayer >/dev/null 2>&1; }
e2e_wait_until 10 tray_up
e2e_start
# The icon's window and the tray menu are both titled with the bare program
# name, unlike the main window, whose caption is padded or scrolls.
e2e_wait_window "^Sonara +$" 10
main_window=$E2E_WINDOW

bare_windows() { xdotool search --onlyvisible --pid "$E2E_PID" --name '^Sonara$' 2>/dev/null; }
# The icon: the panel's size, at most 32 pixels high.
tray_icon() {
  local id height
  for id in $(bare_windows); do
    height=$(xdotool getwindowgeometry "$id" 2>/dev/null | sed -n 's/.*Geometry: [0-9]*x//p')
    [ -n "$height" ] && [ "$height" -le 32 ] && { echo "$id"; return 0; }
  done
  return 1
}
has_tray_icon() { tray_icon >/dev/null; }
e2e_wait_until 10 has_tray_icon
shot with-tray

# Play from the window, then hide it to the tray: the window is gone.
e2e_click "$(units_x 299)" "$(units_y 70)"
e2e_wait_title "First Light"
started=$(date +%s)
e2e_click "$tray_x" 10
window_gone() { ! xdotool getwindowname "$main_window" >/dev/null 2>&1; }
e2e_wait_until 5 window_gone
icon=$(tray_icon) || e2e_fail "the tray icon went with the window"
shot hidden

# The tray menu's Next: the last item but one, above the separator before
# Exit; items are 22 pixels high in the plain menu.
xdotool mousemove --window "$icon" 5 5 click 3
tray_menu() {
  local id
  for id in $(bare_windows); do [ "$id" != "$icon" ] && { echo "$id"; return 0; }; done
  return 1
}
menu_open() { tray_menu >/dev/null; }
e2e_wait_until 5 menu_open
menu=$(tray_menu)
shot menu
menu_height=$(xdotool getwindowgeometry "$menu" | sed -n 's/.*Geometry: [0-9]*x//p')
xdotool mousemove --window "$menu" 30 $((menu_height - 35))
sleep 0.2
xdotool click 1
e2e_wait_until 5 eval '! menu_open'

# A left click brings the window back, playing the second song before the
# first could have ended by itself (eight seconds).
main_window_back() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null); do
    [ "$(xdotool getwindowname "$id" 2>/dev/null)" != Sonara ] && { main_window=$id; return 0; }
  done
  return 1
}
xdotool mousemove --window "$icon" 5 5 click 1
e2e_wait_until 5 main_window_back
E2E_WINDOW=$main_window
e2e_wait_title "Second Wind" 5
[ $(($(date +%s) - started)) -lt 7 ] || e2e_fail "Second Wind came only when First Light ended"
shot shown
# The window carries the program's icon, for the task bar and the switcher.
if command -v xprop >/dev/null; then
  # Read whole first: grep -q stopping early would kill xprop with SIGPIPE.
  icon=$(xprop -id "$main_window" _NET_WM_ICON 2>/dev/null || true)
  grep -q 'Icon (' <<<"$icon" || e2e_fail "the window has no icon"
fi

e2e_click "$close_x" 10
e2e_wait_exit 10
kill "$tray_host" 2>/dev/null || true
echo "TrayEndToEnd: ok"
