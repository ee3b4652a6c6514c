#!/usr/bin/env bash
# Runs the bus session test against the installed tree: installs the build into a
# scratch prefix and starts a private session bus whose only service directory is the
# installed share/dbus-1/services, so the bus starts the service exactly as the
# desktop's would.
# usage: bus-session.sh BUILD_DIR TEST_PROGRAM
. "$(dirname "$0")/../install/common.sh"
need dbus-run-session dbus-daemon
build=$1
program=$2

install_tree "$build" "$SCRATCH/prefix"
services=$SCRATCH/prefix/share/dbus-1/services
[ -f "$services/org.example.woerterbuch.SearchProvider.service" ] \
    || fail "no .service file installed in share/dbus-1/services"
cat >"$SCRATCH/session.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$SCRATCH</listen>
  <servicedir>$services</servicedir>
  <!-- The limits of a desktop's session bus (session.conf), so that calls as large as
       it lets through reach the service. -->
  <limit name="max_incoming_bytes">1000000000</limit>
  <limit name="max_outgoing_bytes">1000000000</limit>
  <limit name="max_message_size">1000000000</limit>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
# The service's complaints, if any, go to the bus's standard error and so to the log.
dbus-run-session --config-file="$SCRATCH/session.conf" -- "$program"
