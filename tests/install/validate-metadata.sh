#!/usr/bin/env bash
# The installed menu entry and AppStream metainfo pass their validators and agree
# with what is installed beside them.
# usage: validate-metadata.sh BUILD_DIR PROJECT_VERSION
. "$(dirname "$0")/common.sh"
need desktop-file-validate desktop-file-utils
need appstreamcli appstream
build=$1
version=$2

install_tree "$build" "$SCRATCH/prefix"
share=$SCRATCH/prefix/share
entry=$share/applications/woerterbuch.desktop
metainfo=$share/metainfo/org.example.woerterbuch.metainfo.xml
[ -f "$entry" ] || fail "no menu entry installed"
[ -f "$metainfo" ] || fail "no metainfo installed"

desktop-file-validate "$entry" >"$SCRATCH/desktop.log" 2>&1 \
    || fail "desktop-file-validate: $(cat "$SCRATCH/desktop.log")"
# hints (such as a second main category, which shows the entry twice) count too
[ ! -s "$SCRATCH/desktop.log" ] || fail "desktop-file-validate: $(cat "$SCRATCH/desktop.log")"
appstreamcli validate --no-net --pedantic "$metainfo" >"$SCRATCH/appstream.log" 2>&1 \
    || fail "appstreamcli validate: $(cat "$SCRATCH/appstream.log")"

# The entry and its actions start a program that is installed, with the icon that is
# installed (or the stock one while the program has none).
for exec_program in $(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry"); do
    [ -L "$SCRATCH/prefix/bin/$exec_program" ] || fail "Exec names $exec_program, which is not in bin/"
done
# The action that the shortcut of KDE Plasma runs is the selection lookup.
sed -n '/^\[Desktop Action look-up-selection\]/,/^\[/p' "$entry" | grep -qx 'Exec=woerterbuch --selection' \
    || fail "the menu entry has no action that runs woerterbuch --selection"
icon=$(sed -n 's/^Icon=//p' "$entry")
if [ "$icon" != accessories-dictionary ]; then
    for size in 32x32 48x48 128x128; do
        [ -f "$share/icons/hicolor/$size/apps/$icon.png" ] || fail "no $size icon named $icon"
    done
    [ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon named $icon"
fi

# The metainfo launches this entry, provides the installed programs, and has an
# entry for the version being built, newest first.
grep -q "<launchable type=\"desktop-id\">woerterbuch.desktop</launchable>" "$metainfo" \
    || fail "the metainfo does not launch woerterbuch.desktop"
for binary in $(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo"); do
    [ -L "$SCRATCH/prefix/bin/$binary" ] || fail "the metainfo provides $binary, which is not in bin/"
done
newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
[ "$newest" = "$version" ] || fail "the newest release in the metainfo is '$newest', the project is $version"
echo "menu entry and metainfo validate and match the installed tree"
