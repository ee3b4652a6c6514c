#!/usr/bin/env bash
# Runs the one-window test where the desktop would: on an X server of its own (Xvfb,
# on a free display number) and a private session bus, so that the test's window and
# the programs it starts meet exactly as on a desktop, and nobody else's bus or
# display is touched. Exit 77 (skipped) when a tool is missing.
# usage: single-window.sh TEST_PROGRAM [GTEST_OPTIONS...]
set -eu
. "$(dirname "$0")/../support/session.sh"
require Xvfb dbus-run-session xclip
scratch=$(mktemp -d)
XVFB_PID=
cleanup() {
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

start_xvfb "$scratch"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY XDG_ACTIVATION_TOKEN DESKTOP_STARTUP_ID

bus_config "$scratch" >"$scratch/session.conf"
dbus-run-session --config-file="$scratch/session.conf" -- "$@"
