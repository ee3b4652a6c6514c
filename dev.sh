#!/usr/bin/env bash
# Developer entry point for a fresh Debian 12 machine.
#   ./dev.sh run    install what is missing, build a release build, start the program
#   ./dev.sh test   install what is missing, build with ASan+UBSan, run every test headless
#   ./dev.sh package  install what is missing, build a release build, make the Debian package
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev libjpeg62-turbo-dev
    fonts-dejavu-core
)
# CPack's Debian generator computes the package's library dependencies with
# dpkg-shlibdeps (dpkg-dev) and finds the binaries with file.
PACKAGING_PACKAGES=(dpkg-dev file)
# The test run also needs the fuzzing toolchain, the leak checker, and an X server
# with Xlib to start the programs on a display of their own; `time` is for
# bench/huge-file.sh; the install tests validate the menu entry and the metainfo,
# render the manual pages and build the package.
TEST_PACKAGES=(clang libclang-rt-14-dev valgrind xvfb libx11-dev time
    desktop-file-utils appstream man-db groff-base "${PACKAGING_PACKAGES[@]}")
# Seconds each fuzz harness runs in a test run.
FUZZ_SECONDS=60

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

ensure_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local apt=(apt-get -o DPkg::Lock::Timeout=600 -o Acquire::Retries=3)
    as_root env DEBIAN_FRONTEND=noninteractive "${apt[@]}" update -qq
    as_root env DEBIAN_FRONTEND=noninteractive "${apt[@]}" install -y -qq \
        --no-install-recommends "${missing[@]}"
}

jobs() { nproc 2>/dev/null || echo 2; }

case "${1:-}" in
run)
    ensure_packages "${PACKAGES[@]}"
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
    cmake --build build/release -j "$(jobs)"
    exec build/release/bin/woerterbuch
    ;;
test)
    ensure_packages "${PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWB_SANITIZE=ON \
        -DWB_FUZZ=ON -DWB_MEMCHECK=ON
    cmake --build build/test -j "$(jobs)"
    if [ -x build/test/fuzz/fuzz_check ]; then
        tests/fuzz/run-fuzzers.sh build/test/fuzz "$FUZZ_SECONDS"
    else
        echo "No clang with libFuzzer: the fuzzers do not run; CTest still replays their corpus."
    fi
    export QT_QPA_PLATFORM=offscreen
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
    ctest --test-dir build/test --output-on-failure -j "$(jobs)"
    ;;
package)
    ensure_packages "${PACKAGES[@]}" "${PACKAGING_PACKAGES[@]}"
    cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DWB_BUILD_TESTS=OFF \
        -DWB_BUILD_BENCH=OFF
    cmake --build build/package -j "$(jobs)"
    (cd build/package && cpack -G DEB)
    ;;
*)
    echo "usage: $0 run|test|package" >&2
    exit 64
    ;;
esac
