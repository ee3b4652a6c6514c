#!/usr/bin/env bash
# The Debian package holds exactly the install tree, depends on the libraries the
# binaries use, on the fonts and on Qt's translations, and carries the project's version.
# usage: package-contents.sh BUILD_DIR PROJECT_VERSION PACKAGE...
. "$(dirname "$0")/common.sh"
need dpkg-deb dpkg
need dpkg-shlibdeps dpkg-dev
build=$1
version=$2
shift 2

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$SCRATCH/package" >"$SCRATCH/cpack.log" 2>&1 \
    || { cat "$SCRATCH/cpack.log" >&2; fail "cpack failed"; }
debs=("$SCRATCH"/package/*.deb)
[ ${#debs[@]} -eq 1 ] || fail "cpack made ${#debs[@]} packages"
deb=${debs[0]}

mkdir "$SCRATCH/unpacked"
dpkg-deb -x "$deb" "$SCRATCH/unpacked"
DESTDIR=$SCRATCH/tree install_tree "$build" /usr
list_tree "$SCRATCH/unpacked" >"$SCRATCH/package.list"
list_tree "$SCRATCH/tree" >"$SCRATCH/tree.list"
diff -u "$SCRATCH/tree.list" "$SCRATCH/package.list" >"$SCRATCH/lists.diff" \
    || fail "the package and the install tree differ: $(cat "$SCRATCH/lists.diff")"

# The bus starts the service where the package puts it, not where the build was.
service=$(ls "$SCRATCH"/unpacked/usr/share/dbus-1/services/*.service)
exec=$(sed -n 's/^Exec=//p' "$service")
[ "$exec" = /usr/lib/woerterbuch/woerterbuch-search ] || fail "the package's service file starts $exec"
[ -x "$SCRATCH/unpacked$exec" ] || fail "the package has no executable $exec"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = woerterbuch ] || fail "the package is called $(field Package)"
[ "$(field Version)" = "$version" ] || fail "the package version $(field Version) is not the project's $version"
changelog=$SCRATCH/unpacked/usr/share/doc/woerterbuch/changelog.gz
newest=$(zcat "$changelog" | sed -n '1s/^woerterbuch (\([^)]*\)).*/\1/p')
[ "$newest" = "$version" ] || fail "the changelog's newest entry is '$newest', the project is $version"
depends=", $(field Depends),"
for package in "$@" libqt6widgets6 libqt6dbus6 libstdc++6; do
    case $depends in
    *", $package"[\ ,]*) ;;
    *) fail "the package does not depend on $package: $depends" ;;
    esac
done
[ -z "$(field Pre-Depends)$(field Conflicts)" ] || fail "unexpected relations in the package"
if dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -qE 'preinst|postinst|prerm|postrm|conffiles'; then
    fail "the package has maintainer scripts or conffiles: nothing should need them"
fi
echo "package $(basename "$deb") matches the install tree; depends: $(field Depends)"
