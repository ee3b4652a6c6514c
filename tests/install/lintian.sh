#!/usr/bin/env bash
# lintian --pedantic finds nothing to say about the Debian package: every tag it
# reports fails the test, unless the package overrides it, and each override in the
# package gives its reason in a comment line above it.
# usage: lintian.sh BUILD_DIR SOURCE_DIR
. "$(dirname "$0")/common.sh"
need lintian lintian
need dpkg-shlibdeps dpkg-dev
build=$1
source=$2

# The package is checked as it ships: from an optimised build without sanitizers (the
# hardening flags are for those only). A sanitizer or debug build uses the plain copy
# the memcheck tests build beside it, or else makes such a tree beside itself, kept so
# that a later run only rebuilds what changed. Either builds only what the package
# holds: the plain copy is configured with the tests, which would take minutes more.
cache=$build/CMakeCache.txt
if grep -q '^WB_SANITIZE:BOOL=ON$' "$cache" \
    || ! grep -qE '^CMAKE_BUILD_TYPE:STRING=(Release|RelWithDebInfo|MinSizeRel)$' "$cache"; then
    release=$build/memcheck
    if [ ! -f "$release/CMakeCache.txt" ]; then
        release=$build/lintian-release
        cmake -S "$source" -B "$release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DWB_BUILD_TESTS=OFF \
            -DWB_BUILD_BENCH=OFF >"$SCRATCH/configure.log" 2>&1 \
            || { cat "$SCRATCH/configure.log" >&2; fail "cannot configure a release build"; }
    fi
    cmake --build "$release" -j 2 --target wb_package_contents >"$SCRATCH/build.log" 2>&1 \
        || { tail -50 "$SCRATCH/build.log" >&2; fail "the release build failed"; }
    build=$release
fi

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$SCRATCH/package" >"$SCRATCH/cpack.log" 2>&1 \
    || { cat "$SCRATCH/cpack.log" >&2; fail "cpack failed"; }
debs=("$SCRATCH"/package/*.deb)
[ ${#debs[@]} -eq 1 ] || fail "cpack made ${#debs[@]} packages"
deb=${debs[0]}

# lintian's own exit status says nothing about info and pedantic tags; its lines do.
lintian --pedantic --no-tag-display-limit "$deb" >"$SCRATCH/lintian.txt" 2>&1 || true
if grep -qE '^[EWIPXC]: ' "$SCRATCH/lintian.txt"; then
    cat "$SCRATCH/lintian.txt" >&2
    fail "lintian reports tags on $(basename "$deb")"
fi
if grep -qiE 'error|cannot|failed' "$SCRATCH/lintian.txt"; then
    cat "$SCRATCH/lintian.txt" >&2
    fail "lintian did not run through"
fi

mkdir "$SCRATCH/unpacked"
dpkg-deb -x "$deb" "$SCRATCH/unpacked"
overrides=$SCRATCH/unpacked/usr/share/lintian/overrides/woerterbuch
if [ -f "$overrides" ]; then
    awk '/^#/ { reason = 1; next } /^[[:space:]]*$/ { reason = 0; next }
         !reason { print "override without a reason: " $0; bad = 1 } END { exit bad }' \
        "$overrides" >&2 || fail "every lintian override needs a comment that gives its reason"
fi
echo "lintian --pedantic $(basename "$deb"): no tags"
