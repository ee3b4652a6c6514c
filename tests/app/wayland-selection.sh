#!/usr/bin/env bash
# The selection on Wayland: a headless sway (run as a user other than root, as sway
# wants), the primary selection set by wl-copy, and the test's window reached by the
# real program on a private session bus. Exit 77 (skipped) when a tool is missing.
# usage: wayland-selection.sh TEST_PROGRAM
set -eu
. "$(dirname "$0")/../support/session.sh"
program=$1
require sway wl-copy dbus-run-session
[ -e /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so ] \
    || ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 \
    || { echo "SKIP: Qt's Wayland plugin is not installed (qt6-wayland)"; exit 77; }

scratch=$(mktemp -d)
chmod 755 "$scratch"
runtime=$scratch/runtime
mkdir -m 700 "$runtime"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody:nogroup "$runtime"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
if [ ${#as_user[@]} -gt 0 ] && ! "${as_user[@]}" test -x "$program"; then
    echo "SKIP: the unprivileged user cannot reach $program (a directory above it is private)"
    exit 77
fi
sway=
cleanup() {
    [ -n "$sway" ] && kill "$sway" 2>/dev/null && wait "$sway" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

printf 'output HEADLESS-1 resolution 1024x768\n' >"$scratch/sway.conf"
"${as_user[@]}" env -i PATH="$PATH" HOME="$runtime" XDG_RUNTIME_DIR="$runtime" \
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$scratch/sway.conf" >"$scratch/sway.log" 2>&1 &
sway=$!
wait_until test -S "$runtime/wayland-1" \
    || { cat "$scratch/sway.log" >&2; echo "FAIL: sway did not start" >&2; exit 1; }

bus_config "$runtime" >"$scratch/session.conf"
chmod 644 "$scratch/session.conf"
# The windows draw into shared memory; without the EGL integration Mesa's drivers stay
# unloaded, whose allocations the leak checker cannot name once they are gone.
"${as_user[@]}" env -i PATH="$PATH" HOME="$runtime" XDG_RUNTIME_DIR="$runtime" \
    WAYLAND_DISPLAY=wayland-1 QT_QPA_PLATFORM=wayland QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none \
    LSAN_OPTIONS="${LSAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" \
    dbus-run-session --config-file="$scratch/session.conf" -- "$program"
