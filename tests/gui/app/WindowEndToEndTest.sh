#!/usr/bin/env bash
# The real program on a private X server, driven as a user would:
#   tests/gui/app/WindowEndToEndTest.sh BUILD
# Exit 77 (skipped) without the X tools it needs (scripts/install-deps). Pictures of each step go to
# $E2E_SHOTS when it names a folder.
if [ "${1:-}" != "--steps" ]; then
  root=$(cd "$(dirname "$0")/../../.." && pwd)
  exec "$root/scripts/e2e-window" "${1:?usage: $0 BUILD}" "$0" --steps
fi

# Sourced by scripts/e2e-window from here on, with sonara's first window open.
shot() {
  if [ -n "${E2E_SHOTS:-}" ]; then
    mkdir -p "$E2E_SHOTS"
    e2e_screenshot "$E2E_SHOTS/$1.png"
  fi
}

[ "$(e2e_cli totals | grep -c .)" -gt 0 ] || e2e_fail "the library was not filled"
e2e_cli list | grep -q "First Light" || e2e_fail "the library lacks the first song"

# The program opens on the skin choice: the keys reach its list, and Escape
# closes it, which ends the program.
e2e_wait_title "Select Skin"
shot start
list_before=$(e2e_region 10 30 340 180)
e2e_key Up
sleep 0.3
shot moved
list_moved=$(e2e_region 10 30 340 180)
[ "$list_moved" != "$list_before" ] || e2e_fail "Up did not move the selection"
e2e_click 60 51
list_changed() { [ "$(e2e_region 10 30 340 180)" != "$list_moved" ]; }
e2e_wait_until 3 list_changed
shot clicked
e2e_key Escape
e2e_wait_exit 10

[ -d "$E2E_HOME/Skins/Default" ] || e2e_fail "the shipped skins were not written"

# A second start finds its files as the first left them.
e2e_start
e2e_wait_title "Select Skin"
e2e_key Escape
e2e_wait_exit 10
e2e_cli list | grep -q "Third Rail" || e2e_fail "the library lost a song"
echo "WindowEndToEnd: ok"
