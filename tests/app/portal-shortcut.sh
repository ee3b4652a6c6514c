#!/usr/bin/env bash
# The portal's global shortcut against a stand-in portal (python3-dbusmock) on a
# private session bus, so that no desktop's real portal is asked.
# usage: portal-shortcut.sh TEST_PROGRAM
set -eu
here=$(dirname "$0")
. "$here/../support/session.sh"
program=$1
require dbus-run-session
# Debian's python3-dbusmock belongs to the system's Python, whatever else is on PATH.
python=/usr/bin/python3
"$python" -c 'import dbusmock' 2>/dev/null || { echo "SKIP: python3-dbusmock is not installed"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
bus_config "$scratch" >"$scratch/session.conf"
cat >"$scratch/run.sh" <<'RUN'
set -eu
. "$5"
"$4" -m dbusmock --template "$1" >"$3/mock.log" 2>&1 &
mock=$!
trap 'kill $mock 2>/dev/null; wait $mock 2>/dev/null || true' EXIT
portal_answers() {
    gdbus introspect --session --dest org.freedesktop.portal.Desktop \
        --object-path /org/freedesktop/portal/desktop >/dev/null 2>&1
}
wait_until portal_answers || true
"$2" || { status=$?; cat "$3/mock.log" >&2; exit $status; }
RUN
here=$(cd "$here" && pwd)
dbus-run-session --config-file="$scratch/session.conf" -- bash "$scratch/run.sh" \
    "$here/portal_template.py" "$program" "$scratch" "$python" "$here/../support/session.sh"
