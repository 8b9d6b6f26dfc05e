#!/usr/bin/env bash
# The real program on a private X server, driven as a user would:
#   tests/gui/app/WindowEndToEndTest.sh BUILD
# Exit 77 (skipped) without the X tools it needs (scripts/install-deps). Pictures of each step go to
# $E2E_SHOTS when it names a folder.
if [ "${1:-}" != "--steps" ]; then
  root=$(cd "$(dirname "$0")/../../.." && pwd)
  exec "$root/scripts/e2e-window" "${1:?usage: $0 BUILD}" "$0" --steps
fi

# Sourced by scripts/e2e-window from here on, with sonara's main window open.
shot() { e2e_shot "$@"; }

e2e_cli list | grep -q "First Light" || e2e_fail "the library lacks the first song"

# Where a control sits in the window: its rectangle in the window's layout
# units (1.5 pixels across, 1.625 down), as the template places it.
units_x() { e2e_units_x "$@"; }
units_y() { e2e_units_y "$@"; }
click_units() { e2e_click "$(units_x "$1")" "$(units_y "$2")"; }
search_text=(145 78)  # the search text's middle
add_to_play_list=(237 124)
play=(299 70)
stop=(335 70)
next=(353 70)
library_first_row=(60 99)  # the first row under the list's header
library_second_row=(11 104 212 8)
library_third_row=(11 112 212 8)
go=(210 79)
menu_button=(12 8)
play_list_rows=(250 136 210 16)
time_display=(254 46 204 8)

region_units() {
  e2e_region "$(units_x "$1")" "$(units_y "$2")" "$(units_x "$3")" "$(units_y "$4")"
}
# Waits up to S seconds for a region to differ from the checksum it had.
wait_region_changes() {
  local seconds=$1 before=$2
  shift 2
  changed() { [ "$(region_units "$@")" != "$before" ]; }
  e2e_wait_until "$seconds" changed "$@"
}
geometry() { xdotool getwindowgeometry "$1" 2>/dev/null | sed -n 's/ *Geometry: //p'; }
# A view that changes the window's flags gets a new native window: the main
# window is found again, by its size.
main_window_sized() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null); do
    if [ "$(geometry "$id")" = "$1" ] && [ "$(xdotool getwindowname "$id" 2>/dev/null)" != Sonara ]; then
      main_window=$id
      E2E_WINDOW=$id
      return 0
    fi
  done
  return 1
}
popup_window() { e2e_popup_window "$main_window"; }
has_popup() { popup_window >/dev/null; }

main_window=$E2E_WINDOW
e2e_wait_title "Sonara"
normal_size=$(geometry "$E2E_WINDOW")
shot start

# A search by artist leaves the two songs of Alpha Band: the third row empties.
third_row=$(region_units "${library_third_row[@]}")
click_units "${search_text[@]}"
e2e_type "Alpha"
e2e_key Return
wait_region_changes 5 "$third_row" "${library_third_row[@]}"
has_popup && e2e_fail "the search opened a message instead of searching"
shot searched

# Both rows go to the play list.
rows=$(region_units "${play_list_rows[@]}")
click_units "${library_first_row[@]}"
xdotool keydown shift
click_units "${library_first_row[0]}" $((library_first_row[1] + 9))
xdotool keyup shift
click_units "${add_to_play_list[@]}"
wait_region_changes 5 "$rows" "${play_list_rows[@]}"
shot added

# Play: the caption rotates the playing title and the time display runs.
click_units "${play[@]}"
e2e_wait_title "First Light"
time_playing=$(region_units "${time_display[@]}")
wait_region_changes 5 "$time_playing" "${time_display[@]}"
shot playing
click_units "${next[@]}"
e2e_wait_title "Second Wind"
click_units "${stop[@]}"
stopped() { [[ ! $(e2e_title) =~ Wind|Light ]]; }
e2e_wait_until 5 stopped
shot stopped

# Party view tells about itself first, then fills the screen; Ctrl+N returns.
e2e_key ctrl+p
e2e_close_note "$main_window"
screen=$(xdotool getdisplaygeometry | tr ' ' x)
e2e_wait_until 5 main_window_sized "$screen"
shot party
# Each view is written down as it opens (Party is 1, the main view 0).
last_view_is() { grep -qx "LastView=$1" "$E2E_HOME/Sonara.ini"; }
e2e_wait_until 5 last_view_is 1
e2e_key ctrl+n
e2e_wait_until 5 main_window_sized "$normal_size"
e2e_wait_until 5 last_view_is 0
shot normal

# The mini tool bar's close button, at its right end, ends the program.
e2e_click $(($(units_x 466) - 7)) 10
e2e_wait_exit 10

playlist=$(e2e_cli playlist show)
grep -q "First Light" <<<"$playlist" || e2e_fail "the play list lost First Light: $playlist"
grep -q "Second Wind" <<<"$playlist" || e2e_fail "the play list lost Second Wind: $playlist"
grep -q "Third Rail" <<<"$playlist" && e2e_fail "the play list holds a song not added: $playlist"
last_view_is 0 || e2e_fail "LastView is $(e2e_cli prefs get LastView) after the exit, not 0"

# A second start: the Go button searches, and the main menu's Exit ends it.
e2e_start
main_window=$E2E_WINDOW
second_row=$(region_units "${library_second_row[@]}")
click_units "${search_text[@]}"
e2e_key End shift+Home BackSpace
e2e_type "Beta"
click_units "${go[@]}"
wait_region_changes 5 "$second_row" "${library_second_row[@]}"
has_popup && e2e_fail "Go opened a message instead of searching"
shot go
click_units "${menu_button[@]}"
e2e_wait_until 5 has_popup
menu=$(popup_window)
menu_height=$(geometry "$menu" | cut -dx -f2)
xdotool mousemove --window "$menu" 20 $((menu_height - 8))
sleep 0.1
xdotool click 1
e2e_wait_exit 10
last_view_is 0 || e2e_fail "LastView is not 0 after the second run"
e2e_cli list | grep -q "Third Rail" || e2e_fail "the library lost a song"

# A third start ended by SIGTERM, as a logout ends it: what was added is kept.
e2e_start
main_window=$E2E_WINDOW
click_units $((library_third_row[0] + 20)) $((library_third_row[1] + 4))
click_units "${add_to_play_list[@]}"
sleep 1  # the new rows fall below the rows the earlier runs left
shot third-run
kill -TERM "$E2E_PID"
e2e_wait_exit 10
e2e_cli playlist show | grep -q "Third Rail" || e2e_fail "SIGTERM lost the play list's new song"
e2e_cli top | grep -q "Third Rail" || e2e_fail "SIGTERM lost the request count of Third Rail"
echo "WindowEndToEnd: ok"
