#!/usr/bin/env bash
# One running program per data folder, with real processes on a private X
# server: later starts hand their files to the running one and end.
#   tests/gui/app/InstanceEndToEndTest.sh BUILD
# Exit 77 (skipped) without the X tools it needs (scripts/install-deps).
if [ "${1:-}" != "--steps" ]; then
  root=$(cd "$(dirname "$0")/../../.." && pwd)
  exec "$root/scripts/e2e-window" "${1:?usage: $0 BUILD}" "$0" --steps
fi

# Sourced by scripts/e2e-window from here on, with sonara's main window open.
sonara="$E2E_BUILD/src/gui/sonara"
# The mini tool bar's close button, at its right end, ends the program.
close_window() { e2e_click $(((466 * 3 + 1) / 2 - 7)) 10; }
in_play_list() {
  local list name
  list=$(e2e_cli playlist show)
  for name in "$@"; do
    grep -qF "$name" <<<"$list" || e2e_fail "the play list lacks $name: $list"
  done
}
first="$E2E_MUSIC/Alpha Band - First Light.mp3"
third="$E2E_MUSIC/Beta Group - Third Rail.mp3"

# A second start with two songs (one named relative to its working folder)
# ends at once with status 0; so does one with none, which shows the window.
(cd "$E2E_MUSIC" && timeout 10 "$sonara" --home "$E2E_HOME" "$first" "Beta Group - Third Rail.mp3" \
  >>"$E2E_LOG" 2>&1) || e2e_fail "the second start did not end with 0"
main_window=$E2E_WINDOW
# Another data folder is another program: it starts beside the first, its
# window on top; a start without files raises the first's window over it.
"$sonara" --home "$E2E_HOME-other" >>"$E2E_LOG" 2>&1 &
other=$!
other_window=
other_shown() {
  other_window=$(xdotool search --onlyvisible --pid "$other" 2>/dev/null | head -n1)
  [ -n "$other_window" ]
}
e2e_wait_until 20 other_shown
# Without a window manager, focus requests lose to ours; the stacking order
# tells. The sign of the difference of the windows' places in it, whichever
# way xwininfo lists them.
stacking() {
  local tree main other_at
  tree=$(xwininfo -root -children)
  main=$(grep -n "$(printf '0x%x' "$main_window") " <<<"$tree" | cut -d: -f1)
  other_at=$(grep -n "$(printf '0x%x' "$other_window") " <<<"$tree" | cut -d: -f1)
  [ -n "$main" ] && [ -n "$other_at" ] && [ "$main" -lt "$other_at" ] && echo before || echo after
}
other_on_top=$(stacking)
timeout 10 "$sonara" --home "$E2E_HOME" >>"$E2E_LOG" 2>&1 || e2e_fail "a start without files failed"
raised() { [ "$(stacking)" != "$other_on_top" ]; }
e2e_wait_until 5 raised
kill -TERM "$other"
wait "$other" || e2e_fail "the other data folder's program did not end as Exit does"
kill -0 "$E2E_PID" || e2e_fail "the running program ended"
close_window
e2e_wait_exit 10
in_play_list "$first" "$third"

# Ten starts at once with no program running: one stays, nine hand over,
# and every song they named reaches the one play list.
ten="$E2E_MUSIC/ten"
mkdir -p "$ten"
pids=()
for i in $(seq -w 1 10); do
  cp "$third" "$ten/Ten $i.mp3"
done
for i in $(seq -w 1 10); do
  "$sonara" --home "$E2E_HOME" "$ten/Ten $i.mp3" >>"$E2E_LOG" 2>&1 &
  pids+=($!)
done
running=()
left() {
  running=()
  local pid
  for pid in "${pids[@]}"; do
    kill -0 "$pid" 2>/dev/null && running+=("$pid")
  done
  [ "${#running[@]}" -le 1 ]
}
e2e_wait_until 20 left
[ "${#running[@]}" -eq 1 ] || e2e_fail "no start of the ten kept running"
survivor=${running[0]}
for pid in "${pids[@]}"; do
  [ "$pid" = "$survivor" ] && continue
  wait "$pid" || e2e_fail "a start that handed over did not end with 0"
done
its_window() {
  E2E_WINDOW=$(xdotool search --onlyvisible --pid "$survivor" 2>/dev/null | head -n1)
  [ -n "$E2E_WINDOW" ]
}
e2e_wait_until 20 its_window
# The nine have ended, so their songs were taken: Exit saves them.
close_window
status=0
wait "$survivor" || status=$?
[ "$status" -eq 0 ] || e2e_fail "the start that stayed ended with $status"
names=()
for i in $(seq -w 1 10); do names+=("Ten $i.mp3"); done
in_play_list "${names[@]}"
echo "InstanceEndToEnd: ok"
