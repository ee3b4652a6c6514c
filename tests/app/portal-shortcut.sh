#!/usr/bin/env bash
# The portal's global shortcut against a stand-in portal (python3-dbusmock) on a
# private session bus, so that no desktop's real portal is asked.
# usage: portal-shortcut.sh TEST_PROGRAM
set -eu
program=$1
here=$(dirname "$0")
command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session is not installed"; exit 77; }
# Debian's python3-dbusmock belongs to the system's Python, whatever else is on PATH.
python=/usr/bin/python3
"$python" -c 'import dbusmock' 2>/dev/null || { echo "SKIP: python3-dbusmock is not installed"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cat >"$scratch/session.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$scratch</listen>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
cat >"$scratch/run.sh" <<'RUN'
set -eu
"$4" -m dbusmock --template "$1" >"$3/mock.log" 2>&1 &
mock=$!
trap 'kill $mock 2>/dev/null; wait $mock 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    gdbus introspect --session --dest org.freedesktop.portal.Desktop \
        --object-path /org/freedesktop/portal/desktop >/dev/null 2>&1 && break
    sleep 0.1
done
"$2" || { status=$?; cat "$3/mock.log" >&2; exit $status; }
RUN
dbus-run-session --config-file="$scratch/session.conf" -- \
    bash "$scratch/run.sh" "$(cd "$here" && pwd)/portal_template.py" "$program" "$scratch" "$python"
