#!/usr/bin/env bash
# The program's dialogs in the real window on a private X server:
#   tests/gui/app/DialogsEndToEndTest.sh BUILD
# Exit 77 (skipped) without the X tools it needs (scripts/install-deps). Pictures of each step go to
# $E2E_SHOTS when it names a folder.
if [ "${1:-}" != "--steps" ]; then
  root=$(cd "$(dirname "$0")/../../.." && pwd)
  exec "$root/scripts/e2e-window" "${1:?usage: $0 BUILD}" "$0" --steps
fi

# Sourced by scripts/e2e-window from here on, with sonara's main window open.
main_window=$E2E_WINDOW

# A visible window of sonara titled exactly TITLE: its id.
window_titled() {
  local title=$1 id
  for id in $(xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null); do
    [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$title" ] && { echo "$id"; return 0; }
  done
  return 1
}
has_window_titled() { window_titled "$1" >/dev/null; }
# Waits up to S seconds for the window titled TITLE to be gone.
wait_window_gone() {
  local title=$1 seconds=${2:-10}
  gone() { ! has_window_titled "$title"; }
  e2e_wait_until "$seconds" gone
}
# The message box over the main window: its text is not readable through X,
# so only that one shows, then Return closes it.
close_message() {
  e2e_close_note "$main_window"
  E2E_WINDOW=$main_window
}
# Ends the program with the main menu's last item, Exit, and waits for it.
exit_by_menu() {
  E2E_WINDOW=$main_window
  e2e_click "$(e2e_units_x 12)" "$(e2e_units_y 8)"
  e2e_wait_until 5 e2e_popup_window "$main_window" >/dev/null
  local menu height
  menu=$(e2e_popup_window "$main_window")
  height=$(xdotool getwindowgeometry "$menu" | sed -n 's/.*Geometry: [0-9]*x//p')
  xdotool mousemove --window "$menu" 20 $((height - 8))
  sleep 0.1
  xdotool click 1
  e2e_wait_exit 10
}
# Whether a visible window of sonara is titled exactly TITLE, in one X query:
# cheap enough to poll without pauses for a window that shows only briefly.
shows_titled() {
  xdotool search --all --onlyvisible --pid "$E2E_PID" --name "^$1\$" >/dev/null 2>&1
}
# Presses KEY until the window titled TITLE shows: a key pressed while the
# window is still settling after its start can go astray. Fails when a
# message shows instead.
press_for_window() {
  local key=$1 title=$2 attempt
  for attempt in 1 2 3; do
    e2e_key "$key"
    for _ in $(seq 100); do
      shows_titled "$title" && return 0
      e2e_popup_window "$main_window" >/dev/null && e2e_fail "a message showed, not \"$title\""
    done
  done
  e2e_fail "$key never showed \"$title\""
}
# The number of records in the library file.
record_count() { e2e_cli list --json | grep -o '"fileName":' | wc -l; }
# Writes COUNT tiny song files under FOLDER: enough of them keep a scan busy
# long enough to be seen, on a fast machine too (a few thousand take it under
# a tenth of a second).
tiny_songs() {
  local folder=$1 count=$2 i
  mkdir -p "$folder"
  for ((i = 0; i < count; i++)); do : >"$folder/tiny $i.mp3"; done
}

# F5 with a new song and a few thousand tiny ones in the library's source.
cp "$E2E_MUSIC/Beta Group - Third Rail.mp3" "$E2E_MUSIC/Gamma Trio - Fourth Wall.mp3"
# A song tagged in lower case, listed under "A" with the others.
make_song "alpha lower - quiet song.mp3" "alpha lower" "quiet song"
tiny_songs "$E2E_MUSIC/many" 40000
before=$(record_count)
press_for_window F5 "Updating Library"
E2E_WINDOW=$(window_titled "Updating Library") e2e_shot update-progress
wait_window_gone "Updating Library" 30
close_message
e2e_shot after-update

# "Capitalize First Letter of Every Word" turned off in the preferences shows
# at once in the library list: "alpha lower" is no longer "Alpha Lower".
list_region() { e2e_region 18 142 316 300; }
open_preferences() {
  E2E_WINDOW=$main_window
  e2e_click "$(e2e_units_x 12)" "$(e2e_units_y 8)"
  e2e_wait_until 5 e2e_popup_window "$main_window" >/dev/null
  # From the menu's end: Exit, About, Help, Setup Wizard, Report, Volume,
  # Tools, Preferences.
  E2E_WINDOW=$(e2e_popup_window "$main_window") e2e_key Up Up Up Up Up Up Up Up Return
  e2e_wait_until 5 has_window_titled "Preferences:  General"
}
capitalised=$(list_region)
open_preferences
# The page list has the keyboard: Down is "Library"; then Tab walks its
# nine check boxes to the last, Space turns it off and Return is OK.
prefs=$(window_titled "Preferences:  General")
E2E_WINDOW=$prefs e2e_key Down
e2e_wait_until 5 has_window_titled "Preferences:  Library"
E2E_WINDOW=$prefs e2e_key Tab Tab Tab Tab Tab Tab Tab Tab Tab space
E2E_WINDOW=$prefs e2e_shot preferences-library
E2E_WINDOW=$prefs e2e_key Return
wait_window_gone "Preferences:  Library" 5
E2E_WINDOW=$main_window
retitled() { [ "$(list_region)" != "$capitalised" ]; }
e2e_wait_until 5 retitled
e2e_shot after-preferences
exit_by_menu
grep -q "^FirstLetterCaps=0" "$E2E_HOME/Sonara.ini" || e2e_fail "FirstLetterCaps was not saved off"

after=$(record_count)
e2e_cli list --json | grep -q "Gamma Trio - Fourth Wall.mp3" || e2e_fail "the update did not add the new song"
[ "$after" -ge $((before + 40001)) ] || e2e_fail "the library holds $after songs after F5, $before before"

# A first start over an empty library opens the setup wizard by itself;
# Esc asks whether to cancel and Yes closes it.
E2E_HOME="$scratch/empty"
mkdir -p "$E2E_HOME"
e2e_start
e2e_wait_until 20 has_window_titled "Sonara Setup Wizard"
# The main window: its caption scrolls, so it is the one titled otherwise.
for id in $(xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null); do
  case $(xdotool getwindowname "$id" 2>/dev/null) in
    "Sonara Setup Wizard" | Sonara | "") ;;
    *) main_window=$id ;;
  esac
done
E2E_WINDOW=$(window_titled "Sonara Setup Wizard") e2e_shot wizard
E2E_WINDOW=$(window_titled "Sonara Setup Wizard") e2e_key Escape
close_message
wait_window_gone "Sonara Setup Wizard" 5
# The note on where to start it again, when it shows.
for _ in $(seq 20); do
  e2e_popup_window "$main_window" >/dev/null && { close_message; break; }
  sleep 0.1
done
exit_by_menu
echo "DialogsEndToEnd: ok"
