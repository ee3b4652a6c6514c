#!/usr/bin/env bash
# The desktop's search finds the service through three installed files: the D-Bus
# service file starts the installed program, and the GNOME Shell and KRunner files
# name the same bus name and object path, derived from the metainfo's application id.
# usage: search-provider.sh BUILD_DIR
. "$(dirname "$0")/common.sh"
build=$1

install_tree "$build" "$SCRATCH/prefix"
share=$SCRATCH/prefix/share
id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$share/metainfo/"*.metainfo.xml | head -n 1)
[ -n "$id" ] || fail "the metainfo has no <id>"
[ -f "$share/metainfo/$id.metainfo.xml" ] || fail "the metainfo is not named after its id $id"
name=$id.SearchProvider
path=/$(printf '%s' "$id" | tr . /)/SearchProvider

# key FILE KEY: the value of KEY in FILE, which must appear exactly once.
key() {
    [ "$(grep -c "^$2=" "$1")" -eq 1 ] || fail "$(basename "$1") has not exactly one $2"
    sed -n "s/^$2=//p" "$1"
}

service=$share/dbus-1/services/$name.service
[ -f "$service" ] || fail "no share/dbus-1/services/$name.service"
grep -qx '\[D-BUS Service\]' "$service" || fail "the service file has no [D-BUS Service] group"
[ "$(key "$service" Name)" = "$name" ] || fail "the service file names $(key "$service" Name)"
exec=$(key "$service" Exec)
[ "$exec" = "$SCRATCH/prefix/lib/woerterbuch/woerterbuch-search" ] \
    || fail "the service file starts $exec, not the installed lib/woerterbuch/woerterbuch-search"
[ -x "$exec" ] || fail "$exec is not an executable"

gnome=$share/gnome-shell/search-providers/woerterbuch-search-provider.ini
[ -f "$gnome" ] || fail "no share/gnome-shell/search-providers/woerterbuch-search-provider.ini"
grep -qx '\[Shell Search Provider\]' "$gnome" || fail "the provider file has no [Shell Search Provider]"
desktop_id=$(key "$gnome" DesktopId)
[ -f "$share/applications/$desktop_id" ] || fail "DesktopId $desktop_id is not installed"
[ "$(key "$gnome" BusName)" = "$name" ] || fail "the provider's BusName is $(key "$gnome" BusName)"
[ "$(key "$gnome" ObjectPath)" = "$path" ] || fail "the provider's ObjectPath is $(key "$gnome" ObjectPath)"
[ "$(key "$gnome" Version)" = 2 ] || fail "the provider's Version is not 2"

krunner=$share/krunner/dbusplugins/woerterbuch.desktop
[ -f "$krunner" ] || fail "no share/krunner/dbusplugins/woerterbuch.desktop"
[ "$(key "$krunner" X-Plasma-API)" = DBus ] || fail "the runner is not a D-Bus runner"
[ "$(key "$krunner" X-Plasma-DBusRunner-Service)" = "$name" ] || fail "the runner's service is wrong"
[ "$(key "$krunner" X-Plasma-DBusRunner-Path)" = "$path" ] || fail "the runner's path is wrong"
[ "$(key "$krunner" X-KDE-PluginInfo-EnabledByDefault)" = true ] || fail "the runner is not enabled"
icon=$(key "$krunner" Icon)
[ "$icon" = "$(key "$share/applications/woerterbuch.desktop" Icon)" ] \
    || fail "the runner's icon $icon is not the menu entry's"
[ ! -e "$SCRATCH/prefix/bin/woerterbuch-search" ] || fail "the service has a link in bin/"
echo "search provider files name $name at $path and start the installed service"
