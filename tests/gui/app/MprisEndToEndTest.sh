#!/usr/bin/env bash
# The real program's media-player service on the run's private session bus,
# driven with gdbus as a desktop's media keys drive it:
#   tests/gui/app/MprisEndToEndTest.sh BUILD
# Exit 77 (skipped) without the X tools it needs or without gdbus.
if [ "${1:-}" != "--steps" ]; then
  command -v gdbus >/dev/null || { echo "MprisEndToEnd: gdbus is not installed" >&2; exit 77; }
  root=$(cd "$(dirname "$0")/../../.." && pwd)
  exec "$root/scripts/e2e-window" "${1:?usage: $0 BUILD}" "$0" --steps
fi

# Sourced by scripts/e2e-window from here on, with sonara's main window open.
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || e2e_fail "no session bus (dbus-daemon is missing)"
name=org.mpris.MediaPlayer2.sonara
path=/org/mpris/MediaPlayer2
player=org.mpris.MediaPlayer2.Player

on_bus() {
  gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.NameHasOwner "$name" 2>/dev/null | grep -q true
}
send() { gdbus call --session --dest "$name" --object-path "$path" --method "$player.$1" "${@:2}"; }
get() {
  gdbus call --session --dest "$name" --object-path "$path" \
    --method org.freedesktop.DBus.Properties.Get "$player" "$1"
}
status_is() { get PlaybackStatus | grep -q "'$1'"; }
title_is() { get Metadata | grep -q "'xesam:title': <'$1'>"; }

e2e_wait_until 10 on_bus
interfaces=$(gdbus introspect --session --dest "$name" --object-path "$path")
grep -q "interface $player" <<<"$interfaces" || e2e_fail "no Player interface: $interfaces"
grep -q "Seeked" <<<"$interfaces" || e2e_fail "the Player interface lacks Seeked"

# Quit ends the run as Exit does; the next run starts with two songs queued.
gdbus call --session --dest "$name" --object-path "$path" \
  --method org.mpris.MediaPlayer2.Quit >/dev/null || e2e_fail "Quit failed"
e2e_wait_exit 10
e2e_cli playlist add "$E2E_MUSIC/Alpha Band - First Light.mp3" \
  "$E2E_MUSIC/Alpha Band - Second Wind.mp3" >/dev/null || e2e_fail "the play list was not filled"
e2e_start
e2e_wait_until 10 on_bus

send Play >/dev/null || e2e_fail "Play failed"
e2e_wait_until 5 status_is Playing
e2e_wait_until 5 title_is "First Light"
get Metadata | grep -q "'xesam:artist': <\['Alpha Band'\]>" || e2e_fail "no artist: $(get Metadata)"
get Metadata | grep -q "'mpris:trackid': <objectpath '/org/sonara/track/" ||
  e2e_fail "the track id is no object path: $(get Metadata)"
e2e_wait_title "First Light"

# Volume is the master volume the window's slider shows, a double 0..1.
gdbus call --session --dest "$name" --object-path "$path" \
  --method org.freedesktop.DBus.Properties.Set "$player" Volume "<0.5>" >/dev/null ||
  e2e_fail "Volume could not be set"
get Volume | grep -Eq "<0\.(49|50?)[0-9]*>" || e2e_fail "Volume reads $(get Volume), not 0.5"
pactl get-sink-volume @DEFAULT_SINK@ 2>/dev/null | grep -q " 50%" ||
  e2e_fail "the master volume is not 50 %: $(pactl get-sink-volume @DEFAULT_SINK@ 2>&1)"

send Next >/dev/null || e2e_fail "Next failed"
e2e_wait_until 5 title_is "Second Wind"
e2e_wait_title "Second Wind"
send Pause >/dev/null || e2e_fail "Pause failed"
e2e_wait_until 5 status_is Paused
send Play >/dev/null || e2e_fail "Play did not resume"
e2e_wait_until 5 status_is Playing

# Party view (its key, then its note closed): the lock-down holds on the bus.
main_window=$E2E_WINDOW
e2e_key ctrl+p
e2e_close_note "$main_window"
party_view() { grep -qx "LastView=1" "$E2E_HOME/Sonara.ini"; }
e2e_wait_until 5 party_view
for method in Pause Stop Next Previous PlayPause; do
  reply=$(send "$method" 2>&1) && e2e_fail "$method was not refused in Party view"
  grep -q "org.mpris.MediaPlayer2.sonara.Refused" <<<"$reply" ||
    e2e_fail "$method failed otherwise: $reply"
done
status_is Playing || e2e_fail "a refused request changed the playback: $(get PlaybackStatus)"
title_is "Second Wind" || e2e_fail "a refused request changed the song: $(get Metadata)"
get CanGoNext | grep -q false || e2e_fail "CanGoNext is not false in Party view"

gdbus call --session --dest "$name" --object-path "$path" \
  --method org.mpris.MediaPlayer2.Quit >/dev/null || e2e_fail "Quit failed in Party view"
e2e_wait_exit 10
echo "MprisEndToEnd: ok"
