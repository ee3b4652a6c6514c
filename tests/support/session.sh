# Sourced by the test scripts that start programs on a session bus or a display of their
# own, so that nobody else's bus or display is touched: skipping when a tool is
# missing, waiting for a server to come up, the bus's configuration and an X server.

# require TOOL...: exit 77 (skipped) unless every TOOL is on PATH.
require() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
}

# wait_until COMMAND...: true once COMMAND succeeds, false when it has not within ten
# seconds. The servers signal readiness by a file or an answer, not by their start.
wait_until() {
    local _
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    "$@"
}

# bus_config LISTEN_DIR [SERVICE_DIR [EXTRA]]: on standard output, the configuration of a
# session bus that listens in LISTEN_DIR, activates the services of SERVICE_DIR (none
# when it is empty), lets every client own and call every name, and holds the XML
# EXTRA besides.
bus_config() {
    local services=
    [ -n "${2:-}" ] && services="<servicedir>$2</servicedir>"
    cat <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$1</listen>
  $services
  ${3:-}
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
}

# start_xvfb DIR: an Xvfb server on a display number nobody else uses, its log and the
# number in DIR; exports DISPLAY and sets XVFB_PID (the caller stops it).
start_xvfb() {
    exec 3>"$1/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$1/xvfb.log" 2>&1 &
    XVFB_PID=$!
    exec 3>&-
    wait_until test -s "$1/display" \
        || { cat "$1/xvfb.log" >&2; echo "FAIL: Xvfb did not start" >&2; exit 1; }
    DISPLAY=:$(head -n 1 "$1/display")
    export DISPLAY
}
