#!/usr/bin/env bash
# The GNOME shortcut through the real GSettings: a private session bus that starts
# the real dconf service, a scratch XDG_CONFIG_HOME for its database, and a custom
# keybinding the user had before. --install-shortcut adds ours beside it,
# --remove-shortcut takes only ours away. Exit 77 (skipped) when a tool is missing.
# usage: gnome-shortcut.sh PROGRAM
set -eu
. "$(dirname "$0")/../support/session.sh"
program=$1
require dbus-run-session gsettings
[ -f /usr/share/dbus-1/services/ca.desrt.dconf.service ] \
    || { echo "SKIP: the dconf service is not installed (dconf-service)"; exit 77; }
gsettings list-schemas | grep -qx org.gnome.settings-daemon.plugins.media-keys \
    || { echo "SKIP: GNOME's keyboard schema is not installed (gnome-settings-daemon-common)"; exit 77; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
bus_config "$scratch" /usr/share/dbus-1/services >"$scratch/session.conf"
mkdir -p "$scratch/config" "$scratch/runtime"
chmod 700 "$scratch/runtime"
export XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/runtime GSETTINGS_BACKEND=dconf
# No display: the shortcut options must not need one.
unset DISPLAY WAYLAND_DISPLAY

cat >"$scratch/run.sh" <<'RUN'
set -eu
program=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
list=org.gnome.settings-daemon.plugins.media-keys
custom=$list.custom-keybinding
ours=/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/woerterbuch/
users=/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/custom0/

gsettings set "$custom:$users" name 'Terminal'
gsettings set "$custom:$users" command 'gnome-terminal'
gsettings set "$custom:$users" binding '<Super>t'
gsettings set "$list" custom-keybindings "['$users']"

"$program" --install-shortcut || fail "--install-shortcut failed"
"$program" --install-shortcut >/dev/null || fail "a second --install-shortcut failed"
[ "$(gsettings get "$list" custom-keybindings)" = "['$users', '$ours']" ] \
    || fail "the list after installing is $(gsettings get "$list" custom-keybindings)"
[ "$(gsettings get "$custom:$ours" binding)" = "'<Primary><Alt>w'" ] \
    || fail "our binding is $(gsettings get "$custom:$ours" binding)"
command=$(gsettings get "$custom:$ours" command)
[ "$command" = "'$(readlink -f "$program") --selection'" ] || fail "our command is $command"
[ "$(gsettings get "$custom:$users" binding)" = "'<Super>t'" ] || fail "the user's binding changed"

"$program" --remove-shortcut || fail "--remove-shortcut failed"
[ "$(gsettings get "$list" custom-keybindings)" = "['$users']" ] \
    || fail "the list after removing is $(gsettings get "$list" custom-keybindings)"
[ "$(gsettings get "$custom:$ours" binding)" = "''" ] || fail "our binding was left behind"
[ "$(gsettings get "$custom:$users" command)" = "'gnome-terminal'" ] || fail "the user's command changed"
"$program" --remove-shortcut | grep -q "No GNOME shortcut" || fail "a second removal said nothing"

# Without GNOME's schema the option says why and changes nothing.
if GSETTINGS_SCHEMA_DIR=$(mktemp -d) XDG_DATA_DIRS=/nonexistent "$program" --install-shortcut \
    2>"$HOME_ERR"; then
    fail "--install-shortcut without GNOME's schema succeeded"
fi
grep -q "GNOME's keyboard settings are not installed" "$HOME_ERR" || fail "no clear message: $(cat "$HOME_ERR")"
echo "the GNOME shortcut is installed beside the user's and removed alone"
RUN
HOME_ERR=$scratch/err dbus-run-session --config-file="$scratch/session.conf" -- \
    bash "$scratch/run.sh" "$program"
