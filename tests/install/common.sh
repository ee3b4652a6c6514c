# Shared by the install tests: a scratch directory that goes away, failing with a
# message, skipping when a tool is missing, and installing the build into a prefix.
set -eu

SKIP=77
SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

need() {
    command -v "$1" >/dev/null 2>&1 || { echo "SKIP: $1 is not installed ($2)"; exit "$SKIP"; }
}

# install_tree BUILD_DIR PREFIX: what `cmake --install` puts under PREFIX.
install_tree() {
    cmake --install "$1" --prefix "$2" >"$SCRATCH/install.log" 2>&1 \
        || { cat "$SCRATCH/install.log" >&2; fail "cmake --install $1 failed"; }
}

# list_tree ROOT: every path below ROOT, one a line, links with their target.
list_tree() {
    (cd "$1" && find . -mindepth 1 \( -type l -printf '%P -> %l\n' \) -o -printf '%P\n') | LC_ALL=C sort
}
