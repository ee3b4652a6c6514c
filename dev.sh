#!/usr/bin/env bash
# Developer entry point for a fresh Debian 12 machine.
#   ./dev.sh run    install what is missing, build a release build, start the program
#   ./dev.sh test   install what is missing, build with ASan+UBSan, run every test headless
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev libjpeg62-turbo-dev
    fonts-dejavu-core
)
# The test run also needs the fuzzing toolchain and the leak checker.
TEST_PACKAGES=(clang libclang-rt-14-dev valgrind)

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
    cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWB_SANITIZE=ON
    cmake --build build/test -j "$(jobs)"
    export QT_QPA_PLATFORM=offscreen
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
    ctest --test-dir build/test --output-on-failure -j "$(jobs)"
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 64
    ;;
esac
