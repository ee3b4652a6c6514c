#!/usr/bin/env bash
# Time and peak memory of loading a data file that is a gibibyte of random bytes, in
# place of each data file in turn, next to the bundled other one.
#   bench/huge-file.sh [BIN_DIR]
# BIN_DIR holds woerterbuch-dict and the bundled data (default: build/release/bin, as
# ./dev.sh run builds it). Needs /usr/bin/time (Debian package "time").
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(cd "${1:-build/release/bin}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "writing a gibibyte of random bytes"
head -c 1G /dev/urandom >"$work/random"

measure() { # LABEL DIR
    /usr/bin/time -f "$1: %e s, peak %M KiB" \
        "$bin/woerterbuch-dict" lookup --data "$2" en a >/dev/null 2>"$work/err" || true
    tail -n 1 "$work/err"
}

mkdir "$work/bundled"
cp "$bin/deueng.dat" "$bin/engdeu.dat" "$work/bundled/"
measure "bundled files" "$work/bundled"
for name in deueng.dat engdeu.dat; do
    mkdir "$work/$name"
    cp "$bin"/*.dat "$work/$name/"
    ln -f "$work/random" "$work/$name/$name"
    measure "$name random" "$work/$name"
    measure "$name random, again" "$work/$name"
done
