#!/usr/bin/env bash
# Runs the bus session test against the installed tree: installs the build into a
# scratch prefix and starts a private session bus whose only service directory is the
# installed share/dbus-1/services, so the bus starts the service exactly as the
# desktop's would.
# usage: bus-session.sh BUILD_DIR TEST_PROGRAM
. "$(dirname "$0")/../install/common.sh"
. "$(dirname "$0")/../support/session.sh"
need dbus-run-session dbus-daemon
build=$1
program=$2

install_tree "$build" "$SCRATCH/prefix"
services=$SCRATCH/prefix/share/dbus-1/services
[ -f "$services/org.example.woerterbuch.SearchProvider.service" ] \
    || fail "no .service file installed in share/dbus-1/services"
# The limits of a desktop's session bus (session.conf), so that calls as large as it lets
# through reach the service.
bus_config "$SCRATCH" "$services" '<limit name="max_incoming_bytes">1000000000</limit>
  <limit name="max_outgoing_bytes">1000000000</limit>
  <limit name="max_message_size">1000000000</limit>' >"$SCRATCH/session.conf"
# The service's complaints, if any, go to the bus's standard error and so to the log.
dbus-run-session --config-file="$SCRATCH/session.conf" -- "$program"
