#!/usr/bin/env bash
# Under a real X server: the time from the program's start to its main window mapped
# and the resident memory after start and after a search.
#   DISPLAY=:NN [FIELD_X=x FIELD_Y=y] bench/window-start.sh BIN_DIR KEY
# BIN_DIR holds woerterbuch and its data files; with FIELD_X/FIELD_Y (the English
# search field in window coordinates) KEY is typed there and searched.
set -euo pipefail
bin=$1
key=$2

start=$(date +%s%N)
QT_QPA_PLATFORM=xcb "$bin/woerterbuch" &
pid=$!
trap 'kill -TERM $pid 2>/dev/null || true' EXIT
# xdotool's own --sync waits half a second between its tries: poll more finely.
window=
until [[ -n "$window" ]]; do
    window=$(xdotool search --onlyvisible --pid $pid --name Wörterbuch 2>/dev/null | head -n 1 || true)
    [[ -n "$window" ]] || sleep 0.005
done
mapped=$(date +%s%N)
echo "start to window mapped: $(((mapped - start) / 1000000)) ms"
sleep 1
echo "resident after start: $(awk '/VmRSS/ {print $2, $3}' /proc/$pid/status)"

# The field takes the focus from a click, as a user gives it.
if [[ -n "${FIELD_X:-}" ]]; then
    xdotool mousemove --window "$window" "$FIELD_X" "$FIELD_Y" click 1
    xdotool type --delay 20 "$key"
    xdotool key Return
    sleep 2
    echo "resident after searching \"$key\": $(awk '/VmRSS/ {print $2, $3}' /proc/$pid/status)"
fi
