#!/usr/bin/env bash
# Developer entry point for a fresh Debian 12 machine. Run it as your normal user: it asks
# sudo itself, and only when a package is missing.
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev libxcb1-dev libdbus-1-dev
    libgtest-dev libgmock-dev libbenchmark-dev libjpeg62-turbo-dev libgif-dev
    fonts-dejavu-core fonts-liberation fonts-open-sans
    qt6-translations-l10n
)
# The formatter the tree is formatted with; a test fails when a file is not.
CLANG_FORMAT=clang-format-14
# The quick loop checks the formatting of the files git lists as changed, links with
# lld, which links a sanitizer build several times faster than the default linker, and
# runs the frequency script's test.
CHECK_PACKAGES=("$CLANG_FORMAT" git lld python3)
# The test run also needs the fuzzing toolchain, the leak checker, an X server with
# Xlib to start the programs on a display of their own, the formatter and git to list
# the files it checks; `time` is for bench/huge-file.sh.
TEST_PACKAGES=(clang libclang-rt-14-dev valgrind xvfb libx11-dev time "$CLANG_FORMAT" git)
# The test run links with lld too.
TEST_PACKAGES+=(lld)
# CPack's Debian generator computes the package's library dependencies with
# dpkg-shlibdeps (dpkg-dev) and finds the binaries with file; lintian checks the
# package (an install test).
PACKAGING_PACKAGES=(dpkg-dev file lintian)
# The install tests validate the menu entry and the metainfo, render the manual pages
# and build the package.
TEST_PACKAGES+=(desktop-file-utils appstream man-db groff-base "${PACKAGING_PACKAGES[@]}")
# The completion tests run fish on the installed fish completion and parse the zsh one.
TEST_PACKAGES+=(fish zsh)
# The search service's test starts a private session bus (dbus-run-session) that
# activates the installed service; gdbus is for calling it by hand.
TEST_PACKAGES+=(dbus libglib2.0-bin)
# The vocabulary rebuild test compiles Debian's word list and compares the result with
# the committed data files.
TEST_PACKAGES+=(trans-de-en)
# The German frequency script's test is Python.
TEST_PACKAGES+=(python3)
# The one-window test sets the X selection with xclip and finds the windows of a
# program with xdotool.
TEST_PACKAGES+=(xclip xdotool)
# The GNOME shortcut's test writes through the real GSettings: dconf's service and GNOME's
# keyboard schema.
TEST_PACKAGES+=(dconf-service dconf-gsettings-backend gnome-settings-daemon-common)
# The portal shortcut's test talks to a stand-in desktop portal.
TEST_PACKAGES+=(python3-dbusmock)
# The Wayland selection's test runs a headless sway, sets the selection with wl-copy and
# starts the window with Qt's Wayland plugin.
TEST_PACKAGES+=(sway wl-clipboard qt6-wayland)
# Seconds each fuzz harness runs in a test run: nine harnesses, two at a time, take
# about the two minutes that four took at a minute each.
FUZZ_SECONDS=25

usage() {
    cat >&2 <<EOF
usage: $0 COMMAND
  run    install what is missing, build the program in release mode, start it
  test   install what is missing, build with ASan+UBSan, run every test headless
  check  the quick loop: incremental debug build (ASan+UBSan, no fuzzing, no memcheck),
         each test program as one test, without the install tests, the ones that
         start the programs on a display or a bus of their own and the vocabulary
         rebuild; the format check of the changed files;
         installs the pre-commit hook when it is missing
  format format every tracked C++ file with the pinned clang-format
  package  install what is missing, build in release mode, make the Debian package
EOF
}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "dev.sh: installing packages needs root, and sudo is not installed" >&2
        exit 1
    fi
}

ensure_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing the missing packages: ${missing[*]}"
    else
        echo "Installing the missing packages with sudo: ${missing[*]}"
    fi
    local apt=(apt-get -o DPkg::Lock::Timeout=600 -o Acquire::Retries=3)
    as_root env DEBIAN_FRONTEND=noninteractive "${apt[@]}" update -qq
    as_root env DEBIAN_FRONTEND=noninteractive "${apt[@]}" install -y -qq \
        --no-install-recommends "${missing[@]}"
}

jobs() { nproc 2>/dev/null || echo 2; }

# The committed hook, copied where git looks for hooks (in a worktree, the shared ones)
# unless a hook of that name is already there. WB_INSTALL_HOOK=0 leaves the hooks alone.
install_hook() {
    [ "${WB_INSTALL_HOOK:-1}" = 0 ] && return 0
    local hooks
    hooks=$(git rev-parse --git-path hooks 2>/dev/null) || return 0
    [ -e "$hooks/pre-commit" ] && return 0
    mkdir -p "$hooks"
    cp tools/hooks/pre-commit "$hooks/pre-commit"
    echo "Installed the pre-commit hook in $hooks (it checks the formatting of staged files)"
}

# The tracked C++ files changed since the last commit, staged or not, and the new ones.
changed_cpp_files() {
    git diff -z --name-only --diff-filter=ACMR HEAD -- '*.cpp' '*.h'
    git ls-files -z --others --exclude-standard -- '*.cpp' '*.h'
}

case "${1:-}" in
run)
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        echo "dev.sh run: no display (neither DISPLAY nor WAYLAND_DISPLAY is set), so the" \
            "program cannot open its window; ./dev.sh test works without one." >&2
        exit 1
    fi
    if [ -n "${SUDO_USER:-}" ]; then
        echo "dev.sh run: started through sudo; run it as $SUDO_USER instead, it asks" \
            "sudo itself for missing packages." >&2
        exit 1
    fi
    ensure_packages "${PACKAGES[@]}"
    # Only what is started: the program, the companion command and the data beside them.
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DWB_BUILD_TESTS=OFF -DWB_BUILD_BENCH=OFF
    cmake --build build/release -j "$(jobs)" --target woerterbuch woerterbuch-dict
    exec build/release/bin/woerterbuch
    ;;
test)
    ensure_packages "${PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    # Line tables (-g1) give the sanitizers' reports their files and lines, and build
    # faster than full debugging information. A unity build compiles each
    # target's sources a few to a file, so the toolkit's and GoogleTest's headers are
    # parsed once per batch rather than once per source; the quick loop, which rebuilds
    # single files, compiles them one by one.
    cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
        -DCMAKE_UNITY_BUILD=ON -DWB_SANITIZE=ON -DWB_FUZZ=ON -DWB_MEMCHECK=ON \
        -DWB_LINK_WITH_LLD=ON -DWB_CLANG_FORMAT="$CLANG_FORMAT"
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
check)
    ensure_packages "${PACKAGES[@]}" "${CHECK_PACKAGES[@]}"
    install_hook
    launcher=()
    if command -v ccache >/dev/null; then
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
    fi
    # A build directory of its own, so the full run's build/test stays as it was. Only
    # what the tests it runs need is built. -O1: the tests start the command a few
    # hundred times and compile vocabularies with it, which takes half the time that
    # the unoptimised build takes; the sanitizers find the same faults.
    cmake -S . -B build/check -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g1 -O1" \
        -DWB_SANITIZE=ON -DWB_FUZZ=OFF -DWB_MEMCHECK=OFF -DWB_BUILD_BENCH=OFF -DWB_QUICK_TESTS=ON \
        -DWB_LINK_WITH_LLD=ON \
        -DWB_CLANG_FORMAT="$CLANG_FORMAT" "${launcher[@]}" >/dev/null
    cmake --build build/check -j "$(jobs)"
    changed_cpp_files | xargs -0 -r "$CLANG_FORMAT" --dry-run -Werror
    export QT_QPA_PLATFORM=offscreen
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
    # CTest remembers how long each program took and starts the longest first. The
    # vocabulary rebuild compiles Debian's whole word list: the full run has it.
    ctest --test-dir build/check --output-on-failure -j "$(jobs)" \
        -E '^Vocabulary\.RebuildGivesTheCommittedFilesAndMeetsTheFloors$'
    ;;
package)
    ensure_packages "${PACKAGES[@]}" "${PACKAGING_PACKAGES[@]}"
    cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DWB_BUILD_TESTS=OFF \
        -DWB_BUILD_BENCH=OFF
    cmake --build build/package -j "$(jobs)"
    (cd build/package && cpack -G DEB)
    ;;
format)
    ensure_packages "$CLANG_FORMAT" git
    git ls-files -z -- '*.cpp' '*.h' | xargs -0 "$CLANG_FORMAT" -i
    ;;
*)
    usage
    exit 64
    ;;
esac
