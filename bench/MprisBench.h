#pragma once

namespace sonara::bench {

class ResultTable;

// A desktop media control's PlayPause, sent over a private session bus from
// a connection of its own, to the player's started event; beside the
// host's own Play command to the same event. Skipped without a sound server
// or without dbus-daemon.
void runMprisBench(ResultTable& table);

}  // namespace sonara::bench
