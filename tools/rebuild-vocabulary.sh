#!/usr/bin/env bash
# Rebuilds the bundled vocabulary, data/engdeu.dat and data/deueng.dat, from the
# German-English word list of Debian's trans-de-en package (installed if missing).
# The normal build and test run do not need this: they use the committed files.
set -euo pipefail
cd "$(dirname "$0")/.."

SOURCE=/usr/share/trans/de-en

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ ! -f "$SOURCE" ]; then
    echo "Installing trans-de-en"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
        --no-install-recommends trans-de-en
fi

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j 2 --target woerterbuch-dict
head -n 1 "$SOURCE"
build/release/bin/woerterbuch-dict compile --ding "$SOURCE" --out data
build/release/bin/woerterbuch-dict check --data data
