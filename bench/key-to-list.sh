#!/usr/bin/env bash
# The time from Ctrl+Alt+W to the looked-up list on screen, on a real X server:
#   DISPLAY=:NN bench/key-to-list.sh BIN_DIR KEY_TO_LIST [PRESSES]
# BIN_DIR holds woerterbuch and its data files; KEY_TO_LIST is the wb_key_to_list
# program of a build with benchmarks. Runs on a private session bus, so that no window
# of another session answers.
set -euo pipefail
bin=$1
measure=$2
presses=${3:-20}
dbus-run-session -- bash -s "$bin" "$measure" "$presses" <<'RUN'
set -euo pipefail
QT_QPA_PLATFORM=xcb "$1/woerterbuch" &
pid=$!
trap 'kill -TERM $pid 2>/dev/null || true' EXIT
window=
until [[ -n "$window" ]]; do
    window=$(xdotool search --onlyvisible --pid $pid --name Wörterbuch 2>/dev/null | head -n 1 || true)
    [[ -n "$window" ]] || sleep 0.05
done
sleep 1
# The list of the English page and of the German one lie at the same place.
"$2" "$window" 210 110 420 200 "$3"
RUN
